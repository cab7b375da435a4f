// The FTP component against real FTP servers started for the test on 127.0.0.1: pyftpdlib
// (user "alice") and vsftpd (anonymous). One suite, run against both: log-in, listings of the
// server's own format, folders, renames and deletions, byte-exact transfers both ways, ASCII
// mode, aborts in mid-transfer and quitting.
#include "ftpsession.h"
#include "net/core/tstarftp.h"
#include "testserver.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <memory>

#include <sys/resource.h>

using namespace net;

namespace {

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QList<quint32> words((size + 3) / 4);
    QRandomGenerator(seed).fillRange(words.data(), words.size());
    return QByteArray(reinterpret_cast<const char *>(words.constData()), size);
}

using testing_support::readFile;
using testing_support::writeFile;

// One connection to the server under test, with everything it reports recorded.
using Session = FtpSession;

const QList<int> transferSizes = {0, 1, 2048, 2049, 5 * 1024 * 1024 + 17};
constexpr qsizetype abortSize = 48 * 1024 * 1024;

} // namespace

class FtpServerSuite : public QObject {
    Q_OBJECT

public:
    enum Kind { Pyftpdlib, Vsftpd };
    explicit FtpServerSuite(Kind kind) : m_kind(kind)
    {
        setObjectName(kind == Pyftpdlib ? QStringLiteral("pyftpdlib") : QStringLiteral("vsftpd"));
    }

private slots:
    void initTestCase();
    void refusedLogIn();
    void logInListAndEnterFolders();
    void downloadsByteForByte_data();
    void downloadsByteForByte();
    void uploadsByteForByte_data();
    void uploadsByteForByte();
    void asciiMode();
    void foldersRenamesAndDeletions();
    void refusedDownloadKeepsTheLocalFile();
    void failedLocalWriteKeepsNoFile_data();
    void failedLocalWriteKeepsNoFile();
    void abortedDownload();
    void abortedUpload();
    void requestsRefusedWithoutConnectionOrWhileBusy();
    void openWhileConnectedClosesTheConnection();
    void cleanupTestCase();

private:
    std::unique_ptr<FtpSession> logIn();
    static QString incoming() { return QStringLiteral("incoming"); }
    QString serverPath(const QString &relative) const { return m_root.filePath(relative); }

    Kind m_kind;
    QTemporaryDir m_root;
    QTemporaryDir m_local;
    TestServer m_server;
};

void FtpServerSuite::initTestCase()
{
    QVERIFY(m_root.isValid());
    QVERIFY(prepareServerRoot(m_root.path(), QStringLiteral("deeper")));
    for (int size : transferSizes)
        QVERIFY(writeFile(serverPath(QStringLiteral("pub/file%1.bin").arg(size)), randomBytes(size, quint32(size))));
    QVERIFY(writeFile(serverPath(QStringLiteral("pub/with blank.txt")), "blank"));
    QVERIFY(writeFile(serverPath(QStringLiteral("pub/text.txt")), "one\ntwo\nthree\n"));
    QVERIFY(writeFile(serverPath(QStringLiteral("pub/abort.bin")), randomBytes(abortSize, 7)));
    QVERIFY(writeFile(m_local.filePath(QStringLiteral("abort.bin")), randomBytes(abortSize, 9)));
    for (int size : transferSizes)
        QVERIFY(writeFile(m_local.filePath(QStringLiteral("up%1.bin").arg(size)), randomBytes(size, quint32(size) + 100)));

    const bool started = m_kind == Pyftpdlib ? m_server.startPyftpdlib(m_root.path())
                                             : m_server.startVsftpd(m_root.path());
    QVERIFY2(started, qPrintable(m_server.error()));
}

void FtpServerSuite::cleanupTestCase()
{
    m_server.stop();
}

std::unique_ptr<FtpSession> FtpServerSuite::logIn()
{
    return logInToTestServer(m_server.port(), m_kind == Vsftpd);
}

void FtpServerSuite::refusedLogIn()
{
    Session session;
    session.ftp.SetFtpServer(QStringLiteral("127.0.0.1"));
    session.ftp.SetFtpPort(m_server.port());
    session.ftp.SetUserName(QStringLiteral("alice"));
    session.ftp.SetUserPassword(QStringLiteral("wrong"));
    session.ftp.Open();
    QVERIFY2(session.recorder.waitFor(QStringLiteral("quit")), qPrintable(session.recorder.transcript()));
    QCOMPARE(session.recorder.errorCodes().value(0), errLoginRefused);
    QCOMPARE(session.recorder.errors.value(0).text, QStringLiteral("Error"));
    QCOMPARE(session.recorder.count(QStringLiteral("loggedIn")), 0);
    QVERIFY(!session.ftp.Success());
    QVERIFY(!session.ftp.LinkOpen());
    QVERIFY(!session.ftp.Busy());
}

