// Folder-listing masks as the search walk uses them: "*" and "?" wildcards, letters compared
// without regard to case, trailing blanks ignored, and "*.*" taking every name.
#pragma once

#include <QByteArray>
#include <QString>

namespace search {

class PathMask {
public:
    explicit PathMask(const QString &mask);
    bool matches(const QByteArray &name) const;

private:
    QByteArray m_pattern; ///< upper-cased
    bool m_all = false;
};

} // namespace search
