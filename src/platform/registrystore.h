// The registry-style store kept in a file: one hive (a root key such as HKEY_CURRENT_USER and
// everything below it) saved as a REGEDIT4 export. Each change re-reads the file under a lock
// file, applies itself to what is there now and replaces the file through a temporary file
// renamed over it, so concurrent writers lose nothing and a crash never leaves half a file.
#pragma once

#include "platform/registrykey.h"
#include "platform/registryreader.h"

#include <QString>

#include <functional>

namespace platform {

class RegistryStore {
public:
    /// The store kept in the file \a path, whose tree is the root key named \a rootName.
    RegistryStore(const QString &path, const QString &rootName);

    /// The file of the user's own hive, HKEY_CURRENT_USER: $XDG_CONFIG_HOME/vorlane/user.reg
    /// (~/.config/vorlane/user.reg when the variable is unset).
    static QString userHivePath();
    /// The user's own hive at userHivePath().
    static RegistryStore userHive();

    const QString &path() const { return m_path; }
    const QString &rootName() const { return m_rootName; }

    /// The tree as the file holds it now; a missing file is an empty hive. Lines that cannot be
    /// read are left out and counted in \a report.
    RegistryKey read(RegistryReadReport *report = nullptr) const;

    /// Lets \a change modify the tree as the file holds it now and writes the result back.
    /// A damaged file is first kept beside the new one under a name not yet taken
    /// ("user.reg.damaged", "user.reg.damaged.2", ...). False, with errorString(), when the
    /// lock could not be had in time or the file could not be written: it is then as it was.
    bool update(const std::function<void(RegistryKey &root)> &change);

    QString errorString() const { return m_error; }

private:
    QString fileToWrite() const;
    bool writeTemporary(const QString &temporary, const QByteArray &bytes);
    bool keepDamaged(const QString &file);

    QString m_path;
    QString m_rootName;
    QString m_error;
};

} // namespace platform
