// The explorer window on real mingw-built files: the tree, the list, the three views, saving,
// the file pane and the command line.
#include "samplepe.h"

#include "resexplorer/core/exeimage.h"
#include "resexplorer/gui/resourcelistview.h"
#include "resexplorer/gui/thexdump.h"
#include "resexplorer/gui/tmainform.h"
#include "ui/drivebox.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"

#include "support/messageboxwatcher.h"
#include "support/qtestmain.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

using namespace resexplorer;
using rxtests::readFile;
using rxtests::samplePe;
using testing_support::MessageBoxWatcher;

namespace {

// Answers the next file dialog with \a path, noting what it offered.
class FileDialogAnswer {
public:
    explicit FileDialogAnswer(QString path) : m_path(std::move(path))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(5);
    }
    QString filter;
    QString offeredName;
    bool answered = false;

private:
    void poll()
    {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || answered)
            return;
        answered = true;
        filter = dialog->selectedNameFilter();
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!edit)
            return;
        offeredName = edit->text();
        dialog->setDirectory(QFileInfo(m_path).path());
        edit->setText(QFileInfo(m_path).fileName());
        QMetaObject::invokeMethod(dialog, "accept");
    }
    QString m_path;
    QTimer m_timer;
};

class Explorer : public testing::Test {
protected:
    void open(const QStringList &arguments)
    {
        window = new TMainForm(nullptr, arguments);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        tree = window->findChild<QTreeView *>("TreeView");
        list = window->findChild<ResourceListView *>("ListView");
        notebook = window->findChild<QStackedWidget *>("Notebook");
        dump = window->findChild<THexDump *>("HexDump");
    }
    void TearDown() override { delete window.data(); }

    QModelIndex node(const QString &path) const
    {
        QModelIndex found;
        for (const QString &name : path.split('/')) {
            const QModelIndex parent = found;
            found = QModelIndex();
            for (int i = 0; i < model()->rowCount(parent) && !found.isValid(); ++i) {
                const QModelIndex child = model()->index(i, 0, parent);
                if (child.data().toString() == name)
                    found = child;
            }
            if (!found.isValid())
                return {};
        }
        return found;
    }
    int childCount(const QString &path) const { return model()->rowCount(node(path)); }
    bool expanded(const QString &path) const { return tree->isExpanded(node(path)); }
    QIcon icon(const QString &path) const { return node(path).data(Qt::DecorationRole).value<QIcon>(); }
    void select(const QString &path)
    {
        const QModelIndex n = node(path);
        ASSERT_TRUE(n.isValid()) << path.toStdString();
        tree->setCurrentIndex(n);
    }
    QStringList topLevel() const
    {
        QStringList names;
        for (int i = 0; i < model()->rowCount(); ++i)
            names.append(model()->index(i, 0).data().toString());
        return names;
    }
    QAbstractItemModel *model() const { return tree->model(); }
    QString page() const { return notebook->currentWidget()->objectName(); }
    QString caption() const { return window->findChild<QLabel *>("ListViewCaption")->text(); }
    QString status(int panel) const
    {
        return window->findChild<QLabel *>(QStringLiteral("StatusBarPanel%1").arg(panel))->text();
    }
    QAction *action(const char *name) const { return window->findChild<QAction *>(name); }

    QPointer<TMainForm> window;
    QTreeView *tree = nullptr;
    ResourceListView *list = nullptr;
    QStackedWidget *notebook = nullptr;
    THexDump *dump = nullptr;
    const QStringList kTypes = {"MYTYPE", "Bitmap", "Menu", "Dialog", "String", "RCData", "Cursor", "Icon", "Version", "24"};
};

} // namespace

TEST_F(Explorer, StartedWithoutAnExistingFileOpensEmptyAndMaximised)
{
    open({"vorlane", "/nonexistent/file.exe"});
    EXPECT_EQ(model()->rowCount(), 0);
    EXPECT_EQ(window->image(), nullptr);
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));
}

