// How both walks write the line of a match where the file is read: the results list's
// "12 : text", or the JSON object of vorlane-search --json.
#pragma once

#include "search/core/filescanner.h"
#include "search/core/jsonlines.h"
#include "search/core/matchedlines.h"
#include "search/core/searchrequest.h"

namespace search {

class MatchFormat {
public:
    explicit MatchFormat(const SearchRequest &request)
        : m_json(request.lineFormat == LineFormat::JsonLines), m_upperCase(!request.caseSensitive)
    {
    }

    /// Appends the line of the match of \a path that \a scanner reports now (see ScanListener).
    void append(TextBuffer &out, const QByteArray &path, std::int64_t lineNumber, const char *text,
                std::size_t size, const FileScanner &scanner) const
    {
        if (m_json)
            appendJsonMatch(out, path, lineNumber, text, size, scanner.matchOffset());
        else
            appendMatchLine(out, lineNumber, text, size, m_upperCase);
    }

private:
    bool m_json;
    bool m_upperCase;
};

} // namespace search
