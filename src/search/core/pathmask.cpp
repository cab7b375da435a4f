#include "search/core/pathmask.h"

#include "search/core/asciicase.h"

namespace search {

namespace {

bool wildcardMatch(const char *pattern, const char *pEnd, const char *name, const char *nEnd)
{
    // Iterative match with back-tracking to the last star.
    const char *star = nullptr;
    const char *resume = nullptr;
    while (name < nEnd) {
        if (pattern < pEnd && (*pattern == '?'
                               || *pattern == static_cast<char>(asciiUpper(static_cast<unsigned char>(*name))))) {
            ++pattern;
            ++name;
        } else if (pattern < pEnd && *pattern == '*') {
            star = pattern++;
            resume = name;
        } else if (star) {
            pattern = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (pattern < pEnd && *pattern == '*')
        ++pattern;
    return pattern == pEnd;
}

} // namespace

PathMask::PathMask(const QString &mask)
{
    QString trimmed = mask;
    while (trimmed.endsWith(' '))
        trimmed.chop(1);
    m_pattern = asciiUpper(trimmed.toUtf8());
    m_all = m_pattern == "*.*" || m_pattern == "*";
}

bool PathMask::matches(const QByteArray &name) const
{
    if (m_all)
        return true;
    return wildcardMatch(m_pattern.constData(), m_pattern.constData() + m_pattern.size(),
                         name.constData(), name.constData() + name.size());
}

} // namespace search
