// Reading and writing the program's settings in the user's hive.
#include "settings/settingsstore.h"

namespace settings {

namespace {

QString sectionPath(const QString &section)
{
    return QLatin1String(SettingsStore::ProgramKey) + QLatin1Char('\\') + section;
}

} // namespace

SettingsStore::SettingsStore() : m_hive(platform::RegistryStore::userHive()) {}

SettingsStore::SettingsStore(const QString &hivePath)
    : m_hive(hivePath, QStringLiteral("HKEY_CURRENT_USER"))
{
}

std::optional<platform::RegistryValue> SettingsStore::readValue(const QString &section,
                                                                const QString &key) const
{
    // A blank section would name the program's key itself.
    if (section.split('\\', Qt::SkipEmptyParts).isEmpty())
        return std::nullopt;
    const platform::RegistryKey root = m_hive.read();
    const platform::RegistryKey *found = root.findKey(sectionPath(section));
    if (!found)
        return std::nullopt;
    const platform::RegistryValue *value = found->value(key);
    if (!value)
        return std::nullopt;
    return *value;
}

std::optional<int> SettingsStore::readNumber(const QString &section, const QString &key) const
{
    const std::optional<platform::RegistryValue> value = readValue(section, key);
    if (!value)
        return std::nullopt;
    // A number typed in by hand as a REG_DWORD means what it says.
    if (value->type() == platform::RegistryType::DWord)
        return static_cast<qint32>(value->number());
    if (!value->isText())
        return std::nullopt;
    bool ok = false;
    const int number = value->text().trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return number;
}

QString SettingsStore::readString(const QString &section, const QString &key,
                                  const QString &defaultValue) const
{
    const std::optional<platform::RegistryValue> value = readValue(section, key);
    return value && value->isText() ? value->text() : defaultValue;
}

int SettingsStore::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    return readNumber(section, key).value_or(defaultValue);
}

bool SettingsStore::readBoolean(const QString &section, const QString &key,
                                bool defaultValue) const
{
    const std::optional<int> number = readNumber(section, key);
    return number ? *number != 0 : defaultValue;
}

QStringList SettingsStore::readSection(const QString &section) const
{
    QStringList lines;
    if (section.split('\\', Qt::SkipEmptyParts).isEmpty())
        return lines;
    const platform::RegistryKey root = m_hive.read();
    const platform::RegistryKey *found = root.findKey(sectionPath(section));
    if (!found)
        return lines;
    for (const QString &name : found->valueNames()) {
        const platform::RegistryValue &value = *found->value(name);
        QString text;
        if (value.isText())
            text = value.text();
        else if (value.type() == platform::RegistryType::DWord)
            text = QString::number(static_cast<qint32>(value.number()));
        lines.append(name + QLatin1Char('=') + text);
    }
    return lines;
}

QString SettingsStore::read(const settings::StringKey &key) const
{
    return readString(QLatin1String(key.section), QLatin1String(key.name),
                      QString::fromUtf8(key.defaultValue));
}

int SettingsStore::read(const settings::IntegerKey &key) const
{
    return readInteger(QLatin1String(key.section), QLatin1String(key.name), key.defaultValue);
}

bool SettingsStore::read(const settings::BooleanKey &key) const
{
    return readBoolean(QLatin1String(key.section), QLatin1String(key.name), key.defaultValue);
}

QString SettingsStore::read(const settings::FolderKey &key) const
{
    const std::optional<platform::RegistryValue> value =
        readValue(QLatin1String(key.section), QLatin1String(key.name));
    return value && value->isText() ? value->text() : settings::defaultFolder();
}

QString SettingsStore::read(const settings::DriveKey &key) const
{
    const std::optional<platform::RegistryValue> value =
        readValue(QLatin1String(key.section), QLatin1String(key.name));
    return value && value->isText() ? value->text() : settings::defaultDrive();
}

bool SettingsStore::writeString(const QString &section, const QString &key, const QString &value)
{
    SettingsBatch batch;
    batch.writeString(section, key, value);
    return apply(batch);
}

bool SettingsStore::writeInteger(const QString &section, const QString &key, int value)
{
    SettingsBatch batch;
    batch.writeInteger(section, key, value);
    return apply(batch);
}

bool SettingsStore::writeBoolean(const QString &section, const QString &key, bool value)
{
    SettingsBatch batch;
    batch.writeBoolean(section, key, value);
    return apply(batch);
}

bool SettingsStore::eraseSection(const QString &section)
{
    SettingsBatch batch;
    batch.eraseSection(section);
    return apply(batch);
}

bool SettingsStore::apply(const SettingsBatch &batch)
{
    m_error.clear();
    if (!batch.isValid()) {
        m_error = QStringLiteral("Nom de section ou de clé invalide");
        return false;
    }
    if (batch.isEmpty())
        return true;
    const bool written = m_hive.update([&batch](platform::RegistryKey &root) {
        // Opening the store makes the program's key when it is missing.
        if (platform::RegistryKey *program = root.createKey(QLatin1String(ProgramKey)))
            batch.applyTo(*program);
    });
    if (!written)
        m_error = m_hive.errorString();
    return written;
}

} // namespace settings
