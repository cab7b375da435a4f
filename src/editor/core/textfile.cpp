#include "editor/core/textfile.h"

#include "editor/core/rtfwriter.h"
#include "editor/core/textchunkdecoder.h"
#include "platform/regularfile.h"
#include "platform/textcodec.h"

#include "editor/core/textdocument.h"

#include <QSaveFile>

#include <algorithm>
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

bool TextFile::load(const QString &path, TextDocument &document, const Service &service)
{
    platform::RegularFile file;
    if (!file.open(platform::encodePath(path)))
        return fail(QStringLiteral("Impossible d'ouvrir le fichier %1 : %2").arg(path, qt_error_string(errno)));

    document.clear();
    TextChunkDecoder decoder;
    std::vector<char> piece(PieceSize);
    std::optional<LineEnd> lineEnd;
    bool endsInCr = false; // the piece before ended in a CR: the next byte tells CR LF from CR
    for (;;) {
        const long count = file.read(piece.data(), piece.size());
        if (count < 0) {
            const QString reason = qt_error_string(errno);
            document.clear();
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
        document.appendText(decoder.decode(bytes));
        if (service && !service())
            return fail(QStringLiteral("Lecture du fichier %1 abandonnée").arg(path));
    }
    document.appendText(decoder.finish());
    m_lineEnd = lineEnd.value_or(endsInCr ? LineEnd::Cr : LineEnd::Lf);
    document.setModified(false);
    return true;
}

bool TextFile::savePlain(const TextDocument &document, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("Impossible d'écrire le fichier %1 : %2").arg(path, file.errorString()));
    const QByteArray end = lineEndBytes(m_lineEnd);
    const TextBuffer &text = document.buffer();
    for (qsizetype from = 0; from < text.length();) {
        qsizetype to = std::min(text.length(), from + qsizetype(PieceSize));
        if (to < text.length() && text.at(to - 1).isHighSurrogate())
            --to; // a character is never cut in two
        QByteArray bytes = text.text(from, to).toUtf8();
        if (m_lineEnd != LineEnd::Lf)
            bytes.replace('\n', end);
        file.write(bytes);
        from = to;
    }
    if (!file.commit())
        return fail(QStringLiteral("Impossible d'écrire le fichier %1 : %2").arg(path, file.errorString()));
    return true;
}

bool TextFile::saveRich(const TextDocument &document, const QString &path, const QFont &font, const QColor &ink)
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
