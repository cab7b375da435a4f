#include "search/core/filecontext.h"

#include "platform/regularfile.h"
#include "platform/textcodec.h"
#include "search/core/resultlist.h"

#include <QByteArray>

#include <array>

namespace search {

namespace {

constexpr char CtrlZ = 26;
// Bytes of a line kept while reading: enough for ContextLineLength characters of any kind, so
// that a line of many megabytes costs no memory.
constexpr qsizetype KeptLineBytes = 4 * ContextLineLength + 16;

QString cannotRead(const QString &path)
{
    return QStringLiteral("Impossible de lire le fichier %1.").arg(path);
}

QString shown(const QByteArray &bytes)
{
    QString text = platform::decodeText(bytes);
    if (text.size() > ContextLineLength) {
        qsizetype keep = ContextLineLength;
        if (text[keep - 1].isHighSurrogate())
            --keep;
        text.truncate(keep);
    }
    return text;
}

} // namespace

FileContext readFileContext(const QString &path, qint64 line, int around)
{
    FileContext context;
    context.file = path;
    context.line = line;
    context.firstLine = std::max<qint64>(1, line - around);
    const qint64 lastLine = line + around;
    platform::RegularFile file;
    if (line < 1 || !file.open(platform::encodePath(path))) {
        context.error = cannotRead(path);
        return context;
    }
    QByteArray current;
    bool lineOpen = false; // bytes were read since the last line end
    bool afterCr = false;  // the last byte was a CR: an LF right after it ends no line
    qint64 number = 0;
    const auto endLine = [&] {
        ++number;
        if (number >= context.firstLine)
            context.lines.append(shown(current));
        current.clear();
        lineOpen = false;
    };
    std::array<char, 64 * 1024> buffer;
    bool ended = false;
    while (!ended && number < lastLine) {
        const long got = file.read(buffer.data(), buffer.size());
        if (got < 0) {
            context.lines.clear();
            context.error = cannotRead(path);
            return context;
        }
        if (got == 0)
            break;
        const char *p = buffer.data();
        const char *end = p + got;
        for (; p < end && number < lastLine; ++p) {
            const char c = *p;
            if (c == '\n' && afterCr) {
                afterCr = false;
                continue;
            }
            afterCr = c == '\r';
            if (c == '\r' || c == '\n') {
                endLine();
            } else if (c == CtrlZ) {
                ended = true;
                break;
            } else {
                lineOpen = true;
                if (number + 1 >= context.firstLine && current.size() < KeptLineBytes)
                    current.append(c);
            }
        }
    }
    if (lineOpen && number < lastLine)
        endLine();
    if (number < line) {
        context.lines.clear();
        context.error = QStringLiteral("La ligne %1 n'est plus dans le fichier %2.").arg(line).arg(path);
    }
    return context;
}

FileContext readHeaderContext(const QString &header, qint64 line, int around)
{
    if (const auto file = existingFile(header))
        return readFileContext(*file, line, around);
    FileContext context;
    context.file = header;
    context.line = line;
    context.error = QStringLiteral("Le fichier %1 n'existe plus.").arg(header.trimmed());
    return context;
}

} // namespace search
