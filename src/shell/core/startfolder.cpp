#include "shell/core/startfolder.h"

#include <QDir>
#include <QFileInfo>

namespace shell {

QString startFolder(const QStringList &arguments)
{
    if (arguments.size() < 2)
        return QString();
    const QFileInfo folder(arguments.at(1));
    if (!folder.isDir())
        return QString();
    return QDir::cleanPath(folder.absoluteFilePath());
}

} // namespace shell
