// The resource explorer window: a file pane to pick an executable or DLL, the tree of its
// resources, the list of a tree node's items, and the views of one resource (picture, text
// lines or hex dump); a resource can be saved to a file. It owns the open image and replaces
// it only once a newly chosen file has passed its checks.
#pragma once

#include "resexplorer/core/byteblock.h"
#include "resexplorer/gui/resourcepictures.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QFileDialog;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QStackedWidget;
class QTreeView;

namespace ui {
class FileList;
class FolderNavigator;
}

namespace resexplorer {

class ResourceListView;
class ResourceTreeModel;
class TExeImage;
class THexDump;
class TResourceItem;
class TResourceList;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    /// A top-level window owned by \a owner, freed when closed. When \a arguments (the program's
    /// command line) names an existing file after the program, that file is opened.
    explicit TMainForm(QWidget *owner = nullptr, const QStringList &arguments = QCoreApplication::arguments());
    ~TMainForm() override;

    /// Opens \a path and shows its resources; on failure reports it and keeps the open file.
    bool openFile(const QString &path);
    const TExeImage *image() const { return m_image.get(); }

private:
    void FormCreate(const QStringList &arguments);
    void FileOpen();
    void SaveResource();
    void FileExit();
    void SelectListViewType(int tag);
    void ToggleStatusBar();
    void ViewMenuDropDown();
    void TreeViewChange();
    void TreeViewMouseUp(const QPoint &position);
    void ListViewEnter();
    void NotebookEnter();
    void Expansion1Click();
    void Reduire1Click();
    void filtre_repDblClick();
    void filtre_repKeyDown();

    bool eventFilter(QObject *watched, QEvent *event) override;

    void buildControls();
    void buildMenu();
    void buildDialogs();
    void connectControls();
    /// Runs \a action and shows the message of any failure, which goes no further.
    void guarded(const std::function<void()> &action);

    /// Empties every view that shows bytes of the image, then releases the image.
    void releaseImage();
    void fillWindow();
    void fillListView(TResourceList &list);
    void showLeaf(TResourceItem &item);
    void showPage(int page);

    ResourcePictures m_pictures;
    std::unique_ptr<TExeImage> m_image;
    std::unique_ptr<SpanBlock> m_dumped; ///< the bytes the hex dump shows

    // The file pane: "lecteur", "BtnRacine", "BtnPrecRep", "repert_list" and "filtre_rep".
    ui::FolderNavigator *m_navigator = nullptr;
    ui::FileList *m_filtre_rep = nullptr;
    QLabel *m_Panel1 = nullptr;
    QTreeView *m_TreeView = nullptr;
    ResourceTreeModel *m_treeModel = nullptr;
    QLabel *m_ListViewCaption = nullptr;
    QStackedWidget *m_Notebook = nullptr;
    ResourceListView *m_ListView = nullptr;
    QLabel *m_ImageViewer = nullptr;
    QPlainTextEdit *m_StringViewer = nullptr;
    THexDump *m_hexDump = nullptr;
    QLabel *m_statusPanels[2] = {nullptr, nullptr};
    QMenu *m_miView = nullptr;
    QAction *m_miViewStatusBar = nullptr;
    QActionGroup *m_viewStyles = nullptr;
    QFileDialog *m_FileOpenDialog = nullptr;
    QFileDialog *m_FileSaveDialog = nullptr;
};

} // namespace resexplorer
