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

    std::uint8_t u8();
    std::uint16_t u16le();
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
