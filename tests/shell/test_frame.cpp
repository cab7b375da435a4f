// The main frame and the search dialog together, offscreen: a search from the dialog to the
// summary box, the histories, the extension rules, the file list, swap, drops and closing.
#include "editor/gui/fontcolourdialog.h"
#include "editor/gui/teditform.h"
#include "editor/modaldialogs.h"
#include "platform/registrystore.h"
#include "platform/singleinstance.h"
#include "search/core/searchengine.h"
#include "search/core/searchrequest.h"
#include "search/gui/tchoix.h"
#include "settings/settingsstore.h"
#include "shell/core/startfolder.h"
#include "shell/gui/tframeform.h"
#include "support/messageboxwatcher.h"
#include "support/qtestmain.h"
#include "support/qtprinters.h"
#include "support/temptree.h"
#include "ui/filelist.h"
#include "ui/messageboxes.h"
#include "ui/radiogroup.h"
#include "ui/themedicon.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include "search/gui/resultsview.h"
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using testing_support::answerNextModal;
using testing_support::MessageBoxWatcher;
using testing_support::TempTree;

namespace {

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = std::make_unique<shell::Tframeform>(store);
        choix = new search::Tchoix(*frame, store, frame.get());
        frame->setSearchDialog(choix);
        frame->show();
        QCoreApplication::processEvents();
    }

    template <typename T>
    T *control(const char *name) const
    {
        T *found = choix->findChild<T *>(QLatin1String(name));
        if (!found)
            found = frame->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void typeSearch(const QString &text)
    {
        auto *box = control<QComboBox>("histo_comm");
        box->setEditText(text);
    }

    QStringList items(const char *name) const
    {
        QStringList list;
        auto *box = control<QComboBox>(name);
        for (int i = 0; i < box->count(); ++i)
            list.append(box->itemText(i));
        return list;
    }

    // Every test starts from an empty settings store of its own.
    TempTree settingsFolder;
    settings::SettingsStore store{settingsFolder.path("user.reg")};
    std::unique_ptr<shell::Tframeform> frame;
    search::Tchoix *choix = nullptr;
};

TEST_F(FrameTest, DialogIsShownWithTheFrameAndOkNeedsAString)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return choix->isVisible(); }, 5000));
    EXPECT_EQ(choix->windowTitle(), "Configuration de la recherche");
    EXPECT_EQ(frame->windowTitle(), "Recherche de chaine");
    auto *ok = control<QPushButton>("OKBtn");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(ok->isDefault());
    typeSearch("f");
    EXPECT_TRUE(ok->isEnabled());
    typeSearch("");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return control<QComboBox>("histo_comm")->hasFocus(); }, 5000));
}

TEST_F(FrameTest, SearchFillsTheListAndEndsWithTheSummary)
{
    TempTree tree;
    tree.write("a.pas", "x\r\nfoo bar\r\n");
    tree.write("b.pas", "nothing\r\n");
    ASSERT_TRUE(choix->setFolder(tree.root()));
    MessageBoxWatcher boxes;
    typeSearch("foo");
    QTest::keyClick(control<QComboBox>("histo_comm"), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.texts.size() == 1; }, 5000));
    EXPECT_EQ(boxes.texts[0], ui::displayedText("Recherche terminée \r1 fichier(s) trouvé(s)\r"
                                                "2 fichier(s) examiné(s)\r3 Ligne(s)   examinée(s)"));
    EXPECT_EQ(frame->resultsList()->toPlainText(), "  \n" + tree.path("a.pas") + "\n2 : FOO BAR");
    EXPECT_FALSE(choix->isVisible());
    EXPECT_FALSE(frame->findChild<QStatusBar *>("Barre")->isVisible());
    EXPECT_FALSE(frame->action("stop1")->isEnabled());
    EXPECT_TRUE(frame->resultsList()->isVisible());
    EXPECT_EQ(items("histo_comm"), QStringList({"FOO"}));
    EXPECT_EQ(items("histo_comm2"), QStringList({"FOO"}));
    EXPECT_TRUE(items("HistoDir").contains(tree.root()));
}

