#include "editor/core/textfile.h"

#include "editor/core/rtfwriter.h"
#include "editor/core/textchunkdecoder.h"
#include "platform/regularfile.h"
#include "platform/textcodec.h"

#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cerrno>
#include <vector>

namespace editor {

namespace {

// Big enough to read fast, small enough that the program answers between two pieces.
constexpr std::size_t PieceSize = 1 << 20;

QByteArray lineEndBytes(LineEnd end)
{
    switch (end) {
    case LineEnd::CrLf:
        return QByteArrayLiteral("\r\n");
    case LineEnd::Cr:
        return QByteArrayLiteral("\r");
    case LineEnd::Lf:
        break;
    }
    return QByteArrayLiteral("\n");
}

} // namespace

std::optional<LineEnd> firstLineEnd(QByteArrayView bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n')
            return LineEnd::Lf;
        if (bytes[i] == '\r') {
            if (i + 1 == bytes.size())
                return std::nullopt;
            return bytes[i + 1] == '\n' ? LineEnd::CrLf : LineEnd::Cr;
        }
    }
    return std::nullopt;
}

bool TextFile::fail(const QString &message)
{
    m_error = message;
    return false;
}

bool TextFile::load(const QString &path, QTextDocument &document, const Service &service)
{
    platform::RegularFile file;
    if (!file.open(platform::encodePath(path)))
        return fail(QStringLiteral("Impossible d'ouvrir le fichier %1 : %2").arg(path, qt_error_string(errno)));

    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    TextChunkDecoder decoder;
    std::vector<char> piece(PieceSize);
    std::optional<LineEnd> lineEnd;
    bool endsInCr = false; // the piece before ended in a CR: the next byte tells CR LF from CR
    for (;;) {
        const long count = file.read(piece.data(), piece.size());
        if (count < 0) {
            const QString reason = qt_error_string(errno);
            document.clear();
            document.setUndoRedoEnabled(undo);
            return fail(QStringLiteral("Erreur de lecture du fichier %1 : %2").arg(path, reason));
        }
        if (count == 0)
            break;
        const QByteArrayView bytes(piece.data(), count);
        if (!lineEnd) {
            if (endsInCr)
                lineEnd = bytes[0] == '\n' ? LineEnd::CrLf : LineEnd::Cr;
            else
                lineEnd = firstLineEnd(bytes);
            endsInCr = !lineEnd && bytes.back() == '\r';
        }
        cursor.insertText(decoder.decode(bytes));
        if (service && !service())
            return fail(QStringLiteral("Lecture du fichier %1 abandonnée").arg(path));
    }
    cursor.insertText(decoder.finish());
    m_lineEnd = lineEnd.value_or(endsInCr ? LineEnd::Cr : LineEnd::Lf);
    document.setUndoRedoEnabled(undo);
    document.setModified(false);
    return true;
}

bool TextFile::savePlain(const QTextDocument &document, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("Impossible d'écrire le fichier %1 : %2").arg(path, file.errorString()));
    const QByteArray end = lineEndBytes(m_lineEnd);
    QByteArray buffer;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        buffer.append(block.text().toUtf8());
        if (block.next().isValid())
            buffer.append(end);
        if (buffer.size() >= qsizetype(PieceSize)) {
            file.write(buffer);
            buffer.clear();
        }
    }
    file.write(buffer);
    if (!file.commit())
        return fail(QStringLiteral("Impossible d'écrire le fichier %1 : %2").arg(path, file.errorString()));
    return true;
}

bool TextFile::saveRich(const QTextDocument &document, const QString &path, const QFont &font, const QColor &ink)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("Impossible d'écrire le fichier %1 : %2").arg(path, file.errorString()));
    RtfWriter(font, ink).write(document, file);
    if (!file.commit())
        return fail(QStringLiteral("Impossible d'écrire le fichier %1 : %2").arg(path, file.errorString()));
    return true;
}

} // namespace editor