// The server, the user name and the password come from the need-info events; the server is
// named, so the component looks it up first.
void FtpServerSuite::logInListAndEnterFolders()
{
    Session session;
    FtpRecorder &recorder = session.recorder;
    recorder.answers[needServer] = QStringLiteral("localhost");
    recorder.answers[needUserName] = m_kind == Pyftpdlib ? QStringLiteral("alice") : QStringLiteral("ftp");
    recorder.answers[needPassword] = m_kind == Pyftpdlib ? QStringLiteral("secret") : QStringLiteral("guest");
    session.ftp.SetFtpPort(m_server.port());
    session.ftp.Open();
    QVERIFY2(recorder.waitFor(QStringLiteral("loggedIn")), qPrintable(recorder.transcript()));
    // vsftpd lets the anonymous user in without a password.
    const QList<TFtpInfoNeeded> asked = m_kind == Pyftpdlib
                                            ? QList<TFtpInfoNeeded>{needServer, needUserName, needPassword}
                                            : QList<TFtpInfoNeeded>{needServer, needUserName};
    QCOMPARE(recorder.asked, asked);
    QCOMPARE(recorder.infoTexts(infResolving), QStringList{QStringLiteral("localhost")});
    QCOMPARE(recorder.infoTexts(infResolved), QStringList{QStringLiteral("127.0.0.1")});
    QCOMPARE(recorder.infoTexts(infConnected), QStringList{QStringLiteral("127.0.0.1")});
    QCOMPARE(recorder.infoTexts(infLoggedIn), QStringList{QStringLiteral("Logged in")});
    QCOMPARE(session.ftp.ServerType(), ftpstUNIX);
    QVERIFY(session.ftp.Success());
    QVERIFY(!session.ftp.Busy());
    QCOMPARE(recorder.sequence.indexOf(QStringLiteral("ready")) + 1, recorder.sequence.indexOf(QStringLiteral("loggedIn")));

    session.ftp.GetListing();
    QVERIFY(session.ftp.Busy());
    QVERIFY2(recorder.waitFor(QStringLiteral("listingDone")), qPrintable(recorder.transcript()));
    QCOMPARE(session.ftp.InitialDirectory(), QByteArray("/"));
    QList<QByteArray> folders = session.ftp.DirectoryNames();
    std::sort(folders.begin(), folders.end());
    QCOMPARE(folders, (QList<QByteArray>{"incoming", "pub"}));
    QVERIFY(session.ftp.FileNames().isEmpty());
    QVERIFY(recorder.hasInfo(infListingReady));
    QCOMPARE(recorder.infoTexts(infListingLine).size(), session.ftp.RawListing().size());

    session.ftp.ChangeDirectory("pub");
    QVERIFY2(recorder.waitFor(QStringLiteral("directoryChanged")), qPrintable(recorder.transcript()));
    QVERIFY(session.ftp.Success());
    session.ftp.GetListing();
    QVERIFY2(recorder.waitFor(QStringLiteral("listingDone"), 2), qPrintable(recorder.transcript()));
    QCOMPARE(session.ftp.InitialDirectory(), QByteArray("/pub"));
    QCOMPARE(session.ftp.DirectoryNames(), QList<QByteArray>{"deeper"});
    QList<QByteArray> files = session.ftp.FileNames();
    std::sort(files.begin(), files.end());
    QList<QByteArray> expected = {"abort.bin", "text.txt", "with blank.txt"};
    for (int size : transferSizes)
        expected.append(QStringLiteral("file%1.bin").arg(size).toLatin1());
    std::sort(expected.begin(), expected.end());
    QCOMPARE(files, expected);

    session.ftp.ChangeDirectory("..");
    QVERIFY2(recorder.waitFor(QStringLiteral("directoryChanged"), 2), qPrintable(recorder.transcript()));
    session.ftp.ChangeDirectory("no such folder");
    QVERIFY2(recorder.waitFor(QStringLiteral("directoryChanged"), 3), qPrintable(recorder.transcript()));
    QVERIFY(!session.ftp.Success());
    QVERIFY(recorder.hasInfo(infRefused));

    session.ftp.Quit();
    QVERIFY2(recorder.waitFor(QStringLiteral("quit")), qPrintable(recorder.transcript()));
    QVERIFY(recorder.infoTexts(infDisconnected).contains(QStringLiteral("Disconnected")));
    QVERIFY(!session.ftp.LinkOpen());
    QVERIFY(!session.ftp.Busy());
}

