// The Winsock 1.1 vocabulary of the network component, over the BSD sockets of this system: the
// error numbers it reports, the IPv4 address record, dotted-address conversions and the start-up
// data. The socket functions are built in here, so there is no library to load.
#pragma once

#include <QString>

#include <cstdint>

namespace platform::winsock {

/// Error numbers as Winsock reports them (WSABASEERR + n, and the resolver's 11001..11004).
enum : int {
    WSAEINTR = 10004,
    WSAEBADF = 10009,
    WSAEACCES = 10013,
    WSAEFAULT = 10014,
    WSAEINVAL = 10022,
    WSAEMFILE = 10024,
    WSAEWOULDBLOCK = 10035,
    WSAEINPROGRESS = 10036,
    WSAEALREADY = 10037,
    WSAENOTSOCK = 10038,
    WSAEDESTADDRREQ = 10039,
    WSAEMSGSIZE = 10040,
    WSAEPROTOTYPE = 10041,
    WSAENOPROTOOPT = 10042,
    WSAEPROTONOSUPPORT = 10043,
    WSAESOCKTNOSUPPORT = 10044,
    WSAEOPNOTSUPP = 10045,
    WSAEPFNOSUPPORT = 10046,
    WSAEAFNOSUPPORT = 10047,
    WSAEADDRINUSE = 10048,
    WSAEADDRNOTAVAIL = 10049,
    WSAENETDOWN = 10050,
    WSAENETUNREACH = 10051,
    WSAENETRESET = 10052,
    WSAECONNABORTED = 10053,
    WSAECONNRESET = 10054,
    WSAENOBUFS = 10055,
    WSAEISCONN = 10056,
    WSAENOTCONN = 10057,
    WSAESHUTDOWN = 10058,
    WSAETOOMANYREFS = 10059,
    WSAETIMEDOUT = 10060,
    WSAECONNREFUSED = 10061,
    WSAELOOP = 10062,
    WSAENAMETOOLONG = 10063,
    WSAEHOSTDOWN = 10064,
    WSAEHOSTUNREACH = 10065,
    WSANOTINITIALISED = 10093,
    WSASYSCALLFAILURE = 10107,
    WSAHOST_NOT_FOUND = 11001,
    WSATRY_AGAIN = 11002,
    WSANO_RECOVERY = 11003,
    WSANO_DATA = 11004,
};

/// Notification kinds of an asynchronous socket.
enum : int {
    FD_READ = 1,
    FD_WRITE = 2,
    FD_OOB = 4,
    FD_ACCEPT = 8,
    FD_CONNECT = 16,
    FD_CLOSE = 32,
};

constexpr std::uint16_t AddressFamilyInet = 2;
/// What inetAddr gives for a text that is not a dotted address (255.255.255.255).
constexpr std::uint32_t AddressNone = 0xFFFFFFFFu;

/// An IPv4 socket address; port and address in network byte order, as on the wire.
struct SockAddrIn {
    std::uint16_t family = AddressFamilyInet;
    std::uint16_t port = 0;
    std::uint32_t address = 0;
};

/// The Winsock number for an errno value; WSASYSCALLFAILURE for one Winsock has no name for.
int fromErrno(int error);

/// The address (network order) of a dotted text such as "127.0.0.1"; AddressNone otherwise.
std::uint32_t inetAddr(const QString &dotted);
/// True when \a text parses as an address (dotted form, as inetAddr reads it), so that
/// "255.255.255.255" is one and "9p.example.org" is a host name.
bool isDottedAddress(const QString &text);
/// The dotted text of an address in network order.
QString inetNtoa(std::uint32_t address);

std::uint16_t toNetworkOrder(std::uint16_t value);
std::uint16_t fromNetworkOrder(std::uint16_t value);

/// What a successful start-up reports.
struct StartupData {
    QString description;
    QString systemStatus;
    std::uint16_t maxSockets = 0;
};

/// Start-up of the socket functions; they are always there, so this cannot fail.
StartupData startup();

} // namespace platform::winsock
