#include "ftpsession.h"

#include <QDir>
#include <QFile>

std::unique_ptr<FtpSession> logInToTestServer(quint16 port, bool anonymous)
{
    auto session = std::make_unique<FtpSession>();
    session->ftp.SetFtpServer(QStringLiteral("127.0.0.1"));
    session->ftp.SetFtpPort(port);
    session->ftp.SetTimeOutConnect(10);
    session->ftp.SetUserName(anonymous ? QStringLiteral("anonymous") : QStringLiteral("alice"));
    session->ftp.SetUserPassword(anonymous ? QStringLiteral("guest") : QStringLiteral("secret"));
    session->ftp.Open();
    if (!session->recorder.waitFor(QStringLiteral("loggedIn")))
        return nullptr;
    return session;
}

bool prepareServerRoot(const QString &root, const QString &pubFolder)
{
    QDir dir(root);
    QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    if (!dir.mkpath(QStringLiteral("pub/") + pubFolder) || !dir.mkpath(QStringLiteral("incoming")))
        return false;
    return QFile::setPermissions(dir.filePath(QStringLiteral("incoming")), QFileDevice::Permissions(0x7777));
}