TEST_F(FrameTest, HistoriesKeepOneEntryPerStringIgnoringCase)
{
    TempTree tree;
    ASSERT_TRUE(choix->setFolder(tree.root()));
    MessageBoxWatcher boxes;
    auto *ok = control<QPushButton>("OKBtn");
    for (const char *text : {"foo", "FOO", "bar"}) {
        typeSearch(text);
        ok->click();
    }
    control<QCheckBox>("optionMaj")->setChecked(true);
    typeSearch("Foo");
    ok->click();
    typeSearch("Baz");
    ok->click();
    EXPECT_EQ(items("histo_comm"), QStringList({"FOO", "BAR", "Baz"}));
    EXPECT_EQ(items("histo_comm2"), QStringList({"FOO", "BAR", "Baz"}));
    EXPECT_EQ(boxes.texts.size(), 5);
}

TEST_F(FrameTest, ExtensionChoiceSetsMaskSelectionAndButtons)
{
    auto *choice = control<ui::RadioGroup>("choix_ext");
    auto *files = control<ui::FileList>("filtre_rep");
    auto *execute = control<QPushButton>("SpeedButton1");
    choice->setItemIndex(3);
    EXPECT_EQ(files->mask(), "*.JPG");
    EXPECT_FALSE(files->multiSelect());
    choice->setItemIndex(6);
    EXPECT_TRUE(execute->isEnabled());
    EXPECT_TRUE(files->multiSelect());
    choice->setItemIndex(1);
    EXPECT_FALSE(execute->isEnabled());
    EXPECT_EQ(files->mask(), "*.TXT");
    EXPECT_FALSE(control<QWidget>("Panel1")->isVisible());

    auto *custom = control<QLineEdit>("Edit2");
    QTest::keyClicks(custom, "pl");
    EXPECT_EQ(custom->text(), "PL");
    EXPECT_EQ(files->mask(), "*.PL");
    EXPECT_EQ(choice->itemIndex(), -1);
    EXPECT_EQ(choix->currentRequest().extension, "PL");
    QTest::keyClick(custom, Qt::Key_Backspace);
    QTest::keyClick(custom, Qt::Key_Backspace);
    EXPECT_EQ(choice->itemIndex(), 0);
    EXPECT_EQ(files->mask(), "*.PAS");
    EXPECT_EQ(choix->currentRequest().extension, "PAS");
    // Whatever item was chosen before, a letter typed and erased comes back to the first one.
    choice->setItemIndex(5);
    QTest::keyClicks(custom, "h");
    QTest::keyClick(custom, Qt::Key_Backspace);
    EXPECT_EQ(choice->itemIndex(), 0);
    EXPECT_EQ(files->mask(), "*.PAS");
    choice->setItemIndex(7);
    EXPECT_EQ(choix->currentRequest().extension, search::AllFilesCode);
}

TEST_F(FrameTest, VoirOpensEachSelectedFileAndHidesTheList)
{
    TempTree tree;
    for (const char *name : {"one.pas", "two.pas", "three.pas"})
        tree.write(name, name);
    ASSERT_TRUE(choix->setFolder(tree.root()));
    auto *files = control<ui::FileList>("filtre_rep");
    ASSERT_EQ(files->count(), 3);
    EXPECT_EQ(control<QLineEdit>("Edit4")->text(), "  3 fichier(s)");
    files->selectAll();
    EXPECT_TRUE(control<QPushButton>("SpeedButton2")->isEnabled());
    control<QPushButton>("SpeedButton2")->click();
    const auto children = frame->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(children.size(), 3);
    EXPECT_EQ(children[0]->windowTitle(), tree.path("one.pas"));
    EXPECT_EQ(children[2]->windowTitle(), tree.path("two.pas"));
    EXPECT_FALSE(frame->resultsVisible());
    EXPECT_FALSE(frame->toolButton("ToolBtnClearMemo")->isEnabled());
    EXPECT_FALSE(frame->toolButton("ToolBtnpolice")->isEnabled());
    EXPECT_EQ(control<QLineEdit>("Edit1")->text(), tree.root());
}