void FtpServerSuite::downloadsByteForByte_data()
{
    QTest::addColumn<int>("size");
    for (int size : transferSizes)
        QTest::addRow("%d bytes", size) << size;
}

void FtpServerSuite::downloadsByteForByte()
{
    QFETCH(int, size);
    auto session = logIn();
    QVERIFY(session);
    // Each progress report follows one receive, which never takes more than 2048 bytes.
    std::uint32_t reported = 0;
    std::uint32_t largestStep = 0;
    auto recordInfo = session->ftp.OnFtpInfo;
    session->ftp.OnFtpInfo = [&](TStarFtp *ftp, FtpInfo info, const QString &text) {
        recordInfo(ftp, info, text);
        if (info == infProgress) {
            largestStep = std::max(largestStep, ftp->BytesTransferred() - reported);
            reported = ftp->BytesTransferred();
        }
    };
    const QString target = m_local.filePath(QStringLiteral("down%1.bin").arg(size));
    session->ftp.SetRemoteFile(QStringLiteral("pub/file%1.bin").arg(size).toLatin1());
    session->ftp.SetLocalFile(target);
    session->ftp.GetFile();
    QVERIFY2(session->recorder.waitFor(QStringLiteral("fileReceived")), qPrintable(session->recorder.transcript()));
    QVERIFY(session->recorder.errors.isEmpty());
    QVERIFY(session->ftp.Success());
    QCOMPARE(session->ftp.BytesTransferred(), std::uint32_t(size));
    QCOMPARE(reported, std::uint32_t(size));
    QVERIFY2(largestStep <= 2048, qPrintable(QString::number(largestStep)));
    QCOMPARE(readFile(target), readFile(serverPath(QStringLiteral("pub/file%1.bin").arg(size))));
    QVERIFY(session->recorder.infoTexts(infTransferDone).contains(QStringLiteral("Transfer done")));
    QCOMPARE(QDir(m_local.path()).entryList(QStringList{QStringLiteral(".*.part")}, QDir::Hidden | QDir::Files),
             QStringList());
}

void FtpServerSuite::uploadsByteForByte_data()
{
    downloadsByteForByte_data();
}

void FtpServerSuite::uploadsByteForByte()
{
    QFETCH(int, size);
    auto session = logIn();
    QVERIFY(session);
    const QString name = QStringLiteral("up%1.bin").arg(size);
    session->ftp.SetLocalFile(m_local.filePath(name));
    session->ftp.SetRemoteFile((incoming() + u'/' + name).toLatin1());
    session->ftp.PutFile();
    QVERIFY2(session->recorder.waitFor(QStringLiteral("fileStored")), qPrintable(session->recorder.transcript()));
    QVERIFY(session->recorder.errors.isEmpty());
    QVERIFY(session->ftp.Success());
    QCOMPARE(session->recorder.infoTexts(infSize).value(0), QString::number(size));
    QCOMPARE(session->ftp.BytesTransferred(), std::uint32_t(size));
    // However the file is read and sent, progress comes once per 2048-byte block.
    QCOMPARE(session->recorder.infoCount(infProgress), (size + 2047) / 2048);
    QCOMPARE(readFile(serverPath(incoming() + u'/' + name)), readFile(m_local.filePath(name)));
}

// TYPE A: the server turns line ends into CR LF on the way out and back into LF on the way in;
// the component passes the bytes as they come.
void FtpServerSuite::asciiMode()
{
    auto session = logIn();
    QVERIFY(session);
    session->ftp.SetTransferMode(AsciiTransfer);
    session->ftp.SetRemoteFile("pub/text.txt");
    session->ftp.SetLocalFile(m_local.filePath(QStringLiteral("ascii.txt")));
    session->ftp.GetFile();
    QVERIFY2(session->recorder.waitFor(QStringLiteral("fileReceived")), qPrintable(session->recorder.transcript()));
    QCOMPARE(readFile(m_local.filePath(QStringLiteral("ascii.txt"))), QByteArray("one\r\ntwo\r\nthree\r\n"));
    QVERIFY(session->recorder.infoTexts(infSent).contains(QStringLiteral("TYPE A\r\n")));

    QVERIFY(writeFile(m_local.filePath(QStringLiteral("crlf.txt")), "a\r\nb\r\n"));
    session->ftp.SetLocalFile(m_local.filePath(QStringLiteral("crlf.txt")));
    session->ftp.SetRemoteFile((incoming() + QStringLiteral("/crlf.txt")).toLatin1());
    session->ftp.PutFile();
    QVERIFY2(session->recorder.waitFor(QStringLiteral("fileStored")), qPrintable(session->recorder.transcript()));
    QCOMPARE(readFile(serverPath(incoming() + QStringLiteral("/crlf.txt"))), QByteArray("a\nb\n"));
}

