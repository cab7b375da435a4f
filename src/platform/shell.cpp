#include "platform/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace platform {

bool shellOpen(const QString &file)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

bool shellExecute(const QString &file, const QString &folder)
{
    const QFileInfo info(file);
    if (info.isFile() && info.isExecutable())
        return QProcess::startDetached(info.absoluteFilePath(), {}, folder);
    return shellOpen(file);
}

} // namespace platform
