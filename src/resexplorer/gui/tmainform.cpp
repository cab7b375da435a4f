#include "resexplorer/gui/tmainform.h"

#include "resexplorer/core/exeerror.h"
#include "resexplorer/core/exeimage.h"
#include "resexplorer/core/explorerrules.h"
#include "resexplorer/core/resourceitem.h"
#include "resexplorer/core/resourcelist.h"
#include "resexplorer/gui/resourcelistview.h"
#include "resexplorer/gui/resourcetreemodel.h"
#include "resexplorer/gui/thexdump.h"
#include "ui/drivebox.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"
#include "ui/foldernavigator.h"
#include "ui/messageboxes.h"
#include "ui/named.h"
#include "ui/windowsfilter.h"

#include <QActionGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace resexplorer {

namespace {

using ui::named;

enum Page { ListViewPage = 0, ImageViewPage = 1, StringViewPage = 2, OtherViewPage = 3 };

QLabel *captionBar(const char *name, const QString &text, QWidget *parent)
{
    auto *bar = named(new QLabel(text, parent), name);
    bar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->setMinimumHeight(20);
    return bar;
}

void collapseAll(QTreeView *tree, const QModelIndex &node)
{
    const QAbstractItemModel *model = tree->model();
    for (int i = 0; i < model->rowCount(node); ++i)
        collapseAll(tree, model->index(i, 0, node));
    tree->collapse(node);
}

} // namespace

TMainForm::TMainForm(QWidget *owner, const QStringList &arguments) : QMainWindow(owner)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Exploreur de Ressources"));
    buildControls();
    buildMenu();
    buildDialogs();
    connectControls();
    FormCreate(arguments);
}

TMainForm::~TMainForm()
{
    releaseImage();
}

void TMainForm::buildControls()
{
    auto *panes = new QSplitter(Qt::Horizontal, this);
    setCentralWidget(panes);

    auto *panel2 = named(new QWidget(panes), "Panel2");
    auto *panel2Layout = new QVBoxLayout(panel2);
    panel2Layout->setContentsMargins(0, 0, 0, 0);
    auto *filePane = new QSplitter(Qt::Vertical, panel2);
    panel2Layout->addWidget(filePane);
    auto *panel3 = named(new QWidget(filePane), "Panel3");
    auto *panel3Layout = new QHBoxLayout(panel3);
    panel3Layout->setContentsMargins(2, 2, 2, 2);
    ui::FolderNavigator::Names names;
    names.folders = QStringLiteral("repert_list");
    m_navigator = new ui::FolderNavigator(this, names);
    ui::DriveBox *drive = m_navigator->driveBox();
    QFont driveFont = drive->font();
    driveFont.setBold(true);
    drive->setFont(driveFont);
    QPalette blue = drive->palette();
    blue.setColor(QPalette::Text, Qt::blue);
    blue.setColor(QPalette::ButtonText, Qt::blue);
    drive->setPalette(blue);
    m_navigator->rootButton()->setToolTip(QStringLiteral("Racine"));
    m_navigator->parentButton()->setToolTip(QStringLiteral("Répertoire parent"));
    panel3Layout->addWidget(drive, 1);
    panel3Layout->addWidget(m_navigator->rootButton());
    panel3Layout->addWidget(m_navigator->parentButton());
    panel3->setMaximumHeight(panel3->sizeHint().height());
    m_filtre_rep = m_navigator->fileList();
    m_filtre_rep->setMask(QStringLiteral("*.EXE;*.dll"));
    filePane->addWidget(m_navigator->folderList());
    filePane->addWidget(m_filtre_rep);
    filePane->setStretchFactor(0, 0);
    filePane->setStretchFactor(1, 1);
    filePane->setStretchFactor(2, 1);
    filePane->handle(1)->setObjectName(QStringLiteral("Splitter3"));
    filePane->handle(2)->setObjectName(QStringLiteral("Splitter1"));

    auto *treePanel = named(new QWidget(panes), "TreeViewPanel");
    auto *treeLayout = new QVBoxLayout(treePanel);
    treeLayout->setContentsMargins(0, 0, 0, 0);
    treeLayout->setSpacing(0);
    m_Panel1 = captionBar("Panel1", QStringLiteral(" Ressources"), treePanel);
    m_TreeView = named(new QTreeView(treePanel), "TreeView");
    m_treeModel = new ResourceTreeModel(m_pictures, m_TreeView);
    m_TreeView->setModel(m_treeModel);
    m_TreeView->setHeaderHidden(true);
    m_TreeView->setIconSize(QSize(16, 16));
    m_TreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_TreeView->viewport()->installEventFilter(this);
    treeLayout->addWidget(m_Panel1);
    treeLayout->addWidget(m_TreeView);

    auto *listPanel = named(new QWidget(panes), "ListViewPanel");
    auto *listLayout = new QVBoxLayout(listPanel);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->setSpacing(0);
    m_ListViewCaption = captionBar("ListViewCaption", QString(), listPanel);
    m_Notebook = named(new QStackedWidget(listPanel), "Notebook");
    m_Notebook->setFocusPolicy(Qt::TabFocus);
    m_Notebook->installEventFilter(this);
    listLayout->addWidget(m_ListViewCaption);
    listLayout->addWidget(m_Notebook);

    auto *listPage = named(new QWidget(m_Notebook), "ListViewPage");
    m_ListView = named(new ResourceListView(m_pictures, listPage), "ListView");
    (new QVBoxLayout(listPage))->addWidget(m_ListView);
    listPage->layout()->setContentsMargins(0, 0, 0, 0);
    auto *imagePage = named(new QWidget(m_Notebook), "ImageViewPage");
    m_ImageViewer = named(new QLabel(imagePage), "ImageViewer");
    m_ImageViewer->setAlignment(Qt::AlignCenter);
    m_ImageViewer->installEventFilter(this);
    (new QVBoxLayout(imagePage))->addWidget(m_ImageViewer);
    auto *stringPage = named(new QWidget(m_Notebook), "StringViewPage");
    m_StringViewer = named(new QPlainTextEdit(stringPage), "StringViewer");
    m_StringViewer->setReadOnly(true);
    m_StringViewer->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_StringViewer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_StringViewer->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_StringViewer->setTabChangesFocus(true);
    (new QVBoxLayout(stringPage))->addWidget(m_StringViewer);
    stringPage->layout()->setContentsMargins(0, 0, 0, 0);
    auto *otherPage = named(new QWidget(m_Notebook), "OtherViewPage");
    for (QWidget *page : {listPage, imagePage, stringPage, otherPage})
        m_Notebook->addWidget(page);

    panes->handle(1)->setObjectName(QStringLiteral("Splitter2"));
    panes->handle(2)->setObjectName(QStringLiteral("Splitter"));
    panes->setStretchFactor(0, 0);
    panes->setStretchFactor(1, 1);
    panes->setStretchFactor(2, 2);
    panes->setSizes({200, 250, 500});

    QStatusBar *bar = named(new QStatusBar(this), "StatusBar");
    setStatusBar(bar);
    const int widths[2] = {150, 500};
    for (int i = 0; i < 2; ++i) {
        m_statusPanels[i] = new QLabel(bar);
        m_statusPanels[i]->setObjectName(QStringLiteral("StatusBarPanel%1").arg(i));
        m_statusPanels[i]->setFixedWidth(widths[i]);
        bar->addWidget(m_statusPanels[i]);
    }
}

