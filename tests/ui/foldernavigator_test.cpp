// The folder navigator on real folders: the controls it makes, the drive change with its
// per-drive memory, the root and parent buttons, folders that are missing or gone. Two
// temporary folders stand for two drives.
#include "ui/drivebox.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"
#include "ui/foldernavigator.h"

#include "support/qtestmain.h"
#include "support/temptree.h"

#include <QDir>
#include <QFocusEvent>
#include <QSignalSpy>
#include <QToolButton>
#include <QWidget>

#include <gtest/gtest.h>

using testing_support::TempTree;
using ui::FolderNavigator;

namespace {

QStringList shownFiles(const ui::FileList *files)
{
    QStringList names;
    for (int i = 0; i < files->count(); ++i)
        names.append(files->item(i)->text());
    return names;
}

QStringList arguments(const QSignalSpy &spy)
{
    QStringList values;
    for (const QList<QVariant> &call : spy)
        values.append(call.value(0).toString());
    return values;
}

class Navigator : public testing::Test {
protected:
    void SetUp() override
    {
        driveA = tree.mkdir("A");
        driveB = tree.mkdir("B");
        deep = tree.mkdir("A/sub/deep");
        other = tree.mkdir("B/other");
        tree.write("A/sub/deep/notes.txt", "x");
        tree.write("A/sub/deep/.hidden.txt", "x");
        tree.write("A/sub/deep/prog.pas", "x");
        tree.write("B/other/b.txt", "x");
        navigator = new FolderNavigator(&owner);
        navigator->driveBox()->setVolumes({{driveA, "a"}, {driveB, "b"}});
        ASSERT_TRUE(navigator->setFolder(driveA));
        startFolder = QDir::currentPath();
    }
    void TearDown() override { QDir::setCurrent(startFolder); }

    // What a user does before leaving a drive: the drive box takes the focus.
    void enterDriveBox()
    {
        QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(navigator->driveBox(), &focus);
    }
    void chooseDrive(int index) { navigator->driveBox()->setCurrentIndex(index); }

    TempTree tree;
    QString driveA, driveB, deep, other, startFolder;
    QWidget owner;
    FolderNavigator *navigator = nullptr;
};

} // namespace

TEST(NavigatorControls, TheWindowsNamesAndOnlyTheControlsNamed)
{
    QWidget owner;
    FolderNavigator full(&owner);
    EXPECT_EQ(full.driveBox()->objectName(), "lecteur");
    EXPECT_EQ(full.rootButton()->objectName(), "BtnRacine");
    EXPECT_EQ(full.parentButton()->objectName(), "BtnPrecRep");
    EXPECT_EQ(full.folderList()->objectName(), "Repert_List");
    EXPECT_EQ(full.fileList()->objectName(), "filtre_rep");
    EXPECT_EQ(full.rootButton()->text(), "/");
    EXPECT_EQ(full.parentButton()->text(), "..");
    for (QWidget *control : std::initializer_list<QWidget *>{full.driveBox(), full.rootButton(), full.parentButton(),
                                                             full.folderList(), full.fileList()})
        EXPECT_EQ(control->parentWidget(), &owner) << control->objectName().toStdString();

    FolderNavigator::Names names;
    names.drive = "DriveComboBox1";
    names.root.clear();
    names.parent.clear();
    names.folders = "DirectoryListBox1";
    names.files.clear();
    QWidget other;
    FolderNavigator partial(&other, names);
    EXPECT_EQ(partial.rootButton(), nullptr);
    EXPECT_EQ(partial.parentButton(), nullptr);
    EXPECT_EQ(partial.fileList(), nullptr);
    EXPECT_EQ(partial.folderList()->objectName(), "DirectoryListBox1");
    EXPECT_EQ(other.findChildren<QToolButton *>().size(), 0);
    const QString home = QDir::homePath();
    EXPECT_TRUE(partial.setFolder(home));
    EXPECT_EQ(partial.folder(), QDir::cleanPath(home));
}

TEST_F(Navigator, AFolderShownShowsItsFilesAndMovesTheDriveBox)
{
    navigator->fileList()->setMask("*.TXT");
    QSignalSpy drives(navigator, &FolderNavigator::driveChanged);
    ASSERT_TRUE(navigator->setFolder(other));
    EXPECT_EQ(navigator->driveBox()->drive(), driveB);
    EXPECT_EQ(drives.count(), 0); // following the folder is no drive change
    EXPECT_EQ(shownFiles(navigator->fileList()), QStringList({"b.txt"}));
    ASSERT_TRUE(navigator->setFolder(deep));
    EXPECT_EQ(navigator->driveBox()->drive(), driveA);
    EXPECT_EQ(navigator->fileList()->directory(), deep);
    EXPECT_EQ(shownFiles(navigator->fileList()), QStringList({".hidden.txt", "notes.txt"}));
}

