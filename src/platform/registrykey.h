// A key of the registry-style store: named subkeys and named values, names compared without
// regard to case and kept in the case they were first written in.
#pragma once

#include "platform/registryvalue.h"

#include <QString>
#include <QStringList>

#include <map>
#include <memory>

namespace platform {

class RegistryKey {
public:
    explicit RegistryKey(const QString &name = QString());
    RegistryKey(RegistryKey &&) = default;
    RegistryKey &operator=(RegistryKey &&) = default;
    RegistryKey(const RegistryKey &) = delete;
    RegistryKey &operator=(const RegistryKey &) = delete;

    /// Whether \a name can name a subkey: not empty, no "\", no control character.
    static bool isValidKeyName(const QString &name);
    /// Whether \a name can name a value: any text without control characters ("" is the
    /// unnamed default value).
    static bool isValidValueName(const QString &name);

    const QString &name() const { return m_name; }

    /// Subkey names in the order the registry lists them (without regard to case).
    QStringList subkeyNames() const;
    const RegistryKey *subkey(const QString &name) const;
    RegistryKey *subkey(const QString &name);
    /// The subkey \a name, created when missing; nullptr for a name no key may have.
    RegistryKey *createSubkey(const QString &name);
    /// Removes the subkey \a name with everything below it. False when there was none.
    bool removeSubkey(const QString &name);

    /// The key at \a path below this one ("A\B\C"; "" or "\" is this key); nullptr when missing.
    const RegistryKey *findKey(const QString &path) const;
    RegistryKey *findKey(const QString &path);
    /// The key at \a path, created with its missing parents; nullptr for an invalid path.
    RegistryKey *createKey(const QString &path);
    /// Removes the key at \a path with everything below it. False when there was none.
    bool removeKey(const QString &path);

    /// Value names in the order the registry lists them (without regard to case).
    QStringList valueNames() const;
    qsizetype subkeyCount() const { return qsizetype(m_subkeys.size()); }
    qsizetype valueCount() const { return qsizetype(m_values.size()); }
    const RegistryValue *value(const QString &name) const;
    /// Sets the value \a name; an existing value keeps the case of its name. False for a name
    /// no value may have.
    bool setValue(const QString &name, const RegistryValue &value);
    bool removeValue(const QString &name);

private:
    struct NamedValue {
        QString name;
        RegistryValue value;
    };

    static QString fold(const QString &name) { return name.toCaseFolded(); }
    static QStringList pathComponents(const QString &path, bool *valid);

    QString m_name;
    std::map<QString, std::unique_ptr<RegistryKey>> m_subkeys; // by folded name
    std::map<QString, NamedValue> m_values;                   // by folded name
};

} // namespace platform