TEST_F(FrameTest, FileListShowsRegularFilesOnly)
{
    TempTree tree;
    const QString normal = tree.write("normal.txt", "n");
    tree.write(".hidden.txt", "h");
    QFile::setPermissions(tree.write("readonly.txt", "r"), QFile::ReadOwner);
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.path("fifo.txt")).constData(), 0600), 0);
    const int unixSocket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(unixSocket, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(tree.path("socket.txt"));
    ASSERT_LT(size_t(socketPath.size()), sizeof address.sun_path);
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    ASSERT_EQ(::bind(unixSocket, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    ::close(unixSocket);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), tree.path("device.txt")));
    ASSERT_TRUE(QFile::link(tree.path("missing"), tree.path("broken.txt")));
    ASSERT_TRUE(QFile::link(normal, tree.path("link.txt")));
    tree.mkdir("folder.txt");

    control<ui::RadioGroup>("choix_ext")->setItemIndex(1);
    ASSERT_TRUE(choix->setFolder(tree.root()));
    auto *files = control<ui::FileList>("filtre_rep");
    QStringList names;
    for (int i = 0; i < files->count(); ++i)
        names.append(files->item(i)->text());
    EXPECT_EQ(names, QStringList({".hidden.txt", "link.txt", "normal.txt", "readonly.txt"}));
}

TEST_F(FrameTest, FolderHistoryEntryThatIsGoneShowsTheErrorAndStays)
{
    TempTree tree;
    const QString gone = tree.mkdir("gone");
    ASSERT_TRUE(choix->setFolder(gone));
    ASSERT_TRUE(choix->setFolder(tree.root()));
    QDir(gone).removeRecursively();
    auto *history = control<QComboBox>("HistoDir");
    const int index = history->findText(gone);
    ASSERT_GE(index, 0);
    MessageBoxWatcher boxes;
    choix->HistoDirChange(index);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0], ui::displayedText("Le répertoire n'existe plus\r (attention aux disques amovibles)!"));
    EXPECT_EQ(choix->folder(), tree.root());
    EXPECT_EQ(control<QLineEdit>("Edit1")->text(), tree.root());
}

TEST_F(FrameTest, SwapAndClearFollowTheListVisibility)
{
    frame->resultsList()->setPlainText("kept");
    frame->toolButton("ToolBtnSwap")->click();
    EXPECT_FALSE(frame->resultsVisible());
    EXPECT_FALSE(frame->toolButton("ToolBtnClearMemo")->isEnabled());
    frame->ToolBtnClearMemoClick();
    EXPECT_EQ(frame->resultsList()->toPlainText(), "kept");
    frame->toolButton("ToolBtnSwap")->click();
    EXPECT_TRUE(frame->resultsVisible());
    EXPECT_TRUE(frame->toolButton("ToolBtnClearMemo")->isEnabled());
    frame->toolButton("ToolBtnClearMemo")->click();
    EXPECT_TRUE(frame->resultsList()->toPlainText().isEmpty());
}

TEST_F(FrameTest, DroppedFilesOpenInDropOrderWhateverTheLengthOfTheirPath)
{
    TempTree tree;
    const QString a = tree.write("c.txt", "c"), b = tree.write("a.txt", "a"), c = tree.write("b.txt", "b");
    // A path of more than 255 characters (each name within the system's own limit).
    const QString longName = tree.write(QString(200, 'd') + "/" + QString(250, 'n') + ".txt", "n");
    ASSERT_GT(longName.size(), 450);
    auto *data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(longName), QUrl::fromLocalFile(b),
                   QUrl::fromLocalFile(c)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &drop);
    const auto children = frame->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(children.size(), 4);
    EXPECT_EQ(children[0]->windowTitle(), a);
    EXPECT_EQ(children[1]->windowTitle(), longName);
    EXPECT_EQ(children[2]->windowTitle(), b);
    EXPECT_EQ(children[3]->windowTitle(), c);
    EXPECT_FALSE(frame->resultsVisible());
    delete data;
}

