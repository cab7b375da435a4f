// The socket component against peers made of Qt's own sockets: connecting, reading, writing,
// closing, refusal, time-outs, lookups, listening and accepting, and its posted messages.
#include "net/core/tstarsocket.h"
#include "platform/winsock.h"
#include "fulllistener.h"
#include "testserver.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <sys/socket.h>

#include <algorithm>

using namespace net;
using namespace platform::winsock;

namespace {

QByteArray receiveAll(TStarSocket &socket)
{
    QByteArray result;
    char buffer[64];
    int count;
    while ((count = socket.Receive(buffer, sizeof buffer)) > 0)
        result.append(buffer, count);
    return result;
}

// Bytes that differ from one position to the next, so that a piece lost, doubled or moved shows.
QByteArray patterned(qsizetype size, int seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 31 + seed) % 251);
    return bytes;
}

// A socket connected to \a server, and the server's side of the connection.
QTcpSocket *connectTo(QTcpServer &server, TStarSocket &socket)
{
    bool connected = false;
    socket.OnConnect = [&](TStarSocket *) { connected = true; };
    socket.CreateSocket();
    socket.SetAddress(QStringLiteral("127.0.0.1"));
    socket.SetPort(server.serverPort());
    socket.Connect();
    if (!server.waitForNewConnection(10000) || !QTest::qWaitFor([&] { return connected; }, 10000))
        return nullptr;
    socket.OnConnect = nullptr;
    return server.nextPendingConnection();
}

} // namespace

class StarSocketTest : public QObject {
    Q_OBJECT

private slots:
    void connectsReadsAndSeesTheClose();
    void refusedConnectionReportsOnConnect();
    void connectionTimesOutAfterItsTicks();
    void zeroTimeOutStartsNoTimer();
    void fullSendBufferIsNotAnError();
    void oneReceivePerNotificationGetsEveryPiece();
    void resetBehindUnreadBytesComesAfterThem();
    void lookups();
    void closeCancelsThePendingLookup();
    void listensAndAccepts();
    void fieldsAndSetters();
    void postedMessagesReachTheHook();
};

void StarSocketTest::connectsReadsAndSeesTheClose()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    TStarSocket socket;
    QStringList events;
    int handleInClose = -2;
    QByteArray received;
    socket.OnConnect = [&](TStarSocket *s) { events << QStringLiteral("connect %1").arg(s->LastError()); };
    socket.OnRead = [&](TStarSocket *s) {
        events << QStringLiteral("read");
        received += receiveAll(*s);
        events << QStringLiteral("after read %1").arg(s->LastError());
    };
    socket.OnClose = [&](TStarSocket *s) {
        events << QStringLiteral("close %1").arg(s->LastError());
        handleInClose = s->SocketHandle();
    };
    socket.CreateSocket();
    const int handle = socket.SocketHandle();
    QVERIFY(handle >= 0);
    socket.CreateSocket();
    QCOMPARE(socket.SocketHandle(), handle);
    socket.SetAddress(QStringLiteral("127.0.0.1"));
    socket.SetPort(server.serverPort());
    socket.Connect();
    QCOMPARE(socket.LastError(), 0);

    QVERIFY(server.waitForNewConnection(10000));
    QTcpSocket *peer = server.nextPendingConnection();
    QTRY_COMPARE_WITH_TIMEOUT(events.value(0), QStringLiteral("connect 0"), 10000);
    QVERIFY(socket.Connected());

    QCOMPARE(socket.Send("ping", 4), 4);
    QTRY_COMPARE_WITH_TIMEOUT(peer->bytesAvailable(), 4, 10000);
    QCOMPARE(peer->readAll(), QByteArray("ping"));

    // The data that precedes the close is read first; the close comes after it, socket still open.
    peer->write(QByteArray(5000, 'x') + "end");
    peer->flush();
    peer->disconnectFromHost();
    QTRY_VERIFY_WITH_TIMEOUT(events.last().startsWith(u"close"), 10000);
    QCOMPARE(received, QByteArray(5000, 'x') + "end");
    QCOMPARE(events.first(), QStringLiteral("connect 0"));
    QCOMPARE(events.last(), QStringLiteral("close 0"));
    QVERIFY(events.contains(QStringLiteral("after read 0")));
    QCOMPARE(handleInClose, handle);
    QCOMPARE(socket.SocketHandle(), -1);
    QVERIFY(!socket.Connected());
    QCOMPARE(socket.Close(), -1);
}