void FtpServerSuite::foldersRenamesAndDeletions()
{
    auto session = logIn();
    QVERIFY(session);
    FtpRecorder &recorder = session->recorder;
    const QByteArray folder = (incoming() + QStringLiteral("/made here")).toLatin1();
    session->ftp.MakeDirectory(folder);
    QVERIFY2(recorder.waitFor(QStringLiteral("directoryCreated")), qPrintable(recorder.transcript()));
    QVERIFY(session->ftp.Success());
    QVERIFY(QFileInfo(serverPath(QString::fromLatin1(folder))).isDir());
    session->ftp.RemoveDirectory(folder);
    QVERIFY2(recorder.waitFor(QStringLiteral("directoryDeleted")), qPrintable(recorder.transcript()));
    QVERIFY(session->ftp.Success());
    QVERIFY(!QFileInfo::exists(serverPath(QString::fromLatin1(folder))));

    QVERIFY(writeFile(serverPath(incoming() + QStringLiteral("/old.txt")), "renamed"));
    QFile::setPermissions(serverPath(incoming() + QStringLiteral("/old.txt")), QFileDevice::Permissions(0x6666));
    session->ftp.RenameFile((incoming() + QStringLiteral("/old.txt")).toLatin1(),
                            (incoming() + QStringLiteral("/new name.txt")).toLatin1());
    QVERIFY2(recorder.waitFor(QStringLiteral("fileRenamed")), qPrintable(recorder.transcript()));
    QVERIFY(session->ftp.Success());
    QCOMPARE(readFile(serverPath(incoming() + QStringLiteral("/new name.txt"))), QByteArray("renamed"));
    session->ftp.DeleteFile((incoming() + QStringLiteral("/new name.txt")).toLatin1());
    QVERIFY2(recorder.waitFor(QStringLiteral("fileDeleted")), qPrintable(recorder.transcript()));
    QVERIFY(session->ftp.Success());
    QVERIFY(!QFileInfo::exists(serverPath(incoming() + QStringLiteral("/new name.txt"))));

    // Refusals end their operation normally, with Success false and the connection kept.
    const int refusedBefore = recorder.infoCount(infRefused);
    session->ftp.DeleteFile("no-such-file");
    QVERIFY2(recorder.waitFor(QStringLiteral("fileDeleted"), 2), qPrintable(recorder.transcript()));
    QVERIFY(!session->ftp.Success());
    session->ftp.RenameFile("no-such-file", "other");
    QVERIFY2(recorder.waitFor(QStringLiteral("fileRenamed"), 2), qPrintable(recorder.transcript()));
    QVERIFY(!session->ftp.Success());
    session->ftp.RemoveDirectory("no-such-folder");
    QVERIFY2(recorder.waitFor(QStringLiteral("directoryDeleted"), 2), qPrintable(recorder.transcript()));
    QVERIFY(!session->ftp.Success());
    QCOMPARE(recorder.infoCount(infRefused), refusedBefore + 3);
    QVERIFY(session->ftp.LinkOpen());
    QVERIFY(recorder.errors.isEmpty());
}