TEST_F(Explorer, StartedWithAnExecutableShowsItsTree)
{
    const QString path = samplePe().exe64;
    open({"vorlane", path});
    EXPECT_EQ(topLevel(), kTypes);
    EXPECT_EQ(window->windowTitle(), "Exploreur de Ressources  - " + path);
    EXPECT_EQ(tree->currentIndex(), model()->index(0, 0));
    EXPECT_EQ(page(), "ListViewPage");
    EXPECT_EQ(list->rowCount(), 1);
    EXPECT_EQ(list->rowText(0, 0), "HELLO");
    EXPECT_EQ(caption(), " MYTYPE");
    EXPECT_EQ(status(0), " 1 objet(s)");
    // A group lists its images; a single image has no children.
    EXPECT_EQ(childCount("Icon/1"), 3);
    EXPECT_TRUE(node("Icon/2/32 X 32 16 Couleurs").isValid());
    EXPECT_EQ(childCount("Icon/2/32 X 32 16 Couleurs"), 0);
    EXPECT_EQ(childCount("Cursor/5/32 X 32 1 Bit(s)"), 0);
    // Lists show a folder, open while selected; leaves the picture of their type. Olive, the
    // strips' background, reads as transparent.
    const QImage folder = icon("Icon").pixmap(16).toImage();
    const QImage open = icon("Icon").pixmap(16, QIcon::Selected).toImage();
    const QImage cursor = icon("Cursor/5/32 X 32 1 Bit(s)").pixmap(16).toImage();
    ASSERT_FALSE(folder.isNull());
    EXPECT_EQ(qAlpha(folder.pixel(0, 0)), 0);
    EXPECT_NE(folder, open);
    EXPECT_NE(folder, cursor);
}

TEST_F(Explorer, ListNodesFillTheList)
{
    open({"vorlane", samplePe().exe32});
    select("Icon/1");
    ASSERT_EQ(list->rowCount(), 3);
    EXPECT_EQ(list->rowText(1, 0), "48 X 48 0 Couleurs");
    const QString size = list->rowText(1, 2);
    EXPECT_EQ(size.size(), 5);
    EXPECT_EQ(size.toUInt(nullptr, 16), 48u * 48 * 4 + 48 * 8 + 40); // 32-bit pixels, mask, header
    EXPECT_EQ(list->rowText(1, 1).size(), 7);
    EXPECT_EQ(list->rowText(1, 1), list->rowText(1, 1).toUpper());
    EXPECT_EQ(status(0), " 3 objet(s)");
    EXPECT_TRUE(status(1).startsWith(" Offset: "));
}

