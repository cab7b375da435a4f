// The texts of the FTP client window that depend on no widget: the message for each error of
// the FTP component, the statistics line of an upload, the prompts that ask for a connection
// value, and the server text with an optional port ("ftp.example.org" or "127.0.0.1:2121").
#pragma once

#include "net/core/ftptypes.h"

#include <QString>

#include <cstdint>

namespace net {

/// The message shown for \a error, \a addinfo appended where the message takes it; empty for
/// the errors that show nothing.
QString ftpErrorMessage(FtpError error, const QString &addinfo);

/// The log line after an upload of \a bytes in \a elapsedMs milliseconds (not 0), such as
/// "5000 octets transferrés en 1.005 secondes (4K à la seconde)".
QString transferStatistics(std::uint32_t bytes, std::uint32_t elapsedMs);

/// Title of the prompt for \a need: "Serveur", "User ID", "Password", "Account".
QString needInfoTitle(TFtpInfoNeeded need);
/// "Entrer le " followed by the title in lower case and a full stop.
QString needInfoPrompt(TFtpInfoNeeded need);

struct ServerAddress {
    QString host;
    quint16 port = 21;
};

/// The host and port a server text names; a text without a valid ":port" after its host is all
/// host, on port 21.
ServerAddress splitServerText(const QString &text);
/// The server text for \a host and \a port: the host alone on port 21.
QString joinServerText(const QString &host, quint16 port);

} // namespace net
