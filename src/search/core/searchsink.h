// What the search engine reports to: the frame's results list and status bar in the program,
// standard output in vorlane-search, a recorder in the tests.
#pragma once

#include <QString>

namespace search {

/// Panels of the search status bar that the engine fills.
enum StatusPanel { PanelText = 1, PanelExamined = 3, PanelFound = 5, PanelLine = 7, PanelFile = 9 };

class SearchSink {
public:
    virtual ~SearchSink() = default;
    /// One line of the results list.
    virtual void appendResult(const QString &line) = 0;
    virtual void setStatus(int panel, const QString &text) = 0;
    /// Busy cursor 1 to 10.
    virtual void setBusyCursor(int index) = 0;
    /// Lets the rest of the program run for a moment (pending events).
    virtual void service() = 0;
    /// The stop request, seen after each entry and at each service.
    virtual bool stopRequested() const = 0;
    /// Width of the status bar in pixels, which sets how long a shown path may be.
    virtual int statusBarWidth() const = 0;
};

} // namespace search
