// The HTML viewer "WebNav": an address box with its history, Previous / Next / Stop / Refresh
// buttons, a button that shows the page's source in the program's editor, the page itself, and
// on the left a local drive, folder and "*.htm" file pane whose pages open on a click.
#pragma once

#include "net/core/webhistory.h"
#include "settings/settingsstore.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QStatusBar;
class QToolButton;
class QUrl;
class QWebEngineView;

namespace ui {
class FolderNavigator;
}

namespace net {

class TFormWebNav : public QWidget {
    Q_OBJECT

public:
    /// Where the source of a page goes: a caption and the text.
    using SourceViewer = std::function<void(const QString &caption, const QString &text)>;

    /// A top-level window owned by \a parent, freed when closed; its drive, folder and address
    /// are kept in the "HTML" section of \a store.
    explicit TFormWebNav(const settings::SettingsStore &store, QWidget *parent = nullptr);
    ~TFormWebNav() override;

    /// Where "Voir le code source" shows the page's source; the button stays disabled without.
    void setSourceViewer(SourceViewer viewer);

    /// Records \a address in the history and asks the view to show it.
    void Navigate(const QString &address);

    const WebHistory &history() const { return m_history; }

private:
    void buildControls();
    void connectControls();
    void readini();
    void writeini();

    void Record(const QString &address);

    void ComboURLsEnter();
    void ComboURLsClick();
    void ComboURLsChange(const QString &text);
    void ToolBtnRefreshClick();
    void ToolBtnPreviousClick();
    void ToolBtnNextClick();
    void ToolBtnStopClick();
    void ToolButton1Click();
    void ToolButton2Click();

    void HTML1BeginRetrieval();
    void HTML1EndRetrieval();
    void HTML1DoRequestDoc(const QUrl &url);

    void filtre_repChange();
    void repert_listChange();

    settings::SettingsStore m_store;
    WebHistory m_history;
    SourceViewer m_sourceViewer;

    QComboBox *m_ComboURLs = nullptr;
    QToolButton *m_ToolBtnPrevious = nullptr;
    QToolButton *m_ToolBtnNext = nullptr;
    QToolButton *m_ToolBtnStop = nullptr;
    QToolButton *m_SpeedButton4 = nullptr;
    QToolButton *m_ToolButton1 = nullptr;
    QToolButton *m_ToolButton2 = nullptr;
    QWebEngineView *m_HTML1 = nullptr;
    QStatusBar *m_StatusBar1 = nullptr;
    QLabel *m_statusPanel = nullptr;
    QWidget *m_Panel1 = nullptr;
    ui::FolderNavigator *m_navigator = nullptr;
};

} // namespace net
