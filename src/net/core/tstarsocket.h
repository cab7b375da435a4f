// TStarSocket: one asynchronous TCP/IPv4 socket as a component. Every outcome arrives later as
// an event on the user-interface thread (host resolved, connected, closed, timed out, readable,
// writable, connection waiting); no operation blocks or throws, and failures are the Winsock
// error number in LastError. The FTP component derives from it for its control connection and
// uses two more for each data connection.
#pragma once

#include "platform/winsock.h"
#include "platform/winsocklookup.h"
#include "platform/winsocksocket.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace net {

class TStarSocket : public QObject {
    Q_OBJECT

public:
    static constexpr int WM_USER = 0x400;

    using Event = std::function<void(TStarSocket *sender)>;
    /// Receives the messages above WM_USER+1 posted to this component (see PostMessage).
    using MessageHook = std::function<void(TStarSocket *sender, int message)>;

    explicit TStarSocket(QObject *owner = nullptr);
    ~TStarSocket() override;

    // The socket functions are built in, so loading only marks the component ready; the path of
    // a library is not used.
    bool LoadWinsock(const QString &libraryPath = QString());
    void UnloadWinsock();
    bool StartWinsock();
    void StopWinsock();

    /// A new socket, unless one exists already.
    void CreateSocket();
    /// A text that parses as an address becomes the AddressText, anything else the HostName.
    void SetServer(const QString &text);
    void SetAddress(const QString &dotted);
    /// The port of the address to connect to or listen on (not the Port field).
    void SetPort(quint16 port);
    /// Starts an asynchronous lookup, unless one is pending; HostResolved() runs at its end.
    void Resolve(const QString &hostName);
    void UseResolvedAddress();
    QString GetResolvedAddressText() const;
    void Connect();
    void Listen();
    /// Takes the connection waiting on \a listener; its notifications then come to this socket.
    void Accept(TStarSocket &listener);
    /// Cancels a pending lookup, stops the time-out and closes the socket: 0, the close error,
    /// or -1 when there was no socket.
    int Close();

    // Byte counts; 0 when nothing moved, with LastError telling a failure from a full buffer.
    int Send(const char *data, int length);
    int SendUrgent(const char *data, int length);
    int Receive(char *buffer, int capacity);

    QString GetLocalAddress() const;
    quint16 GetLocalPort() const;
    /// Closes the socket and raises OnTimeOut after \a seconds one-second ticks, unless a
    /// notification or lookup result comes first; 0 means no limit.
    void StartTimeOut(int seconds);

    /// Posts \a message to this component: it reaches OnMessage from the event loop, after the
    /// handler that posted it has returned. Only messages above WM_USER+1 are passed on.
    void PostMessage(int message);

    int SocketHandle() const { return m_socket.handle(); }
    const platform::winsock::SockAddrIn &SockAddr() const { return m_sockAddr; }
    bool Connected() const { return m_connected; }
    bool LibraryLoaded() const { return m_libraryLoaded; }
    bool WinsockStarted() const { return m_winsockStarted; }
    QString Description() const { return m_description; }
    QString SystemStatus() const { return m_systemStatus; }
    quint16 MaxSockets() const { return m_maxSockets; }
    std::uint32_t ResolvedAddress() const { return m_resolvedAddress; }
    int LookupHandle() const { return m_lookupHandle; }
    int TimeOutConnect() const { return m_timeOutConnect; }
    void SetTimeOutConnect(int seconds) { m_timeOutConnect = seconds; }
    int TimeOutArp() const { return m_timeOutArp; }
    void SetTimeOutArp(int seconds) { m_timeOutArp = seconds; }
    int CountDown() const { return m_countDown; }
    int TimerId() const { return m_timer.isActive() ? m_timer.timerId() : 0; }
    QString AddressText() const { return m_addressText; }
    void SetAddressText(const QString &text) { m_addressText = text; }
    QString HostName() const { return m_hostName; }
    void SetHostName(const QString &name) { m_hostName = name; }
    QString Server() const { return m_server; }
    /// The server's port, host byte order (the FTP component's FtpPort).
    quint16 Port() const { return m_port; }
    void SetPortNumber(quint16 port) { m_port = port; }
    int LastError() const { return m_lastError; }

    Event OnHostResolved;
    Event OnConnect;
    Event OnClose;
    Event OnTimeOut;
    Event OnRead;
    Event OnWrite;
    Event OnAccept;
    MessageHook OnMessage;

protected:
    /// The lookup has ended, LastError holding its outcome; raises OnHostResolved.
    virtual void HostResolved();
    void customEvent(QEvent *event) override;

private:
    void raise(const Event &event);
    void stopTimer();
    void lookupFinished(int error, std::uint32_t address);
    void notification(int event, int error);
    void tick();
    int countResult(long result);

    platform::WinsockSocket m_socket;
    platform::WinsockLookup m_lookup;
    platform::winsock::SockAddrIn m_sockAddr;
    bool m_connected = false;
    bool m_libraryLoaded = false;
    bool m_winsockStarted = false;
    QString m_description;
    QString m_systemStatus;
    quint16 m_maxSockets = 0;
    std::uint32_t m_resolvedAddress = 0;
    int m_lookupHandle = 0;
    int m_timeOutConnect = 0;
    int m_timeOutArp = 0;
    int m_countDown = 0;
    QTimer m_timer;
    // The name handed to the lookup; it grows with the name, so no name can overrun it.
    QString m_hostNameBuffer;
    QString m_addressText;
    QString m_hostName;
    QString m_server;
    quint16 m_port = 0;
    int m_lastError = 0;
    // Changes whenever the socket is created, accepted or closed.
    std::uint64_t m_generation = 0;
};

} // namespace net
