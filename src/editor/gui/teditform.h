// An editor window, child of the frame: one text, normally a file found by a search, in an edit
// area used in plain-text mode. It finds the search string of the search dialog (F4, then F3)
// and marks every occurrence (F5); it changes its font and colours, saves and prints the text,
// and offers the clipboard and the frame's window commands. Its colours and font are kept in
// the settings (section "CHILD"): read when it is created, written when it is destroyed.
#pragma once

#include "editor/core/textfile.h"
#include "editor/core/textmarks.h"
#include "editor/core/textsearch.h"
#include "settings/settingsstore.h"

#include <QMap>
#include <QWidget>

#include <functional>

class QAction;
class QCheckBox;
class QColorDialog;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QStatusBar;
class QToolButton;

namespace editor {

class EditArea;
class FindDialog;
class FrameDialogs;

class TEditForm : public QWidget {
    Q_OBJECT
public:
    /// Gives the search dialog's current search string; read at each use, never kept.
    using SearchText = std::function<QString()>;

    /// An empty window with the colours and font stored in \a store, using the frame's \a dialogs.
    TEditForm(FrameDialogs &dialogs, const settings::SettingsStore &store, SearchText searchText,
              QWidget *parent = nullptr);
    ~TEditForm() override;

    /// Loads the file \a path (a full path) as plain text, caret at the start, caption \a path,
    /// not modified; shows the search string in the status bar and enables the four search
    /// commands when it is not empty (disables them when it is). False, with errorString() and
    /// the window as it was, when the file cannot be read.
    bool openFile(const QString &path);
    QString errorString() const { return m_error; }
    /// Replaces the text; the caret goes to the start. The search commands stay as they are.
    void setText(const QString &text);
    QString text() const;

    /// The window's menu, merged into the frame's menu bar while the window is current.
    QMenu *trouveMenu() const { return m_Trouve; }
    EditArea *editArea() const { return m_Memo1; }
    FindDialog *findDialog() const { return m_FindDialog1; }
    QAction *action(const QString &name) const { return m_actions.value(name); }
    QToolButton *toolButton(const QString &name) const { return m_buttons.value(name); }
    /// Status panel 0 to 3.
    QLabel *panel(int index) const;
    QColor ink() const;
    QColor background() const;

    // Handlers, named after their control and event.
    void Recherche1Click();
    void FindDialog1Find();
    void Occurencesuivante1Click();
    void Rechercheinitiale1Click();
    void Rechercheinitiale2Click();
    void Marquer1Click();
    void Fontes1Click();
    void Couleur1Click();
    void sauverselection1Click();
    void Imprimer1Click();
    void Copier1Click();
    void Coller1Click();
    void toutselectionner1Click();
    void Home1Click();
    void Pleinecran1Click();
    void Taillenormale1Click();
    void reduire1Click();
    void Mozaque1Click();
    void Cascade1Click();
    void Precedente1Click();
    void Suivante1Click();
    void FermerClick();
    /// Key down, key up and mouse down in the edit area: line and column of the caret.
    void Memo1Caret();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildToolPanel();
    void buildStatusBar();
    void buildMenus();
    QAction *addItem(QMenu *menu, const QString &caption, const char *name, const QKeySequence &shortcut = {});
    void readini();
    void writeini();
    void setInk(const QColor &ink);
    void setBackground(const QColor &background);
    void setSearchCommandsEnabled(bool enabled);
    /// The text search from the current selection; on success the occurrence is selected.
    bool searchMemo(const QString &pattern, const FindOptions &options);
    /// The search with the find dialog's text and options, telling when nothing is found.
    void findWithDialog();
    void showNotFound(const QString &pattern);
    bool askSaveCopy(const QString &caption);
    QMdiSubWindow *subWindow() const;
    QMdiArea *mdiArea() const;

    FrameDialogs &m_dialogs;
    settings::SettingsStore m_store;
    SearchText m_searchText;
    TextFile m_file;
    QString m_error;
    bool m_loading = false;

    QWidget *m_Panel1 = nullptr;
    QCheckBox *m_CbWordWrap = nullptr;
    EditArea *m_Memo1 = nullptr;
    QStatusBar *m_editbar = nullptr;
    QLabel *m_panels[4] = {};
    MarkStyle m_SelFont; ///< what marking gives each occurrence
    QMenu *m_Trouve = nullptr;
    QMenu *m_PopupMenu1 = nullptr;
    FindDialog *m_FindDialog1 = nullptr;
    QColorDialog *m_ColorDialog1 = nullptr;
    QMap<QString, QAction *> m_actions;
    QMap<QString, QToolButton *> m_buttons;
};

} // namespace editor
