#include "search/core/matchspans.h"

namespace search {

namespace {

char16_t folded(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') ? static_cast<char16_t>(u - 32) : u;
}

bool matchesAt(QStringView text, qsizetype at, QStringView pattern, bool caseSensitive)
{
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar a = text[at + i];
        const QChar b = pattern[i];
        if (caseSensitive ? a != b : folded(a) != folded(b))
            return false;
    }
    return true;
}

} // namespace

QList<MatchSpan> findMatches(QStringView text, const MatchPattern &pattern, qsizetype from)
{
    QList<MatchSpan> spans;
    const qsizetype n = pattern.text.size();
    if (n == 0 || from < 0)
        return spans;
    for (qsizetype at = from; at + n <= text.size();) {
        if (matchesAt(text, at, pattern.text, pattern.caseSensitive)) {
            spans.append({at, n});
            at += n;
        } else {
            ++at;
        }
    }
    return spans;
}

qsizetype matchLinePrefix(QStringView line)
{
    qsizetype digits = 0;
    while (digits < line.size() && line[digits].unicode() >= '0' && line[digits].unicode() <= '9')
        ++digits;
    if (digits == 0 || !line.sliced(digits).startsWith(QLatin1String(" : ")))
        return 0;
    return digits + 3;
}

QList<MatchSpan> matchLineSpans(QStringView line, const MatchPattern &pattern)
{
    const qsizetype prefix = matchLinePrefix(line);
    if (prefix == 0)
        return {};
    return findMatches(line, pattern, prefix);
}

} // namespace search
