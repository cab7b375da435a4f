// What the search dialog needs from the main frame: the results list, the search status bar,
// the stop request and the editor children. The frame implements it; tests implement it too.
#pragma once

#include "search/core/searchsink.h"

#include <QString>

namespace search {

class SearchHost : public SearchSink {
public:
    /// Empties the results list.
    virtual void clearResults() = 0;
    /// Shows the results list (true) or the editor children (false); buttons keep their state.
    virtual void setResultsVisible(bool visible) = 0;
    virtual bool resultsVisible() const = 0;
    /// The frame's swap between the results list and the editor children.
    virtual void swapResults() = 0;
    /// A search starts: status bar shown, stop request cleared, stop command enabled.
    virtual void beginSearch() = 0;
    /// Paints what the engine reported last (result lines and panels).
    virtual void flushSearchOutput() = 0;
    /// A search is over: stop request cleared, stop command disabled, status bar hidden,
    /// the results list given the keyboard focus.
    virtual void endSearch() = 0;
    /// True between beginSearch and endSearch.
    virtual bool searchRunning() const = 0;
    /// True when the frame was asked to close while a search ran: the search ends quietly.
    virtual bool closing() const = 0;
    /// Opens \a path in a new editor child.
    virtual void openChild(const QString &path) = 0;
};

} // namespace search