void StarSocketTest::refusedConnectionReportsOnConnect()
{
    TStarSocket socket;
    int error = -1;
    socket.OnConnect = [&](TStarSocket *s) { error = s->LastError(); };
    socket.CreateSocket();
    socket.SetAddress(QStringLiteral("127.0.0.1"));
    socket.SetPort(TestServer::freePort());
    socket.Connect();
    QTRY_COMPARE_WITH_TIMEOUT(error, int(WSAECONNREFUSED), 10000);
    QVERIFY(socket.Connected());
}

void StarSocketTest::connectionTimesOutAfterItsTicks()
{
    FullListener listener;
    QVERIFY(listener.isFull());
    TStarSocket socket;
    bool timedOut = false;
    bool connected = false;
    int handleInTimeOut = 0;
    socket.OnTimeOut = [&](TStarSocket *s) {
        timedOut = true;
        handleInTimeOut = s->SocketHandle();
    };
    socket.OnConnect = [&](TStarSocket *) { connected = true; };
    socket.SetTimeOutConnect(2);
    socket.CreateSocket();
    socket.SetAddress(QStringLiteral("127.0.0.1"));
    socket.SetPort(listener.port());
    QElapsedTimer clock;
    clock.start();
    socket.Connect();
    QCOMPARE(socket.LastError(), 0);
    QVERIFY(socket.TimerId() != 0);
    QCOMPARE(socket.CountDown(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(timedOut, 15000);
    // Two one-second ticks, never fewer.
    QVERIFY2(clock.elapsed() >= 1900, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!connected);
    QCOMPARE(handleInTimeOut, -1);
    QCOMPARE(socket.TimerId(), 0);
}

void StarSocketTest::zeroTimeOutStartsNoTimer()
{
    FullListener listener;
    TStarSocket socket;
    socket.CreateSocket();
    socket.SetAddress(QStringLiteral("127.0.0.1"));
    socket.SetPort(listener.port());
    socket.Connect();
    QCOMPARE(socket.TimerId(), 0);
    socket.StartTimeOut(3);
    QVERIFY(socket.TimerId() != 0);
    socket.StartTimeOut(0);
    QCOMPARE(socket.TimerId(), 0);
}

// A peer that does not read: sends end up moving nothing, which is not a failure, and the
// socket says when it can take more once the peer reads again.
void StarSocketTest::fullSendBufferIsNotAnError()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    TStarSocket socket;
    bool connected = false;
    int writable = 0;
    socket.OnConnect = [&](TStarSocket *) { connected = true; };
    socket.OnWrite = [&](TStarSocket *) { ++writable; };
    socket.CreateSocket();
    socket.SetAddress(QStringLiteral("127.0.0.1"));
    socket.SetPort(server.serverPort());
    socket.Connect();
    QVERIFY(server.waitForNewConnection(10000));
    QTcpSocket *peer = server.nextPendingConnection();
    QTRY_VERIFY_WITH_TIMEOUT(connected, 10000);
    // Nothing services the loop while the buffers fill, so the peer reads nothing meanwhile.
    const QByteArray block(65536, 'b');
    qint64 total = 0;
    int sent = 0;
    for (int i = 0; i < 100000; ++i) {
        sent = socket.Send(block.constData(), int(block.size()));
        if (sent == 0)
            break;
        total += sent;
    }
    QCOMPARE(sent, 0);
    QCOMPARE(socket.LastError(), 0);
    QCOMPARE(writable, 0);
    qint64 read = 0;
    QTRY_VERIFY_WITH_TIMEOUT((read += peer->readAll().size(), writable > 0), 20000);
    QVERIFY(read > 0);
    QVERIFY(total > 0);
}

// The readers of the FTP component take one receive of 2048 bytes per notification. Pieces of
// every size, some larger than the socket takes from the system at once, must reach such a
// reader whole and in order while the peer is silent after each of them, no receive may return
// more than it asked for, and the close right behind the last byte must come after that byte.
void StarSocketTest::oneReceivePerNotificationGetsEveryPiece()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    TStarSocket socket;
    QByteArray received;
    int largest = 0;
    int readsAfterClose = 0;
    qsizetype receivedAtClose = -1;
    int closeError = -1;
    socket.OnRead = [&](TStarSocket *s) {
        if (receivedAtClose >= 0)
            ++readsAfterClose;
        char buffer[2048];
        const int count = s->Receive(buffer, sizeof buffer);
        largest = std::max(largest, count);
        received.append(buffer, count);
    };
    socket.OnClose = [&](TStarSocket *s) {
        receivedAtClose = received.size();
        closeError = s->LastError();
    };
    QTcpSocket *peer = connectTo(server, socket);
    QVERIFY(peer);

    QByteArray sent;
    for (const int size : {1, 2047, 2048, 2049, 3, 70000, 300000, 5, 600000, 1}) {
        const QByteArray piece = patterned(size, int(sent.size()));
        sent += piece;
        peer->write(piece);
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), sent.size(), 20000);
    }
    QVERIFY(received == sent);

    const QByteArray last = patterned(5000, 7);
    sent += last;
    peer->write(last);
    peer->disconnectFromHost();
    QTRY_VERIFY_WITH_TIMEOUT(receivedAtClose >= 0, 20000);
    QCOMPARE(receivedAtClose, sent.size());
    QVERIFY(received == sent);
    QCOMPARE(closeError, 0);
    QVERIFY2(largest <= 2048, qPrintable(QString::number(largest)));
    QCOMPARE(readsAfterClose, 0);
    QCOMPARE(socket.SocketHandle(), -1);
}

