#include "search/core/sequentialwalk.h"

#include "platform/regularfile.h"
#include "search/core/searcherror.h"

#include <cerrno>

namespace search {

SequentialWalk::SequentialWalk(SearchSink &sink, const SearchRequest &request, SearchProgress &progress)
    : m_sink(sink),
      m_rules(request),
      m_progress(progress),
      m_scanner(request.text.toUtf8(), request.caseSensitive, request.firstOccurrence),
      m_format(request)
{
    m_scanner.setUtf16(request.utf16);
}

bool SequentialWalk::run()
{
    return walk(m_rules.startFolder(), m_rules.startMask());
}

bool SequentialWalk::walk(const QByteArray &folder, const PathMask &mask)
{
    // Entry lists are reused per depth: deep trees do not allocate a list per folder.
    if (m_entryPool.size() <= m_depth)
        m_entryPool.resize(m_depth + 1);
    std::vector<platform::DirEntry> &entries = m_entryPool[m_depth];
    if (WalkRules::list(folder, entries)) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const platform::DirEntry &entry = entries[i];
            if (WalkRules::seen(entry, mask)) {
                const QByteArray path = WalkRules::join(folder, entry.name);
                if (entry.kind == platform::DirEntry::Directory) {
                    if (m_rules.entered(entry)) {
                        ++m_depth;
                        const bool goOn = walk(path, m_rules.subfolderMask(mask));
                        --m_depth;
                        if (!goOn)
                            return false;
                    }
                } else if (m_rules.qualifies(entry.name)) {
                    m_sink.fileEntered(path);
                    scanFile(path);
                }
            }
            if (!m_sink.shouldContinue(m_progress))
                return false;
        }
    }
    m_sink.folderLeft();
    return true;
}

void SequentialWalk::scanFile(const QByteArray &path)
{
    m_progress.lineInFile = 0;
    platform::RegularFile file;
    if (!file.open(path))
        return;
    ++m_progress.filesExamined;
    m_path = &path;
    m_fileMatched = false;
    const FileScanner::Result result = m_scanner.scan(file, *this);
    const int error = errno;
    flush();
    m_path = nullptr;
    m_progress.linesExamined += result.linesRead;
    m_progress.lineInFile = result.linesRead;
    if (result.outcome == FileScanner::Outcome::ReadError)
        throw FileReadError{path, error};
}

void SequentialWalk::flush()
{
    if (m_lineCount == 0)
        return;
    if (!m_fileMatched) {
        m_fileMatched = true;
        ++m_progress.filesFound;
        m_sink.fileMatched(*m_path);
    }
    m_sink.linesMatched({m_lines.data(), m_lines.size(), m_lineCount});
    m_lines.clear();
    m_lineCount = 0;
}

void SequentialWalk::matchedLine(std::int64_t lineNumber, const char *text, std::size_t size)
{
    m_format.append(m_lines, *m_path, lineNumber, text, size, m_scanner);
    ++m_lineCount;
}

bool SequentialWalk::checkpoint(std::int64_t linesRead)
{
    flush();
    m_progress.lineInFile = linesRead;
    return m_sink.shouldContinue(m_progress);
}

} // namespace search
