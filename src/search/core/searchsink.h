// What the search engine tells as it walks: the search begun, each file entered and matched,
// each matching line, each folder left, the counters, and the end; and what it asks: whether
// to go on. The window's presenter shows it, vorlane-search prints it, tests record it.
//
// The events of one file follow its fileEntered() without anything of another file between
// them, in the order of the walk, whichever thread read the file.
#pragma once

#include "search/core/matchedlines.h"
#include "search/core/searchrequest.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace search {

/// How far a search has come.
struct SearchProgress {
    std::int64_t filesFound = 0;    ///< files with at least one matching line
    std::int64_t filesExamined = 0; ///< files opened
    std::int64_t linesExamined = 0; ///< lines read in the files finished, all together
    std::int64_t lineInFile = 0;    ///< lines read so far in the file being read (or the last one)
};

enum class SearchEnd {
    Completed, ///< every qualifying file was read
    Stopped,   ///< shouldContinue() said no
    Failed,    ///< a file failed while being read (the engine then throws SearchError)
};

/// Every event does nothing unless overridden: a sink takes only what it uses.
class SearchSink {
public:
    virtual ~SearchSink() = default;
    /// The walk of \a request starts.
    virtual void searchStarted(const SearchRequest &) {}
    /// A file whose name qualifies is about to be read; \a path as the volume stores it.
    virtual void fileEntered(const QByteArray &) {}
    /// The file entered last holds the string; its matching lines follow.
    virtual void fileMatched(const QByteArray &) {}
    /// Matching lines of that file, in file order, as the results list shows them.
    virtual void linesMatched(const MatchedLines &) {}
    /// The walk of a folder and its subfolders is over.
    virtual void folderLeft() {}
    /// Asked after each folder entry and each block of a file, and while a file is awaited;
    /// false stops the search.
    virtual bool shouldContinue(const SearchProgress &) { return true; }
    /// The search is over, with the counters it reached.
    virtual void searchEnded(const SearchProgress &, SearchEnd) {}
};

} // namespace search
