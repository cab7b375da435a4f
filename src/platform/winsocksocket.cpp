// Asynchronous selection over a non-blocking BSD socket: when a notification is due, what
// re-arms it, and how errno becomes a Winsock error.
#include "platform/winsocksocket.h"

#include <QSocketNotifier>
#include <QTimer>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace platform {

using namespace winsock;

namespace {

sockaddr_in toSystem(const SockAddrIn &address)
{
    sockaddr_in result {};
    result.sin_family = AF_INET;
    result.sin_port = address.port;
    result.sin_addr.s_addr = address.address;
    return result;
}

SockAddrIn fromSystem(const sockaddr_in &address)
{
    SockAddrIn result;
    result.port = address.sin_port;
    result.address = address.sin_addr.s_addr;
    return result;
}

// Notifiers are never deleted while one of them may be emitting: a handler often closes the
// socket whose notification it is running in.
void retire(std::unique_ptr<QSocketNotifier> &notifier)
{
    if (!notifier)
        return;
    notifier->setEnabled(false);
    notifier.release()->deleteLater();
}

} // namespace

WinsockSocket::WinsockSocket() = default;

WinsockSocket::~WinsockSocket()
{
    close();
}

int WinsockSocket::fail(int error)
{
    m_error = error;
    return -1;
}

bool WinsockSocket::create()
{
    if (m_fd >= 0)
        return true;
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        fail(fromErrno(errno));
        return false;
    }
    m_fd = fd;
    m_error = 0;
    ++m_generation;
    resetInbox();
    m_readArmed = true;
    m_writeWanted = false;
    m_phase = Phase::Idle;
    return true;
}

int WinsockSocket::close()
{
    retire(m_readNotifier);
    retire(m_writeNotifier);
    ++m_generation;
    resetInbox();
    m_phase = Phase::Idle;
    if (m_fd < 0)
        return fail(WSAENOTSOCK);
    const int result = ::close(m_fd);
    m_fd = -1;
    m_error = result == 0 ? 0 : fromErrno(errno);
    return m_error;
}

void WinsockSocket::asyncSelect(int events, Handler handler)
{
    m_events = events;
    m_handler = std::move(handler);
    updateNotifiers();
}

int WinsockSocket::connect(const SockAddrIn &address)
{
    if (m_fd < 0)
        return fail(WSAENOTSOCK);
    // Said here rather than left to the system: not every one reports a second connect.
    if (m_phase == Phase::Connected || m_phase == Phase::Ended)
        return fail(WSAEISCONN);
    if (m_phase == Phase::Connecting)
        return fail(WSAEALREADY);
    const sockaddr_in target = toSystem(address);
    if (::connect(m_fd, reinterpret_cast<const sockaddr *>(&target), sizeof target) == 0) {
        // Connected at once (possible on loopback): the notification still comes from the loop.
        setPhase(Phase::Connected);
        const std::uint64_t generation = m_generation;
        QTimer::singleShot(0, &m_context, [this, generation] {
            if (generation == m_generation)
                deliver(FD_CONNECT, 0);
        });
        m_error = 0;
        return 0;
    }
    if (errno == EINPROGRESS) {
        setPhase(Phase::Connecting);
        return fail(WSAEWOULDBLOCK);
    }
    return fail(fromErrno(errno));
}

int WinsockSocket::bind(const SockAddrIn &address)
{
    if (m_fd < 0)
        return fail(WSAENOTSOCK);
    const sockaddr_in local = toSystem(address);
    if (::bind(m_fd, reinterpret_cast<const sockaddr *>(&local), sizeof local) != 0)
        return fail(fromErrno(errno));
    m_error = 0;
    return 0;
}

int WinsockSocket::listen(int backlog)
{
    if (m_fd < 0)
        return fail(WSAENOTSOCK);
    if (::listen(m_fd, backlog) != 0)
        return fail(fromErrno(errno));
    m_error = 0;
    setPhase(Phase::Listening);
    return 0;
}

int WinsockSocket::accept(WinsockSocket &listener, SockAddrIn &peer)
{
    if (listener.m_fd < 0)
        return fail(WSAENOTSOCK);
    sockaddr_in from {};
    socklen_t length = sizeof from;
    const int fd = ::accept4(listener.m_fd, reinterpret_cast<sockaddr *>(&from), &length,
                             SOCK_NONBLOCK | SOCK_CLOEXEC);
    const int error = errno;
    listener.m_readArmed = true;
    listener.updateNotifiers();
    if (fd < 0)
        return fail(fromErrno(error));
    if (m_fd >= 0)
        close();
    m_fd = fd;
    m_error = 0;
    ++m_generation;
    resetInbox();
    m_readArmed = true;
    m_writeWanted = false;
    peer = fromSystem(from);
    setPhase(Phase::Connected);
    return 0;
}

long WinsockSocket::send(const char *data, long length, bool urgent)
{
    if (m_fd < 0)
        return fail(WSAENOTSOCK);
    const int flags = MSG_NOSIGNAL | (urgent ? MSG_OOB : 0);
    const ssize_t sent = ::send(m_fd, data, static_cast<size_t>(length), flags);
    if (sent < 0) {
        const int error = fromErrno(errno);
        if (error == WSAEWOULDBLOCK) {
            m_writeWanted = true;
            updateNotifiers();
        }
        return fail(error);
    }
    m_error = 0;
    return sent;
}

