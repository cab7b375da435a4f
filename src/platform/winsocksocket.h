// One non-blocking IPv4 TCP socket with Winsock's asynchronous selection: readiness seen by the
// event loop (QSocketNotifier) becomes FD_ notifications delivered on the user-interface thread.
// As with Winsock, a notification is not repeated until the call that consumes it: FD_READ waits
// for the next receive, FD_ACCEPT for the next accept. FD_WRITE is reported only when a send
// would have blocked and room is free again. FD_CLOSE comes once, after every byte before it has
// been received, with 0 for an orderly close or the error that ended the connection.
// Received bytes are taken from the system a large piece at a time into an inbox that serves the
// receives, so callers asking for a few kilobytes each cost one system call per piece; a receive
// still returns what one straight from the system would have, and FD_READ keeps coming while the
// inbox holds bytes.
#pragma once

#include "platform/winsock.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace platform {

class WinsockSocket {
public:
    /// Receives (event, error): one FD_ kind and 0 or a Winsock error number.
    using Handler = std::function<void(int event, int error)>;

    WinsockSocket();
    ~WinsockSocket();
    WinsockSocket(const WinsockSocket &) = delete;
    WinsockSocket &operator=(const WinsockSocket &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int handle() const { return m_fd; }
    /// Winsock error number of the last call that failed.
    int lastError() const { return m_error; }

    /// A new stream socket; false (and lastError) when the system has none to give.
    bool create();
    /// Closes the socket; 0, or the Winsock error of the close. No notification follows.
    int close();

    /// Chooses the notifications (FD_ bits) and who gets them.
    void asyncSelect(int events, Handler handler);

    /// Starts connecting: -1 with WSAEWOULDBLOCK while the connection is under way (FD_CONNECT
    /// tells the end), -1 with another error when it cannot start.
    int connect(const winsock::SockAddrIn &address);
    int bind(const winsock::SockAddrIn &address);
    int listen(int backlog);
    /// Takes the next connection waiting on \a listener as this socket; \a peer gets its address.
    int accept(WinsockSocket &listener, winsock::SockAddrIn &peer);

    /// Byte counts, or -1 with lastError (WSAEWOULDBLOCK when nothing can move now).
    long send(const char *data, long length, bool urgent);
    long receive(char *buffer, long capacity);

    /// Most bytes taken from the system by one read.
    static constexpr long InboxSize = 256 * 1024;

    int localAddress(winsock::SockAddrIn &address) const;

private:
    enum class Phase { Idle, Connecting, Connected, Listening, Ended };

    int fail(int error);
    void setPhase(Phase phase);
    void updateNotifiers();
    void readReady();
    void writeReady();
    void deliver(int event, int error);

    long buffered() const { return m_inboxEnd - m_inboxStart; }
    /// Reads what the system holds into the free end of the inbox: the count, 0 at the end of
    /// the stream, or -1 with the Winsock error in \a error (WSAEWOULDBLOCK when nothing is there).
    long fillInbox(int &error);
    void resetInbox();
    /// FD_READ for bytes already in the inbox comes from the event loop: the system has no
    /// readiness left to report for them.
    void queueBufferedRead();

    int m_fd = -1;
    int m_error = 0;
    Phase m_phase = Phase::Idle;
    int m_events = 0;
    Handler m_handler;
    bool m_readArmed = true;
    bool m_writeWanted = false;
    std::uint64_t m_generation = 0;
    std::unique_ptr<QSocketNotifier> m_readNotifier;
    std::unique_ptr<QSocketNotifier> m_writeNotifier;
    // Allocated on the first receive, released at the close.
    std::unique_ptr<char[]> m_inbox;
    long m_inboxStart = 0;
    long m_inboxEnd = 0;
    // An error the system reported behind bytes still in the inbox: given once they are taken.
    int m_inboxError = 0;
    bool m_bufferedReadQueued = false;
    // Context of the queued notifications: a connection that completed at once, bytes waiting
    // in the inbox.
    QObject m_context;
};

} // namespace platform
