#include "editor/core/textmarks.h"

#include <algorithm>

namespace editor {

namespace {

// The first mark that ends after \a position.
std::vector<Mark>::const_iterator firstEndingAfter(const std::vector<Mark> &marks, qsizetype position)
{
    return std::upper_bound(marks.begin(), marks.end(), position,
                            [](qsizetype at, const Mark &mark) { return at < mark.end; });
}

// Joins the marks of one style that touch, so that each mark is a whole run of its style.
void joinTouching(std::vector<Mark> &marks)
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (kept > 0 && marks[kept - 1].end == marks[i].start && marks[kept - 1].style == marks[i].style)
            marks[kept - 1].end = marks[i].end;
        else
            marks[kept++] = marks[i];
    }
    marks.resize(kept);
}

} // namespace

int TextMarks::styleIndex(const MarkStyle &style)
{
    const auto found = std::find(m_styles.begin(), m_styles.end(), style);
    if (found != m_styles.end())
        return int(found - m_styles.begin());
    m_styles.push_back(style);
    return int(m_styles.size()) - 1;
}

void TextMarks::add(QList<qsizetype> starts, qsizetype length, const MarkStyle &style)
{
    if (starts.isEmpty() || length <= 0)
        return;
    std::sort(starts.begin(), starts.end());
    const int index = styleIndex(style);
    std::vector<Mark> added;
    added.reserve(std::size_t(starts.size()));
    for (const qsizetype start : std::as_const(starts))
        added.push_back(Mark{start, start + length, index});

    // What is left of each earlier mark outside the new ones, then both in the order of the text.
    std::vector<Mark> kept;
    kept.reserve(m_marks.size());
    for (const Mark &mark : m_marks) {
        qsizetype from = mark.start;
        for (auto over = firstEndingAfter(added, mark.start); over != added.cend() && over->start < mark.end; ++over) {
            if (over->start > from)
                kept.push_back(Mark{from, over->start, mark.style});
            from = std::max(from, over->end);
        }
        if (from < mark.end)
            kept.push_back(Mark{from, mark.end, mark.style});
    }
    m_marks.clear();
    m_marks.reserve(kept.size() + added.size());
    std::merge(kept.begin(), kept.end(), added.begin(), added.end(), std::back_inserter(m_marks),
               [](const Mark &a, const Mark &b) { return a.start < b.start; });
    joinTouching(m_marks);
}

void TextMarks::clear()
{
    m_marks.clear();
    m_styles.clear();
}

std::vector<Mark> TextMarks::between(qsizetype from, qsizetype to) const
{
    std::vector<Mark> found;
    for (auto mark = firstEndingAfter(m_marks, from); mark != m_marks.end() && mark->start < to; ++mark)
        found.push_back(*mark);
    return found;
}

int TextMarks::styleAt(qsizetype position) const
{
    const auto mark = firstEndingAfter(m_marks, position);
    return mark != m_marks.end() && mark->start <= position ? mark->style : -1;
}

void TextMarks::inserted(qsizetype position, qsizetype count)
{
    for (auto mark = m_marks.begin() + (firstEndingAfter(m_marks, position) - m_marks.cbegin());
         mark != m_marks.end(); ++mark) {
        if (mark->start >= position)
            mark->start += count;
        mark->end += count;
    }
}

void TextMarks::removed(qsizetype from, qsizetype to)
{
    const qsizetype count = to - from;
    if (count <= 0)
        return;
    const auto shifted = [from, to, count](qsizetype at) { return at <= from ? at : at >= to ? at - count : from; };
    auto first = m_marks.begin() + (firstEndingAfter(m_marks, from) - m_marks.cbegin());
    for (auto mark = first; mark != m_marks.end(); ++mark) {
        mark->start = shifted(mark->start);
        mark->end = shifted(mark->end);
    }
    m_marks.erase(std::remove_if(first, m_marks.end(), [](const Mark &mark) { return mark.start == mark.end; }),
                  m_marks.end());
    // The runs on both sides of what went out may now touch.
    const auto after = firstEndingAfter(m_marks, from);
    if (after != m_marks.cbegin() && after != m_marks.cend()) {
        const auto before = after - 1;
        if (before->end == after->start && before->style == after->style) {
            const auto index = std::size_t(before - m_marks.cbegin());
            m_marks[index].end = after->end;
            m_marks.erase(after);
        }
    }
}

} // namespace editor
