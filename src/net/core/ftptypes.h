// The vocabulary the FTP component reports in: listing styles, information and error codes,
// what it asks its owner for, and the English texts of the errors that come from the network.
#pragma once

#include <QString>

namespace net {

/// Listing style of the server, taken from its SYST reply.
enum TFTPServerType {
    ftpstDefault,
    ftpstAutoDetect,
    ftpstUNIX,
    ftpstULTRIX,
    ftpstU5000,
    ftpstSINTFTPD,
    ftpstVmsMultinet,
    ftpstVmsUcx,
    ftpstMVS,
    ftpstMacFtpd,
    ftpstClix,
    ftpstQVT,
    ftpstNCSA,
    ftpstChameleon,
    ftpstVM,
    ftpstVMVPS,
};

enum TTransferType { BinaryTransfer, AsciiTransfer };

enum FtpInfo {
    infConnected,
    infDisconnected,
    infResolving,
    infResolved,
    infReceived,
    infSent,
    infBusy,
    infProgress,
    infReserved,
    infTransferDone,
    infListingReady,
    infLoggedIn,
    infSize,
    infRefused,
    infListingLine,
};

enum TFtpInfoNeeded { needServer, needUserName, needPassword, needAccount };

enum FtpError {
    errNone,
    errWinsockNotInitialized,
    errNetworkDown,
    errInvalidAddress,
    errInternal,
    errGeneralWinsock,
    errConnectionAborted,
    errConnectionReset,
    errTimeout,
    errOutOfSockets,
    errNetworkUnreachable,
    errAddressNotAvailable,
    errConnectionRefused,
    errUnexpectedReply,
    errCancelled,
    errUnknown,
    errAddressResolution,
    errConnectionClosed,
    errHostUnreachable,
    errNoServer,
    errReserved20,
    errLocalOpen,
    errLocalWrite,
    errLocalRead,
    errNoRemoteFile,
    errReserved25,
    errNoGreeting,
    errLoginRefused,
    errDataTransfer,
};

/// The FTP error a Winsock error number stands for (errUnknown for any the table does not name).
FtpError ftpErrorFromWinsock(int winsockError);

/// The English text an error carries when it comes from the network; "Error" for the others.
QString ftpErrorText(FtpError error);

} // namespace net
