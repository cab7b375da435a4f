#include "resexplorer/core/bytespan.h"

#include "resexplorer/core/exeerror.h"

#include <limits>

namespace resexplorer {

const unsigned char *ByteSpan::at(std::uint64_t offset, std::uint64_t length) const
{
    if (!contains(offset, length))
        throw EExeError(damage::outsideFile());
    return m_data + offset;
}

ByteSpan ByteSpan::sub(std::uint64_t offset, std::uint64_t length) const
{
    return ByteSpan(at(offset, length), length, m_origin + offset);
}

ByteSpan ByteSpan::from(std::uint64_t offset) const
{
    if (offset > m_size)
        throw EExeError(damage::outsideFile());
    return sub(offset, m_size - offset);
}

std::uint8_t ByteSpan::u8(std::uint64_t offset) const
{
    return *at(offset, 1);
}

std::uint16_t ByteSpan::u16(std::uint64_t offset) const
{
    const unsigned char *p = at(offset, 2);
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t ByteSpan::u32(std::uint64_t offset) const
{
    const unsigned char *p = at(offset, 4);
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16)
        | (std::uint32_t(p[3]) << 24);
}

QString ByteSpan::utf16(std::uint64_t offset, std::uint64_t count) const
{
    if (count > m_size / 2)
        throw EExeError(damage::outsideFile());
    const unsigned char *p = at(offset, count * 2);
    QString text(static_cast<qsizetype>(count), Qt::Uninitialized);
    for (std::uint64_t i = 0; i < count; ++i)
        text[static_cast<qsizetype>(i)] = QChar(static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8)));
    return text;
}

bool ByteSpan::startsWith(const QByteArray &prefix) const
{
    const auto length = static_cast<std::uint64_t>(prefix.size());
    return contains(0, length) && rawView().startsWith(prefix);
}

QByteArray ByteSpan::toByteArray() const
{
    return QByteArray(reinterpret_cast<const char *>(m_data), static_cast<qsizetype>(m_size));
}

QByteArray ByteSpan::rawView() const
{
    if (m_size > static_cast<std::uint64_t>(std::numeric_limits<qsizetype>::max()))
        throw EExeError(damage::outsideFile());
    return QByteArray::fromRawData(reinterpret_cast<const char *>(m_data), static_cast<qsizetype>(m_size));
}

} // namespace resexplorer
