// Changes to the settings gathered to be written together: a window's whole save becomes one
// rewrite of the store, so it is either all there or, after a crash, not at all.
#pragma once

#include "settings/settingskeys.h"

#include <QList>
#include <QString>

namespace platform {
class RegistryKey;
}

namespace settings {

class SettingsBatch {
public:
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBoolean(const QString &section, const QString &key, bool value);
    /// Removes the section with all its values (and any key below it).
    void eraseSection(const QString &section);

    void write(const settings::StringKey &key, const QString &value);
    void write(const settings::IntegerKey &key, int value);
    void write(const settings::BooleanKey &key, bool value);
    void write(const settings::FolderKey &key, const QString &folder);
    void write(const settings::DriveKey &key, const QString &volumeRoot);

    bool isEmpty() const { return m_changes.isEmpty(); }
    /// False when a section or key name cannot be stored (empty section, control characters).
    bool isValid() const { return m_valid; }

    /// Makes the changes, in the order they were given, below \a program (the program's key).
    void applyTo(platform::RegistryKey &program) const;

private:
    struct Change {
        QString section;
        QString key;
        QString value;
        bool erase = false;
    };

    static bool isValidSection(const QString &section);

    QList<Change> m_changes;
    bool m_valid = true;
};

} // namespace settings
