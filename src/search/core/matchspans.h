// Where the search string lies in a line of the results list or of a file, so that windows can
// draw it highlighted. Found as the search found it: exact text when case is respected,
// otherwise with ASCII letters folded (accented letters still match only themselves).
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace search {

/// What a search looked for.
struct MatchPattern {
    QString text;
    bool caseSensitive = false;
    bool empty() const { return text.isEmpty(); }
};

/// A run of matched text: its first UTF-16 unit and its length.
struct MatchSpan {
    qsizetype start = 0;
    qsizetype length = 0;
    friend bool operator==(const MatchSpan &, const MatchSpan &) = default;
};

/// Every occurrence of \a pattern in \a text from \a from on, without overlaps, in order.
QList<MatchSpan> findMatches(QStringView text, const MatchPattern &pattern, qsizetype from = 0);

/// Length of the "12 : " that starts a match line of the results list; 0 when \a line is not one.
qsizetype matchLinePrefix(QStringView line);

/// The occurrences of \a pattern in the text part of the match line \a line; none in any other
/// line (separators, headers: a path that holds the string is not a match).
QList<MatchSpan> matchLineSpans(QStringView line, const MatchPattern &pattern);

} // namespace search