TEST_F(FrameTest, FileThatCannotBeReadShowsTheErrorInAnEmptyWindow)
{
    TempTree tree;
    MessageBoxWatcher boxes;
    editor::TEditForm *child = frame->openchild(tree.path("missing.txt"));
    ASSERT_NE(child, nullptr);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].contains("missing.txt")) << qPrintable(boxes.texts[0]);
    EXPECT_TRUE(child->text().isEmpty());
    EXPECT_EQ(frame->mdiArea()->subWindowList().size(), 1);
}

TEST_F(FrameTest, ClosingTheFrameClosesEveryChild)
{
    QList<QPointer<editor::TEditForm>> children;
    for (int i = 0; i < 3; ++i)
        children.append(frame->newchild());
    EXPECT_FALSE(frame->toolButton("ToolBtnpolice")->isEnabled());
    EXPECT_TRUE(frame->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const auto &child : children)
        EXPECT_TRUE(child.isNull());
}

TEST_F(FrameTest, MosaiqueStacksTheChildrenOneAboveTheOtherFullWidth)
{
    frame->resize(800, 600);
    QList<editor::TEditForm *> children;
    for (int i = 0; i < 3; ++i)
        children.append(frame->newchild());
    QMdiArea *area = frame->mdiArea();
    const auto trigger = [this, &children](int which) {
        if (which == 0) {
            auto *menu = frame->findChild<QMenu *>(QStringLiteral("Fenetre1"));
            ASSERT_NE(menu, nullptr);
            QMetaObject::invokeMethod(menu, "aboutToShow");
            frame->action("Mosaique1")->trigger();
        } else {
            children[1]->action(QStringLiteral("Mozaque1"))->trigger();
        }
    };
    for (int which : {0, 1}) {
        area->cascadeSubWindows();
        area->subWindowList().first()->showMaximized();
        trigger(which);
        const QRect space = area->viewport()->rect();
        const auto windows = area->subWindowList(QMdiArea::CreationOrder);
        ASSERT_EQ(windows.size(), 3);
        int top = space.top();
        for (QMdiSubWindow *window : windows) {
            EXPECT_FALSE(window->isMaximized());
            EXPECT_EQ(window->geometry().left(), space.left()) << which;
            EXPECT_EQ(window->geometry().width(), space.width()) << which;
            EXPECT_EQ(window->geometry().top(), top) << which;
            top = window->geometry().bottom() + 1;
        }
        EXPECT_EQ(top, space.bottom() + 1) << which;
    }
}

TEST_F(FrameTest, ListFontComesFromTheFrameFontDialog)
{
    QString shown;
    answerNextModal([&shown](QWidget *modal) {
        shown = modal->objectName();
        if (auto *dialog = qobject_cast<editor::FontColourDialog *>(modal)) {
            QFont font(QStringLiteral("DejaVu Sans Mono"));
            font.setPointSize(17);
            dialog->setCurrent(font, Qt::black);
        }
        QMetaObject::invokeMethod(modal, "accept");
    });
    frame->toolButton("ToolBtnpolice")->click();
    EXPECT_EQ(shown, "FontDialog1");
    EXPECT_EQ(frame->resultsList()->font().pointSize(), 17);
}

TEST_F(FrameTest, PrinterSetUpChoosesThePrinter)
{
    frame->ToolBtnSwapClick();
    ASSERT_FALSE(frame->resultsVisible());
    QString name, title, okText;
    int printers = 0;
    bool chooserEnabled = false;
    answerNextModal([&](QWidget *modal) {
        name = modal->objectName();
        title = modal->windowTitle();
        if (auto *chooser = modal->findChild<QComboBox *>(QStringLiteral("printers"))) {
            printers = chooser->count();
            chooserEnabled = chooser->isEnabled();
        }
        if (auto *buttons = modal->findChild<QDialogButtonBox *>())
            okText = buttons->button(QDialogButtonBox::Ok)->text();
        QMetaObject::invokeMethod(modal, "reject");
    });
    frame->action("Configurationimpression1")->trigger();
    EXPECT_TRUE(frame->resultsVisible());
    EXPECT_EQ(name, "PrinterSetupDialog1");
    EXPECT_EQ(title, "Configuration de l'impression");
    EXPECT_EQ(okText, "OK");
    EXPECT_GE(printers, 1); // printing to a PDF file at least
    EXPECT_TRUE(chooserEnabled);
}

