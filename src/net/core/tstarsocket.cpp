// The socket component's operations and the rules by which notifications, lookup results and
// timer ticks become its events.
#include "net/core/tstarsocket.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace net {

using namespace platform::winsock;

namespace {

// A message posted to the component, as a window message would be to its hidden window.
class MessageEvent : public QEvent {
public:
    static QEvent::Type kind()
    {
        static const int type = QEvent::registerEventType();
        return static_cast<QEvent::Type>(type);
    }
    explicit MessageEvent(int message) : QEvent(kind()), m_message(message) {}
    int message() const { return m_message; }

private:
    int m_message;
};

} // namespace

TStarSocket::TStarSocket(QObject *owner) : QObject(owner)
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
}

TStarSocket::~TStarSocket()
{
    m_lookup.cancel();
    if (m_winsockStarted)
        StopWinsock();
    if (m_libraryLoaded)
        UnloadWinsock();
}

bool TStarSocket::LoadWinsock(const QString &)
{
    m_libraryLoaded = true;
    return true;
}

void TStarSocket::UnloadWinsock()
{
    if (m_winsockStarted)
        StopWinsock();
    m_libraryLoaded = false;
}

bool TStarSocket::StartWinsock()
{
    if (m_winsockStarted)
        return true;
    if (!m_libraryLoaded)
        LoadWinsock();
    if (m_libraryLoaded) {
        const StartupData data = startup();
        m_winsockStarted = true;
        m_description = data.description;
        m_systemStatus = data.systemStatus;
        m_maxSockets = data.maxSockets;
    }
    return m_winsockStarted;
}

void TStarSocket::StopWinsock()
{
    m_winsockStarted = false;
}

void TStarSocket::CreateSocket()
{
    if (m_socket.isOpen())
        return;
    m_lastError = m_socket.create() ? 0 : m_socket.lastError();
    ++m_generation;
}

void TStarSocket::SetServer(const QString &text)
{
    m_server = text;
    if (text.isEmpty())
        return;
    if (isDottedAddress(text)) {
        m_addressText = text;
        m_hostName.clear();
    } else {
        m_hostName = text;
        m_addressText.clear();
    }
}

void TStarSocket::SetAddress(const QString &dotted)
{
    m_sockAddr.address = inetAddr(dotted);
}

void TStarSocket::SetPort(quint16 port)
{
    m_sockAddr.port = toNetworkOrder(port);
}

void TStarSocket::Resolve(const QString &hostName)
{
    if (m_lookupHandle != 0)
        return;
    m_hostNameBuffer = hostName;
    m_lookupHandle = m_lookup.start(m_hostNameBuffer, [this](int error, std::uint32_t address) {
        lookupFinished(error, address);
    });
    m_lastError = 0;
    StartTimeOut(m_timeOutArp);
}

void TStarSocket::lookupFinished(int error, std::uint32_t address)
{
    stopTimer();
    m_lastError = error;
    if (error == 0)
        m_resolvedAddress = address;
    m_lookupHandle = 0;
    HostResolved();
}

void TStarSocket::UseResolvedAddress()
{
    m_sockAddr.address = m_resolvedAddress;
}

QString TStarSocket::GetResolvedAddressText() const
{
    return inetNtoa(m_sockAddr.address);
}

void TStarSocket::Connect()
{
    m_socket.asyncSelect(FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE,
                         [this](int event, int error) { notification(event, error); });
    m_lastError = 0;
    if (m_socket.connect(m_sockAddr) != 0) {
        m_lastError = m_socket.lastError();
        if (m_lastError == WSAEWOULDBLOCK)
            m_lastError = 0;
    }
    if (m_lastError == 0)
        StartTimeOut(m_timeOutConnect);
}

void TStarSocket::Listen()
{
    if (m_socket.bind(m_sockAddr) != 0) {
        m_lastError = m_socket.lastError();
        return;
    }
    m_socket.asyncSelect(FD_ACCEPT, [this](int event, int error) { notification(event, error); });
    m_lastError = m_socket.listen(2) == 0 ? 0 : m_socket.lastError();
}