void TMainForm::buildMenu()
{
    QMenuBar *menu = named(new QMenuBar(this), "MainMenu");
    setMenuBar(menu);
    QMenu *file = named(menu->addMenu(QStringLiteral("&Fichier")), "miFile");
    named(file->addAction(QStringLiteral("&Ouvrir..."), this, [this] { guarded([this] { FileOpen(); }); }),
          "miFileOpen");
    named(file->addAction(QStringLiteral("&Sauver Ressource..."), this, [this] { guarded([this] { SaveResource(); }); }),
          "miFileSave");
    file->addSeparator();
    named(file->addAction(QStringLiteral("&Quit"), this, [this] { FileExit(); }), "miFileExit");

    m_miView = named(menu->addMenu(QStringLiteral("&Voir")), "miView");
    m_miViewStatusBar = named(m_miView->addAction(QStringLiteral("&Barre de Status")), "miViewStatusBar");
    m_miViewStatusBar->setCheckable(true);
    connect(m_miViewStatusBar, &QAction::triggered, this, [this] { ToggleStatusBar(); });
    m_miView->addSeparator();
    m_viewStyles = new QActionGroup(this);
    const QString styles[] = {QStringLiteral("&Grandes Icones"), QStringLiteral("&Petites icones"),
                              QStringLiteral("&Liste"), QStringLiteral("&Details")};
    for (int tag = 0; tag < 4; ++tag) {
        QAction *style = m_miView->addAction(styles[tag]);
        style->setCheckable(true);
        style->setData(tag);
        m_viewStyles->addAction(style);
        connect(style, &QAction::triggered, this, [this, tag] { SelectListViewType(tag); });
    }
    connect(m_miView, &QMenu::aboutToShow, this, [this] { ViewMenuDropDown(); });
    named(menu->addAction(QStringLiteral("&Expansion"), this, [this] { Expansion1Click(); }), "Expansion1");
    named(menu->addAction(QStringLiteral("&Reduire"), this, [this] { Reduire1Click(); }), "Reduire1");
}

