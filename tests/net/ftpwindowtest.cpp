// The FTP client window driven as a user would, against a real pyftpdlib server on 127.0.0.1:
// typed connection, listing, folders entered, uploads by button and by drop, downloads to a
// chosen file, remote and local renames, deletions and folders with their confirmations, abort,
// disconnection, "Sauve" then "Auto" in a new window, and a refused log-in.
#include "editor/modaldialogs.h"
#include "eventwait.h"
#include "net/core/tstarftp.h"
#include "net/gui/tftpsimple.h"
#include "net/core/scramble.h"
#include "settings/settingsstore.h"
#include "support/messageboxwatcher.h"
#include "testserver.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"
#include "support/files.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace net;
using testing_support::answerNextModal;

namespace {

using testing_support::readFile;
using testing_support::writeFile;

QStringList texts(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result.append(list->item(i)->text());
    return result;
}

// One prompt to answer: what it must show, and what to type (nothing: keep its value).
struct Prompt {
    QString title;
    QString label;
    QString answer;
    bool cancel = false;
};

// Answers the input prompts that come, in order, recording what they showed. A prompt is known
// by a mark it gets when answered (the next one may well live at the same address).
class PromptAnswers {
public:
    explicit PromptAnswers(QList<Prompt> prompts) : m_prompts(std::move(prompts))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(5);
    }
    QStringList shown;
    int answered() const { return m_answered; }

private:
    void poll()
    {
        auto *query = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!query || !query->isVisible() || query->property("answered").toBool() || m_answered == m_prompts.size())
            return;
        query->setProperty("answered", true);
        const Prompt prompt = m_prompts.at(m_answered++);
        shown.append(query->windowTitle() + u'|' + query->labelText() + u'|' + query->textValue());
        if (prompt.cancel) {
            query->reject();
            return;
        }
        if (!prompt.answer.isNull())
            query->setTextValue(prompt.answer);
        query->accept();
    }

    QList<Prompt> m_prompts;
    int m_answered = 0;
    QTimer m_timer;
};

} // namespace

class FtpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void connectsWithTypedValuesAndLists();
    void entersFoldersAndDownloads();
    void uploadsByButtonAndByDrop();
    void remoteFoldersRenameAndDelete();
    void localSide();
    void abortsATransfer();
    void disconnects();
    void savedConnectionReconnectsInANewWindow();
    void refusedLogInLeavesTheWindowIdle();
    void aFolderThatCannotBeListedKeepsTheConnection();

private:
    template <typename T>
    T *child(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }
    void connectWindow(TFtpsimple *window, const QString &password = QStringLiteral("secret"));
    bool idleWithListing() const;
    void selectRemote(const char *list, const QString &name);
    void selectLocal(const QString &name);
    void showLocalFolder(const QString &path);

    QTemporaryDir m_root;
    QTemporaryDir m_local;
    QTemporaryDir m_settingsFolder;
    settings::SettingsStore m_store{m_settingsFolder.filePath(QStringLiteral("user.reg"))};
    TestServer m_server;
    QPointer<TFtpsimple> m_window;
};