// A peer that resets the connection behind bytes it has sent: the bytes are all received, and
// the reset is the close's error once they are.
void StarSocketTest::resetBehindUnreadBytesComesAfterThem()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    TStarSocket socket;
    QByteArray received;
    qsizetype receivedAtClose = -1;
    int closeError = -1;
    socket.OnRead = [&](TStarSocket *s) {
        char buffer[2048];
        received.append(buffer, s->Receive(buffer, sizeof buffer));
        QCOMPARE(s->LastError(), 0);
    };
    socket.OnClose = [&](TStarSocket *s) {
        receivedAtClose = received.size();
        closeError = s->LastError();
    };
    QTcpSocket *peer = connectTo(server, socket);
    QVERIFY(peer);
    const QByteArray sent = patterned(100001, 3);
    peer->write(sent);
    QVERIFY(peer->flush());
    QCOMPARE(peer->bytesToWrite(), 0);
    // A zero linger time makes the close a reset.
    const linger reset {1, 0};
    QCOMPARE(::setsockopt(int(peer->socketDescriptor()), SOL_SOCKET, SO_LINGER, &reset, sizeof reset), 0);
    peer->abort();
    QTRY_VERIFY_WITH_TIMEOUT(receivedAtClose >= 0, 20000);
    QCOMPARE(receivedAtClose, sent.size());
    QVERIFY(received == sent);
    QCOMPARE(closeError, int(WSAECONNRESET));
}

void StarSocketTest::lookups()
{
    struct Case {
        QString name;
        int error;
    };
    // A name longer than the 67 characters of the original buffer must not overrun anything.
    const QList<Case> cases = {
        {QStringLiteral("localhost"), 0},
        {QStringLiteral("bad..name"), WSAHOST_NOT_FOUND},
        {QString(300, u'h'), WSAHOST_NOT_FOUND},
    };
    for (const Case &c : cases) {
        TStarSocket socket;
        int results = 0;
        socket.OnHostResolved = [&](TStarSocket *) { ++results; };
        socket.Resolve(c.name);
        const int handle = socket.LookupHandle();
        QVERIFY(handle != 0);
        socket.Resolve(QStringLiteral("ignored.example"));
        QCOMPARE(socket.LookupHandle(), handle);
        QTRY_COMPARE_WITH_TIMEOUT(results, 1, 20000);
        QCOMPARE(socket.LastError(), c.error);
        QCOMPARE(socket.LookupHandle(), 0);
        if (c.error == 0) {
            socket.UseResolvedAddress();
            QCOMPARE(socket.GetResolvedAddressText(), QStringLiteral("127.0.0.1"));
        }
    }
}

void StarSocketTest::closeCancelsThePendingLookup()
{
    TStarSocket socket;
    QStringList results;
    socket.OnHostResolved = [&](TStarSocket *s) { results << s->GetResolvedAddressText(); };
    socket.SetTimeOutArp(5);
    socket.Resolve(QStringLiteral("localhost"));
    QVERIFY(socket.TimerId() != 0);
    QCOMPARE(socket.Close(), -1);
    QCOMPARE(socket.LookupHandle(), 0);
    QCOMPARE(socket.TimerId(), 0);
    // A new lookup after the cancelled one reports once, for itself.
    socket.Resolve(QStringLiteral("127.0.0.1"));
    QTRY_COMPARE_WITH_TIMEOUT(results.size(), 1, 20000);
    socket.Resolve(QStringLiteral("localhost"));
    QTRY_COMPARE_WITH_TIMEOUT(results.size(), 2, 20000);
    QVERIFY(QTest::qWaitFor([] { return false; }, 100) == false);
    QCOMPARE(results.size(), 2);
}

