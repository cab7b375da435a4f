// One typed value of the registry-style store: the value types the program and the registry
// browser know, plus the raw bytes of any other type found in a hive file.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

/// The Windows value type numbers. Types not listed here keep their number and raw bytes.
enum class RegistryType : quint32 {
    None = 0,
    String = 1,       ///< REG_SZ
    ExpandString = 2, ///< REG_EXPAND_SZ, kept unexpanded
    Binary = 3,       ///< REG_BINARY
    DWord = 4,        ///< REG_DWORD
    MultiString = 7,  ///< REG_MULTI_SZ
};

class RegistryValue {
public:
    RegistryValue() = default;

    static RegistryValue string(const QString &text);
    static RegistryValue expandString(const QString &text);
    /// Empty strings are left out: the type ends its list at the first empty string.
    static RegistryValue multiString(const QStringList &strings);
    static RegistryValue dword(quint32 number);
    static RegistryValue binary(const QByteArray &bytes);
    /// A value of a type other than the string and number ones, kept as its bytes (the hive
    /// reader decodes the string and number types itself and never passes them here).
    static RegistryValue raw(quint32 type, const QByteArray &bytes);

    RegistryType type() const { return m_type; }
    quint32 typeNumber() const { return static_cast<quint32>(m_type); }
    /// REG_SZ or REG_EXPAND_SZ.
    bool isText() const
    {
        return m_type == RegistryType::String || m_type == RegistryType::ExpandString;
    }

    /// The text of a REG_SZ or REG_EXPAND_SZ value (it may hold zero characters); empty otherwise.
    QString text() const { return isText() ? m_text : QString(); }
    /// The strings of a REG_MULTI_SZ value; empty otherwise.
    QStringList strings() const
    {
        return m_type == RegistryType::MultiString ? m_strings : QStringList();
    }
    /// The number of a REG_DWORD value; 0 otherwise.
    quint32 number() const { return m_type == RegistryType::DWord ? m_number : 0; }
    /// The bytes of a REG_BINARY value or of a value of any type not listed in RegistryType.
    QByteArray bytes() const { return m_bytes; }

    bool operator==(const RegistryValue &other) const = default;

private:
    RegistryType m_type = RegistryType::String;
    QString m_text;
    QStringList m_strings;
    quint32 m_number = 0;
    QByteArray m_bytes;
};

} // namespace platform
