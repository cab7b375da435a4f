// Starting and stopping the test servers.
#include "testserver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

QString scriptPath(const QString &name)
{
    return qEnvironmentVariable("VORLANE_SOURCE_DIR") + QStringLiteral("/tests/net/") + name;
}

} // namespace

TestServer::~TestServer()
{
    stop();
}

void TestServer::stop()
{
    if (m_process.state() != QProcess::NotRunning) {
        // Every server ends when its standard input closes.
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    m_port = 0;
}

quint16 TestServer::freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

bool TestServer::startPrintingPort(const QString &script, const QStringList &arguments)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("/usr/bin/python3"), QStringList{scriptPath(script)} + arguments);
    if (!m_process.waitForStarted(10000)) {
        m_error = QStringLiteral("python3 did not start");
        return false;
    }
    QDeadlineTimer deadline(20000);
    while (!m_process.canReadLine()) {
        if (deadline.hasExpired() || !m_process.waitForReadyRead(int(deadline.remainingTime()))) {
            m_error = QStringLiteral("%1 printed no port").arg(script);
            return false;
        }
    }
    m_port = quint16(m_process.readLine().trimmed().toUInt());
    return m_port != 0;
}

bool TestServer::startPyftpdlib(const QString &root)
{
    return startPrintingPort(QStringLiteral("pyftpserver.py"), {root});
}

bool TestServer::startFake(const QString &mode)
{
    return startPrintingPort(QStringLiteral("fakeftp.py"), {mode});
}

bool TestServer::startVsftpd(const QString &root)
{
    m_scratch = std::make_unique<QTemporaryDir>();
    const QString empty = m_scratch->filePath(QStringLiteral("empty"));
    QDir().mkpath(empty);
    QFile::setPermissions(m_scratch->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                 | QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup
                                                 | QFile::ExeGroup);
    m_port = freePort();
    const QString config = m_scratch->filePath(QStringLiteral("vsftpd.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral("listen=YES\nlisten_port=%1\nlisten_address=127.0.0.1\nbackground=NO\n"
                              "anonymous_enable=YES\nlocal_enable=NO\nanon_root=%2\nno_anon_password=YES\n"
                              "write_enable=YES\nanon_upload_enable=YES\nanon_mkdir_write_enable=YES\n"
                              "anon_other_write_enable=YES\nanon_umask=022\nascii_download_enable=YES\nascii_upload_enable=YES\nasync_abor_enable=YES\nseccomp_sandbox=NO\n"
                              "secure_chroot_dir=%3\nxferlog_enable=NO\nsyslog_enable=NO\n")
                   .arg(m_port)
                   .arg(root, empty)
                   .toUtf8());
    file.close();
    // vsftpd writes its start-up errors to file descriptor 0. The shell around it stops it when
    // its own standard input closes, so vsftpd never outlives the test either.
    const QString script = QStringLiteral(
        "/usr/sbin/vsftpd \"$1\" 0>\"$2\" & server=$!; trap 'kill $server' EXIT; cat >/dev/null");
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script, QStringLiteral("sh"), config,
                                                m_scratch->filePath(QStringLiteral("errors.txt"))});
    if (!m_process.waitForStarted(10000)) {
        m_error = QStringLiteral("vsftpd did not start");
        return false;
    }
    return waitUntilListening();
}

// vsftpd says nothing when it is ready: it is ready when it takes a connection.
bool TestServer::waitUntilListening()
{
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        if (m_process.state() == QProcess::NotRunning
            || QFileInfo(m_scratch->filePath(QStringLiteral("errors.txt"))).size() > 0)
            break;
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_port);
        if (probe.waitForConnected(1000))
            return true;
        QTest::qWait(50);
    }
    QFile errors(m_scratch->filePath(QStringLiteral("errors.txt")));
    errors.open(QIODevice::ReadOnly);
    m_error = QStringLiteral("vsftpd is not listening: ") + QString::fromUtf8(errors.readAll());
    return false;
}
