// The one reader of binary picture data: every read checks the bytes left, numbers are read
// little-endian explicitly, and running past the end raises the "unexpected end" file error.
#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace images {

class ByteReader {
public:
    ByteReader(const char *data, std::size_t size)
        : m_data(reinterpret_cast<const std::uint8_t *>(data)), m_size(size) {}
    explicit ByteReader(const QByteArray &bytes)
        : ByteReader(bytes.constData(), static_cast<std::size_t>(bytes.size())) {}

    /// Bytes in the whole data, and the offset of the next read.
    std::size_t size() const { return m_size; }
    std::size_t position() const { return m_pos; }
    /// Whether \a length bytes from \a offset lie inside the data.
    bool contains(std::size_t offset, std::size_t length) const
    {
        return offset <= m_size && length <= m_size - offset;
    }
    /// Moves to \a offset (at most the size).
    void seek(std::size_t offset);
    /// A reader of the \a length bytes at \a offset, which must lie inside.
    ByteReader window(std::size_t offset, std::size_t length) const;

    std::uint8_t u8();
    std::uint16_t u16le();
    std::uint32_t u32le();
    std::uint32_t u32be();
    /// The next \a count bytes, copied.
    QByteArray bytes(std::size_t count);
    /// Copies the next \a count bytes into \a out.
    void read(std::uint8_t *out, std::size_t count);
    /// A view of the next \a count bytes, valid as long as the data.
    const std::uint8_t *take(std::size_t count);

private:
    void require(std::size_t count) const;

    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

} // namespace images