TEST_F(FrameTest, ToolButtonOpensOneWindowFoundAgainByItsClassName)
{
    QToolButton *button = frame->toolButton("ToolBtnRessource");
    ASSERT_TRUE(button->isEnabled());
    const auto windows = [] {
        int n = 0;
        for (QWidget *top : QApplication::topLevelWidgets())
            n += QString(top->metaObject()->className()).endsWith("TMainForm") && top->isVisible();
        return n;
    };
    button->click();
    EXPECT_EQ(windows(), 1);
    button->click();
    EXPECT_EQ(windows(), 1);
}

class BusySearch : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        QByteArray body;
        for (int line = 0; line < 40; ++line)
            body += "some text of a line that does not hold the string\r\n";
        for (int i = 0; i < 4000; ++i)
            tree.write(QStringLiteral("d%1/f%2.pas").arg(i / 100).arg(i), i % 7 == 0 ? body + "target\r\n" : body);
        ASSERT_TRUE(choix->setFolder(tree.root()));
        choix->findChild<ui::RadioGroup *>("choix_rep")->setItemIndex(1);
        typeSearch("target");
    }
    TempTree tree;
};

TEST_F(BusySearch, StopCommandEndsTheSearchWithTheCountsReached)
{
    MessageBoxWatcher boxes;
    bool sawRunning = false;
    QTimer::singleShot(0, frame.get(), [&] {
        sawRunning = frame->searchRunning() && frame->findChild<QStatusBar *>("Barre")->isVisible()
            && frame->action("stop1")->isEnabled();
        frame->action("stop1")->trigger();
    });
    control<QPushButton>("OKBtn")->click();
    EXPECT_TRUE(sawRunning);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].startsWith("Recherche terminée"));
    EXPECT_FALSE(boxes.texts[0].contains("4000 fichier(s) examiné(s)")) << qPrintable(boxes.texts[0]);
    EXPECT_FALSE(frame->searchRunning());
    EXPECT_FALSE(frame->action("stop1")->isEnabled());
}

TEST_F(BusySearch, SecondSearchIsRefusedAndClosingEndsTheSearchQuietly)
{
    MessageBoxWatcher boxes;
    int linesWhenRefused = -1;
    QTimer::singleShot(0, frame.get(), [&] {
        // "Ok" pressed again while the search yields does nothing.
        const auto before = frame->resultsList()->lineCount();
        control<QPushButton>("OKBtn")->click();
        linesWhenRefused = static_cast<int>(frame->resultsList()->lineCount() - before);
        frame->close();
    });
    control<QPushButton>("OKBtn")->click();
    EXPECT_EQ(linesWhenRefused, 0);
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame->isVisible(); }, 5000));
}


// What one run leaves in the settings, the next run finds again.
class NextRun : public FrameTest {
protected:
    void restart()
    {
        frame.reset();
        frame = std::make_unique<shell::Tframeform>(store);
        choix = new search::Tchoix(*frame, store, frame.get());
        frame->setSearchDialog(choix);
    }
};