void TMainForm::buildDialogs()
{
    m_FileOpenDialog = named(new QFileDialog(this), "FileOpenDialog");
    m_FileOpenDialog->setOption(QFileDialog::DontUseNativeDialog);
    m_FileOpenDialog->setFileMode(QFileDialog::ExistingFile);
    ui::setWindowsFilter(*m_FileOpenDialog, explorer::openFilter());
    m_FileSaveDialog = named(new QFileDialog(this), "FileSaveDialog");
    m_FileSaveDialog->setOption(QFileDialog::DontUseNativeDialog);
    m_FileSaveDialog->setAcceptMode(QFileDialog::AcceptSave);
    m_FileSaveDialog->setFileMode(QFileDialog::AnyFile);
    ui::setWindowsFilter(*m_FileSaveDialog, explorer::saveFilter());
}

void TMainForm::connectControls()
{
    connect(m_TreeView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { guarded([this] { TreeViewChange(); }); });
    connect(m_ListView, &ResourceListView::entered, this, [this] { ListViewEnter(); });
    connect(m_navigator, &ui::FolderNavigator::failed, this, [this](const QString &message) {
        ui::showFailure(this, message);
    });
    connect(m_filtre_rep, &QListWidget::itemDoubleClicked, this, [this] { guarded([this] { filtre_repDblClick(); }); });
    m_filtre_rep->installEventFilter(this);
}

