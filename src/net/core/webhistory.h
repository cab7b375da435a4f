// The address history of the HTML viewer: the addresses in the order they were first shown,
// without duplicates, and where its Previous and Next buttons lead from the address in the box.
#pragma once

#include <QString>
#include <QStringList>

namespace net {

class WebHistory {
public:
    /// Appends \a address unless it is there already; its position.
    int record(const QString &address);

    const QStringList &addresses() const { return m_addresses; }
    /// The position of \a text, -1 when it is not in the history.
    int position(const QString &text) const { return int(m_addresses.indexOf(text)); }

    /// Previous is enabled above the first position, Next below the last one.
    bool canGoBack(int position) const { return position > 0; }
    bool canGoForward(int position) const { return position < m_addresses.size() - 1; }

    /// Where Previous leads from \a text: the address two positions before it, as the
    /// button's hint shows; empty when there is none (from the second position).
    QString previousAddress(const QString &text) const;
    /// Where Next leads from \a text: the address after it, the first one when \a text is not
    /// in the history; empty at the last position.
    QString nextAddress(const QString &text) const;

private:
    QStringList m_addresses;
};

/// The address of the local page \a path: a file:// URL of its absolute path.
QString localPageAddress(const QString &path);

} // namespace net
