#include "tools/core/registryhives.h"

#include "platform/registryreader.h"
#include "platform/registrystore.h"

namespace tools {

namespace {

// Wine keeps HKEY_CLASSES_ROOT as this key of HKEY_LOCAL_MACHINE.
const QString ClassesKey = QStringLiteral("Software\\Classes");
// Wine's user hives name the key of HKEY_USERS they stand for in their header.
const QString UsersPrefix = QStringLiteral("\\User\\");

} // namespace

const QList<RegistryRootInfo> &registryRoots()
{
    static const QList<RegistryRootInfo> roots{
        {RegistryRoot::ClassesRoot, "HKEY_CLASSES_ROOT", 0x80000000},
        {RegistryRoot::CurrentUser, "HKEY_CURRENT_USER", 0x80000001},
        {RegistryRoot::LocalMachine, "HKEY_LOCAL_MACHINE", 0x80000002},
        {RegistryRoot::Users, "HKEY_USERS", 0x80000003},
        {RegistryRoot::CurrentConfig, "HKEY_CURRENT_CONFIG", 0x80000005},
        {RegistryRoot::DynData, "HKEY_DYN_DATA", 0x80000006},
    };
    return roots;
}

RegistryHives::RegistryHives(const QString &userHivePath, const QString &winePrefix)
    : m_userHivePath(userHivePath), m_winePrefix(winePrefix)
{
}

platform::RegistryKey RegistryHives::read(RegistryRoot root, QStringList *problems) const
{
    switch (root) {
    case RegistryRoot::CurrentUser: {
        platform::RegistryReadReport report;
        platform::RegistryKey tree = platform::RegistryStore(m_userHivePath, QStringLiteral("HKEY_CURRENT_USER")).read(&report);
        if (report.unreadable && problems)
            problems->append(m_userHivePath);
        return tree;
    }
    case RegistryRoot::LocalMachine: {
        platform::RegistryKey machine(QStringLiteral("HKEY_LOCAL_MACHINE"));
        readWineFile(QStringLiteral("system.reg"), machine, problems);
        return machine;
    }
    case RegistryRoot::ClassesRoot: {
        platform::RegistryKey machine(QStringLiteral("HKEY_LOCAL_MACHINE"));
        readWineFile(QStringLiteral("system.reg"), machine, problems);
        platform::RegistryKey classes(QStringLiteral("HKEY_CLASSES_ROOT"));
        // The classes are moved out of the machine's tree, which is dropped; the root's own
        // name is never shown.
        if (platform::RegistryKey *found = machine.findKey(ClassesKey))
            classes = std::move(*found);
        return classes;
    }
    case RegistryRoot::Users:
        return readUsers(problems);
    case RegistryRoot::CurrentConfig:
    case RegistryRoot::DynData:
        break;
    }
    return platform::RegistryKey(QString::fromLatin1(registryRoots().at(int(root)).name));
}

platform::RegistryKey RegistryHives::readUsers(QStringList *problems) const
{
    platform::RegistryKey users(QStringLiteral("HKEY_USERS"));
    for (const QString &file : {QStringLiteral("user.reg"), QStringLiteral("userdef.reg")}) {
        platform::RegistryKey hive;
        QString relativeTo;
        readWineFile(file, hive, problems, &relativeTo);
        // A hive without the header that places it is shown under its file's name.
        QString name = relativeTo.startsWith(UsersPrefix, Qt::CaseInsensitive) ? relativeTo.mid(UsersPrefix.size()) : file;
        if (!platform::RegistryKey::isValidKeyName(name))
            name = file;
        if (hive.subkeyCount() == 0 && hive.valueCount() == 0 && relativeTo.isEmpty())
            continue;
        platform::RegistryKey *place = users.createSubkey(name);
        if (!place)
            continue;
        for (const QString &sub : hive.subkeyNames())
            *place->createSubkey(sub) = std::move(*hive.subkey(sub));
        for (const QString &value : hive.valueNames())
            place->setValue(value, *hive.value(value));
    }
    return users;
}

void RegistryHives::readWineFile(const QString &name, platform::RegistryKey &into, QStringList *problems,
                                 QString *relativeTo) const
{
    const QString path = m_winePrefix + QLatin1Char('/') + name;
    const platform::RegistryReadReport report = platform::readRegistryFile(path, into.name(), into);
    if (report.unreadable && problems)
        problems->append(path);
    if (relativeTo)
        *relativeTo = report.wineRelativeTo;
}

} // namespace tools
