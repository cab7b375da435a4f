// Locating and reading the hive files of the Wine prefix.
#include "platform/registrywine.h"

#include <QDir>

namespace platform {

QString winePrefixPath()
{
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return prefix.isEmpty() ? QDir::homePath() + QStringLiteral("/.wine") : prefix;
}

QString wineHivePath(WineHive hive)
{
    return winePrefixPath()
        + (hive == WineHive::Machine ? QStringLiteral("/system.reg") : QStringLiteral("/user.reg"));
}

QString wineHiveRootName(WineHive hive)
{
    return hive == WineHive::Machine ? QStringLiteral("HKEY_LOCAL_MACHINE")
                                     : QStringLiteral("HKEY_CURRENT_USER");
}

std::optional<RegistryKey> readWineHive(WineHive hive, RegistryReadReport *report)
{
    RegistryKey root(wineHiveRootName(hive));
    const RegistryReadReport result = readRegistryFile(wineHivePath(hive), root.name(), root);
    if (report)
        *report = result;
    if (result.missing || result.unreadable)
        return std::nullopt;
    return root;
}

} // namespace platform