TEST_F(Explorer, LeavesShowInTheirViews)
{
    open({"vorlane", samplePe().exe32});
    select("Icon/2/32 X 32 16 Couleurs");
    EXPECT_EQ(page(), "ImageViewPage");
    EXPECT_EQ(window->findChild<QLabel *>("ImageViewer")->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(caption(), " IconEntry: 32 X 32 16 Couleurs");
    EXPECT_EQ(status(0), "");
    EXPECT_TRUE(status(1).contains(QStringLiteral("  Taille: %1").arg(readFile(samplePe().paletteIcon).size() - 22, 0, 16)));

    select("String/1");
    EXPECT_EQ(page(), "StringViewPage");
    EXPECT_EQ(window->findChild<QPlainTextEdit *>("StringViewer")->toPlainText(), "0,  \"zero\"\n3,  \"three\"");
    select("Menu/100");
    EXPECT_EQ(page(), "StringViewPage");
    EXPECT_TRUE(window->findChild<QPlainTextEdit *>("StringViewer")->toPlainText().startsWith("POPUP \"File\"\n  MENUITEM"));

    select("RCData/300");
    EXPECT_EQ(page(), "OtherViewPage");
    EXPECT_TRUE(dump->hasData());
    EXPECT_EQ(dump->dataLength(), quint64(samplePe().rcdata.size()));
    select("Dialog/200");
    EXPECT_EQ(page(), "OtherViewPage");
    EXPECT_EQ(caption(), " Dialog: 200");
    select("MYTYPE/HELLO");
    EXPECT_EQ(caption(), " MYTYPE: HELLO");
}

TEST_F(Explorer, SavingOffersTheFilterOfTheTypeAndTheNodeName)
{
    open({"vorlane", samplePe().exe32});
    QTemporaryDir folder;
    struct Case {
        const char *node;
        const char *filter;
        const char *savedAs;
        QString original;
    };
    const Case cases[] = {
        {"Icon/2/32 X 32 16 Couleurs", "Icones (*.ICO)", "icon.ICO", samplePe().paletteIcon},
        {"Cursor/5/32 X 32 1 Bit(s)", "Curseurr (*.CUR)", "cursor.CUR", samplePe().cursor},
        {"Bitmap/4", "Bitmaps (*.BMP)", "picture.BMP", samplePe().bitmap24},
        {"RCData/300", "Autres Ressources (*.*)", "blob", QString()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.node);
        select(c.node);
        FileDialogAnswer answer(folder.filePath(QString(c.savedAs).section('.', 0, 0)));
        action("miFileSave")->trigger();
        EXPECT_TRUE(answer.answered);
        EXPECT_EQ(answer.filter, c.filter);
        EXPECT_EQ(answer.offeredName, QString(c.node).section('/', -1));
        const QByteArray saved = readFile(folder.filePath(c.savedAs));
        EXPECT_EQ(saved, c.original.isEmpty() ? samplePe().rcdata : readFile(c.original));
    }
}

TEST_F(Explorer, SavingNeedsALeafInTheTreeOrTheList)
{
    open({"vorlane", samplePe().exe32});
    select("RCData");
    {
        MessageBoxWatcher boxes;
        action("miFileSave")->trigger();
        EXPECT_EQ(boxes.texts, QStringList({"Aucunes Ressources Selectionnées"}));
    }
    list->selectFirstRow();
    QTemporaryDir folder;
    FileDialogAnswer answer(folder.filePath("chosen.bin"));
    action("miFileSave")->trigger();
    EXPECT_EQ(answer.offeredName, "RCData");
    EXPECT_EQ(readFile(folder.filePath("chosen.bin")), samplePe().rcdata);
}

TEST_F(Explorer, AFileThatFailsItsChecksLeavesThePreviousOne)
{
    open({"vorlane", samplePe().exe32});
    const TExeImage *before = window->image();
    const QString title = window->windowTitle();
    QTemporaryDir folder;
    const QString text = folder.filePath("notes.exe");
    {
        QFile file(text);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("pas un programme");
    }
    {
        MessageBoxWatcher boxes;
        EXPECT_FALSE(window->openFile(text));
        EXPECT_EQ(boxes.texts, QStringList({"Format de fichier inconnu ! "}));
    }
    EXPECT_EQ(window->image(), before);
    EXPECT_EQ(topLevel(), kTypes);
    EXPECT_EQ(window->windowTitle(), title);
}

TEST_F(Explorer, AFileWithoutResourcesReplacesThePreviousOneAndEmptiesTheViews)
{
    open({"vorlane", samplePe().exe32});
    select("Dialog/200");
    ASSERT_TRUE(dump->hasData());
    const QString title = window->windowTitle();
    {
        MessageBoxWatcher boxes;
        EXPECT_TRUE(window->openFile(samplePe().noResources));
        EXPECT_EQ(boxes.texts, QStringList({"Pas de resources dans ce fichier ."}));
    }
    EXPECT_EQ(window->image()->path(), samplePe().noResources);
    EXPECT_EQ(model()->rowCount(), 0);
    EXPECT_EQ(list->rowCount(), 0);
    EXPECT_FALSE(dump->hasData());
    EXPECT_EQ(dump->dataLength(), 0u);
    EXPECT_EQ(window->windowTitle(), title);
}

TEST_F(Explorer, TreeCommandsExpandAndCollapse)
{
    open({"vorlane", samplePe().exe32});
    const QPoint at = tree->visualRect(node("Icon")).center();
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, at);
    EXPECT_TRUE(expanded("Icon"));
    EXPECT_TRUE(expanded("Icon/1"));
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, at);
    EXPECT_FALSE(expanded("Icon"));
    EXPECT_FALSE(expanded("Icon/1"));
    action("Expansion1")->trigger();
    EXPECT_TRUE(expanded("Cursor/5"));
    action("Reduire1")->trigger();
    EXPECT_FALSE(expanded("Cursor"));
}

