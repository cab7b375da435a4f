// Recording and applying a batch of settings changes.
#include "settings/settingsbatch.h"

#include "platform/registrykey.h"

namespace settings {

bool SettingsBatch::isValidSection(const QString &section)
{
    const QStringList parts = section.split('\\', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return false;
    for (const QString &part : parts) {
        if (!platform::RegistryKey::isValidKeyName(part))
            return false;
    }
    return true;
}

void SettingsBatch::writeString(const QString &section, const QString &key, const QString &value)
{
    if (!isValidSection(section) || !platform::RegistryKey::isValidValueName(key))
        m_valid = false;
    m_changes.append({section, key, value});
}

// Integers are kept as signed decimal text, like every other setting.
void SettingsBatch::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void SettingsBatch::writeBoolean(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsBatch::eraseSection(const QString &section)
{
    if (!isValidSection(section))
        m_valid = false;
    m_changes.append({section, QString(), QString(), true});
}

void SettingsBatch::write(const settings::StringKey &key, const QString &value)
{
    writeString(QLatin1String(key.section), QLatin1String(key.name), value);
}

void SettingsBatch::write(const settings::IntegerKey &key, int value)
{
    writeInteger(QLatin1String(key.section), QLatin1String(key.name), value);
}

void SettingsBatch::write(const settings::BooleanKey &key, bool value)
{
    writeBoolean(QLatin1String(key.section), QLatin1String(key.name), value);
}

void SettingsBatch::write(const settings::FolderKey &key, const QString &folder)
{
    writeString(QLatin1String(key.section), QLatin1String(key.name), folder);
}

void SettingsBatch::write(const settings::DriveKey &key, const QString &volumeRoot)
{
    writeString(QLatin1String(key.section), QLatin1String(key.name), volumeRoot);
}

void SettingsBatch::applyTo(platform::RegistryKey &program) const
{
    for (const Change &change : m_changes) {
        if (change.erase) {
            program.removeKey(change.section);
        } else if (platform::RegistryKey *section = program.createKey(change.section)) {
            section->setValue(change.key, platform::RegistryValue::string(change.value));
        }
    }
}

} // namespace settings
