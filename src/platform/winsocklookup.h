// Asynchronous host-name lookup for the socket component. QHostInfo does the work away from the
// user-interface thread; the result comes back on it as the first IPv4 address of the name, or
// as a Winsock resolver error (11001 not found, 11002 temporary failure, 11004 no IPv4 address).
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

namespace platform {

class WinsockLookup {
public:
    /// Receives (error, address): 0 and the address in network order, or a resolver error.
    using Handler = std::function<void(int error, std::uint32_t address)>;

    WinsockLookup() = default;
    ~WinsockLookup();
    WinsockLookup(const WinsockLookup &) = delete;
    WinsockLookup &operator=(const WinsockLookup &) = delete;

    /// Starts looking \a name up; returns the handle of the lookup (never 0). The handler runs
    /// later, from the event loop, unless the lookup is cancelled first.
    int start(const QString &name, Handler handler);
    /// Forgets the running lookup: its handler will not run.
    void cancel();
    bool isPending() const { return m_pending; }

private:
    void finish(int handle, int error, std::uint32_t address);

    Handler m_handler;
    bool m_pending = false;
    int m_handle = 0;
    int m_hostInfoId = -1;
    QObject m_context;
};

} // namespace platform