void FtpWindowTest::initTestCase()
{
    QDir root(m_root.path());
    QVERIFY(root.mkpath(QStringLiteral("pub")));
    QVERIFY(root.mkpath(QStringLiteral("locked")));
    QVERIFY(writeFile(m_root.filePath(QStringLiteral("pub/file.bin")), QByteArray(100000, 'f') + "end"));
    QByteArray big(32 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator(5).fillRange(reinterpret_cast<quint32 *>(big.data()), big.size() / 4);
    QVERIFY(writeFile(m_root.filePath(QStringLiteral("pub/big.bin")), big));
    QVERIFY(writeFile(m_root.filePath(QStringLiteral("top.txt")), "top"));
    QVERIFY(writeFile(m_local.filePath(QStringLiteral("send.txt")), "sent by button"));
    QVERIFY(writeFile(m_local.filePath(QStringLiteral("dropped.txt")), "sent by a drop"));
    QVERIFY2(m_server.startPyftpdlib(m_root.path()), qPrintable(m_server.error()));
}

void FtpWindowTest::init()
{
    m_window = new TFtpsimple(m_store);
    m_window->show();
    showLocalFolder(m_local.path());
}

void FtpWindowTest::cleanup()
{
    if (m_window) {
        m_window->ftp()->Abort();
        delete m_window;
    }
    QVERIFY(!QGuiApplication::overrideCursor());
}

void FtpWindowTest::showLocalFolder(const QString &path)
{
    QVERIFY(child<ui::FolderList>("DirectoryListBox1")->setDirectory(path));
}

bool FtpWindowTest::idleWithListing() const
{
    return m_window && !m_window->isBusy() && m_window->findChild<QListWidget *>("ListBox1")->count() > 0;
}

// The server, the user name and the password are typed in the fields; each prompt then offers
// the field's text, which is accepted.
void FtpWindowTest::connectWindow(TFtpsimple *window, const QString &password)
{
    window->findChild<QLineEdit *>("Editserveur")->setText(QStringLiteral("127.0.0.1:%1").arg(m_server.port()));
    window->findChild<QLineEdit *>("Edituserid")->setText(QStringLiteral("alice"));
    window->findChild<QLineEdit *>("EditPassWord")->setText(password);
    PromptAnswers prompts({{}, {}, {}});
    window->findChild<QToolButton *>("SpeedButton5")->click();
    QVERIFY(waitUntil([&] { return prompts.answered() == 3 && (window->ftp()->LinkOpen() || !window->isBusy()); }));
    QCOMPARE(prompts.shown,
             (QStringList{QStringLiteral("Serveur|Entrer le serveur.|127.0.0.1:%1").arg(m_server.port()),
                          QStringLiteral("User ID|Entrer le user id.|alice"),
                          QStringLiteral("Password|Entrer le password.|") + password}));
}

void FtpWindowTest::selectRemote(const char *list, const QString &name)
{
    auto *widget = child<QListWidget>(list);
    const QList<QListWidgetItem *> found = widget->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    widget->setCurrentItem(found.first());
}

void FtpWindowTest::selectLocal(const QString &name)
{
    auto *files = child<ui::FileList>("FileListBox1");
    files->refresh();
    const QList<QListWidgetItem *> found = files->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    files->setCurrentItem(found.first());
}

void FtpWindowTest::connectsWithTypedValuesAndLists()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Client FTP simple"));
    QCOMPARE(child<QLabel>("ByteCounter")->text(), QStringLiteral("0000"));
    QCOMPARE(child<QToolButton>("SpeedButton3")->toolTip(), QStringLiteral("Appel des parametres de connexionpréférés"));
    QVERIFY(child<QListWidget>("ListBox1")->count() == 0);
    connectWindow(m_window);
    QVERIFY(waitUntil([&] { return idleWithListing(); }));
    QCOMPARE(texts(child<QListWidget>("ListBox1")), (QStringList{"..", "locked", "pub"}));
    QCOMPARE(texts(child<QListWidget>("ListBox2")), QStringList{"top.txt"});
    const QString log = child<QPlainTextEdit>("Log")->toPlainText();
    QVERIFY(log.contains(QStringLiteral("USER alice")));
    QVERIFY(log.contains(QStringLiteral("230 Login successful.")));
    // The password command shows a star per character of the password, never the password.
    QVERIFY(log.contains(QStringLiteral("PASS ******\n")));
    QVERIFY(!log.contains(QStringLiteral("secret")));
    QCOMPARE(m_window->ftp()->FtpPort(), quint16(m_server.port()));
}

