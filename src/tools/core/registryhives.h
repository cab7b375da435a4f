// Where each root key of the registry browser takes its keys from. HKEY_CURRENT_USER is the
// program's own store; HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT (its Software\Classes) and
// HKEY_USERS come from the hive files of the Wine prefix when there is one. Every file is only
// ever read.
#pragma once

#include "platform/registrykey.h"

#include <QString>
#include <QStringList>

namespace tools {

/// The root keys the browser offers, in the order of its root box.
enum class RegistryRoot {
    ClassesRoot,
    CurrentUser,
    LocalMachine,
    Users,
    CurrentConfig,
    DynData,
};

struct RegistryRootInfo {
    RegistryRoot root;
    const char *name; ///< "HKEY_CLASSES_ROOT"
    quint32 handle;   ///< the Windows handle number, 0x80000000 for HKEY_CLASSES_ROOT
};

/// The six root keys, in the order of the browser's root box.
const QList<RegistryRootInfo> &registryRoots();

class RegistryHives {
public:
    /// The program's own store in the hive file \a userHivePath, and the Wine prefix in the
    /// folder \a winePrefix.
    RegistryHives(const QString &userHivePath, const QString &winePrefix);

    /// The tree of \a root as its files hold it now; an empty key when no file holds it.
    /// \a problems receives a line for each file that exists but could not be read at all.
    platform::RegistryKey read(RegistryRoot root, QStringList *problems = nullptr) const;

private:
    platform::RegistryKey readUsers(QStringList *problems) const;
    void readWineFile(const QString &name, platform::RegistryKey &into, QStringList *problems,
                      QString *relativeTo = nullptr) const;

    QString m_userHivePath;
    QString m_winePrefix;
};

} // namespace tools