long WinsockSocket::receive(char *buffer, long capacity)
{
    if (m_fd < 0)
        return fail(WSAENOTSOCK);
    // An inbox holding less than asked is topped up first, so the count is the one a receive
    // straight from the system would give.
    bool ended = false;
    if (buffered() < std::min(capacity, InboxSize) && m_inboxError == 0) {
        int error = 0;
        const long got = fillInbox(error);
        ended = got == 0;
        if (got < 0 && error != WSAEWOULDBLOCK)
            m_inboxError = error;
    }
    const long count = std::clamp(capacity, 0L, buffered());
    int error = 0;
    if (count > 0) {
        std::memcpy(buffer, m_inbox.get() + m_inboxStart, static_cast<size_t>(count));
        m_inboxStart += count;
    } else if (capacity > 0 && m_inboxError != 0) {
        error = std::exchange(m_inboxError, 0);
    } else if (capacity > 0 && !ended) {
        error = WSAEWOULDBLOCK;
    }
    m_readArmed = true;
    updateNotifiers();
    if (buffered() > 0 || m_inboxError != 0)
        queueBufferedRead();
    if (error != 0)
        return fail(error);
    m_error = 0;
    return count;
}

long WinsockSocket::fillInbox(int &error)
{
    if (!m_inbox)
        m_inbox = std::make_unique_for_overwrite<char[]>(InboxSize);
    if (m_inboxStart > 0) {
        std::memmove(m_inbox.get(), m_inbox.get() + m_inboxStart, static_cast<size_t>(buffered()));
        m_inboxEnd -= m_inboxStart;
        m_inboxStart = 0;
    }
    ssize_t got;
    do
        got = ::recv(m_fd, m_inbox.get() + m_inboxEnd, static_cast<size_t>(InboxSize - m_inboxEnd), 0);
    while (got < 0 && errno == EINTR);
    if (got < 0) {
        error = fromErrno(errno);
        return -1;
    }
    m_inboxEnd += got;
    return got;
}

void WinsockSocket::resetInbox()
{
    m_inbox.reset();
    m_inboxStart = 0;
    m_inboxEnd = 0;
    m_inboxError = 0;
    m_bufferedReadQueued = false;
}

void WinsockSocket::queueBufferedRead()
{
    if (m_bufferedReadQueued)
        return;
    m_bufferedReadQueued = true;
    const std::uint64_t generation = m_generation;
    QMetaObject::invokeMethod(
        &m_context,
        [this, generation] {
            if (generation != m_generation)
                return;
            m_bufferedReadQueued = false;
            if (buffered() > 0 || m_inboxError != 0)
                readReady();
        },
        Qt::QueuedConnection);
}

int WinsockSocket::localAddress(SockAddrIn &address) const
{
    if (m_fd < 0)
        return -1;
    sockaddr_in local {};
    socklen_t length = sizeof local;
    if (::getsockname(m_fd, reinterpret_cast<sockaddr *>(&local), &length) != 0)
        return -1;
    address = fromSystem(local);
    return 0;
}

void WinsockSocket::setPhase(Phase phase)
{
    m_phase = phase;
    updateNotifiers();
}

void WinsockSocket::updateNotifiers()
{
    if (m_fd < 0)
        return;
    // Bytes in the inbox, or an error behind them, are announced from the event loop: the
    // system is asked again only once they have been taken.
    const bool reading =
        m_readArmed
        && ((m_phase == Phase::Connected && (m_events & (FD_READ | FD_CLOSE)) && buffered() == 0
             && m_inboxError == 0)
            || (m_phase == Phase::Listening && (m_events & FD_ACCEPT)));
    const bool writing = m_phase == Phase::Connecting || (m_phase == Phase::Connected && m_writeWanted);

    if (reading && !m_readNotifier) {
        m_readNotifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
        QObject::connect(m_readNotifier.get(), &QSocketNotifier::activated, m_readNotifier.get(),
                         [this] { readReady(); });
    }
    if (m_readNotifier)
        m_readNotifier->setEnabled(reading);

    if (writing && !m_writeNotifier) {
        m_writeNotifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Write);
        QObject::connect(m_writeNotifier.get(), &QSocketNotifier::activated, m_writeNotifier.get(),
                         [this] { writeReady(); });
    }
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(writing);
}

void WinsockSocket::readReady()
{
    if (m_phase == Phase::Listening) {
        m_readArmed = false;
        updateNotifiers();
        deliver(FD_ACCEPT, 0);
        return;
    }
    if (m_phase != Phase::Connected || !m_readArmed)
        return;
    // What the system holds is taken into the inbox now rather than peeked at: the receives
    // that follow are served from it.
    int error = m_inboxError;
    if (buffered() == 0 && error == 0 && fillInbox(error) < 0 && error == WSAEWOULDBLOCK)
        return;
    if (buffered() > 0) {
        m_readArmed = false;
        updateNotifiers();
        if (m_events & FD_READ)
            deliver(FD_READ, 0);
        return;
    }
    m_inboxError = 0;
    setPhase(Phase::Ended);
    if (m_events & FD_CLOSE)
        deliver(FD_CLOSE, error);
}

void WinsockSocket::writeReady()
{
    if (m_phase == Phase::Connecting) {
        int status = 0;
        socklen_t length = sizeof status;
        if (::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &status, &length) != 0)
            status = errno;
        const int error = fromErrno(status);
        setPhase(error == 0 ? Phase::Connected : Phase::Ended);
        if (m_events & FD_CONNECT)
            deliver(FD_CONNECT, error);
        return;
    }
    m_writeWanted = false;
    updateNotifiers();
    if (m_phase == Phase::Connected && (m_events & FD_WRITE))
        deliver(FD_WRITE, 0);
}

void WinsockSocket::deliver(int event, int error)
{
    // The handler may close or destroy this socket: nothing of it is touched afterwards.
    if (Handler handler = m_handler)
        handler(event, error);
}

} // namespace platform
