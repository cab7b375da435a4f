// Starting and stopping the test servers.
#include "testserver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

const QFile::Permissions readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;

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

// The scratch folder holds a server's configuration and errors; it is open to all, as a server
// that has left root's identity still reads there.
bool TestServer::makeScratch()
{
    m_scratch = std::make_unique<QTemporaryDir>();
    return m_scratch->isValid()
           && QFile::setPermissions(m_scratch->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                           | QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup
                                                           | QFile::ExeGroup);
}

bool TestServer::writeScratch(const QString &name, const QByteArray &content, QFile::Permissions permissions)
{
    QFile file(scratchFile(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return false;
    file.close();
    return file.setPermissions(permissions);
}

bool TestServer::startDaemon(const QString &name, const QString &command, const QString &config, int errorFd)
{
    // The shell around the server stops it when its own standard input closes, so the server
    // never outlives the test either.
    const QString script = QStringLiteral("%1 %2>\"$2\" & server=$!; trap 'kill $server' EXIT; cat >/dev/null")
                               .arg(command)
                               .arg(errorFd);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script, QStringLiteral("sh"), scratchFile(config),
                                                scratchFile(QStringLiteral("errors.txt"))});
    if (!m_process.waitForStarted(10000)) {
        m_error = name + QStringLiteral(" did not start");
        return false;
    }
    return waitUntilListening(name);
}

bool TestServer::startVsftpd(const QString &root)
{
    if (!makeScratch())
        return false;
    const QString empty = scratchFile(QStringLiteral("empty"));
    QDir().mkpath(empty);
    m_port = freePort();
    const QByteArray config =
        QStringLiteral("listen=YES\nlisten_port=%1\nlisten_address=127.0.0.1\nbackground=NO\n"
                       "anonymous_enable=YES\nlocal_enable=NO\nanon_root=%2\nno_anon_password=YES\n"
                       "write_enable=YES\nanon_upload_enable=YES\nanon_mkdir_write_enable=YES\n"
                       "anon_other_write_enable=YES\nanon_umask=022\nascii_download_enable=YES\nascii_upload_enable=YES\nasync_abor_enable=YES\nseccomp_sandbox=NO\n"
                       "secure_chroot_dir=%3\nxferlog_enable=NO\nsyslog_enable=NO\n")
            .arg(m_port)
            .arg(root, empty)
            .toUtf8();
    if (!writeScratch(QStringLiteral("vsftpd.conf"), config, readable))
        return false;
    // vsftpd writes its start-up errors to file descriptor 0.
    return startDaemon(QStringLiteral("vsftpd"), QStringLiteral("/usr/sbin/vsftpd \"$1\""), QStringLiteral("vsftpd.conf"), 0);
}

bool TestServer::startProftpd(const QString &root)
{
    if (!makeScratch())
        return false;
    // alice is whoever runs the tests, so that she reaches the server's root wherever the tests
    // keep it (a private temporary folder); proftpd takes a root log-in only when told so.
    const passwd *account = getpwuid(geteuid());
    const group *team = account ? getgrgid(account->pw_gid) : nullptr;
    if (!account || !team) {
        m_error = QStringLiteral("proftpd: no account to serve as");
        return false;
    }
    // The password "secret", in the SHA-512 form of crypt(3).
    const QByteArray hash = "$6$vorlane$jwPNKxdhYgcHhMyh4oEin5ADNBCRbL1omMzboo6vA20sVZ.gXw/N6XaDYjLtum.m90j89yD39DZLB5z7pGIln0";
    const QByteArray users =
        "alice:" + hash + ':' + QByteArray::number(account->pw_uid) + ':' + QByteArray::number(account->pw_gid) + "::"
        + QFile::encodeName(root) + ":/bin/sh\n";
    const QByteArray groups = QByteArray(team->gr_name) + ":x:" + QByteArray::number(team->gr_gid) + ":\n";
    m_port = freePort();
    const QByteArray config =
        QStringLiteral("ServerType standalone\nServerName \"Vorlane test\"\nDefaultAddress 127.0.0.1\nPort %1\n"
                       "SocketBindTight on\nUseIPv6 off\nUseReverseDNS off\nUser %2\nGroup %3\n"
                       "PidFile %4/proftpd.pid\nScoreboardFile %4/proftpd.scoreboard\nDelayTable none\n"
                       "ControlsEngine off\nWtmpLog off\nSystemLog %4/system.log\nTransferLog none\n"
                       "AuthOrder mod_auth_file.c\nAuthUserFile %4/users\nAuthGroupFile %4/groups\n"
                       "RequireValidShell off\nRootLogin on\nAllowOverwrite on\nUmask 022\n")
            .arg(m_port)
            .arg(QString::fromLocal8Bit(account->pw_name), QString::fromLocal8Bit(team->gr_name), m_scratch->path())
            .toUtf8();
    // proftpd refuses user files that others may read.
    const auto own = QFile::ReadOwner | QFile::WriteOwner;
    if (!writeScratch(QStringLiteral("proftpd.conf"), config, readable) || !writeScratch(QStringLiteral("users"), users, own)
        || !writeScratch(QStringLiteral("groups"), groups, own))
        return false;
    return startDaemon(QStringLiteral("proftpd"), QStringLiteral("/opt/vorlane-test/proftpd/usr/sbin/proftpd --nodaemon --quiet --config \"$1\""),
                       QStringLiteral("proftpd.conf"), 2);
}

// vsftpd and proftpd say nothing when they are ready: they are ready when they take a connection.
bool TestServer::waitUntilListening(const QString &name)
{
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        if (m_process.state() == QProcess::NotRunning || QFileInfo(scratchFile(QStringLiteral("errors.txt"))).size() > 0)
            break;
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_port);
        if (probe.waitForConnected(1000))
            return true;
        QTest::qWait(50);
    }
    QFile errors(scratchFile(QStringLiteral("errors.txt")));
    errors.open(QIODevice::ReadOnly);
    m_error = name + QStringLiteral(" is not listening: ") + QString::fromUtf8(errors.readAll());
    return false;
}
