// Keys of the registry-style store, looked up by case-folded name.
#include "platform/registrykey.h"

namespace platform {

namespace {

bool hasControlCharacter(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return true;
    }
    return false;
}

} // namespace

RegistryKey::RegistryKey(const QString &name) : m_name(name) {}

bool RegistryKey::isValidKeyName(const QString &name)
{
    return !name.isEmpty() && !name.contains('\\') && !hasControlCharacter(name);
}

bool RegistryKey::isValidValueName(const QString &name)
{
    return !hasControlCharacter(name);
}

QStringList RegistryKey::subkeyNames() const
{
    QStringList names;
    names.reserve(qsizetype(m_subkeys.size()));
    for (const auto &[folded, key] : m_subkeys)
        names.append(key->name());
    return names;
}

const RegistryKey *RegistryKey::subkey(const QString &name) const
{
    const auto it = m_subkeys.find(fold(name));
    return it == m_subkeys.end() ? nullptr : it->second.get();
}

RegistryKey *RegistryKey::subkey(const QString &name)
{
    const auto it = m_subkeys.find(fold(name));
    return it == m_subkeys.end() ? nullptr : it->second.get();
}

RegistryKey *RegistryKey::createSubkey(const QString &name)
{
    if (!isValidKeyName(name))
        return nullptr;
    auto &slot = m_subkeys[fold(name)];
    if (!slot)
        slot = std::make_unique<RegistryKey>(name);
    return slot.get();
}

bool RegistryKey::removeSubkey(const QString &name)
{
    return m_subkeys.erase(fold(name)) > 0;
}

QStringList RegistryKey::pathComponents(const QString &path, bool *valid)
{
    QStringList parts = path.split('\\', Qt::SkipEmptyParts);
    *valid = true;
    for (const QString &part : parts) {
        if (!isValidKeyName(part))
            *valid = false;
    }
    return parts;
}

const RegistryKey *RegistryKey::findKey(const QString &path) const
{
    bool valid;
    const RegistryKey *key = this;
    for (const QString &part : pathComponents(path, &valid)) {
        key = key->subkey(part);
        if (!key)
            return nullptr;
    }
    return valid ? key : nullptr;
}

RegistryKey *RegistryKey::findKey(const QString &path)
{
    return const_cast<RegistryKey *>(std::as_const(*this).findKey(path));
}

RegistryKey *RegistryKey::createKey(const QString &path)
{
    bool valid;
    const QStringList parts = pathComponents(path, &valid);
    if (!valid)
        return nullptr;
    RegistryKey *key = this;
    for (const QString &part : parts)
        key = key->createSubkey(part);
    return key;
}

bool RegistryKey::removeKey(const QString &path)
{
    bool valid;
    QStringList parts = pathComponents(path, &valid);
    if (!valid || parts.isEmpty())
        return false;
    const QString last = parts.takeLast();
    RegistryKey *parent = findKey(parts.join('\\'));
    return parent && parent->removeSubkey(last);
}

QStringList RegistryKey::valueNames() const
{
    QStringList names;
    names.reserve(qsizetype(m_values.size()));
    for (const auto &[folded, entry] : m_values)
        names.append(entry.name);
    return names;
}

const RegistryValue *RegistryKey::value(const QString &name) const
{
    const auto it = m_values.find(fold(name));
    return it == m_values.end() ? nullptr : &it->second.value;
}

bool RegistryKey::setValue(const QString &name, const RegistryValue &value)
{
    if (!isValidValueName(name))
        return false;
    const QString folded = fold(name);
    const auto it = m_values.find(folded);
    if (it != m_values.end())
        it->second.value = value;
    else
        m_values.emplace(folded, NamedValue{name, value});
    return true;
}

bool RegistryKey::removeValue(const QString &name)
{
    return m_values.erase(fold(name)) > 0;
}

} // namespace platform
