// Listing styles: UNIX and its relatives, VM, VM/VPS and the two VMS servers.
#include "net/core/listingparser.h"

#include <QList>

#include <array>

namespace net {

namespace {

struct Token {
    qsizetype start;
    qsizetype end;
};

QList<Token> tokens(const QByteArray &line)
{
    QList<Token> result;
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && line.at(i) == ' ')
            ++i;
        if (i == line.size())
            break;
        const qsizetype start = i;
        while (i < line.size() && line.at(i) != ' ')
            ++i;
        result.append({start, i});
    }
    return result;
}

bool isDigits(const QByteArray &text, qsizetype minimum, qsizetype maximum)
{
    if (text.size() < minimum || text.size() > maximum)
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

bool isMonth(const QByteArray &text)
{
    static constexpr std::array<const char *, 12> months = {"jan", "feb", "mar", "apr", "may", "jun",
                                                            "jul", "aug", "sep", "oct", "nov", "dec"};
    const QByteArray lower = text.toLower();
    for (const char *month : months) {
        if (lower == month)
            return true;
    }
    return false;
}

// "12:00", "9:05" or "12:00:59".
bool isTime(const QByteArray &text)
{
    const QList<QByteArray> parts = text.split(':');
    if (parts.size() < 2 || parts.size() > 3 || !isDigits(parts.at(0), 1, 2))
        return false;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (!isDigits(parts.at(i), 2, 2))
            return false;
    }
    return true;
}

// "2024-01-31".
bool isIsoDate(const QByteArray &text)
{
    const QList<QByteArray> parts = text.split('-');
    return parts.size() == 3 && isDigits(parts.at(0), 4, 4) && isDigits(parts.at(1), 2, 2)
           && isDigits(parts.at(2), 2, 2);
}

QByteArray join(const QByteArray &a, const QByteArray &b) { return a + ' ' + b; }

} // namespace

QByteArray ListingParser::ListingName(const QByteArray &line)
{
    QByteArray text = line;
    const qsizetype arrow = text.indexOf("->");
    if (arrow >= 0)
        text.truncate(arrow);
    while (!text.isEmpty() && text.endsWith(' '))
        text.chop(1);
    const qsizetype blank = text.lastIndexOf(' ');
    return blank < 0 ? text : text.mid(blank + 1);
}

QByteArray ListingParser::ListingWord(const QByteArray &line, int n)
{
    QByteArray collapsed;
    collapsed.reserve(line.size());
    for (const char c : line) {
        if (c != ' ' || !collapsed.endsWith(' '))
            collapsed.append(c);
    }
    qsizetype position = 0;
    for (int word = 0; word < n; ++word) {
        const qsizetype blank = collapsed.indexOf(' ', position);
        if (blank < 0)
            return QByteArray();
        position = blank + 1;
    }
    const qsizetype blank = collapsed.indexOf(' ', position);
    if (blank < 0)
        return QByteArray();
    return collapsed.mid(position, blank - position);
}

ListingEntry ListingParser::ParseListingLine(TFTPServerType serverType, const QByteArray &line)
{
    ListingEntry entry;
    switch (serverType) {
    case ftpstDefault:
    case ftpstUNIX:
    case ftpstULTRIX:
    case ftpstU5000:
    case ftpstSINTFTPD:
        return parseUnix(line);
    case ftpstVM:
        entry.name = ListingWord(line, 0) + '.' + ListingWord(line, 1);
        entry.size = ListingWord(line, 3);
        entry.date = join(ListingWord(line, 6), ListingWord(line, 7));
        entry.parsed = true;
        return entry;
    case ftpstVMVPS:
        if (line.contains('=') || line.contains("totals:") || line.contains(" rf trks")
            || line.contains("track limit"))
            return entry;
        entry.name = '.' + ListingWord(line, 1);
        entry.size = ListingWord(line, 2);
        entry.date = join(ListingWord(line, 7), ListingWord(line, 6));
        entry.parsed = true;
        return entry;
    case ftpstVmsMultinet:
    case ftpstVmsUcx:
        return parseVms(line);
    default:
        return entry;
    }
}

// The kind comes from the first character. The name is all the text after the date, blanks
// included, so "my file.txt" stays whole; the date is found by its shape (month, day, time or
// year; or an ISO date and a time), which also copes with listings that leave out the owner or
// the group. A line whose date is not recognised falls back to fixed word positions and to the
// last word as its name.
ListingEntry ListingParser::parseUnix(const QByteArray &line) const
{
    ListingEntry entry;
    const char kind = line.isEmpty() ? '\0' : line.at(0);
    if (kind == '-' || kind == 'f')
        entry.isDirectory = false;
    else if (kind == 'd' || kind == 'l')
        entry.isDirectory = true;
    else
        return entry;
    entry.parsed = true;

    const QList<Token> words = tokens(line);
    auto word = [&](qsizetype i) { return line.mid(words.at(i).start, words.at(i).end - words.at(i).start); };
    qsizetype nameStart = -1;
    for (qsizetype i = 2; i < words.size() && nameStart < 0; ++i) {
        if (!isDigits(word(i - 1), 1, 20))
            continue;
        if (i + 3 < words.size() && isMonth(word(i)) && isDigits(word(i + 1), 1, 2)
            && (isTime(word(i + 2)) || isDigits(word(i + 2), 4, 4))) {
            entry.size = word(i - 1);
            entry.date = join(join(word(i), word(i + 1)), word(i + 2));
            nameStart = words.at(i + 3).start;
        } else if (i + 2 < words.size() && isIsoDate(word(i)) && isTime(word(i + 1))) {
            entry.size = word(i - 1);
            entry.date = join(word(i), word(i + 1));
            nameStart = words.at(i + 2).start;
        }
    }

    if (nameStart < 0) {
        const bool bracketed = ListingWord(line, 1).startsWith('[');
        const int first = bracketed ? 3 : 4;
        entry.size = ListingWord(line, first);
        entry.date = join(join(ListingWord(line, first + 1), ListingWord(line, first + 2)),
                          ListingWord(line, first + 3));
        entry.name = ListingName(line);
        return entry;
    }

    entry.name = line.mid(nameStart);
    if (kind == 'l') {
        const qsizetype arrow = entry.name.indexOf(" -> ");
        if (arrow >= 0)
            entry.name.truncate(arrow);
    }
    while (entry.name.endsWith(' '))
        entry.name.chop(1);
    return entry;
}

ListingEntry ListingParser::parseVms(const QByteArray &line)
{
    ListingEntry entry;
    QByteArray text = line;
    const bool joined = !m_continuation.isEmpty();
    if (joined) {
        text = m_continuation + text;
        m_continuation.clear();
    }
    if (!text.contains(';'))
        return entry;
    QByteArray name = ListingWord(text, 0);
    if (name.isEmpty()) {
        // A long name alone on its line: its details follow on the next one. Only one line is
        // ever carried over, so a listing of such lines cannot pile up.
        if (!joined)
            m_continuation = text;
        return entry;
    }
    name.truncate(name.indexOf(';'));
    const qsizetype dir = name.indexOf(".DIR");
    if (dir >= 0) {
        entry.isDirectory = true;
        name.truncate(dir);
    }
    entry.name = name;
    entry.size = ListingWord(text, 1);
    entry.date = join(ListingWord(text, 2), ListingWord(text, 3));
    entry.parsed = true;
    return entry;
}

} // namespace net
