#include "editor/core/documentsearch.h"

#include <QString>
#include <QTextBlock>
#include <QTextDocument>

namespace editor {

namespace {

// A line's text as the whole text holds it: followed by the line break, but for the last line.
void appendLine(QString &piece, const QTextBlock &block)
{
    piece += block.text();
    if (block.next().isValid())
        piece += QChar::ParagraphSeparator;
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
    if (selectionStart < 0 || selectionLength < 0 || from > m_document.characterCount() - 1)
        return;
    QTextBlock block = m_document.findBlock(int(from));
    QString piece;
    bool first = true;
    while (block.isValid()) {
        piece.clear();
        qsizetype start = block.position();
        if (options.down) {
            while (block.isValid() && (piece.isEmpty() || piece.size() < m_pieceLength)) {
                appendLine(piece, block);
                block = block.next();
            }
        } else {
            QList<QTextBlock> lines;
            qsizetype length = 0;
            while (block.isValid() && (lines.isEmpty() || length < m_pieceLength)) {
                lines.prepend(block);
                length += block.length();
                block = block.previous();
            }
            start = lines.front().position();
            for (const QTextBlock &line : lines)
                appendLine(piece, line);
        }
        const qsizetype at = first ? from - start : (options.down ? 0 : piece.size());
        first = false;
        if (!search(piece, start, at))
            return;
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
