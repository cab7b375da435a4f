#include "net/core/webhistory.h"

#include <QFileInfo>
#include <QUrl>

namespace net {

int WebHistory::record(const QString &address)
{
    const int found = position(address);
    if (found >= 0)
        return found;
    m_addresses.append(address);
    return int(m_addresses.size()) - 1;
}

QString WebHistory::previousAddress(const QString &text) const
{
    const int target = position(text) - 2;
    return target >= 0 ? m_addresses.at(target) : QString();
}

QString WebHistory::nextAddress(const QString &text) const
{
    const int target = position(text) + 1;
    return target < m_addresses.size() ? m_addresses.at(target) : QString();
}

QString localPageAddress(const QString &path)
{
    // Pretty-decoded: blanks and accents read as typed, while "#" and "?" in a file name stay
    // escaped so the address names the same file when it is loaded back.
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString();
}

} // namespace net
