// What the search dialog and the result-list actions need from the main frame: the results
// list shown or not, a search run in the frame, and files opened in editor windows. The frame
// implements it; tests implement it too.
#pragma once

#include "search/core/searchrequest.h"

#include <QString>

namespace search {

class SearchHost {
public:
    virtual ~SearchHost() = default;
    /// Empties the results list.
    virtual void clearResults() = 0;
    /// Shows the results list (true) or the editor children (false); buttons keep their state.
    virtual void setResultsVisible(bool visible) = 0;
    /// The frame's swap between the results list and the editor children.
    virtual void swapResults() = 0;
    /// True while a search runs.
    virtual bool searchRunning() const = 0;
    /// Runs \a request in the frame (see SearchPresenter::run). True when its summary was shown.
    virtual bool runSearch(const SearchRequest &request) = 0;
    /// Opens \a path in a new editor window.
    virtual void openChild(const QString &path) = 0;
};

} // namespace search