TEST_F(NextRun, FolderOptionsAndHistoryComeBack)
{
    TempTree tree;
    const QString folder = tree.mkdir("work");
    ASSERT_TRUE(choix->setFolder(folder));
    control<ui::RadioGroup>("choix_ext")->setItemIndex(1);
    control<ui::RadioGroup>("choix_rep")->setItemIndex(1);
    control<QCheckBox>("OptionOccur")->setChecked(false);
    {
        MessageBoxWatcher boxes;
        for (const char *text : {"alpha", "beta", "alpha"}) {
            typeSearch(text);
            control<QPushButton>("OKBtn")->click();
        }
    }
    restart();
    EXPECT_EQ(choix->folder(), folder);
    EXPECT_EQ(control<ui::RadioGroup>("choix_ext")->itemIndex(), 1);
    EXPECT_EQ(control<ui::FileList>("filtre_rep")->mask(), "*.TXT");
    EXPECT_EQ(control<ui::RadioGroup>("choix_rep")->itemIndex(), 1);
    EXPECT_FALSE(control<QCheckBox>("OptionOccur")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("optionMaj")->isChecked());
    EXPECT_EQ(items("histo_comm"), QStringList({"ALPHA", "BETA"}));
    EXPECT_TRUE(items("histo_comm2").isEmpty());

    EXPECT_EQ(store.readString("historique recherche", "HISTO 0", ""), "ALPHA");
    EXPECT_EQ(store.readString("HISTORIQUE RECHERCHE", "Histo 1", ""), "BETA");

    // A run without any search leaves an empty history.
    restart();
    restart();
    EXPECT_TRUE(items("histo_comm").isEmpty());
    EXPECT_TRUE(store.readSection("HISTORIQUE RECHERCHE").isEmpty());
}

TEST_F(NextRun, FirstStartUsesTheDefaults)
{
    EXPECT_EQ(frame->geometry(), QRect(6, 4, 641, 480));
    EXPECT_EQ(frame->resultsList()->font().family(), "arial");
    EXPECT_EQ(frame->resultsList()->font().pointSize(), 9);
    EXPECT_EQ(choix->folder(), QDir::homePath());
    EXPECT_EQ(control<ui::RadioGroup>("choix_ext")->itemIndex(), 0);
    EXPECT_EQ(control<ui::RadioGroup>("choix_rep")->itemIndex(), 0);
    EXPECT_TRUE(control<QCheckBox>("OptionOccur")->isChecked());
    EXPECT_TRUE(items("histo_comm").isEmpty());
}

TEST_F(NextRun, PlacementIsAppliedOnlyWhenLeftIsLessThanRight)
{
    frame->setGeometry(40, 50, 700, 500);
    QFont font("DejaVu Sans");
    font.setPointSize(13);
    frame->resultsList()->setFont(font);
    restart();
    EXPECT_EQ(frame->geometry(), QRect(40, 50, 700, 500));
    EXPECT_EQ(frame->resultsList()->font().pointSize(), 13);
    EXPECT_EQ(frame->resultsList()->font().family(), "DejaVu Sans");

    store.writeInteger("WINDOW", "PlaceNormPosL", 900);
    store.writeInteger("WINDOW", "PlaceNormPosR", 900);
    frame.reset();
    store.writeInteger("WINDOW", "PlaceNormPosL", 900);
    store.writeInteger("WINDOW", "PlaceNormPosR", 900);
    frame = std::make_unique<shell::Tframeform>(store);
    EXPECT_EQ(frame->geometry(), QRect(6, 4, 641, 480));
}

TEST_F(NextRun, StoredFolderThatIsGoneFallsBackToTheCurrentDirectory)
{
    TempTree tree;
    const QString gone = tree.mkdir("removable");
    ASSERT_TRUE(choix->setFolder(gone));
    frame.reset();
    QDir(gone).removeRecursively();
    MessageBoxWatcher boxes;
    frame = std::make_unique<shell::Tframeform>(store);
    choix = new search::Tchoix(*frame, store, frame.get());
    EXPECT_EQ(choix->folder(), QDir::currentPath());
    EXPECT_TRUE(boxes.texts.isEmpty());
}

