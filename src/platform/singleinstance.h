// The per-user rule that only one Vorlane runs at a time.
#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

class QLocalServer;

namespace platform {

/// Holds the per-user lock named \a name for the life of the object. The first process gets it
/// and listens for later starts; a later process announces itself to the first (which ignores the
/// message) and must then end.
class SingleInstance {
public:
    explicit SingleInstance(const QString &name);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    /// True when this process is the only instance. Otherwise the running one has been told.
    bool acquire();

private:
    void announceToRunningInstance();

    QString m_name;
    QString m_serverName;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace platform