TEST_F(Navigator, AMissingFolderChangesNothing)
{
    ASSERT_TRUE(navigator->setFolder(deep));
    QSignalSpy folders(navigator, &FolderNavigator::folderChanged);
    const QString cases[] = {QString(), tree.path("A/missing"), tree.path("A/sub/deep/notes.txt"),
                             tree.path("B/other/../gone/..")};
    for (const QString &path : cases) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_FALSE(navigator->setFolder(path));
        EXPECT_EQ(navigator->folder(), deep);
        EXPECT_EQ(navigator->driveBox()->drive(), driveA);
        EXPECT_EQ(navigator->fileList()->directory(), deep);
    }
    EXPECT_EQ(folders.count(), 0);
}

TEST_F(Navigator, ADriveShowsItsRootThenTheFolderLeftOnIt)
{
    navigator->setDriveMemory(true);
    QSignalSpy remembered(navigator, &FolderNavigator::folderRemembered);
    ASSERT_TRUE(navigator->setFolder(deep));
    enterDriveBox();
    ASSERT_EQ(remembered.count(), 1);
    EXPECT_EQ(remembered.at(0).value(0).toInt(), 0);
    EXPECT_EQ(remembered.at(0).value(1).toString(), deep);

    QSignalSpy folders(navigator, &FolderNavigator::folderChanged);
    QSignalSpy drives(navigator, &FolderNavigator::driveChanged);
    chooseDrive(1); // nothing remembered on B yet: its root
    EXPECT_EQ(arguments(folders), QStringList({driveB}));
    EXPECT_EQ(arguments(drives), QStringList({driveB}));
    ASSERT_TRUE(navigator->setFolder(other));
    enterDriveBox();
    folders.clear();

    chooseDrive(0);
    EXPECT_EQ(arguments(folders), QStringList({driveA, deep}));
    EXPECT_EQ(navigator->folder(), deep);
    EXPECT_EQ(navigator->fileList()->directory(), deep);
    EXPECT_EQ(navigator->rememberedFolders(), QStringList({deep, other}));
    folders.clear();

    chooseDrive(1);
    EXPECT_EQ(arguments(folders), QStringList({driveB, other}));
    // setDrive() on the drive already chosen shows it all the same.
    folders.clear();
    ASSERT_TRUE(navigator->setDrive(driveB));
    EXPECT_EQ(arguments(folders), QStringList({driveB, other}));
    EXPECT_FALSE(navigator->setDrive(tree.path("nowhere")));
    EXPECT_EQ(navigator->folder(), other);
}

TEST_F(Navigator, AGoneFolderOrNoMemoryGivesTheRoot)
{
    navigator->setDriveMemory(true);
    ASSERT_TRUE(navigator->setFolder(deep));
    enterDriveBox();
    chooseDrive(1);
    ASSERT_TRUE(QDir(deep).removeRecursively());
    chooseDrive(0);
    EXPECT_EQ(navigator->folder(), driveA);

    navigator->setDriveMemory(false);
    ASSERT_TRUE(navigator->setFolder(tree.path("A/sub")));
    enterDriveBox();
    chooseDrive(1);
    chooseDrive(0);
    EXPECT_EQ(navigator->folder(), driveA);
    EXPECT_EQ(navigator->rememberedFolders(), QStringList({deep, QString()}));
}

TEST_F(Navigator, RootAndParentButtons)
{
    ASSERT_TRUE(navigator->setFolder(deep));
    navigator->parentButton()->click();
    EXPECT_EQ(navigator->folder(), tree.path("A/sub"));
    EXPECT_EQ(QDir::currentPath(), tree.path("A/sub"));
    EXPECT_EQ(navigator->fileList()->directory(), tree.path("A/sub"));
    ASSERT_TRUE(navigator->setFolder(other));
    navigator->rootButton()->click();
    EXPECT_EQ(navigator->folder(), driveB);

    // The parent of a folder that has gone cannot be reached: said, and nothing moves.
    ASSERT_TRUE(navigator->setFolder(deep));
    ASSERT_TRUE(QDir(deep).removeRecursively());
    QSignalSpy failures(navigator, &FolderNavigator::failed);
    navigator->parentButton()->click();
    ASSERT_EQ(failures.count(), 1);
    EXPECT_EQ(failures.at(0).value(0).toString(), QStringLiteral("Impossible de changer de répertoire : ") + deep);
    EXPECT_EQ(navigator->folder(), deep);
}

TEST_F(Navigator, RestoringAndRefreshingFallBackToTheCurrentDirectory)
{
    EXPECT_TRUE(navigator->restore(driveB, other));
    EXPECT_EQ(navigator->folder(), other);
    EXPECT_EQ(navigator->driveBox()->drive(), driveB);

    ASSERT_TRUE(QDir::setCurrent(deep));
    EXPECT_FALSE(navigator->restore(driveB, tree.path("B/gone")));
    EXPECT_EQ(navigator->folder(), deep);
    EXPECT_EQ(navigator->driveBox()->drive(), navigator->driveBox()->driveOf(deep));

    // A folder taken away under the pane: the next refresh goes to the current directory.
    ASSERT_TRUE(QDir::setCurrent(other));
    ASSERT_TRUE(QDir(deep).removeRecursively());
    navigator->refresh();
    EXPECT_EQ(navigator->folder(), other);
    EXPECT_EQ(navigator->fileList()->directory(), other);
}

VORLANE_GTEST_QT_MAIN
