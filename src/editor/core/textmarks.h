// The marks of an editor's text: runs of characters shown in a font and colour of their own,
// as marking the search string's occurrences gives them. A later mark wins over an earlier one
// where they meet; the marks follow the text through its edits.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>

#include <vector>

namespace editor {

struct MarkStyle {
    QFont font;
    QColor colour;
    bool operator==(const MarkStyle &other) const = default;
};

struct Mark {
    qsizetype start = 0;
    qsizetype end = 0;
    int style = 0; ///< index in TextMarks::styles()
};

class TextMarks {
public:
    /// Marks the runs of \a length characters at each of \a starts (in any order, not
    /// overlapping one another) with \a style.
    void add(QList<qsizetype> starts, qsizetype length, const MarkStyle &style);
    void clear();

    bool isEmpty() const { return m_marks.empty(); }
    /// The marks that hold characters from \a from to \a to, in the order of the text.
    std::vector<Mark> between(qsizetype from, qsizetype to) const;
    const std::vector<MarkStyle> &styles() const { return m_styles; }
    /// The style of the character at \a position, or -1 for one that is not marked.
    int styleAt(qsizetype position) const;

    /// \a count characters went in at \a position: a mark on both sides of it grows, marks after
    /// it move.
    void inserted(qsizetype position, qsizetype count);
    /// The characters from \a from to \a to went out.
    void removed(qsizetype from, qsizetype to);

private:
    int styleIndex(const MarkStyle &style);

    std::vector<Mark> m_marks; ///< in the order of the text, not overlapping; touching ones differ in style
    std::vector<MarkStyle> m_styles;
};

} // namespace editor
