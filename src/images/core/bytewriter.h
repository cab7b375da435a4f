// Appends the pieces of a binary picture file to a byte array: little-endian numbers, and for
// GIF files colour tables and data sub-blocks.
#pragma once

#include <QByteArray>

#include <cstdint>

namespace images {

class TByteBuffer;
class TColorTable;

class ByteWriter {
public:
    explicit ByteWriter(QByteArray &out) : m_out(out) {}

    void u8(std::uint8_t value) { m_out.append(static_cast<char>(value)); }
    void u16le(int value)
    {
        u8(static_cast<std::uint8_t>(value & 0xFF));
        u8(static_cast<std::uint8_t>((value >> 8) & 0xFF));
    }
    void u32le(std::uint32_t value)
    {
        u16le(static_cast<int>(value & 0xFFFF));
        u16le(static_cast<int>(value >> 16));
    }
    void bytes(const QByteArray &bytes) { m_out.append(bytes); }
    /// The first \a count entries of \a table, red, green, blue.
    void colorTable(const TColorTable &table, int count);
    /// Each string as a length byte and its bytes, then a zero length.
    void subBlocks(const TByteBuffer &blocks);

private:
    QByteArray &m_out;
};

} // namespace images
