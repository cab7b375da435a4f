// Servers the network tests talk to, started on 127.0.0.1 for a test and stopped after it:
// pyftpdlib, vsftpd and proftpd from private configurations, and the scripted misbehaving server.
#pragma once

#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class TestServer {
public:
    TestServer() = default;
    ~TestServer();
    TestServer(const TestServer &) = delete;
    TestServer &operator=(const TestServer &) = delete;

    /// pyftpdlib serving \a root: user "alice"/"secret" may write, anonymous may read.
    bool startPyftpdlib(const QString &root);
    /// vsftpd serving \a root to anonymous users; \a root must be owned by root, mode 755, with a
    /// world-writable "incoming" folder where anonymous users may upload, rename and delete.
    bool startVsftpd(const QString &root);
    /// proftpd (the copy scripts/install-deps.sh keeps apart, as the package conflicts with
    /// vsftpd's) serving \a root to user "alice"/"secret" from a private configuration and user
    /// file; she has the identity of the user who runs the tests.
    bool startProftpd(const QString &root);
    /// The scripted server of fakeftp.py, misbehaving as \a mode says.
    bool startFake(const QString &mode);
    void stop();

    quint16 port() const { return m_port; }
    QString error() const { return m_error; }

    /// A port on 127.0.0.1 that nothing listens on (at the time of the call).
    static quint16 freePort();

private:
    bool startPrintingPort(const QString &script, const QStringList &arguments);
    /// Runs \a command (a shell command line reading its configuration from "$1") until the
    /// test ends; what it writes to file descriptor \a errorFd goes to errors.txt.
    bool startDaemon(const QString &name, const QString &command, const QString &config, int errorFd);
    QString scratchFile(const QString &name) const { return m_scratch->filePath(name); }
    bool makeScratch();
    bool writeScratch(const QString &name, const QByteArray &content, QFile::Permissions permissions);
    bool waitUntilListening(const QString &name);

    QProcess m_process;
    std::unique_ptr<QTemporaryDir> m_scratch;
    quint16 m_port = 0;
    QString m_error;
};