// A download the server refuses, one without a remote name and one whose local file cannot be
// made all end their operation and leave what was at the local path alone.
void FtpServerSuite::refusedDownloadKeepsTheLocalFile()
{
    auto session = logIn();
    QVERIFY(session);
    const QString target = m_local.filePath(QStringLiteral("precious.txt"));
    QVERIFY(writeFile(target, "keep me"));
    session->ftp.SetLocalFile(target);
    session->ftp.SetRemoteFile("pub/no-such-file");
    session->ftp.GetFile();
    QVERIFY2(session->recorder.waitFor(QStringLiteral("fileReceived")), qPrintable(session->recorder.transcript()));
    QVERIFY(!session->ftp.Success());
    QVERIFY(session->recorder.hasInfo(infRefused));
    QCOMPARE(readFile(target), QByteArray("keep me"));

    session->ftp.SetRemoteFile(QByteArray());
    session->ftp.GetFile();
    QVERIFY2(session->recorder.waitFor(QStringLiteral("fileReceived"), 2), qPrintable(session->recorder.transcript()));
    session->ftp.SetRemoteFile("pub/file1.bin");
    session->ftp.SetLocalFile(m_local.filePath(QStringLiteral("no/such/folder/x")));
    session->ftp.GetFile();
    QVERIFY2(session->recorder.waitFor(QStringLiteral("fileReceived"), 3), qPrintable(session->recorder.transcript()));
    QCOMPARE(session->recorder.errorCodes(), (QList<FtpError>{errNoRemoteFile, errLocalOpen}));
    QVERIFY(session->ftp.LinkOpen());
    QCOMPARE(readFile(target), QByteArray("keep me"));
}

void FtpServerSuite::failedLocalWriteKeepsNoFile_data()
{
    QTest::addColumn<int>("limit");
    QTest::newRow("in the middle") << 1024 * 1024;
    QTest::newRow("in the last bytes") << 5 * 1024 * 1024;
}

// The local file may not grow beyond a limit (as a full disk would have it), reached in the middle
// of the download or only by its last bytes: the download ends with a local write error and
// leaves no file, whole or partial, behind.
void FtpServerSuite::failedLocalWriteKeepsNoFile()
{
    QFETCH(int, limit);
    auto session = logIn();
    QVERIFY(session);
    const QString target = m_local.filePath(QStringLiteral("limited.bin"));
    session->ftp.SetRemoteFile(QByteArray("pub/file") + QByteArray::number(transferSizes.last()) + ".bin");
    session->ftp.SetLocalFile(target);
    rlimit before {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit limited = before;
    limited.rlim_cur = rlim_t(limit);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    session->ftp.GetFile();
    const bool received = session->recorder.waitFor(QStringLiteral("fileReceived"));
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);
    QVERIFY2(received, qPrintable(session->recorder.transcript()));
    QCOMPARE(session->recorder.errorCodes().value(0), errLocalWrite);
    QVERIFY(!session->ftp.Success());
    QVERIFY(!QFileInfo::exists(target));
    QCOMPARE(QDir(m_local.path()).entryList(QStringList{QStringLiteral(".*.part")}, QDir::Hidden | QDir::Files),
             QStringList());
    QVERIFY(session->ftp.LinkOpen());
}

// An abort in the middle of a download ends it (the completion event still comes), leaves no
// half file behind, and the connection goes on working.
void FtpServerSuite::abortedDownload()
{
    auto session = logIn();
    QVERIFY(session);
    const QString target = m_local.filePath(QStringLiteral("aborted.bin"));
    bool aborted = false;
    auto recordInfo = session->ftp.OnFtpInfo;
    session->ftp.OnFtpInfo = [&](TStarFtp *ftp, FtpInfo info, const QString &text) {
        recordInfo(ftp, info, text);
        if (info == infProgress && !aborted) {
            aborted = true;
            QTimer::singleShot(0, ftp, [ftp] { ftp->Abort(); });
        }
    };
    session->ftp.SetRemoteFile("pub/abort.bin");
    session->ftp.SetLocalFile(target);
    session->ftp.GetFile();
    QVERIFY2(session->recorder.waitFor(QStringLiteral("fileReceived")), qPrintable(session->recorder.transcript()));
    QVERIFY(aborted);
    QVERIFY(session->ftp.BytesTransferred() < abortSize);
    QVERIFY(session->recorder.errors.isEmpty());
    QVERIFY(!QFileInfo::exists(target));
    QVERIFY(session->recorder.infoTexts(infSent).contains(QStringLiteral("ABOR\r\n")));

    session->ftp.GetListing();
    QVERIFY2(session->recorder.waitFor(QStringLiteral("listingDone")), qPrintable(session->recorder.transcript()));
    QVERIFY2(session->ftp.DirectoryNames().contains("pub"), qPrintable(session->recorder.transcript()));

    // An abort while the transfer is still being prepared stops it before RETR goes out.
    session->ftp.OnFtpInfo = recordInfo;
    session->ftp.GetFile();
    session->ftp.Abort();
    QVERIFY2(session->recorder.waitFor(QStringLiteral("fileReceived"), 2), qPrintable(session->recorder.transcript()));
    QVERIFY(!QFileInfo::exists(target));
    QCOMPARE(session->recorder.infoTexts(infSent).filter(QStringLiteral("RETR")).size(), 1);
    session->ftp.GetListing();
    QVERIFY2(session->recorder.waitFor(QStringLiteral("listingDone"), 2), qPrintable(session->recorder.transcript()));
    QVERIFY2(session->ftp.DirectoryNames().contains("pub"), qPrintable(session->recorder.transcript()));
}

