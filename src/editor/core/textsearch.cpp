#include "editor/core/textsearch.h"

#include <QString>

namespace editor {

namespace {

// The position just past the text reads as the terminating zero, a delimiter.
bool delimiterAt(QStringView text, qsizetype position)
{
    return position >= text.size() || isWordDelimiter(text[position]);
}

// Moves \a position to the start of the next word in the search direction, each step using up
// one candidate. Downward: a position already at a word's first character stays there (the caret
// before a word must find that word); otherwise past the rest of the current word, then past the
// delimiters. Upward:
// back over delimiters, then over the word, then one step forward onto its first character.
// Upward the candidates run out exactly when the start of the text is passed; a word that
// begins the text is still a word start then, found with the last candidate.
bool moveToWordStart(QStringView text, qsizetype &position, qsizetype &candidates, bool down)
{
    const int step = down ? 1 : -1;
    if (down && !delimiterAt(text, position) && (position == 0 || delimiterAt(text, position - 1)))
        return true;
    while (candidates > 0 && delimiterAt(text, position) != down) {
        position += step;
        --candidates;
    }
    bool overWord = false;
    while (candidates > 0 && delimiterAt(text, position) == down) {
        position += step;
        --candidates;
        overWord = true;
    }
    if (!down && overWord && position < 0) {
        position = 0;
        candidates = 1;
        return true;
    }
    if (candidates <= 0)
        return false;
    if (!down) {
        position += 1;
        ++candidates;
    }
    return true;
}

} // namespace

bool isWordDelimiter(QChar c)
{
    const char16_t u = c.unicode();
    return !((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9'));
}

std::optional<qsizetype> findText(QStringView text, qsizetype selectionStart, qsizetype selectionLength,
                                  QStringView pattern, const FindOptions &options)
{
    const qsizetype length = text.size();
    const qsizetype patternLength = pattern.size();
    if (patternLength == 0 || length == 0 || selectionStart < 0 || selectionLength < 0)
        return std::nullopt;

    qsizetype position;
    qsizetype candidates;
    if (options.down) {
        position = selectionStart + selectionLength;
        candidates = length - position - patternLength + 1;
        if (candidates < 0)
            return std::nullopt;
    } else {
        position = selectionStart - patternLength;
        candidates = position + 1;
    }
    if (position < 0 || position > length)
        return std::nullopt;

    // Character by character upper-casing, the same on both sides, so lengths never change.
    // ASCII, by far the most common, is folded here: the library's call costs more than the search.
    const auto fold = [&options](QChar c) {
        if (options.matchCase)
            return c;
        const char16_t u = c.unicode();
        if (u < 0x80)
            return QChar(u >= 'a' && u <= 'z' ? char16_t(u - ('a' - 'A')) : u);
        return c.toUpper();
    };
    QString wanted(patternLength, QChar());
    for (qsizetype i = 0; i < patternLength; ++i)
        wanted[i] = fold(pattern[i]);
    const int step = options.down ? 1 : -1;

    while (candidates > 0) {
        if (options.wholeWord && !moveToWordStart(text, position, candidates, options.down))
            break;
        qsizetype i = 0;
        while (i < patternLength && fold(text[position + i]) == wanted[i])
            ++i;
        if (i == patternLength && (!options.wholeWord || delimiterAt(text, position + patternLength)))
            return position;
        position += step;
        --candidates;
    }
    return std::nullopt;
}

QList<qsizetype> findSuccessive(QStringView text, qsizetype selectionStart, qsizetype selectionLength,
                                QStringView pattern, const FindOptions &options)
{
    QList<qsizetype> found;
    qsizetype start = selectionStart;
    qsizetype selected = selectionLength;
    while (const auto at = findText(text, start, selected, pattern, options)) {
        found.append(*at);
        start = *at;
        selected = pattern.size();
    }
    return found;
}

} // namespace editor