void TStarSocket::Accept(TStarSocket &listener)
{
    if (m_socket.accept(listener.m_socket, m_sockAddr) != 0) {
        m_lastError = m_socket.lastError();
        return;
    }
    ++m_generation;
    m_lastError = 0;
    m_connected = true;
    m_socket.asyncSelect(FD_READ | FD_WRITE | FD_CLOSE,
                         [this](int event, int error) { notification(event, error); });
}

int TStarSocket::Close()
{
    if (m_lookupHandle != 0) {
        m_lookup.cancel();
        m_lookupHandle = 0;
    }
    stopTimer();
    if (!m_socket.isOpen())
        return -1;
    ++m_generation;
    m_lastError = m_socket.close();
    m_connected = false;
    return m_lastError;
}

int TStarSocket::countResult(long result)
{
    if (result > 0) {
        m_lastError = 0;
        return static_cast<int>(result);
    }
    if (result < 0) {
        const int error = m_socket.lastError();
        m_lastError = error == WSAEWOULDBLOCK ? 0 : error;
    }
    return 0;
}

int TStarSocket::Send(const char *data, int length)
{
    return countResult(m_socket.send(data, length, false));
}

int TStarSocket::SendUrgent(const char *data, int length)
{
    return countResult(m_socket.send(data, length, true));
}

int TStarSocket::Receive(char *buffer, int capacity)
{
    return countResult(m_socket.receive(buffer, capacity));
}

QString TStarSocket::GetLocalAddress() const
{
    SockAddrIn local;
    if (m_socket.localAddress(local) != 0)
        return QString();
    return inetNtoa(local.address);
}

quint16 TStarSocket::GetLocalPort() const
{
    SockAddrIn local;
    if (m_socket.localAddress(local) != 0)
        return 0;
    return fromNetworkOrder(local.port);
}

void TStarSocket::StartTimeOut(int seconds)
{
    stopTimer();
    if (seconds <= 0)
        return;
    m_countDown = seconds;
    m_timer.start();
}

void TStarSocket::stopTimer()
{
    m_timer.stop();
}

void TStarSocket::tick()
{
    if (--m_countDown > 0)
        return;
    QPointer<TStarSocket> alive(this);
    Close();
    if (alive)
        raise(OnTimeOut);
}

void TStarSocket::HostResolved()
{
    raise(OnHostResolved);
}

void TStarSocket::notification(int event, int error)
{
    stopTimer();
    m_lastError = error;
    switch (event) {
    case FD_READ: raise(OnRead); break;
    case FD_WRITE: raise(OnWrite); break;
    case FD_ACCEPT: raise(OnAccept); break;
    case FD_CONNECT:
        m_connected = true;
        raise(OnConnect);
        break;
    case FD_CLOSE: {
        // The handler sees the socket still open; whatever it leaves open is closed after it,
        // unless it has already put another socket in its place.
        const std::uint64_t generation = m_generation;
        QPointer<TStarSocket> alive(this);
        raise(OnClose);
        if (!alive || m_generation != generation)
            return;
        if (m_socket.isOpen()) {
            ++m_generation;
            m_socket.close();
        }
        m_connected = false;
        break;
    }
    default: break;
    }
}

void TStarSocket::raise(const Event &event)
{
    // A copy: the handler may replace the very event it runs from.
    if (Event handler = event)
        handler(this);
}

void TStarSocket::PostMessage(int message)
{
    QCoreApplication::postEvent(this, new MessageEvent(message));
}

void TStarSocket::customEvent(QEvent *event)
{
    if (event->type() != MessageEvent::kind())
        return;
    const int message = static_cast<MessageEvent *>(event)->message();
    if (message > WM_USER + 1) {
        if (MessageHook hook = OnMessage)
            hook(this, message);
    }
}

} // namespace net