void TMainForm::FormCreate(const QStringList &arguments)
{
    m_hexDump = THexDump::createHexDumpOn(m_Notebook->widget(OtherViewPage));
    m_hexDump->setObjectName(QStringLiteral("HexDump"));
    m_navigator->setFolder(QDir::currentPath());
    showPage(ListViewPage);
    if (arguments.size() > 1 && QFileInfo(arguments.at(1)).isFile()) {
        show();
        openFile(arguments.at(1));
    }
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TMainForm::guarded(const std::function<void()> &action)
{
    try {
        action();
    } catch (const EExeError &error) {
        ui::showFailure(this, error.message());
    } catch (const std::exception &error) {
        ui::showFailure(this, QString::fromLocal8Bit(error.what()));
    }
}

bool TMainForm::openFile(const QString &path)
{
    std::unique_ptr<TExeImage> image;
    try {
        image = std::make_unique<TExeImage>(path);
    } catch (const EExeError &error) {
        ui::showFailure(this, error.message());
        return false;
    }
    releaseImage();
    m_image = std::move(image);
    guarded([this] { fillWindow(); });
    return true;
}

void TMainForm::releaseImage()
{
    // Nothing may keep showing bytes of an image once it is gone.
    if (m_hexDump) {
        m_hexDump->setData(nullptr);
        m_hexDump->setDataLength(0);
    }
    m_dumped.reset();
    m_ImageViewer->clear();
    m_StringViewer->clear();
    m_ListView->clear();
    m_treeModel->clear();
    m_image.reset();
}

void TMainForm::fillWindow()
{
    m_ListView->clear();
    m_TreeView->clearSelection();
    m_treeModel->clear();
    m_treeModel->setResources(m_image->resources());
    setWindowTitle(explorer::windowCaption(m_image->path()));
    m_TreeView->setFocus();
    const QModelIndex first = m_treeModel->index(0, 0);
    if (first.isValid())
        m_TreeView->setCurrentIndex(first);
}

void TMainForm::showPage(int page)
{
    m_Notebook->setCurrentIndex(page);
}

void TMainForm::TreeViewChange()
{
    const QModelIndex node = m_TreeView->currentIndex();
    TResourceItem *item = m_treeModel->item(node);
    if (!m_TreeView->isVisible() || !item)
        return;
    if (item->hasSubList()) {
        fillListView(item->subList());
        showPage(ListViewPage);
        m_ListViewCaption->setText(explorer::listCaption(node.data().toString()));
        m_statusPanels[0]->setText(explorer::objectCountStatus(m_ListView->rowCount()));
        m_statusPanels[1]->setText(explorer::listOffsetStatus(item->displayOffset()));
        return;
    }
    showLeaf(*item);
    m_ListViewCaption->setText(explorer::leafCaption(item->typeLabel(), item->displayName()));
    m_statusPanels[0]->clear();
    m_statusPanels[1]->setText(explorer::leafStatus(item->displayOffset(), item->dataSize()));
}

void TMainForm::fillListView(TResourceList &list)
{
    m_ListView->clear();
    for (TResourceItem *item : list.buildEntries())
        m_ListView->addRow(item, item->displayName(), explorer::offsetColumn(item->displayOffset()),
                           explorer::sizeColumn(item->dataSize()), explorer::leafPicture(item->typeId()));
}

void TMainForm::showLeaf(TResourceItem &item)
{
    switch (explorer::leafView(item.typeId())) {
    case explorer::View::Picture: {
        QImage picture;
        item.renderTo(picture);
        m_ImageViewer->setPixmap(QPixmap::fromImage(picture));
        showPage(ImageViewPage);
        break;
    }
    case explorer::View::Lines: {
        QStringList lines;
        item.renderTo(lines);
        m_StringViewer->setPlainText(lines.join(QLatin1Char('\n')));
        m_StringViewer->moveCursor(QTextCursor::Start);
        showPage(StringViewPage);
        break;
    }
    default: {
        auto dumped = std::make_unique<SpanBlock>(item.availableData());
        m_hexDump->setData(dumped.get());
        m_dumped = std::move(dumped);
        m_hexDump->setDataLength(item.dataSize());
        showPage(OtherViewPage);
        break;
    }
    }
}

void TMainForm::FileOpen()
{
    if (m_FileOpenDialog->exec() != QDialog::Accepted || m_FileOpenDialog->selectedFiles().isEmpty())
        return;
    openFile(m_FileOpenDialog->selectedFiles().first());
}

void TMainForm::SaveResource()
{
    const QModelIndex node = m_TreeView->currentIndex();
    TResourceItem *item = m_treeModel->item(node);
    if (!item || item->hasSubList()) {
        item = m_ListView->selectedItem();
        if (item && item->hasSubList())
            item = nullptr;
    }
    if (!item) {
        ui::showFailure(this, QStringLiteral("Aucunes Ressources Selectionnées"));
        return;
    }
    const int filter = explorer::saveFilterIndex(item->typeId());
    m_FileSaveDialog->selectNameFilter(m_FileSaveDialog->nameFilters().value(filter - 1));
    m_FileSaveDialog->setDefaultSuffix(explorer::defaultSuffix(filter));
    m_FileSaveDialog->selectFile(node.data().toString());
    if (m_FileSaveDialog->exec() != QDialog::Accepted || m_FileSaveDialog->selectedFiles().isEmpty())
        return;
    item->saveToFile(m_FileSaveDialog->selectedFiles().first());
}

void TMainForm::FileExit()
{
    close();
}

void TMainForm::SelectListViewType(int tag)
{
    m_ListView->setViewStyle(ResourceListView::Style(tag));
}

void TMainForm::ToggleStatusBar()
{
    statusBar()->setVisible(!statusBar()->isVisible());
}

void TMainForm::ViewMenuDropDown()
{
    m_miViewStatusBar->setChecked(statusBar()->isVisible());
    for (QAction *style : m_viewStyles->actions())
        style->setChecked(style->data().toInt() == m_ListView->viewStyle());
}

void TMainForm::TreeViewMouseUp(const QPoint &position)
{
    const QModelIndex node = m_TreeView->indexAt(position);
    if (!node.isValid())
        return;
    if (m_TreeView->isExpanded(node))
        collapseAll(m_TreeView, node);
    else
        m_TreeView->expandRecursively(node);
}

void TMainForm::ListViewEnter()
{
    if (m_ListView->rowCount() > 1 && !m_ListView->hasSelection())
        m_ListView->selectFirstRow();
}

void TMainForm::NotebookEnter()
{
    QWidget *page = m_Notebook->currentWidget();
    for (QWidget *control : page->findChildren<QWidget *>()) {
        if (control->focusPolicy() != Qt::NoFocus && control->isVisible()) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void TMainForm::Expansion1Click()
{
    m_TreeView->expandAll();
}

void TMainForm::Reduire1Click()
{
    m_TreeView->collapseAll();
}

void TMainForm::filtre_repDblClick()
{
    const QString path = m_filtre_rep->currentFilePath();
    if (!path.isEmpty())
        openFile(path);
}

void TMainForm::filtre_repKeyDown()
{
    filtre_repDblClick();
    m_filtre_rep->setFocus();
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    // Compared by type first: the filter also sees events while the tree view is destroyed,
    // when its viewport() may no longer be asked for. The right button only expands and
    // collapses: the tree never sees it, so it neither makes the node current nor refills the
    // panes.
    const QEvent::Type type = event->type();
    const bool mouseButton = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
                             || type == QEvent::MouseButtonDblClick;
    if (mouseButton && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton
        && watched == m_TreeView->viewport()) {
        if (type == QEvent::MouseButtonRelease)
            TreeViewMouseUp(static_cast<QMouseEvent *>(event)->position().toPoint());
        return true;
    }
    if (watched == m_ImageViewer && event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            guarded([this] { SaveResource(); });
    } else if (watched == m_filtre_rep && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded([this] { filtre_repKeyDown(); });
            return true;
        }
    } else if (watched == m_Notebook && event->type() == QEvent::FocusIn) {
        NotebookEnter();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace resexplorer
