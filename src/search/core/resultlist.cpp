#include "search/core/resultlist.h"

#include "platform/regularfile.h"
#include "platform/textcodec.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace search {

QString matchLine(std::int64_t lineNumber, const QString &text)
{
    return QString::number(lineNumber) + QStringLiteral(" : ") + text;
}

namespace {

// No line longer than this can be a path the system would open.
constexpr qsizetype LongestPath = 4096;

bool isFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

// Walks \a path from the root, taking at each level the first name of the folder that matches
// without regard to case when the exact one is missing.
std::optional<QString> matchIgnoringCase(const QString &path)
{
    const QStringList names = path.split('/', Qt::SkipEmptyParts);
    QString found = QStringLiteral("/");
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString &name = names[i];
        QString next = found + name;
        if (name != QLatin1String(".") && name != QLatin1String("..") && !QFileInfo::exists(next)) {
            const QStringList entries = QDir(found).entryList(
                QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
            const auto match = std::find_if(entries.begin(), entries.end(), [&name](const QString &entry) {
                return entry.compare(name, Qt::CaseInsensitive) == 0;
            });
            if (match == entries.end())
                return std::nullopt;
            next = found + *match;
        }
        found = i + 1 < names.size() ? next + '/' : next;
    }
    if (!isFile(found))
        return std::nullopt;
    return found;
}

} // namespace

std::optional<QString> existingFile(const QString &line)
{
    if (line.isEmpty() || line.size() > LongestPath || line.contains(QChar(0)))
        return std::nullopt;
    if (isFile(line))
        return line;
    if (!line.startsWith('/'))
        return std::nullopt;
    return matchIgnoringCase(line);
}

bool isHeaderLine(const QString &line)
{
    if (line.trimmed().isEmpty())
        return false;
    qsizetype digits = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9')
        ++digits;
    return digits == 0 || !QStringView(line).sliced(digits).startsWith(QLatin1String(" : "));
}

std::optional<QString> headerOfLine(qsizetype caretLine, const std::function<QString(qsizetype)> &lineAt)
{
    for (qsizetype n = caretLine; n >= 0; --n) {
        QString line = lineAt(n);
        if (isHeaderLine(line))
            return line;
    }
    return std::nullopt;
}

std::optional<QString> fileOfLine(qsizetype caretLine, const std::function<QString(qsizetype)> &lineAt)
{
    if (const auto header = headerOfLine(caretLine, lineAt))
        return existingFile(*header);
    return std::nullopt;
}

QByteArray encodeResultList(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes.append(line.toUtf8());
        bytes.append("\r\n");
    }
    return bytes;
}

QStringList decodeResultList(const QByteArray &bytes)
{
    const QString text = platform::decodeText(bytes);
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == '\r' && i + 1 < size && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

bool saveResultList(const QString &path, const QStringList &lines, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encodeResultList(lines)) < 0 || !file.commit()) {
        if (error)
            *error = QStringLiteral("Impossible d'écrire le fichier %1 : %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool loadResultList(const QString &path, QStringList *lines, QString *error)
{
    platform::RegularFile file;
    if (!file.open(platform::encodePath(path))) {
        if (error)
            *error = QStringLiteral("Impossible d'ouvrir le fichier %1 : %2").arg(path, qt_error_string(errno));
        return false;
    }
    QByteArray bytes;
    std::vector<char> piece(1 << 20);
    for (;;) {
        const long count = file.read(piece.data(), piece.size());
        if (count < 0) {
            if (error)
                *error = QStringLiteral("Erreur de lecture du fichier %1 : %2").arg(path, qt_error_string(errno));
            return false;
        }
        if (count == 0)
            break;
        bytes.append(piece.data(), count);
    }
    *lines = decodeResultList(bytes);
    return true;
}

QString proposedListName(const QString &searchText)
{
    QString start;
    int characters = 0;
    for (qsizetype i = 0; i < searchText.size() && characters < 8; ++i, ++characters) {
        start.append(searchText[i]);
        // A character beyond the basic plane is two code units; it is never cut.
        if (searchText[i].isHighSurrogate() && i + 1 < searchText.size() && searchText[i + 1].isLowSurrogate())
            start.append(searchText[++i]);
    }
    start.replace('/', '_');
    start.replace(QChar(0), '_');
    return start + QStringLiteral(".LST");
}

bool isRunnableFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    const QString suffix = info.suffix().toUpper();
    return info.isExecutable() || suffix == QLatin1String("EXE") || suffix == QLatin1String("BAT")
        || suffix == QLatin1String("COM");
}

} // namespace search
