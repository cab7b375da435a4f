#include "platform/singleinstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

namespace platform {

namespace {

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

bool SingleInstance::acquire()
{
    m_lock.setStaleLockTime(0);
    if (!m_lock.tryLock(0)) {
        announceToRunningInstance();
        return false;
    }
    // Only the lock owner may clear a server name left behind by a crashed instance.
    QLocalServer::removeServer(m_serverName);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->listen(m_serverName);
    // The announcement of a later start is read and dropped: the running instance does not react.
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this] {
        while (QLocalSocket *peer = m_server->nextPendingConnection()) {
            QObject::connect(peer, &QLocalSocket::readyRead, peer, [peer] { peer->readAll(); });
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
    return true;
}

void SingleInstance::announceToRunningInstance()
{
    // The first instance may still be starting: retry for a short while, then give up quietly.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1500) {
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(200)) {
            socket.write(m_name.toUtf8());
            socket.waitForBytesWritten(200);
            socket.disconnectFromServer();
            return;
        }
        QThread::msleep(100);
    }
}

} // namespace platform
