// The search as the frame shows it: runs a request through the engine and shows what it tells
// on the frame's results list and search status bar ("Mot", "Lus", "Ok", "Ln", "Fich" panels),
// with the busy-cursor steps, the stop command, and the summary box at the end. Result lines
// go to the list as they come (the list paints them once the event loop runs); panel texts are
// gathered and shown when the event loop is let in, at most every service interval, so
// painting does not slow the walk down.
#pragma once

#include "platform/busycursors.h"
#include "search/core/searchsink.h"

#include <QElapsedTimer>
#include <QObject>

#include <array>
#include <string>

class QAction;
class QLabel;
class QStatusBar;
class QWidget;

namespace search {

class ResultsView;

/// Panels of the search status bar that show the search; the even ones are captions.
enum StatusPanel { PanelText = 1, PanelExamined = 3, PanelFound = 5, PanelLine = 7, PanelFile = 9 };
constexpr int StatusPanelCount = 10;

/// The frame's controls the presenter shows a search on.
struct SearchDisplay {
    QWidget *window = nullptr;               ///< owner of the summary and error boxes
    ResultsView *results = nullptr;          ///< "Memo1"
    QStatusBar *statusBar = nullptr;         ///< "Barre", shown while a search runs
    std::array<QLabel *, StatusPanelCount> panels{};
    QAction *stopCommand = nullptr;          ///< "Fin de  la recherche", enabled while a search runs
};

class SearchPresenter : public QObject, public SearchSink {
    Q_OBJECT
public:
    SearchPresenter(const SearchDisplay &display, QObject *parent = nullptr);

    /// How often, at most, the event loop is let in while searching (20 ms by default).
    void setServiceInterval(qint64 milliseconds) { m_serviceInterval = milliseconds; }

    /// Runs \a request to its end, then beeps twice and shows the summary. A read error is
    /// shown instead of the summary; a search stopped by closing the frame ends quietly and
    /// closes it. True when the summary was shown.
    bool run(const SearchRequest &request);
    bool running() const { return m_running; }
    /// Empties the results list.
    void clearResults();
    /// Asks the running search to stop ("Fin de  la recherche").
    void stop() { m_stopRequest = true; }
    /// The frame is being closed: a running search is stopped and the frame closed once it has
    /// unwound. True when the close has to wait for that.
    bool deferClose();

    /// Longest path shown in the file panel for a status bar \a width pixels wide.
    static int displayLimit(int statusBarWidth);
    /// \a text cut in its middle with "~~" when longer than \a limit.
    static QString shortenForDisplay(const QString &text, int limit);
    /// The text of the file panel once files were found.
    static QString foundText(std::int64_t filesFound);

    // SearchSink
    void searchStarted(const SearchRequest &request) override;
    void fileEntered(const QByteArray &path) override;
    void fileMatched(const QByteArray &path) override;
    void linesMatched(const MatchedLines &lines) override;
    void folderLeft() override;
    bool shouldContinue(const SearchProgress &progress) override;
    void searchEnded(const SearchProgress &progress, SearchEnd end) override;

private:
    void begin();
    void end();
    void setPanel(int panel, const QString &text);
    /// The counters and the file panel as \a progress has them.
    void updatePanels(const SearchProgress &progress);
    /// Shows the panel texts gathered since the last time.
    void paint();
    /// Paints and lets the event loop in.
    void service();

    SearchDisplay m_display;
    platform::BusyCursors m_cursors;
    QElapsedTimer m_sinceService;
    qint64 m_serviceInterval = 20;
    int m_cursorStep = 1;
    int m_displayLimit = 0;
    bool m_running = false;
    bool m_stopRequest = false;
    bool m_closing = false;

    // What the walk told since the last paint.
    std::array<QString, StatusPanelCount> m_pendingPanels;
    std::array<bool, StatusPanelCount> m_panelDirty{};
    QByteArray m_currentFile; ///< the file being read, shown shortened in the file panel
    std::string m_shownPath;  ///< a header line being made
    bool m_anyFound = false;
    bool m_showFound = false; ///< the file panel shows the found count instead of a file
};

} // namespace search
