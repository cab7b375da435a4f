// The search walk on the caller's thread alone: each folder listed, each qualifying file read
// as its turn comes, every event told to the sink as it happens.
#pragma once

#include "platform/directory.h"
#include "search/core/filescanner.h"
#include "search/core/matchformat.h"
#include "search/core/searchsink.h"
#include "search/core/textbuffer.h"
#include "search/core/walkrules.h"

#include <QByteArray>

#include <deque>
#include <vector>

namespace search {

class SequentialWalk : private ScanListener {
public:
    SequentialWalk(SearchSink &sink, const SearchRequest &request, SearchProgress &progress);

    /// Walks to the end (true) or until the sink says to stop (false). Raises FileReadError.
    bool run();

private:
    bool walk(const QByteArray &folder, const PathMask &mask);
    void scanFile(const QByteArray &path);
    /// Hands the lines formatted since the last time to the sink.
    void flush();

    void matchedLine(std::int64_t lineNumber, const char *text, std::size_t size) override;
    bool checkpoint(std::int64_t linesRead) override;

    SearchSink &m_sink;
    WalkRules m_rules;
    SearchProgress &m_progress;
    FileScanner m_scanner;
    MatchFormat m_format;
    const QByteArray *m_path = nullptr; ///< the file being read
    bool m_fileMatched = false;
    TextBuffer m_lines;
    std::size_t m_lineCount = 0;
    std::deque<std::vector<platform::DirEntry>> m_entryPool; ///< one list per folder depth (a deque: growing it keeps the lists of the folders above in place)
    std::size_t m_depth = 0;
};

} // namespace search
