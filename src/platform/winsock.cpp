// Error numbers and address conversions between the BSD sockets of this system and the Winsock
// vocabulary of the network component.
#include "platform/winsock.h"

#include <QtEndian>

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/resource.h>

#include <algorithm>

namespace platform::winsock {

int fromErrno(int error)
{
    switch (error) {
    case 0: return 0;
    case EINTR: return WSAEINTR;
    case EBADF: return WSAEBADF;
    case EACCES:
    case EPERM: return WSAEACCES;
    case EFAULT: return WSAEFAULT;
    case EINVAL: return WSAEINVAL;
    case EMFILE:
    case ENFILE: return WSAEMFILE;
#if EAGAIN != EWOULDBLOCK
    case EAGAIN:
#endif
    case EWOULDBLOCK: return WSAEWOULDBLOCK;
    case EINPROGRESS: return WSAEINPROGRESS;
    case EALREADY: return WSAEALREADY;
    case ENOTSOCK: return WSAENOTSOCK;
    case EDESTADDRREQ: return WSAEDESTADDRREQ;
    case EMSGSIZE: return WSAEMSGSIZE;
    case EPROTOTYPE: return WSAEPROTOTYPE;
    case ENOPROTOOPT: return WSAENOPROTOOPT;
    case EPROTONOSUPPORT: return WSAEPROTONOSUPPORT;
    case ESOCKTNOSUPPORT: return WSAESOCKTNOSUPPORT;
    case EOPNOTSUPP: return WSAEOPNOTSUPP;
    case EPFNOSUPPORT: return WSAEPFNOSUPPORT;
    case EAFNOSUPPORT: return WSAEAFNOSUPPORT;
    case EADDRINUSE: return WSAEADDRINUSE;
    case EADDRNOTAVAIL: return WSAEADDRNOTAVAIL;
    case ENETDOWN: return WSAENETDOWN;
    case ENETUNREACH: return WSAENETUNREACH;
    case ENETRESET: return WSAENETRESET;
    case ECONNABORTED: return WSAECONNABORTED;
    // Writing to a connection the peer has closed is a reset connection to Winsock.
    case EPIPE:
    case ECONNRESET: return WSAECONNRESET;
    case ENOBUFS:
    case ENOMEM: return WSAENOBUFS;
    case EISCONN: return WSAEISCONN;
    case ENOTCONN: return WSAENOTCONN;
    case ESHUTDOWN: return WSAESHUTDOWN;
    case ETOOMANYREFS: return WSAETOOMANYREFS;
    case ETIMEDOUT: return WSAETIMEDOUT;
    case ECONNREFUSED: return WSAECONNREFUSED;
    case ELOOP: return WSAELOOP;
    case ENAMETOOLONG: return WSAENAMETOOLONG;
    case EHOSTDOWN: return WSAEHOSTDOWN;
    case EHOSTUNREACH: return WSAEHOSTUNREACH;
    default: return WSASYSCALLFAILURE;
    }
}

std::uint32_t inetAddr(const QString &dotted)
{
    const QByteArray text = dotted.toLatin1();
    return ::inet_addr(text.constData());
}

bool isDottedAddress(const QString &text)
{
    // inet_aton stops at a blank and takes what comes before it: the whole text must be read.
    for (const QChar c : text) {
        if (c.unicode() <= u' ' || c.unicode() > u'~')
            return false;
    }
    in_addr value {};
    return !text.isEmpty() && ::inet_aton(text.toLatin1().constData(), &value) != 0;
}

QString inetNtoa(std::uint32_t address)
{
    in_addr value {};
    value.s_addr = address;
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &value, text, sizeof text);
    return QString::fromLatin1(text);
}

std::uint16_t toNetworkOrder(std::uint16_t value) { return qToBigEndian(value); }
std::uint16_t fromNetworkOrder(std::uint16_t value) { return qFromBigEndian(value); }

StartupData startup()
{
    StartupData data;
    data.description = QStringLiteral("BSD sockets");
    data.systemStatus = QStringLiteral("Running");
    rlimit files {};
    if (::getrlimit(RLIMIT_NOFILE, &files) == 0)
        data.maxSockets = static_cast<std::uint16_t>(std::min<rlim_t>(files.rlim_cur, 0xFFFF));
    return data;
}

} // namespace platform::winsock
