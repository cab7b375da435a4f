// The editor's text search: from the current selection, downward or upward, with or without
// regard to case, whole words or any occurrence. The whole text is searched whatever its length.
#pragma once

#include <QList>
#include <QStringView>

#include <optional>

namespace editor {

struct FindOptions {
    bool down = true;
    bool matchCase = false;
    bool wholeWord = false;
};

/// Word delimiters are every character but the ASCII letters and digits (accented letters too).
bool isWordDelimiter(QChar c);

/// Start of the next occurrence of \a pattern in \a text, searching from the selection
/// (\a selectionStart, \a selectionLength): downward from just after it, upward so that the
/// occurrence ends at or before its start. Without matchCase both sides are compared in upper case.
/// With wholeWord a candidate is first moved to the start of a word (a downward search that starts
/// at the first character of a word tries that word first), and a match must be followed by a
/// delimiter (the end of the text counts as one).
std::optional<qsizetype> findText(QStringView text, qsizetype selectionStart, qsizetype selectionLength,
                                  QStringView pattern, const FindOptions &options);

/// The occurrences found by searching again and again from the selection, each search starting
/// from the occurrence found before, until one fails: what marking covers.
QList<qsizetype> findSuccessive(QStringView text, qsizetype selectionStart, qsizetype selectionLength,
                                QStringView pattern, const FindOptions &options);

} // namespace editor