void FtpWindowTest::entersFoldersAndDownloads()
{
    connectWindow(m_window);
    QVERIFY(waitUntil([&] { return idleWithListing(); }));
    auto *folders = child<QListWidget>("ListBox1");
    const QRect pub = folders->visualItemRect(folders->findItems(QStringLiteral("pub"), Qt::MatchExactly).first());
    QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, pub.center());
    QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, pub.center());
    QVERIFY(waitUntil([&] { return !m_window->isBusy() && texts(child<QListWidget>("ListBox2")).contains("file.bin"); }));
    QCOMPARE(texts(folders), QStringList{".."});

    // A cancelled save dialog starts nothing.
    selectRemote("ListBox2", QStringLiteral("file.bin"));
    answerNextModal([](QWidget *modal) { QMetaObject::invokeMethod(modal, "reject"); });
    child<QToolButton>("SpeedButton2")->click();
    QVERIFY(!m_window->isBusy());
    QVERIFY(!child<QPlainTextEdit>("Log")->toPlainText().contains(QStringLiteral("RETR")));

    const QString target = m_local.filePath(QStringLiteral("chosen name.bin"));
    QString proposed;
    answerNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        proposed = dialog->selectedFiles().value(0);
        testing_support::chooseFile(dialog, target);
    });
    child<QToolButton>("SpeedButton2")->click();
    QVERIFY(waitUntil([&] { return !m_window->isBusy() && QFileInfo::exists(target); }));
    QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("file.bin"));
    QCOMPARE(readFile(target), readFile(m_root.filePath(QStringLiteral("pub/file.bin"))));
    QVERIFY(child<ui::FileList>("FileListBox1")->findItems(QStringLiteral("chosen name.bin"), Qt::MatchExactly).size() == 1);

    // ".." goes back up.
    const QRect up = folders->visualItemRect(folders->item(0));
    QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, up.center());
    QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, up.center());
    QVERIFY(waitUntil([&] { return !m_window->isBusy() && texts(folders).contains("pub"); }));
}