TEST(SingleInstance, SecondStartEndsAtOnceWithCodeZero)
{
    const QString program = qEnvironmentVariable("VORLANE_BUILD_DIR") + "/src/shell/vorlane";
    ASSERT_TRUE(QFileInfo::exists(program)) << qPrintable(program);
    QProcess first;
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted());
    const QString lock = QStringLiteral("%1/Tframeform-%2.lock").arg(qEnvironmentVariable("XDG_RUNTIME_DIR")).arg(getuid());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(lock); }, 10000));
    QProcess second;
    second.start(program, {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
}

// "vorlane FOLDER" while Vorlane runs: the running one is handed the folder; a start without a
// folder, or with one that does not exist, hands nothing over.
TEST(SingleInstance, SecondStartHandsItsFolderOver)
{
    const QString program = qEnvironmentVariable("VORLANE_BUILD_DIR") + "/src/shell/vorlane";
    TempTree tree;
    const QString folder = tree.mkdir(QStringLiteral("projet été"));
    platform::SingleInstance running(QStringLiteral("Tframeform"));
    ASSERT_TRUE(running.acquire());
    QStringList requested;
    QObject::connect(&running, &platform::SingleInstance::folderRequested,
                     [&](const QString &path) { requested.append(path); });

    for (const QString &argument : {QString(), tree.path(QStringLiteral("absent")), folder + QStringLiteral("/.")}) {
        QProcess later;
        later.start(program, argument.isEmpty() ? QStringList() : QStringList{argument});
        ASSERT_TRUE(QTest::qWaitFor([&] { return later.state() == QProcess::NotRunning; }, 10000));
        EXPECT_EQ(later.exitCode(), 0);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !requested.isEmpty(); }, 5000));
    QTest::qWait(200);
    EXPECT_EQ(requested, QStringList{folder});
}

TEST(Frame, SearchInFolderShowsTheDialogThere)
{
    TempTree tree;
    const QString folder = tree.mkdir(QStringLiteral("ailleurs"));
    const settings::SettingsStore store(tree.path(QStringLiteral("settings/user.reg")));
    shell::Tframeform frame(store);
    auto *choix = new search::Tchoix(frame, store, &frame);
    frame.setSearchDialog(choix);
    frame.searchInFolder(folder);
    EXPECT_TRUE(choix->isVisible());
    EXPECT_EQ(choix->folder(), folder);
}

// Every toolbar button carries an icon of the theme (Adwaita behind the desktop's), and every
// one of them differs from the others.
TEST(Frame, ToolbarButtonsShowThemeIcons)
{
    shell::Tframeform frame{settings::SettingsStore()};
    const QList<QToolButton *> buttons = frame.findChildren<QToolButton *>(QRegularExpression(QStringLiteral("^(ToolBtn|SpyBtn|SpeedButton1$)")));
    ASSERT_GE(buttons.size(), 17);
    QSet<qint64> pictures;
    for (QToolButton *button : buttons) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_FALSE(button->icon().isNull());
        const QImage picture = button->icon().pixmap(24, 24).toImage();
        EXPECT_FALSE(picture.isNull());
        pictures.insert(picture.cacheKey() ^ qint64(qHashBits(picture.constBits(), size_t(picture.sizeInBytes()))));
    }
    EXPECT_EQ(pictures.size(), buttons.size());
    EXPECT_FALSE(QApplication::windowIcon().isNull() && ui::applicationIcon().isNull());
}

TEST(StartFolder, OnlyAnExistingFolderCounts)
{
    TempTree tree;
    const QString folder = tree.mkdir(QStringLiteral("a/b"));
    const QString file = tree.write(QStringLiteral("f.txt"), "x");
    EXPECT_EQ(shell::startFolder({QStringLiteral("vorlane")}), QString());
    EXPECT_EQ(shell::startFolder({QStringLiteral("vorlane"), folder + QStringLiteral("/../b/")}), folder);
    EXPECT_EQ(shell::startFolder({QStringLiteral("vorlane"), file}), QString());
    EXPECT_EQ(shell::startFolder({QStringLiteral("vorlane"), tree.path(QStringLiteral("none"))}), QString());
}

} // namespace

VORLANE_GTEST_QT_MAIN
