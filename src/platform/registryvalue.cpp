// Factories of the typed values of the registry-style store.
#include "platform/registryvalue.h"

namespace platform {

RegistryValue RegistryValue::string(const QString &text)
{
    RegistryValue v;
    v.m_type = RegistryType::String;
    v.m_text = text;
    return v;
}

RegistryValue RegistryValue::expandString(const QString &text)
{
    RegistryValue v;
    v.m_type = RegistryType::ExpandString;
    v.m_text = text;
    return v;
}

RegistryValue RegistryValue::multiString(const QStringList &strings)
{
    RegistryValue v;
    v.m_type = RegistryType::MultiString;
    for (const QString &s : strings) {
        if (!s.isEmpty())
            v.m_strings.append(s);
    }
    return v;
}

RegistryValue RegistryValue::dword(quint32 number)
{
    RegistryValue v;
    v.m_type = RegistryType::DWord;
    v.m_number = number;
    return v;
}

RegistryValue RegistryValue::binary(const QByteArray &bytes)
{
    return raw(static_cast<quint32>(RegistryType::Binary), bytes);
}

RegistryValue RegistryValue::raw(quint32 type, const QByteArray &bytes)
{
    Q_ASSERT(type != 1 && type != 2 && type != 4 && type != 7);
    RegistryValue v;
    v.m_type = static_cast<RegistryType>(type);
    v.m_bytes = bytes;
    return v;
}

} // namespace platform
