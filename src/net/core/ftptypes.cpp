// Winsock error numbers to FTP errors, and the texts that go with them.
#include "net/core/ftptypes.h"

#include "platform/winsock.h"

namespace net {

using namespace platform::winsock;

FtpError ftpErrorFromWinsock(int winsockError)
{
    switch (winsockError) {
    case WSANOTINITIALISED: return errWinsockNotInitialized;
    case WSAENETDOWN: return errNetworkDown;
    case WSAEACCES: return errInvalidAddress;
    case WSAEINTR:
    case WSAEFAULT:
    case WSAEINVAL:
    case WSAEINPROGRESS:
    case WSAENOTSOCK:
    case WSAEMSGSIZE:
    case WSAEOPNOTSUPP:
    case WSAEAFNOSUPPORT:
    case WSAEADDRINUSE:
    case WSAEISCONN:
    case WSAENOTCONN:
    case WSAESHUTDOWN: return errInternal;
    case WSAENETRESET:
    case WSAENOBUFS: return errGeneralWinsock;
    case WSAECONNABORTED: return errConnectionAborted;
    case WSAECONNRESET: return errConnectionReset;
    case WSAETIMEDOUT: return errTimeout;
    case WSAEMFILE: return errOutOfSockets;
    case WSAENETUNREACH: return errNetworkUnreachable;
    case WSAEADDRNOTAVAIL: return errAddressNotAvailable;
    case WSAECONNREFUSED: return errConnectionRefused;
    case WSAHOST_NOT_FOUND:
    case WSATRY_AGAIN:
    case WSANO_RECOVERY:
    case WSANO_DATA: return errAddressResolution;
    case WSAEHOSTUNREACH: return errHostUnreachable;
    default: return errUnknown;
    }
}

QString ftpErrorText(FtpError error)
{
    switch (error) {
    case errWinsockNotInitialized: return QStringLiteral("Winsock not initialized");
    case errNetworkDown: return QStringLiteral("Network down");
    case errInvalidAddress: return QStringLiteral("Invalid address specified");
    case errInternal: return QStringLiteral("Unexpected internal error in component");
    case errGeneralWinsock: return QStringLiteral("General Winsock Error");
    case errConnectionAborted: return QStringLiteral("Connection aborted due to timeout or other failure");
    case errConnectionReset: return QStringLiteral("Connection reset by remote side");
    case errTimeout: return QStringLiteral("timeout");
    case errOutOfSockets: return QStringLiteral("Out of sockets");
    case errNetworkUnreachable: return QStringLiteral("Network unreachable");
    case errAddressNotAvailable: return QStringLiteral("Address not available");
    case errConnectionRefused: return QStringLiteral("Connection Refused");
    case errUnknown: return QStringLiteral("Unknown Error");
    case errAddressResolution: return QStringLiteral("Address resolution error");
    case errHostUnreachable: return QStringLiteral("Host Unreachable");
    default: return QStringLiteral("Error");
    }
}

} // namespace net
