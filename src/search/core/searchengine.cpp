#include "search/core/searchengine.h"

#include "platform/regularfile.h"
#include "platform/textcodec.h"
#include "search/core/asciicase.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace search {

namespace {

constexpr int ShownLineLength = 255;

bool lessIgnoringCase(const QByteArray &a, const QByteArray &b)
{
    const std::size_t n = static_cast<std::size_t>(std::min(a.size(), b.size()));
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = asciiUpper(static_cast<unsigned char>(a[i]));
        const unsigned char y = asciiUpper(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

bool containsIgnoringCase(const QByteArray &name, const QByteArray &upperCode)
{
    if (upperCode.isEmpty())
        return true;
    if (name.size() < upperCode.size())
        return false;
    for (qsizetype i = 0; i + upperCode.size() <= name.size(); ++i) {
        qsizetype k = 0;
        while (k < upperCode.size()
               && asciiUpper(static_cast<unsigned char>(name[i + k])) == static_cast<unsigned char>(upperCode[k]))
            ++k;
        if (k == upperCode.size())
            return true;
    }
    return false;
}

} // namespace

SearchEngine::SearchEngine(SearchSink &sink) : m_sink(sink) {}

int SearchEngine::displayLimit(int statusBarWidth)
{
    return (statusBarWidth - 400) / 8 - 2;
}

QString SearchEngine::shortenForDisplay(const QString &text, int limit)
{
    const qsizetype n = text.size();
    if (n <= limit)
        return text;
    const qsizetype x = n - limit;
    const qsizetype keep = std::clamp<qsizetype>(n / 2 - x / 2, 0, n);
    const qsizetype resume = std::clamp<qsizetype>(n / 2 + x / 2 - 1, 0, n);
    return text.left(keep) + QStringLiteral("~~") + text.mid(resume);
}

QString SearchEngine::summaryText(const SearchTotals &totals)
{
    return QStringLiteral("Recherche terminée \r") + QString::number(totals.filesFound)
        + QStringLiteral(" fichier(s) trouvé(s)") + QStringLiteral("\r")
        + QString::number(totals.filesExamined) + QStringLiteral(" fichier(s) examiné(s)")
        + QStringLiteral("\r") + QString::number(totals.linesExamined)
        + QStringLiteral(" Ligne(s)   examinée(s)");
}

QString SearchEngine::foundText(std::int64_t filesFound)
{
    return QStringLiteral("  ") + QString::number(filesFound) + QStringLiteral(" Fichiers trouvés !  ");
}

SearchTotals SearchEngine::run(const SearchRequest &request)
{
    m_request = request;
    m_totals = {};
    m_cursor = 1;
    m_resultsAdded = false;
    m_showFound = false;
    m_lineInFile = 0;
    m_currentFile.clear();
    m_depth = 0;
    m_allFiles = request.extension == AllFilesCode;
    m_extension = asciiUpper(request.extension.toUtf8());
    m_scanner = std::make_unique<FileScanner>(request.text.toUtf8(), request.caseSensitive,
                                              request.firstOccurrence);
    m_displayLimit = displayLimit(m_sink.statusBarWidth());
    m_sinceService.start();

    m_sink.setStatus(PanelText, request.text);
    m_sink.setStatus(PanelFile, request.folder.isEmpty() ? QStringLiteral("/") : request.folder);
    const PathMask mask(request.walkMode == WalkMode::FolderOnly
                            ? QStringLiteral("*.") + request.extension
                            : QStringLiteral("*.*"));
    // Let the loop in once before the walk, so the status bar is painted at once.
    m_sink.service();
    m_sinceService.restart();
    walk(platform::encodePath(request.folder), mask);
    flushStatus();
    m_scanner.reset();
    return m_totals;
}

void SearchEngine::walk(const QByteArray &folder, const PathMask &mask)
{
    // Entry lists are reused per depth: deep trees do not allocate a list per folder.
    if (m_entryPool.size() <= m_depth)
        m_entryPool.resize(m_depth + 1);
    std::vector<platform::DirEntry> &entries = m_entryPool[m_depth];
    entries.clear();
    if (platform::listDirectory(folder, entries)) {
        // The listing order of the volume: names sorted without regard to case.
        std::sort(entries.begin(), entries.end(),
                  [](const platform::DirEntry &a, const platform::DirEntry &b) {
                      return lessIgnoringCase(a.name, b.name);
                  });
        QByteArray path;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const platform::DirEntry &entry = entries[i];
            if (entry.kind != platform::DirEntry::Other && mask.matches(entry.name)) {
                path = folder;
                path += '/';
                path += entry.name;
                if (entry.kind == platform::DirEntry::Directory) {
                    if (!entry.name.startsWith('.')) {
                        ++m_depth;
                        if (m_request.walkMode == WalkMode::FolderOnly)
                            walk(path, mask);
                        else
                            walk(path, PathMask(QStringLiteral("*.*")));
                        --m_depth;
                    }
                } else if (m_allFiles || containsIgnoringCase(entry.name, m_extension)) {
                    m_currentFile = path;
                    m_showFound = false;
                    scanFile(path);
                }
            }
            if (!afterEntry())
                return;
        }
    }
    if (m_resultsAdded)
        m_showFound = true;
}

void SearchEngine::scanFile(const QByteArray &path)
{
    m_lineInFile = 0;
    platform::RegularFile file;
    if (!file.open(path))
        return;
    ++m_totals.filesExamined;
    m_matchPath = &path;
    m_fileMatched = false;
    const FileScanner::Result result = m_scanner->scan(file, *this);
    m_matchPath = nullptr;
    m_totals.linesExamined += result.linesRead;
    m_lineInFile = result.linesRead;
    if (result.outcome == FileScanner::Outcome::ReadError) {
        const int error = errno;
        flushStatus();
        throw SearchError(QStringLiteral("Erreur de lecture du fichier %1 : %2")
                              .arg(platform::decodePath(path), QString::fromLocal8Bit(std::strerror(error))));
    }
}

void SearchEngine::matchedLine(std::int64_t lineNumber, const char *text, std::size_t size)
{
    if (!m_fileMatched) {
        m_fileMatched = true;
        ++m_totals.filesFound;
        m_sink.appendResult(QStringLiteral("  "));
        m_sink.appendResult(platform::decodePath(*m_matchPath));
        m_resultsAdded = true;
    }
    QString line;
    if (m_request.caseSensitive) {
        line = platform::decodeText(text, static_cast<qsizetype>(size));
    } else {
        QByteArray upper(text, static_cast<qsizetype>(size));
        line = platform::decodeText(asciiUpper(std::move(upper)));
    }
    if (line.size() > ShownLineLength) {
        qsizetype cut = ShownLineLength;
        if (line.at(cut - 1).isHighSurrogate())
            --cut;
        line.truncate(cut);
    }
    m_sink.appendResult(QString::number(lineNumber) + QStringLiteral(" : ") + line);
}

bool SearchEngine::checkpoint(std::int64_t linesRead)
{
    m_lineInFile = linesRead;
    m_cursor = m_cursor % 10 + 1;
    serviceIfDue();
    return !m_sink.stopRequested();
}

bool SearchEngine::afterEntry()
{
    m_cursor = m_cursor % 10 + 1;
    serviceIfDue();
    return !m_sink.stopRequested();
}

void SearchEngine::serviceIfDue()
{
    if (m_sinceService.elapsed() < m_serviceInterval)
        return;
    flushStatus();
    m_sink.setBusyCursor(m_cursor);
    m_sink.service();
    m_sinceService.restart();
}

void SearchEngine::flushStatus()
{
    m_sink.setStatus(PanelExamined, QString::number(m_totals.filesExamined));
    m_sink.setStatus(PanelFound, QString::number(m_totals.filesFound));
    m_sink.setStatus(PanelLine, QString::number(m_lineInFile));
    if (m_showFound)
        m_sink.setStatus(PanelFile, foundText(m_totals.filesFound));
    else if (!m_currentFile.isEmpty())
        m_sink.setStatus(PanelFile, shortenForDisplay(platform::decodePath(m_currentFile), m_displayLimit));
}

} // namespace search
