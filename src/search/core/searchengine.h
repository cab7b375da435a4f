// The search itself: walks the start folder (alone or with its subfolders), scans every file
// whose name qualifies, and tells a SearchSink what it finds and how far it has come.
#pragma once

#include "platform/directory.h"
#include "search/core/filescanner.h"
#include "search/core/pathmask.h"
#include "search/core/searchrequest.h"
#include "search/core/searchsink.h"

#include <QByteArray>
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

    /// Runs one search to its end or until the sink says to stop. Throws SearchError on a
    /// read error.
    SearchTotals run(const SearchRequest &request);

    /// The text of the closing information box.
    static QString summaryText(const SearchTotals &totals);

private:
    /// False when the sink said to stop.
    bool walk(const QByteArray &folder, const PathMask &mask);
    void scanFile(const QByteArray &path);
    bool afterEntry();

    void matchedLine(std::int64_t lineNumber, const char *text, std::size_t size) override;
    bool checkpoint(std::int64_t linesRead) override;

    SearchSink &m_sink;
    SearchRequest m_request;
    QByteArray m_extension; ///< the code the file names are tested against
    bool m_allFiles = false;
    SearchProgress m_progress;
    std::unique_ptr<FileScanner> m_scanner;
    const QByteArray *m_matchPath = nullptr; ///< the file being scanned, for fileMatched()
    bool m_fileMatched = false;
    std::deque<std::vector<platform::DirEntry>> m_entryPool; ///< one list per folder depth (a deque: growing it keeps the lists of the folders above in place)
    std::size_t m_depth = 0;
};

} // namespace search
