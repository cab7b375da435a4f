// The search itself: walks the start folder (alone or with its subfolders), scans every file
// whose name qualifies, and tells a SearchSink what it finds and how far it has come, in walk
// order. With several workers the folders are listed and the files read by threads ahead of
// the caller; the sink hears the same events either way, always on the caller's thread.
#pragma once

#include "search/core/searcherror.h"
#include "search/core/searchrequest.h"
#include "search/core/searchsink.h"

#include <QString>

#include <cstdint>

namespace search {

struct SearchTotals {
    std::int64_t filesFound = 0;    ///< files with at least one matching line
    std::int64_t filesExamined = 0; ///< files opened
    std::int64_t linesExamined = 0; ///< lines read, all files together
};

class SearchEngine {
public:
    /// \a workers threads read the files; 1 reads them on the caller's thread.
    explicit SearchEngine(SearchSink &sink, int workers = defaultWorkers());

    /// One worker per processor the program may run on.
    static int defaultWorkers();

    /// The reading threads step back behind the caller's thread (a window that must keep
    /// painting) when other work wants the processors too.
    void setCallerFirst(bool callerFirst) { m_callerFirst = callerFirst; }

    /// Runs one search to its end or until the sink says to stop. Throws SearchError on a
    /// read error.
    SearchTotals run(const SearchRequest &request);

    /// The text of the closing information box.
    static QString summaryText(const SearchTotals &totals);

private:
    SearchSink &m_sink;
    int m_workers;
    bool m_callerFirst = false;
};

} // namespace search
