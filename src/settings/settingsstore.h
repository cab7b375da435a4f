// The program's settings: sections of named values under
// HKEY_CURRENT_USER\SOFTWARE\KESTRALUNE\VORLANE of the user's hive, each section a subkey and
// each value a string. Nothing is cached: every read opens the store file and every write
// rewrites it, so two windows (or two programs) always see each other's last save.
#pragma once

#include "platform/registrystore.h"
#include "settings/settingsbatch.h"
#include "settings/settingskeys.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace settings {

class SettingsStore {
public:
    /// The program's key below HKEY_CURRENT_USER.
    static constexpr char ProgramKey[] = "SOFTWARE\\KESTRALUNE\\VORLANE";

    /// The settings in the user's hive (platform::RegistryStore::userHivePath()).
    SettingsStore();
    /// The settings in the hive file \a hivePath.
    explicit SettingsStore(const QString &hivePath);

    /// A missing value, or one that is not a string, gives \a defaultValue.
    QString readString(const QString &section, const QString &key,
                       const QString &defaultValue) const;
    /// A missing value, or one that is not signed decimal text within the range of int,
    /// gives \a defaultValue.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    /// An integer as readInteger() reads it, non-zero meaning true.
    bool readBoolean(const QString &section, const QString &key, bool defaultValue) const;
    /// Every value of \a section as a "name=value" line; empty for a missing section.
    QStringList readSection(const QString &section) const;

    QString read(const settings::StringKey &key) const;
    int read(const settings::IntegerKey &key) const;
    bool read(const settings::BooleanKey &key) const;
    QString read(const settings::FolderKey &key) const;
    QString read(const settings::DriveKey &key) const;

    /// Each write is saved at once. False (see errorString()) when the store could not be
    /// written or a name cannot be stored; the store is then as it was.
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeBoolean(const QString &section, const QString &key, bool value);
    bool eraseSection(const QString &section);

    bool write(const settings::StringKey &key, const QString &text) { return writeOne(key, text); }
    bool write(const settings::IntegerKey &key, int value) { return writeOne(key, value); }
    bool write(const settings::BooleanKey &key, bool value) { return writeOne(key, value); }
    bool write(const settings::FolderKey &key, const QString &path) { return writeOne(key, path); }
    bool write(const settings::DriveKey &key, const QString &root) { return writeOne(key, root); }

    /// Saves all the changes of \a batch in one rewrite of the store.
    bool apply(const SettingsBatch &batch);

    QString errorString() const { return m_error; }
    /// The hive file the settings are kept in.
    const QString &hivePath() const { return m_hive.path(); }

private:
    template <typename Key, typename Value>
    bool writeOne(const Key &key, const Value &value)
    {
        SettingsBatch batch;
        batch.write(key, value);
        return apply(batch);
    }
    std::optional<platform::RegistryValue> readValue(const QString &section,
                                                     const QString &key) const;
    std::optional<int> readNumber(const QString &section, const QString &key) const;

    platform::RegistryStore m_hive;
    QString m_error;
};

} // namespace settings
