// The search itself: walks the start folder (alone or with its subfolders), scans every file
// whose name qualifies, and reports result lines, counters and progress to a SearchSink.
#pragma once

#include "platform/directory.h"
#include "search/core/filescanner.h"
#include "search/core/pathmask.h"
#include "search/core/searchrequest.h"
#include "search/core/searchsink.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <cstdint>
#include <deque>
#include <memory>
#include <stdexcept>
#include <vector>

namespace search {

struct SearchTotals {
    std::int64_t filesFound = 0;    ///< files with at least one matching line
    std::int64_t filesExamined = 0; ///< files opened
    std::int64_t linesExamined = 0; ///< lines read, all files together
};

/// A file that could be opened failed while being read: the search is abandoned.
class SearchError : public std::runtime_error {
public:
    explicit SearchError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

class SearchEngine : private ScanListener {
public:
    explicit SearchEngine(SearchSink &sink);

    /// How often, at most, the event loop is let in while searching (20 ms by default).
    void setServiceInterval(qint64 milliseconds) { m_serviceInterval = milliseconds; }

    /// Runs one search to its end or to the stop request. Throws SearchError on a read error.
    SearchTotals run(const SearchRequest &request);

    /// Longest path shown in the file panel for a status bar \a width pixels wide.
    static int displayLimit(int statusBarWidth);
    /// \a text cut in its middle with "~~" when longer than \a limit.
    static QString shortenForDisplay(const QString &text, int limit);
    /// The text of the closing information box.
    static QString summaryText(const SearchTotals &totals);
    /// The text of the file panel once files were found.
    static QString foundText(std::int64_t filesFound);

private:
    void walk(const QByteArray &folder, const PathMask &mask);
    void scanFile(const QByteArray &path);
    bool afterEntry();
    void serviceIfDue();
    void flushStatus();

    void matchedLine(std::int64_t lineNumber, const char *text, std::size_t size) override;
    bool checkpoint(std::int64_t linesRead) override;

    SearchSink &m_sink;
    SearchRequest m_request;
    QByteArray m_extension; ///< the code the file names are tested against
    bool m_allFiles = false;
    SearchTotals m_totals;
    std::unique_ptr<FileScanner> m_scanner;
    QElapsedTimer m_sinceService;
    qint64 m_serviceInterval = 20;
    int m_cursor = 1;
    int m_displayLimit = 0;
    bool m_resultsAdded = false;

    // What the status panels show; pushed to the sink when the loop is serviced.
    std::int64_t m_lineInFile = 0;
    QByteArray m_currentFile;     ///< path of the file being read (panel 9), empty once found text shows
    bool m_showFound = false;
    const QByteArray *m_matchPath = nullptr; ///< the file being scanned, for its header line
    bool m_fileMatched = false;
    std::deque<std::vector<platform::DirEntry>> m_entryPool; ///< one list per folder depth (a deque: growing it keeps the lists of the folders above in place)
    std::size_t m_depth = 0;
};

} // namespace search
