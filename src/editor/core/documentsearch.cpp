#include "editor/core/documentsearch.h"

#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace editor {

namespace {

// The document's text from \a from to \a to, positions at line starts or the very end, each
// line break as the whole text holds it: one copy out of the document's buffer.
QString textBetween(const QTextDocument &document, qsizetype from, qsizetype to)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(int(from));
    cursor.setPosition(int(to), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

} // namespace

DocumentSearch::DocumentSearch(const QTextDocument &document, qsizetype pieceLength)
    : m_document(document), m_pieceLength(pieceLength)
{
}

void DocumentSearch::walk(qsizetype selectionStart, qsizetype selectionLength, const FindOptions &options,
                          const std::function<bool(QStringView, qsizetype, qsizetype)> &search) const
{
    // Downward the search starts after the selection, upward at its start.
    const qsizetype from = options.down ? selectionStart + selectionLength : selectionStart;
    const qsizetype end = m_document.characterCount() - 1; // the text's end, before the last line break
    if (selectionStart < 0 || selectionLength < 0 || from > end)
        return;
    // Pieces run from a line's start to the start of a line, or to the end of the text.
    const auto lineStart = [this, end](qsizetype position) {
        return position >= end ? end : qsizetype(m_document.findBlock(int(position)).position());
    };
    const auto lineEnd = [this, end](qsizetype position) {
        const QTextBlock block = m_document.findBlock(int(position));
        return std::min(end, qsizetype(block.position()) + block.length());
    };
    if (options.down) {
        for (qsizetype start = lineStart(from); start < end;) {
            const qsizetype stop = lineEnd(std::min(end, start + m_pieceLength - 1));
            if (!search(textBetween(m_document, start, stop), start, std::max(from - start, qsizetype(0))))
                return;
            if (stop >= end)
                return;
            start = stop;
        }
    } else {
        for (qsizetype stop = lineEnd(from); stop > 0;) {
            const qsizetype start = lineStart(std::max(qsizetype(0), stop - m_pieceLength));
            const QString piece = textBetween(m_document, start, stop);
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
