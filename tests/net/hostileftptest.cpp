// The FTP component against servers that fail or misbehave: no server, no such host, no answer,
// garbage, endless lines, replies that are not numbers, strangers on the data port, data
// connections that never end, floods, and a server that hangs up. Each case must end its
// operation with the events the program relies on and leave the component usable.
#include "ftprecorder.h"
#include "fulllistener.h"
#include "net/core/tstarftp.h"
#include "testserver.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace net;

namespace {

// What the test does once connected: just log in, list, download, or download and abort.
enum class Action { LogIn, List, Retrieve, RetrieveAndAbort };

// Stands for "some error, whichever": garbage gives no predictable first code.
constexpr int AnyError = -1;

bool containsInOrder(const QStringList &sequence, const QStringList &wanted)
{
    qsizetype from = 0;
    for (const QString &event : wanted) {
        from = sequence.indexOf(event, from);
        if (from < 0)
            return false;
        ++from;
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(Action)

class HostileFtpTest : public QObject {
    Q_OBJECT

private slots:
    void networkFailures_data();
    void networkFailures();
    void misbehavingServers_data();
    void misbehavingServers();
    void multiLineGreetingSendsUserOnce();
    void passwordIsLoggedAsStars();
    void refusedListingKeepsTheConnection_data();
    void refusedListingKeepsTheConnection();
};

void HostileFtpTest::networkFailures_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("text");

    QTest::newRow("connection refused") << QStringLiteral("refused") << int(errConnectionRefused)
                                        << QStringLiteral("Connection Refused");
    QTest::newRow("no such host") << QStringLiteral("bad..name") << int(errAddressResolution)
                                  << QStringLiteral("Address resolution error");
    QTest::newRow("host name of 300 characters") << QString(300, u'n') << int(errAddressResolution)
                                                 << QStringLiteral("Address resolution error");
    QTest::newRow("connection never answered") << QStringLiteral("full") << int(errTimeout)
                                               << QStringLiteral("Error");
}

void HostileFtpTest::networkFailures()
{
    QFETCH(QString, server);
    FullListener full;
    TStarFtp ftp;
    FtpRecorder recorder(ftp);
    ftp.SetTimeOutConnect(1);
    ftp.SetTimeOutArp(5);
    if (server == u"refused") {
        ftp.SetFtpServer(QStringLiteral("127.0.0.1"));
        ftp.SetFtpPort(TestServer::freePort());
    } else if (server == u"full") {
        QVERIFY(full.isFull());
        ftp.SetFtpServer(QStringLiteral("127.0.0.1"));
        ftp.SetFtpPort(full.port());
    } else {
        ftp.SetFtpServer(server);
    }
    ftp.Open();
    QVERIFY2(recorder.waitFor(QStringLiteral("quit")), qPrintable(recorder.transcript()));
    QCOMPARE(recorder.errors.size(), 1);
    QTEST(int(recorder.errors.first().error), "error");
    QTEST(recorder.errors.first().text, "text");
    QVERIFY(!ftp.LinkOpen());
    QVERIFY(!ftp.Busy());
    QCOMPARE(recorder.count(QStringLiteral("loggedIn")), 0);
}

void HostileFtpTest::misbehavingServers_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("error");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("stillConnected");

    const QString quit = QStringLiteral("quit");
    const QString ready = QStringLiteral("ready");
    const QString received = QStringLiteral("fileReceived");
    QTest::newRow("accepts and never greets") << QStringLiteral("silent") << Action::LogIn << int(errTimeout)
                                              << QStringList{quit} << false;
    QTest::newRow("binary garbage") << QStringLiteral("garbage") << Action::LogIn << AnyError << QStringList{quit}
                                    << false;
    QTest::newRow("megabytes without CR LF") << QStringLiteral("longline") << Action::LogIn
                                             << int(errUnexpectedReply) << QStringList{quit} << false;
    QTest::newRow("greeting code not a number") << QStringLiteral("nonnumeric") << Action::LogIn
                                                << int(errNoGreeting) << QStringList{quit} << false;
    QTest::newRow("PWD code not a number") << QStringLiteral("pwdnonnumeric") << Action::List
                                           << int(errUnexpectedReply) << QStringList{quit} << false;
    QTest::newRow("replies of three characters") << QStringLiteral("short") << Action::List << int(errNone)
                                                 << QStringList{ready, QStringLiteral("listingDone")} << true;
    QTest::newRow("stranger on the data port") << QStringLiteral("intruder") << Action::Retrieve
                                               << int(errDataTransfer) << QStringList{quit} << false;
    QTest::newRow("data connection never ends, abort answered")
        << QStringLiteral("holddata") << Action::RetrieveAndAbort << int(errNone) << QStringList{ready, received}
        << true;
    QTest::newRow("data connection never ends, abort ignored")
        << QStringLiteral("ignoreabort") << Action::RetrieveAndAbort << int(errTimeout) << QStringList{quit} << false;
    QTest::newRow("data connection outstays the final reply")
        << QStringLiteral("holddata226") << Action::Retrieve << int(errDataTransfer) << QStringList{ready, received}
        << true;
    QTest::newRow("426 as the only final reply") << QStringLiteral("426only") << Action::Retrieve << int(errNone)
                                                 << QStringList{ready, received} << true;
    QTest::newRow("listing line of 100 KB") << QStringLiteral("longlisting") << Action::List
                                            << int(errDataTransfer) << QStringList{quit} << false;
    QTest::newRow("endless listing") << QStringLiteral("floodlisting") << Action::List << int(errDataTransfer)
                                     << QStringList{quit} << false;
    QTest::newRow("garbage listing") << QStringLiteral("garbagelisting") << Action::List << int(errNone)
                                     << QStringList{ready, QStringLiteral("listingDone")} << true;
    QTest::newRow("server hangs up") << QStringLiteral("closecontrol") << Action::List << int(errNone)
                                     << QStringList{ready, QStringLiteral("listingDone"), quit} << false;
}

void HostileFtpTest::misbehavingServers()
{
    QFETCH(QString, mode);
    QFETCH(Action, action);
    QFETCH(int, error);
    QFETCH(QStringList, events);
    QFETCH(bool, stillConnected);

    TestServer server;
    QVERIFY2(server.startFake(mode), qPrintable(server.error()));
    QTemporaryDir local;
    const QString target = local.filePath(QStringLiteral("download.bin"));
    TStarFtp ftp;
    FtpRecorder recorder(ftp);
    ftp.SetFtpServer(QStringLiteral("127.0.0.1"));
    ftp.SetFtpPort(server.port());
    ftp.SetTimeOutConnect(1);
    ftp.SetUserName(QStringLiteral("user"));
    ftp.SetUserPassword(QStringLiteral("password"));
    ftp.SetRemoteFile("file.bin");
    ftp.SetLocalFile(target);

    bool aborted = false;
    auto recordInfo = ftp.OnFtpInfo;
    ftp.OnFtpInfo = [&](TStarFtp *sender, FtpInfo info, const QString &text) {
        recordInfo(sender, info, text);
        if (action == Action::RetrieveAndAbort && info == infProgress && !aborted) {
            aborted = true;
            QTimer::singleShot(0, sender, [sender] { sender->Abort(); });
        }
    };
    auto recordLogIn = ftp.OnLoggedIn;
    ftp.OnLoggedIn = [&](TStarFtp *sender) {
        recordLogIn(sender);
        if (action == Action::List)
            sender->GetListing();
        else if (action != Action::LogIn)
            sender->GetFile();
    };

    ftp.Open();
    QVERIFY2(recorder.waitUntil([&] { return containsInOrder(recorder.sequence, events); }),
             qPrintable(recorder.transcript()));
    if (error == AnyError)
        QVERIFY(!recorder.errors.isEmpty());
    else if (error == errNone)
        QVERIFY2(recorder.errors.isEmpty(), qPrintable(recorder.transcript()));
    else
        QCOMPARE(int(recorder.errors.value(0).error), error);
    QCOMPARE(ftp.LinkOpen(), stillConnected);
    QVERIFY(!ftp.Busy());
    // Nothing a misbehaving server sent ever reaches the local file.
    QVERIFY(!QFileInfo::exists(target));
    if (stillConnected) {
        ftp.Quit();
        QVERIFY2(recorder.waitFor(QStringLiteral("quit")), qPrintable(recorder.transcript()));
    }
}

void HostileFtpTest::multiLineGreetingSendsUserOnce()
{
    TestServer server;
    QVERIFY2(server.startFake(QStringLiteral("multiline")), qPrintable(server.error()));
    TStarFtp ftp;
    FtpRecorder recorder(ftp);
    ftp.SetFtpServer(QStringLiteral("127.0.0.1"));
    ftp.SetFtpPort(server.port());
    ftp.SetUserName(QStringLiteral("user"));
    ftp.SetUserPassword(QStringLiteral("password"));
    ftp.Open();
    QVERIFY2(recorder.waitFor(QStringLiteral("loggedIn")), qPrintable(recorder.transcript()));
    QCOMPARE(recorder.infoTexts(infSent).filter(QStringLiteral("USER")).size(), 1);
    QVERIFY(recorder.infoTexts(infReceived).join(QString()).contains(QStringLiteral("USER seen 1")));
}

void HostileFtpTest::passwordIsLoggedAsStars()
{
    TestServer server;
    QVERIFY2(server.startFake(QStringLiteral("plain")), qPrintable(server.error()));
    TStarFtp ftp;
    FtpRecorder recorder(ftp);
    ftp.SetFtpServer(QStringLiteral("127.0.0.1"));
    ftp.SetFtpPort(server.port());
    ftp.SetUserName(QStringLiteral("user"));
    ftp.SetUserPassword(QStringLiteral("mot dé passe"));
    ftp.Open();
    QVERIFY2(recorder.waitFor(QStringLiteral("loggedIn")), qPrintable(recorder.transcript()));
    const QStringList sent = recorder.infoTexts(infSent);
    QCOMPARE(sent.filter(QStringLiteral("PASS")), QStringList{QStringLiteral("PASS ************\r\n")});
    QVERIFY(sent.filter(QStringLiteral("passe")).isEmpty());
}

void HostileFtpTest::refusedListingKeepsTheConnection_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("450") << QStringLiteral("refuselist450");
    QTest::newRow("550") << QStringLiteral("refuselist550");
}

