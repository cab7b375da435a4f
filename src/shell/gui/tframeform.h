// The main frame "Recherche de chaine": the results list over the editor children, the
// search status bar, the toolbar of tools and the menus; searches run in it through its
// search presenter.
#pragma once

#include "search/gui/searchhost.h"
#include "settings/settingsstore.h"
#include "shell/gui/toolwindows.h"

#include <QMainWindow>
#include <QMap>

class QAction;
class QMdiArea;
class QMenu;
class QStatusBar;
class QToolButton;

namespace editor {
class FrameDialogs;
class TEditForm;
}
namespace search {
class ContextPane;
class ExternalEditorAction;
class ResultListActions;
class ResultsView;
class SearchPresenter;
class Tchoix;
}

namespace shell {

class Tframeform : public QMainWindow, public search::SearchHost {
    Q_OBJECT
public:
    /// The frame and every window it opens keep their settings in \a store.
    explicit Tframeform(const settings::SettingsStore &store, QWidget *parent = nullptr);
    ~Tframeform() override;

    /// The store the frame and the windows it opens keep their settings in.
    const settings::SettingsStore &store() const { return m_store; }
    /// The search dialog, created after the frame.
    void setSearchDialog(search::Tchoix *dialog) { m_choix = dialog; }

    search::ResultsView *resultsList() const { return m_Memo1; }
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
    /// "Aperçu du contexte": shows or hides the context pane under the list, and remembers it.
    void ApercuContexte1Click();
    /// "Préférences...": the options dialog; its choices apply at once.
    void Preferences1Click();
    search::ContextPane *contextPane() const { return m_context; }

    bool resultsVisible() const;

    // SearchHost
    void clearResults() override;
    void setResultsVisible(bool visible) override;
    void swapResults() override { ToolBtnSwapClick(); }
    bool searchRunning() const override;
    bool runSearch(const search::SearchRequest &request) override;
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
    void buildOptionsMenu();
    /// The options of the list as the settings have them.
    void applyListOptions();
    /// The popup item of the external editor: shown when chosen, usable on a file's lines.
    void updateEditorItem();
    /// Placement and list font, from and to the settings.
    void readini();
    void writeini();

    QString m_startupDirectory; ///< the folder current when the frame was created
    search::Tchoix *m_choix = nullptr;
    editor::FrameDialogs *m_dialogs = nullptr; ///< save, print and font dialogs shared with the editor windows
    search::ResultListActions *m_listActions = nullptr;
    search::SearchPresenter *m_search = nullptr;
    search::ExternalEditorAction *m_editorAction = nullptr;
    search::ContextPane *m_context = nullptr;

    QWidget *m_Panel1 = nullptr;
    search::ResultsView *m_Memo1 = nullptr;
    QMdiArea *m_mdi = nullptr;
    QStatusBar *m_Barre = nullptr;
    QMenu *m_PopupMenu1 = nullptr;
    QMenu *m_windowMenu = nullptr;
    settings::SettingsStore m_store;
    QMap<QString, QToolButton *> m_buttons;
    QMap<QString, QAction *> m_actions;
    bool m_shownOnce = false;
    bool m_startMaximized = false;
};

} // namespace shell