void FtpWindowTest::uploadsByButtonAndByDrop()
{
    connectWindow(m_window);
    QVERIFY(waitUntil([&] { return idleWithListing(); }));
    selectLocal(QStringLiteral("send.txt"));
    child<QToolButton>("SpeedButton1")->click();
    QVERIFY(m_window->isBusy());
    QVERIFY(waitUntil([&] { return !m_window->isBusy() && texts(child<QListWidget>("ListBox2")).contains("send.txt"); }));
    QCOMPARE(readFile(m_root.filePath(QStringLiteral("send.txt"))), QByteArray("sent by button"));

    // A drop from the local file list on the remote one uploads the file dragged.
    selectLocal(QStringLiteral("dropped.txt"));
    QWidget *target = child<QListWidget>("ListBox2")->viewport();
    QMimeData data;
    data.setData(QLatin1String(TFtpsimple::LocalDragFormat), QFile::encodeName(m_local.filePath("dropped.txt")));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
    QVERIFY(waitUntil([&] { return !m_window->isBusy() && texts(child<QListWidget>("ListBox2")).contains("dropped.txt"); }));
    QCOMPARE(readFile(m_root.filePath(QStringLiteral("dropped.txt"))), QByteArray("sent by a drop"));

    // The remote list takes nothing from itself; the local list takes drops from the remote one.
    QMimeData remote;
    remote.setData(QLatin1String(TFtpsimple::RemoteDragFormat), "top.txt");
    QDragEnterEvent wrong(QPoint(5, 5), Qt::CopyAction, &remote, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &wrong);
    QVERIFY(!wrong.isAccepted());
    QDragEnterEvent right(QPoint(5, 5), Qt::CopyAction, &remote, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(child<ui::FileList>("FileListBox1")->viewport(), &right);
    QVERIFY(right.isAccepted());
}

void FtpWindowTest::remoteFoldersRenameAndDelete()
{
    connectWindow(m_window);
    QVERIFY(waitUntil([&] { return idleWithListing(); }));
    QVERIFY(writeFile(m_root.filePath(QStringLiteral("old.txt")), "old"));

    PromptAnswers folderName({{QString(), QString(), QStringLiteral("made here")}});
    child<QPushButton>("MkDirFTPBtn")->click();
    QVERIFY(waitUntil([&] { return !m_window->isBusy() && texts(child<QListWidget>("ListBox1")).contains("made here"); }));
    QCOMPARE(folderName.shown, QStringList{"Creation de repertoire|Entrer le nouveau nom de repertoire:|"});
    QVERIFY(QFileInfo(m_root.filePath(QStringLiteral("made here"))).isDir());

    {
        testing_support::MessageBoxWatcher yes(QMessageBox::Yes);
        selectRemote("ListBox1", QStringLiteral("made here"));
        child<QPushButton>("RmDirFTPBtn")->click();
        QVERIFY(waitUntil([&] { return !m_window->isBusy() && !texts(child<QListWidget>("ListBox1")).contains("made here"); }));
        QCOMPARE(yes.texts, QStringList{"Are you sure you want to remove made here ?"});
    }
    QVERIFY(!QFileInfo::exists(m_root.filePath(QStringLiteral("made here"))));

    selectRemote("ListBox2", QStringLiteral("old.txt"));
    PromptAnswers newName({{QString(), QString(), QStringLiteral("new name.txt")}});
    child<QPushButton>("Button12")->click();
    QVERIFY(waitUntil([&] { return !m_window->isBusy() && texts(child<QListWidget>("ListBox2")).contains("new name.txt"); }));
    QCOMPARE(newName.shown, QStringList{"Renomer le fichier|Entrer le nouveau nom de fichier:|old.txt"});
    QCOMPARE(readFile(m_root.filePath(QStringLiteral("new name.txt"))), QByteArray("old"));

    {
        testing_support::MessageBoxWatcher yes(QMessageBox::Yes);
        selectRemote("ListBox2", QStringLiteral("new name.txt"));
        child<QPushButton>("Button13")->click();
        QVERIFY(waitUntil([&] { return !m_window->isBusy() && !texts(child<QListWidget>("ListBox2")).contains("new name.txt"); }));
        QCOMPARE(yes.texts, QStringList{"Etes vous certain de vouloir suprimer new name.txt ?"});
    }
    QVERIFY(!QFileInfo::exists(m_root.filePath(QStringLiteral("new name.txt"))));

    // Without a selected line, the list buttons do nothing; answering No changes nothing.
    child<QListWidget>("ListBox2")->clearSelection();
    child<QPushButton>("Button13")->click();
    QVERIFY(!m_window->isBusy());
    testing_support::MessageBoxWatcher no(QMessageBox::No);
    selectRemote("ListBox2", QStringLiteral("top.txt"));
    child<QPushButton>("Button13")->click();
    QCOMPARE(no.texts.size(), 1);
    QVERIFY(!m_window->isBusy());
    QVERIFY(QFileInfo::exists(m_root.filePath(QStringLiteral("top.txt"))));
}

void FtpWindowTest::localSide()
{
    const QString folder = m_local.filePath(QStringLiteral("local"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeFile(folder + QStringLiteral("/a.txt"), "a"));
    showLocalFolder(folder);
    QString viewed;
    m_window->setFileViewer([&](const QString &path) { viewed = path; });
    selectLocal(QStringLiteral("a.txt"));
    child<QPushButton>("Button6")->click();
    QCOMPARE(viewed, folder + QStringLiteral("/a.txt"));

    PromptAnswers rename({{QString(), QString(), QStringLiteral("b.txt")}});
    child<QPushButton>("Button8")->click();
    QCOMPARE(rename.shown, QStringList{"Renommer|Entrer le nouveau nom:|a.txt"});
    QCOMPARE(readFile(folder + QStringLiteral("/b.txt")), QByteArray("a"));
    QVERIFY(child<ui::FileList>("FileListBox1")->findItems(QStringLiteral("b.txt"), Qt::MatchExactly).size() == 1);

    {
        testing_support::MessageBoxWatcher yes(QMessageBox::Yes);
        selectLocal(QStringLiteral("b.txt"));
        child<QPushButton>("Button9")->click();
        QCOMPARE(yes.texts, QStringList{"Etes vous certain de vouloir effacer b.txt ?"});
    }
    QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/b.txt")));
    QCOMPARE(child<ui::FileList>("FileListBox1")->count(), 0);

    child<ui::FolderList>("DirectoryListBox1")->setCurrentRow(0);
    PromptAnswers make({{QString(), QString(), QStringLiteral("sub")}});
    child<QPushButton>("Button2")->click();
    QCOMPARE(child<ui::FolderList>("DirectoryListBox1")->directory(), folder + QStringLiteral("/sub"));
    {
        testing_support::MessageBoxWatcher yes(QMessageBox::Yes);
        child<QPushButton>("Button3")->click();
        QCOMPARE(yes.texts, QStringList{QStringLiteral("Etes vous certain de vouloir suprimer %1/sub ?").arg(folder)});
    }
    QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/sub")));
    QCOMPARE(child<ui::FolderList>("DirectoryListBox1")->directory(), folder);
}

void FtpWindowTest::abortsATransfer()
{
    connectWindow(m_window);
    QVERIFY(waitUntil([&] { return idleWithListing(); }));
    m_window->ftp()->ChangeDirectory("pub");
    QVERIFY(waitUntil([&] { return texts(child<QListWidget>("ListBox2")).contains("big.bin"); }));
    selectRemote("ListBox2", QStringLiteral("big.bin"));
    const QString target = m_local.filePath(QStringLiteral("big.bin"));
    answerNextModal([&](QWidget *modal) { testing_support::chooseFile(qobject_cast<QFileDialog *>(modal), target); });
    child<QToolButton>("SpeedButton2")->click();
    child<QLabel>("ByteCounter")->clear();
    QVERIFY(waitUntil([&] { return child<QLabel>("ByteCounter")->text().toLongLong() > 0; }));
    QVERIFY(m_window->isBusy());
    // While the transfer runs the remote buttons and the connect button do nothing.
    child<QPushButton>("MkDirFTPBtn")->click();
    child<QToolButton>("SpeedButton5")->click();
    child<QToolButton>("SpeedButton6")->click();
    QVERIFY2(waitUntil([&] { return !m_window->isBusy(); }), qPrintable(child<QPlainTextEdit>("Log")->toPlainText().right(900) + QStringLiteral(" state %1 busy %2 link %3").arg(m_window->ftp()->State()).arg(m_window->ftp()->Busy()).arg(m_window->ftp()->LinkOpen())));
    QVERIFY(m_window->ftp()->BytesTransferred() < 32u * 1024 * 1024);
    QVERIFY(!QFileInfo::exists(target));
    QVERIFY(child<QPlainTextEdit>("Log")->toPlainText().contains(QStringLiteral("ABOR")));
    QVERIFY(!child<QPlainTextEdit>("Log")->toPlainText().contains(QStringLiteral("MKD")));

    child<QPushButton>("Button15")->click();
    QVERIFY(waitUntil([&] { return !m_window->ftp()->Busy() && m_window->ftp()->LinkOpen(); }));
}

void FtpWindowTest::disconnects()
{
    connectWindow(m_window);
    QVERIFY(waitUntil([&] { return idleWithListing(); }));
    child<QToolButton>("DisconnectBtn")->click();
    QVERIFY(waitUntil([&] { return !m_window->ftp()->LinkOpen() && !m_window->isBusy(); }));
    QVERIFY(child<QPlainTextEdit>("Log")->toPlainText().contains(QStringLiteral("QUIT")));
    QVERIFY(m_window->isVisible());
}

void FtpWindowTest::savedConnectionReconnectsInANewWindow()
{
    connectWindow(m_window);
    QVERIFY(waitUntil([&] { return idleWithListing(); }));
    child<QToolButton>("SpeedButton4")->click();
    const settings::SettingsStore &store = m_store;
    QCOMPARE(store.read(settings::ftp::Server), QStringLiteral("127.0.0.1:%1").arg(m_server.port()));
    QVERIFY(store.read(settings::ftp::UserId) != QStringLiteral("alice"));
    QCOMPARE(net::unscrambleFromStore(store.read(settings::ftp::UserId)), QStringLiteral("alice"));
    QCOMPARE(net::unscrambleFromStore(store.read(settings::ftp::Password)), QStringLiteral("secret"));

    // Closing while connected says goodbye to the server first, then closes the window alone.
    m_window->close();
    QVERIFY(waitUntil([&] { return m_window.isNull(); }));

    m_window = new TFtpsimple(m_store);
    m_window->show();
    child<QToolButton>("SpeedButton3")->click();
    QVERIFY(waitUntil([&] { return idleWithListing(); }));
    QCOMPARE(child<QLineEdit>("Edituserid")->text(), QStringLiteral("alice"));
    QCOMPARE(child<QLineEdit>("EditPassWord")->text(), QStringLiteral("secret"));
    QCOMPARE(child<QLineEdit>("Editserveur")->text(), QStringLiteral("127.0.0.1:%1").arg(m_server.port()));
    QVERIFY(m_window->ftp()->LinkOpen());
}

void FtpWindowTest::refusedLogInLeavesTheWindowIdle()
{
    testing_support::MessageBoxWatcher boxes;
    connectWindow(m_window, QStringLiteral("wrong"));
    QVERIFY(waitUntil([&] { return !m_window->ftp()->LinkOpen() && !m_window->isBusy(); }));
    QCOMPARE(boxes.texts, QStringList{"Acces refusé. Verifiez votre user ID et votre password."});
    QVERIFY(child<QPlainTextEdit>("Log")->toPlainText().contains(QStringLiteral("530")));
    QCOMPARE(child<QListWidget>("ListBox1")->count(), 0);
}

// The server lets the user into "locked" but refuses to list it (550): the error box says so,
// the remote lists show only "..", and the same connection goes back up.
void FtpWindowTest::aFolderThatCannotBeListedKeepsTheConnection()
{
    connectWindow(m_window);
    QVERIFY(waitUntil([&] { return idleWithListing(); }));
    auto *folders = child<QListWidget>("ListBox1");
    testing_support::MessageBoxWatcher boxes;
    selectRemote("ListBox1", QStringLiteral("locked"));
    emit folders->itemDoubleClicked(folders->currentItem());
    QVERIFY(waitUntil([&] { return !m_window->isBusy() && !boxes.texts.isEmpty(); }));
    QCOMPARE(boxes.texts, QStringList{"Une reponse innatendue a été reçue par votre serveur de Mail. Assurez vous que "
                                      "vous avez entré des parametres correctes pour votre port FTP ."});
    QVERIFY(child<QPlainTextEdit>("Log")->toPlainText().contains(QStringLiteral("550")));
    QCOMPARE(texts(folders), QStringList{".."});
    QCOMPARE(child<QListWidget>("ListBox2")->count(), 0);
    QVERIFY(m_window->ftp()->LinkOpen());

    selectRemote("ListBox1", QStringLiteral(".."));
    emit folders->itemDoubleClicked(folders->currentItem());
    QVERIFY(waitUntil([&] { return !m_window->isBusy() && texts(folders).contains("pub"); }));
    QVERIFY(texts(child<QListWidget>("ListBox2")).contains("top.txt"));
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY(!QGuiApplication::overrideCursor());
}

QTEST_MAIN(FtpWindowTest)
#include "ftpwindowtest.moc"