// The folder "locked" can be entered but not listed: the listing ends with its error and no
// names, and the same connection goes on to list another folder.
void HostileFtpTest::refusedListingKeepsTheConnection()
{
    QFETCH(QString, mode);
    TestServer server;
    QVERIFY2(server.startFake(mode), qPrintable(server.error()));
    TStarFtp ftp;
    FtpRecorder recorder(ftp);
    ftp.SetFtpServer(QStringLiteral("127.0.0.1"));
    ftp.SetFtpPort(server.port());
    ftp.SetUserName(QStringLiteral("user"));
    ftp.SetUserPassword(QStringLiteral("password"));
    auto recordLogIn = ftp.OnLoggedIn;
    ftp.OnLoggedIn = [&](TStarFtp *sender) {
        recordLogIn(sender);
        sender->ChangeDirectory("locked");
    };
    auto recordChange = ftp.OnDirectoryChanged;
    ftp.OnDirectoryChanged = [&](TStarFtp *sender) {
        recordChange(sender);
        sender->GetListing();
    };
    ftp.Open();
    QVERIFY2(recorder.waitFor(QStringLiteral("listingDone")), qPrintable(recorder.transcript()));
    QCOMPARE(recorder.errorCodes().size(), 1);
    QCOMPARE(int(recorder.errorCodes().first()), int(errUnexpectedReply));
    QVERIFY(containsInOrder(recorder.sequence, {QStringLiteral("error %1").arg(int(errUnexpectedReply)),
                                                QStringLiteral("ready"), QStringLiteral("listingDone")}));
    QVERIFY(!ftp.Success());
    QVERIFY(ftp.FileNames().isEmpty());
    QVERIFY(ftp.DirectoryNames().isEmpty());
    QVERIFY(ftp.LinkOpen());
    QVERIFY(!ftp.Busy());
    QCOMPARE(ftp.State(), int(TStarFtp::Idle));
    QCOMPARE(recorder.count(QStringLiteral("quit")), 0);

    ftp.ChangeDirectory("..");
    QVERIFY2(recorder.waitFor(QStringLiteral("listingDone"), 2), qPrintable(recorder.transcript()));
    QCOMPARE(recorder.errorCodes().size(), 1);
    QVERIFY(ftp.Success());
    QCOMPARE(ftp.FileNames(), (QList<QByteArray>{"a.txt", "b c.txt"}));
    ftp.Quit();
    QVERIFY2(recorder.waitFor(QStringLiteral("quit")), qPrintable(recorder.transcript()));
}

QTEST_GUILESS_MAIN(HostileFtpTest)
#include "hostileftptest.moc"
