// The defaults that depend on the machine: the home folder and its volume.
#include "settings/settingskeys.h"

#include "platform/volumes.h"

#include <QDir>

namespace settings {

QString defaultFolder()
{
    return QDir::homePath();
}

QString defaultDrive()
{
    return platform::volumeRootOf(QDir::homePath(), platform::mountedVolumes());
}

QString history::key(int number)
{
    return QLatin1String(KeyPrefix) + QString::number(number);
}

} // namespace settings