void StarSocketTest::listensAndAccepts()
{
    TStarSocket listener;
    TStarSocket accepted;
    int accepts = 0;
    int listenerReads = 0;
    QByteArray received;
    listener.OnAccept = [&](TStarSocket *) {
        ++accepts;
        accepted.Accept(listener);
    };
    listener.OnRead = [&](TStarSocket *) { ++listenerReads; };
    accepted.OnRead = [&](TStarSocket *s) { received += receiveAll(*s); };
    listener.SetAddress(QStringLiteral("127.0.0.1"));
    listener.SetPort(0);
    listener.CreateSocket();
    listener.Listen();
    QCOMPARE(listener.LastError(), 0);
    QCOMPARE(listener.GetLocalAddress(), QStringLiteral("127.0.0.1"));
    const quint16 port = listener.GetLocalPort();
    QVERIFY(port != 0);

    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(client.waitForConnected(10000));
    QTRY_COMPARE_WITH_TIMEOUT(accepts, 1, 10000);
    QCOMPARE(accepted.LastError(), 0);
    QVERIFY(accepted.Connected());
    QCOMPARE(fromNetworkOrder(accepted.SockAddr().port), client.localPort());
    client.write("data for the accepting socket");
    QTRY_COMPARE_WITH_TIMEOUT(received, QByteArray("data for the accepting socket"), 10000);
    QCOMPARE(listenerReads, 0);

    // A second listener on the same port cannot bind.
    TStarSocket second;
    second.SetAddress(QStringLiteral("127.0.0.1"));
    second.SetPort(port);
    second.CreateSocket();
    second.Listen();
    QCOMPARE(second.LastError(), int(WSAEADDRINUSE));
}

void StarSocketTest::fieldsAndSetters()
{
    TStarSocket socket;
    QCOMPARE(socket.SockAddr().family, quint16(2));
    QCOMPARE(socket.SocketHandle(), -1);
    QVERIFY(!socket.WinsockStarted());
    QVERIFY(socket.StartWinsock());
    QVERIFY(socket.LibraryLoaded());
    QVERIFY(!socket.Description().isEmpty());
    socket.UnloadWinsock();
    QVERIFY(!socket.WinsockStarted());
    QVERIFY(!socket.LibraryLoaded());

    // Only a text that parses as an address is one; names may begin with a digit.
    const std::pair<QString, bool> servers[] = {
        {"10.1.2.3", true}, {"255.255.255.255", true}, {"127.1", true}, {"ftp.example.org", false},
        {"9p.example.org", false}, {"1.2.3.4.example", false}, {"10.1.2.3 x", false}, {"300.1.1.1", false},
    };
    for (const auto &[text, isAddress] : servers) {
        socket.SetServer(text);
        QCOMPARE(socket.AddressText(), isAddress ? text : QString());
        QCOMPARE(socket.HostName(), isAddress ? QString() : text);
    }
    socket.SetServer(QStringLiteral("ftp.example.org"));
    socket.SetServer(QString());
    QCOMPARE(socket.HostName(), QStringLiteral("ftp.example.org"));
    QCOMPARE(socket.Server(), QString());

    socket.SetAddress(QStringLiteral("192.168.0.5"));
    socket.SetPort(1030);
    QCOMPARE(socket.GetResolvedAddressText(), QStringLiteral("192.168.0.5"));
    QCOMPARE(fromNetworkOrder(socket.SockAddr().port), quint16(1030));
    QCOMPARE(socket.GetLocalAddress(), QString());
    QCOMPARE(socket.GetLocalPort(), quint16(0));

    char buffer[8];
    QCOMPARE(socket.Receive(buffer, sizeof buffer), 0);
    QCOMPARE(socket.LastError(), int(WSAENOTSOCK));
}

void StarSocketTest::postedMessagesReachTheHook()
{
    TStarSocket socket;
    QList<int> messages;
    bool insidePoster = true;
    socket.OnMessage = [&](TStarSocket *, int message) {
        QVERIFY(!insidePoster);
        messages << message;
    };
    socket.PostMessage(TStarSocket::WM_USER + 1);
    socket.PostMessage(TStarSocket::WM_USER + 4);
    socket.PostMessage(TStarSocket::WM_USER + 2);
    insidePoster = false;
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 2, 10000);
    QCOMPARE(messages, (QList<int>{TStarSocket::WM_USER + 4, TStarSocket::WM_USER + 2}));
}

QTEST_GUILESS_MAIN(StarSocketTest)
#include "starsockettest.moc"
