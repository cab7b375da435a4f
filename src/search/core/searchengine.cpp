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

QString SearchEngine::summaryText(const SearchTotals &totals)
{
    return QStringLiteral("Recherche terminée \r") + QString::number(totals.filesFound)
        + QStringLiteral(" fichier(s) trouvé(s)") + QStringLiteral("\r")
        + QString::number(totals.filesExamined) + QStringLiteral(" fichier(s) examiné(s)")
        + QStringLiteral("\r") + QString::number(totals.linesExamined)
        + QStringLiteral(" Ligne(s)   examinée(s)");
}

SearchTotals SearchEngine::run(const SearchRequest &request)
{
    m_request = request;
    m_progress = {};
    m_depth = 0;
    m_allFiles = request.extension == AllFilesCode;
    m_extension = asciiUpper(request.extension.toUtf8());
    m_scanner = std::make_unique<FileScanner>(request.text.toUtf8(), request.caseSensitive,
                                              request.firstOccurrence);
    m_sink.searchStarted(request);
    const PathMask mask(request.walkMode == WalkMode::FolderOnly
                            ? QStringLiteral("*.") + request.extension
                            : QStringLiteral("*.*"));
    const bool completed = walk(platform::encodePath(request.folder), mask);
    m_scanner.reset();
    m_sink.searchEnded(m_progress, completed ? SearchEnd::Completed : SearchEnd::Stopped);
    return {m_progress.filesFound, m_progress.filesExamined, m_progress.linesExamined};
}

bool SearchEngine::walk(const QByteArray &folder, const PathMask &mask)
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
                        const bool goOn = m_request.walkMode == WalkMode::FolderOnly
                            ? walk(path, mask)
                            : walk(path, PathMask(QStringLiteral("*.*")));
                        --m_depth;
                        if (!goOn)
                            return false;
                    }
                } else if (m_allFiles || containsIgnoringCase(entry.name, m_extension)) {
                    m_sink.fileEntered(path);
                    scanFile(path);
                }
            }
            if (!afterEntry())
                return false;
        }
    }
    m_sink.folderLeft();
    return true;
}

void SearchEngine::scanFile(const QByteArray &path)
{
    m_progress.lineInFile = 0;
    platform::RegularFile file;
    if (!file.open(path))
        return;
    ++m_progress.filesExamined;
    m_matchPath = &path;
    m_fileMatched = false;
    const FileScanner::Result result = m_scanner->scan(file, *this);
    m_matchPath = nullptr;
    m_progress.linesExamined += result.linesRead;
    m_progress.lineInFile = result.linesRead;
    if (result.outcome == FileScanner::Outcome::ReadError) {
        const int error = errno;
        m_sink.searchEnded(m_progress, SearchEnd::Failed);
        throw SearchError(QStringLiteral("Erreur de lecture du fichier %1 : %2")
                              .arg(platform::decodePath(path), QString::fromLocal8Bit(std::strerror(error))));
    }
}

void SearchEngine::matchedLine(std::int64_t lineNumber, const char *text, std::size_t size)
{
    if (!m_fileMatched) {
        m_fileMatched = true;
        ++m_progress.filesFound;
        m_sink.fileMatched(*m_matchPath);
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
    m_sink.lineMatched(lineNumber, line);
}

bool SearchEngine::checkpoint(std::int64_t linesRead)
{
    m_progress.lineInFile = linesRead;
    return m_sink.shouldContinue(m_progress);
}

bool SearchEngine::afterEntry()
{
    return m_sink.shouldContinue(m_progress);
}

} // namespace search
