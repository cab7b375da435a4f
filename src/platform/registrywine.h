// The registry of a Wine prefix, offered read-only: its system.reg holds HKEY_LOCAL_MACHINE
// and its user.reg the Wine user's HKEY_CURRENT_USER. Nothing here ever writes to them.
#pragma once

#include "platform/registrykey.h"
#include "platform/registryreader.h"

#include <QString>

#include <optional>

namespace platform {

enum class WineHive {
    Machine, ///< system.reg, HKEY_LOCAL_MACHINE
    User,    ///< user.reg, HKEY_CURRENT_USER
};

/// $WINEPREFIX when set, else ~/.wine (whether or not it exists).
QString winePrefixPath();

/// The file of \a hive in the prefix.
QString wineHivePath(WineHive hive);

/// The root key name of \a hive ("HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER").
QString wineHiveRootName(WineHive hive);

/// The tree of \a hive, or nothing when its file is missing or cannot be read. Lines that
/// cannot be read are left out and counted in \a report.
std::optional<RegistryKey> readWineHive(WineHive hive, RegistryReadReport *report = nullptr);

} // namespace platform
