#include "search/core/resultlist.h"

#include "platform/regularfile.h"
#include "platform/textcodec.h"
#include "search/core/lineends.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <string>
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

namespace {

// Splits text read in pieces into lines, a line end cut between two pieces included.
class ListDecoder {
public:
    explicit ListDecoder(ResultLines &lines) : m_lines(lines) {}

    void feed(const char *data, std::size_t size)
    {
        const char *p = data;
        const char *const end = data + size;
        if (m_pendingCr) {
            m_pendingCr = false;
            if (p < end && *p == '\n')
                ++p;
        }
        while (p < end) {
            const char *lineEnd = findLineEnd(p, end);
            if (!lineEnd) {
                m_partial.append(p, end - p);
                return;
            }
            if (m_partial.isEmpty()) {
                addLine(p, static_cast<std::size_t>(lineEnd - p));
            } else {
                m_partial.append(p, lineEnd - p);
                addLine(m_partial.constData(), static_cast<std::size_t>(m_partial.size()));
                m_partial.clear();
            }
            p = lineEnd + 1;
            if (*lineEnd == '\r') {
                if (p == end)
                    m_pendingCr = true;
                else if (*p == '\n')
                    ++p;
            }
        }
    }

    void finish()
    {
        if (!m_partial.isEmpty())
            addLine(m_partial.constData(), static_cast<std::size_t>(m_partial.size()));
        m_partial.clear();
    }

private:
    void addLine(const char *text, std::size_t size)
    {
        if (platform::asciiPrefix(text, size) == size) {
            m_lines.append(std::string_view(text, size));
            return;
        }
        m_shown.clear();
        platform::appendShownText(m_shown, text, size, size);
        m_lines.append(std::string_view(m_shown));
    }

    ResultLines &m_lines;
    QByteArray m_partial; ///< the start of a line that goes on in the next piece
    std::string m_shown;
    bool m_pendingCr = false;
};

} // namespace

QByteArray encodeResultList(const ResultLines &lines)
{
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(lines.textBytes() + 2 * lines.count()));
    for (std::size_t i = 0; i < lines.count(); ++i) {
        const std::string_view line = lines.line(i);
        bytes.append(line.data(), static_cast<qsizetype>(line.size()));
        bytes.append("\r\n", 2);
    }
    return bytes;
}

void decodeResultList(const char *bytes, std::size_t size, ResultLines &lines)
{
    ListDecoder decoder(lines);
    decoder.feed(bytes, size);
    decoder.finish();
}

bool saveResultList(const QString &path, const ResultLines &lines, QString *error)
{
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    // Written a piece at a time: a list of millions of lines is never copied whole.
    QByteArray piece;
    for (std::size_t i = 0; written && i < lines.count(); ++i) {
        const std::string_view line = lines.line(i);
        piece.append(line.data(), static_cast<qsizetype>(line.size()));
        piece.append("\r\n", 2);
        if (piece.size() >= (1 << 20) || i + 1 == lines.count()) {
            written = file.write(piece) == piece.size();
            piece.clear();
        }
    }
    if (!written || !file.commit()) {
        if (error)
            *error = QStringLiteral("Impossible d'écrire le fichier %1 : %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool loadResultList(const QString &path, ResultLines *lines, QString *error)
{
    platform::RegularFile file;
    if (!file.open(platform::encodePath(path))) {
        if (error)
            *error = QStringLiteral("Impossible d'ouvrir le fichier %1 : %2").arg(path, qt_error_string(errno));
        return false;
    }
    ResultLines loaded;
    ListDecoder decoder(loaded);
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
        decoder.feed(piece.data(), static_cast<std::size_t>(count));
    }
    decoder.finish();
    *lines = std::move(loaded);
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
