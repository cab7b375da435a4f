#include "platform/singleinstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <memory>

#include <unistd.h>

namespace platform {

namespace {

// Enough for any path; a longer message is not an announcement.
constexpr qsizetype MaxAnnouncement = 64 * 1024;

// Per-user names use the uid: $USER may be unset.
QString lockDirectory()
{
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !QDir(dir).exists())
        dir = QDir::tempPath();
    return dir;
}

} // namespace

SingleInstance::SingleInstance(const QString &name)
    : m_name(name),
      m_serverName(QStringLiteral("%1-%2").arg(name).arg(getuid())),
      m_lock(QStringLiteral("%1/%2-%3.lock").arg(lockDirectory(), name).arg(getuid()))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire(const QString &folder)
{
    m_lock.setStaleLockTime(0);
    if (!m_lock.tryLock(0)) {
        announceToRunningInstance(folder);
        return false;
    }
    // Only the lock owner may clear a server name left behind by a crashed instance.
    QLocalServer::removeServer(m_serverName);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->listen(m_serverName);
    // An announcement is whole when its sender hangs up; it may arrive in several pieces.
    connect(m_server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *peer = m_server->nextPendingConnection()) {
            auto message = std::make_shared<QByteArray>();
            connect(peer, &QLocalSocket::readyRead, peer, [peer, message] {
                // A peer that talks without end is not a start of this program.
                if (message->size() < MaxAnnouncement)
                    message->append(peer->readAll());
                else
                    peer->abort();
            });
            connect(peer, &QLocalSocket::disconnected, this, [this, peer, message] {
                message->append(peer->readAll());
                peer->deleteLater();
                readAnnouncement(*message);
            });
        }
    });
    return true;
}

void SingleInstance::readAnnouncement(const QByteArray &message)
{
    // "name" alone, or "name" LF folder: only an absolute folder that exists is acted on.
    const qsizetype end = message.indexOf('\n');
    if (end < 0 || message.left(end) != m_name.toUtf8())
        return;
    const QString folder = QString::fromUtf8(message.mid(end + 1));
    if (QDir::isAbsolutePath(folder) && QFileInfo(folder).isDir())
        emit folderRequested(folder);
}

void SingleInstance::announceToRunningInstance(const QString &folder)
{
    QByteArray message = m_name.toUtf8();
    if (!folder.isEmpty())
        message += '\n' + folder.toUtf8();
    // The first instance may still be starting: retry for a short while, then give up quietly.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1500) {
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(200)) {
            socket.write(message);
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            if (socket.state() != QLocalSocket::UnconnectedState)
                socket.waitForDisconnected(1000);
            return;
        }
        QThread::msleep(100);
    }
}

} // namespace platform
