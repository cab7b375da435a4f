// The per-user rule that only one Vorlane runs at a time.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

namespace platform {

/// Holds the per-user lock named \a name for the life of the object. The first process gets it
/// and listens for later starts; a later process announces itself to the first and must then end.
/// A later start without a folder changes nothing in the first; one with a folder hands it over.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &name);
    ~SingleInstance() override;

    /// True when this process is the only instance. Otherwise the running one has been told,
    /// with \a folder when it is not empty.
    bool acquire(const QString &folder = QString());

signals:
    /// A later start asked for a search in \a folder.
    void folderRequested(const QString &folder);

private:
    void announceToRunningInstance(const QString &folder);
    void readAnnouncement(const QByteArray &message);

    QString m_name;
    QString m_serverName;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace platform
