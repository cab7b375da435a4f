// Bounds-checked reading of picture data.
#include "images/core/bytereader.h"

#include "images/core/imageerrors.h"

#include <cstring>

namespace images {

void ByteReader::require(std::size_t count) const
{
    if (count > m_size - m_pos)
        throw EInOutError::unexpectedEnd();
}

void ByteReader::seek(std::size_t offset)
{
    if (offset > m_size)
        throw EInOutError::unexpectedEnd();
    m_pos = offset;
}

ByteReader ByteReader::window(std::size_t offset, std::size_t length) const
{
    if (!contains(offset, length))
        throw EInOutError::unexpectedEnd();
    return ByteReader(reinterpret_cast<const char *>(m_data + offset), length);
}

std::uint8_t ByteReader::u8()
{
    require(1);
    return m_data[m_pos++];
}

std::uint16_t ByteReader::u16le()
{
    require(2);
    const std::uint16_t value = static_cast<std::uint16_t>(m_data[m_pos] | (m_data[m_pos + 1] << 8));
    m_pos += 2;
    return value;
}

std::uint32_t ByteReader::u32le()
{
    const std::uint8_t *p = take(4);
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16)
        | (std::uint32_t(p[3]) << 24);
}

std::uint32_t ByteReader::u32be()
{
    const std::uint8_t *p = take(4);
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8)
        | std::uint32_t(p[3]);
}

QByteArray ByteReader::bytes(std::size_t count)
{
    const std::uint8_t *start = take(count);
    return QByteArray(reinterpret_cast<const char *>(start), static_cast<qsizetype>(count));
}

void ByteReader::read(std::uint8_t *out, std::size_t count)
{
    const std::uint8_t *start = take(count);
    if (count > 0)
        std::memcpy(out, start, count);
}

const std::uint8_t *ByteReader::take(std::size_t count)
{
    require(count);
    const std::uint8_t *start = m_data + m_pos;
    m_pos += count;
    return start;
}

} // namespace images