TEST_F(Explorer, TheRightButtonOnlyExpandsAndCollapses)
{
    open({"vorlane", samplePe().exe32});
    select("String/1");
    ASSERT_EQ(page(), "StringViewPage");
    const QString shownCaption = caption();
    const QString shownStatus = status(1);
    for (const char *path : {"Icon", "Icon", "Cursor", "RCData"}) {
        SCOPED_TRACE(path);
        const bool before = expanded(path);
        const QPoint at = tree->visualRect(node(path)).center();
        QTest::mousePress(tree->viewport(), Qt::RightButton, {}, at);
        QTest::mouseRelease(tree->viewport(), Qt::RightButton, {}, at);
        EXPECT_NE(expanded(path), before);
        EXPECT_EQ(tree->currentIndex(), node("String/1"));
        EXPECT_EQ(tree->selectionModel()->selectedIndexes(), QModelIndexList({node("String/1")}));
        EXPECT_EQ(page(), "StringViewPage");
        EXPECT_EQ(caption(), shownCaption);
        EXPECT_EQ(status(1), shownStatus);
    }
    // The left button still selects.
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(node("RCData")).center());
    EXPECT_EQ(tree->currentIndex(), node("RCData"));
    EXPECT_EQ(page(), "ListViewPage");
}

TEST_F(Explorer, ViewMenuSetsTheListStyleAndTheStatusBar)
{
    open({"vorlane", samplePe().exe32});
    auto *view = window->findChild<QMenu *>("miView");
    emit view->aboutToShow();
    EXPECT_TRUE(action("miViewStatusBar")->isChecked());
    const QList<QAction *> styles = view->actions().mid(2);
    ASSERT_EQ(styles.size(), 4);
    EXPECT_TRUE(styles[3]->isChecked());
    styles[0]->trigger();
    EXPECT_EQ(list->viewStyle(), ResourceListView::LargeIcons);
    emit view->aboutToShow();
    EXPECT_TRUE(styles[0]->isChecked());
    action("miViewStatusBar")->trigger();
    EXPECT_FALSE(window->statusBar()->isVisible());
}

TEST_F(Explorer, EnteringTheListSelectsTheFirstOfSeveralRows)
{
    open({"vorlane", samplePe().exe32});
    select("Dialog");
    list->currentView()->setFocus();
    EXPECT_FALSE(list->hasSelection());
    tree->setFocus();
    select("Icon/1");
    list->currentView()->setFocus();
    EXPECT_TRUE(list->hasSelection());
}

TEST_F(Explorer, TheFilePaneOpensExecutablesAndLibraries)
{
    open({"vorlane"});
    auto *folders = window->findChild<ui::FolderList *>("repert_list");
    auto *files = window->findChild<ui::FileList *>("filtre_rep");
    ASSERT_TRUE(folders->setDirectory(samplePe().folder));
    QStringList shown;
    for (int i = 0; i < files->count(); ++i)
        shown.append(files->item(i)->text());
    EXPECT_EQ(shown, QStringList({"plain32.exe", "sample32.dll", "sample32.exe", "sample64.exe"}));
    QListWidgetItem *dll = files->findItems("sample32.dll", Qt::MatchExactly).value(0);
    ASSERT_NE(dll, nullptr);
    files->setCurrentItem(dll);
    emit files->itemDoubleClicked(dll);
    EXPECT_EQ(window->image()->path(), samplePe().folder + "/sample32.dll");
    files->setCurrentItem(files->findItems("sample64.exe", Qt::MatchExactly).value(0));
    files->setFocus();
    QTest::keyClick(files, Qt::Key_Return);
    EXPECT_EQ(window->image()->path(), samplePe().folder + "/sample64.exe");
    EXPECT_TRUE(files->hasFocus());
}

TEST_F(Explorer, TheFolderButtonsGoToTheParentAndTheRoot)
{
    open({"vorlane"});
    auto *folders = window->findChild<ui::FolderList *>("repert_list");
    const QString inner = QDir(samplePe().folder).filePath("inner");
    ASSERT_TRUE(QDir().mkpath(inner));
    ASSERT_TRUE(folders->setDirectory(inner));
    window->findChild<QToolButton *>("BtnPrecRep")->click();
    EXPECT_EQ(folders->directory(), samplePe().folder);
    EXPECT_EQ(QDir::currentPath(), samplePe().folder);
    window->findChild<QToolButton *>("BtnRacine")->click();
    EXPECT_EQ(folders->directory(), window->findChild<ui::DriveBox *>("lecteur")->drive());
}

VORLANE_GTEST_QT_MAIN
