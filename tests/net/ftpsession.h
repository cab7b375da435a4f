// What the suites against real FTP servers share: a logged-in connection with everything it
// reports recorded, and the layout of the server's root.
#pragma once

#include "ftprecorder.h"
#include "net/core/tstarftp.h"

#include <QString>

#include <memory>

struct FtpSession {
    net::TStarFtp ftp;
    FtpRecorder recorder {ftp};
};

/// A session logged in on 127.0.0.1:\a port, as "alice" (pyftpdlib) or anonymously (vsftpd);
/// null when the log-in did not succeed.
std::unique_ptr<FtpSession> logInToTestServer(quint16 port, bool anonymous);

/// Prepares \a root for both servers: the root itself not writable by others (vsftpd refuses
/// it otherwise), "pub/\a pubFolder", and a world-writable "incoming" for uploads. False when a
/// folder could not be made.
bool prepareServerRoot(const QString &root, const QString &pubFolder);