void FtpServerSuite::abortedUpload()
{
    auto session = logIn();
    QVERIFY(session);
    bool aborted = false;
    auto recordInfo = session->ftp.OnFtpInfo;
    session->ftp.OnFtpInfo = [&](TStarFtp *ftp, FtpInfo info, const QString &text) {
        recordInfo(ftp, info, text);
        if (info == infProgress && !aborted) {
            aborted = true;
            QTimer::singleShot(0, ftp, [ftp] { ftp->Abort(); });
        }
    };
    session->ftp.SetLocalFile(m_local.filePath(QStringLiteral("abort.bin")));
    session->ftp.SetRemoteFile((incoming() + QStringLiteral("/aborted.bin")).toLatin1());
    session->ftp.PutFile();
    QVERIFY2(session->recorder.waitFor(QStringLiteral("fileStored")), qPrintable(session->recorder.transcript()));
    QVERIFY(aborted);
    QVERIFY(!session->ftp.Success());
    QVERIFY(session->ftp.BytesTransferred() < abortSize);
    QVERIFY(QFileInfo(serverPath(incoming() + QStringLiteral("/aborted.bin"))).size() < abortSize);

    session->ftp.GetListing();
    QVERIFY2(session->recorder.waitFor(QStringLiteral("listingDone")), qPrintable(session->recorder.transcript()));
    QVERIFY2(session->ftp.DirectoryNames().contains("pub"), qPrintable(session->recorder.transcript()));
}

void FtpServerSuite::requestsRefusedWithoutConnectionOrWhileBusy()
{
    {
        Session idle;
        idle.ftp.GetListing();
        idle.ftp.Abort();
        QCOMPARE(idle.recorder.infoCount(infDisconnected), 1);
        // An upload without connection still ends its operation.
        idle.ftp.PutFile();
        QVERIFY2(idle.recorder.waitFor(QStringLiteral("fileStored")), qPrintable(idle.recorder.transcript()));
        QCOMPARE(idle.recorder.sequence.mid(idle.recorder.sequence.size() - 2),
                 (QStringList{QStringLiteral("ready"), QStringLiteral("fileStored")}));
        QCOMPARE(idle.recorder.count(QStringLiteral("listingDone")), 0);
        QVERIFY(idle.recorder.errors.isEmpty());
    }
    auto session = logIn();
    QVERIFY(session);
    session->ftp.GetListing();
    session->ftp.ChangeDirectory("pub");
    QCOMPARE(session->recorder.infoCount(infBusy), 1);
    QVERIFY2(session->recorder.waitFor(QStringLiteral("listingDone")), qPrintable(session->recorder.transcript()));
    QCOMPARE(session->recorder.count(QStringLiteral("directoryChanged")), 0);
    QCOMPARE(session->ftp.InitialDirectory(), QByteArray("/"));
}

void FtpServerSuite::openWhileConnectedClosesTheConnection()
{
    auto session = logIn();
    QVERIFY(session);
    session->ftp.Open();
    QVERIFY2(session->recorder.waitFor(QStringLiteral("quit")), qPrintable(session->recorder.transcript()));
    QCOMPARE(session->recorder.errorCodes().value(0), errInternal);
    QCOMPARE(session->recorder.errors.value(0).text, QStringLiteral("Unexpected internal error in component"));
    QVERIFY(!session->ftp.LinkOpen());

    // The same component connects again afterwards.
    session->ftp.Open();
    QVERIFY2(session->recorder.waitFor(QStringLiteral("loggedIn"), 2), qPrintable(session->recorder.transcript()));
    QVERIFY(session->ftp.LinkOpen());
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int failures = 0;
    for (const auto kind : {FtpServerSuite::Pyftpdlib, FtpServerSuite::Vsftpd}) {
        FtpServerSuite suite(kind);
        failures += QTest::qExec(&suite, argc, argv);
    }
    return failures;
}

#include "ftpservertest.moc"
