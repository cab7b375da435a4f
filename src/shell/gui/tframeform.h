// The main frame "Recherche de chaine": the results list over the editor children, the
// search status bar, the toolbar of tools, the menus, and the host the search runs in.
#pragma once

#include "platform/busycursors.h"
#include "search/gui/searchhost.h"
#include "settings/settingsstore.h"
#include "shell/gui/toolwindows.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QStringList>

#include <array>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPlainTextEdit;
class QStatusBar;
class QToolButton;

namespace editor {
class FrameDialogs;
class TEditForm;
}
namespace search {
class ResultListActions;
class Tchoix;
}

namespace shell {

class Tframeform : public QMainWindow, public search::SearchHost {
    Q_OBJECT
public:
    /// The frame and every window it opens keep their settings in \a store.
    explicit Tframeform(const settings::SettingsStore &store = settings::SettingsStore(), QWidget *parent = nullptr);
    ~Tframeform() override;

    /// The search dialog, created after the frame.
    void setSearchDialog(search::Tchoix *dialog) { m_choix = dialog; }
    search::Tchoix *searchDialog() const { return m_choix; }

    /// The folder that was current when the frame was created.
    QString startupDirectory() const { return m_startupDirectory; }

    QPlainTextEdit *resultsList() const { return m_Memo1; }
    QMdiArea *mdiArea() const { return m_mdi; }
    QToolButton *toolButton(const QString &name) const { return m_buttons.value(name); }
    QAction *action(const QString &name) const { return m_actions.value(name); }

    // Operations the other windows use.
    editor::TEditForm *newchild();
    editor::TEditForm *openchild(const QString &fileName);
    editor::TEditForm *textchild(const QString &caption, const QString &text);
    /// Shows the tool window of \a kind, creating it when none exists.
    QWidget *openTool(const ToolWindowKind &kind);

    // Toolbar and menu handlers.
    void ToolBtnVorlaneClick();
    /// Brings the frame forward and shows the search dialog on \a folder (a later start of the
    /// program was given that folder).
    void searchInFolder(const QString &folder);
    void ToolBtnSwapClick();
    void ToolBtnClearMemoClick();
    void ToolBtnpoliceClick();
    void Ouvrir1Click();
    void Configurationimpression1Click();
    void HScrollBar1Click();
    void Reorganiserlesicones1Click();
    void stop1Click();

    // SearchHost
    void appendResult(const QString &line) override;
    void setStatus(int panel, const QString &text) override;
    void setBusyCursor(int index) override;
    void service() override;
    bool stopRequested() const override { return m_stopRequest; }
    int statusBarWidth() const override;
    void clearResults() override;
    void setResultsVisible(bool visible) override;
    bool resultsVisible() const override;
    void swapResults() override { ToolBtnSwapClick(); }
    void beginSearch() override;
    void flushSearchOutput() override;
    void endSearch() override;
    bool searchRunning() const override { return m_searchRunning; }
    bool closing() const override { return m_closing; }
    void openChild(const QString &path) override { openchild(path); }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildResultsList();
    void buildStatusBar();
    void buildToolbar();
    void buildMenus();
    void connectTools();
    QToolButton *addToolButton(const QString &name, const QIcon &icon, const QString &hint);
    editor::TEditForm *addChild();
    void setListButtonsEnabled(bool enabled);
    void fillWindowMenu();
    /// Placement and list font, from and to the settings.
    void readini();
    void writeini();

    // Show commands of a stored window placement.
    static constexpr int ShowNormal = 1, ShowMinimized = 2, ShowMaximized = 3;

    QString m_startupDirectory;
    search::Tchoix *m_choix = nullptr;
    platform::BusyCursors m_cursors;
    editor::FrameDialogs *m_dialogs = nullptr; ///< save, print and font dialogs shared with the editor windows
    search::ResultListActions *m_listActions = nullptr;

    QWidget *m_Panel1 = nullptr;
    QPlainTextEdit *m_Memo1 = nullptr;
    QMdiArea *m_mdi = nullptr;
    QStatusBar *m_Barre = nullptr;
    std::array<QLabel *, 10> m_panels{};
    QMenu *m_PopupMenu1 = nullptr;
    QMenu *m_windowMenu = nullptr;
    settings::SettingsStore m_store;
    QMap<QString, QToolButton *> m_buttons;
    QMap<QString, QAction *> m_actions;
    QMap<QString, QPointer<QWidget>> m_tools;
    bool m_shownOnce = false;
    int m_showCommand = ShowNormal;

    // Search state.
    bool m_stopRequest = false;
    bool m_searchRunning = false;
    bool m_closing = false;
    QStringList m_pendingLines;
    std::array<QString, 10> m_pendingPanels;
    std::array<bool, 10> m_panelDirty{};
};

} // namespace shell
