#include "editor/core/documentsearch.h"

#include <algorithm>

namespace editor {

DocumentSearch::DocumentSearch(const TextBuffer &text, qsizetype pieceLength) : m_text(text), m_pieceLength(pieceLength)
{
}

void DocumentSearch::walk(qsizetype selectionStart, qsizetype selectionLength, const FindOptions &options,
                          const std::function<bool(QStringView, qsizetype, qsizetype)> &search) const
{
    // Downward the search starts after the selection, upward at its start.
    const qsizetype from = options.down ? selectionStart + selectionLength : selectionStart;
    const qsizetype end = m_text.length();
    if (selectionStart < 0 || selectionLength < 0 || from > end)
        return;
    // Pieces run from a line's start to the start of a line, or to the end of the text.
    const auto lineStart = [this, end](qsizetype position) {
        return position >= end ? end : m_text.lineStart(m_text.lineOf(position));
    };
    const auto lineEnd = [this, end](qsizetype position) {
        const qsizetype line = m_text.lineOf(position);
        return line + 1 < m_text.lineCount() ? m_text.lineStart(line + 1) : end;
    };
    if (options.down) {
        for (qsizetype start = lineStart(from); start < end;) {
            const qsizetype stop = lineEnd(std::min(end, start + m_pieceLength - 1));
            if (!search(m_text.text(start, stop), start, std::max(from - start, qsizetype(0))))
                return;
            if (stop >= end)
                return;
            start = stop;
        }
    } else {
        for (qsizetype stop = lineEnd(from); stop > 0;) {
            const qsizetype start = lineStart(std::max(qsizetype(0), stop - m_pieceLength));
            const QString piece = m_text.text(start, stop);
            if (!search(piece, start, std::min(from - start, piece.size())))
                return;
            stop = start;
        }
    }
}

std::optional<qsizetype> DocumentSearch::find(qsizetype selectionStart, qsizetype selectionLength,
                                              QStringView pattern, const FindOptions &options) const
{
    std::optional<qsizetype> found;
    if (pattern.isEmpty())
        return found;
    walk(selectionStart, selectionLength, options, [&](QStringView piece, qsizetype start, qsizetype at) {
        if (const auto within = findText(piece, at, 0, pattern, options))
            found = start + *within;
        return !found;
    });
    return found;
}

QList<qsizetype> DocumentSearch::findSuccessive(qsizetype selectionStart, qsizetype selectionLength,
                                                QStringView pattern, const FindOptions &options) const
{
    QList<qsizetype> found;
    if (pattern.isEmpty())
        return found;
    walk(selectionStart, selectionLength, options, [&](QStringView piece, qsizetype start, qsizetype at) {
        for (const qsizetype within : editor::findSuccessive(piece, at, 0, pattern, options))
            found.append(start + within);
        return true;
    });
    return found;
}

} // namespace editor
