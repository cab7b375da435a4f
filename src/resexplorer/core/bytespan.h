// The only way the resource reader looks at file bytes: a bounds-checked window on the mapped
// file. Every read names an offset and a length inside the span; anything outside raises
// EExeError instead of touching memory. Ranges are checked by subtraction so that no offset,
// however large, can wrap around. Values are read little-endian, byte by byte.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace resexplorer {

class ByteSpan {
public:
    ByteSpan() = default;
    /// \a origin is the file offset of the first byte, kept for display.
    ByteSpan(const unsigned char *data, std::uint64_t size, std::uint64_t origin = 0)
        : m_data(data), m_size(size), m_origin(origin) {}

    std::uint64_t size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    std::uint64_t origin() const { return m_origin; }

    bool contains(std::uint64_t offset, std::uint64_t length) const
    {
        return offset <= m_size && length <= m_size - offset;
    }

    /// The \a length bytes at \a offset; raises EExeError when they are not all inside.
    ByteSpan sub(std::uint64_t offset, std::uint64_t length) const;
    /// Everything from \a offset to the end.
    ByteSpan from(std::uint64_t offset) const;

    std::uint8_t u8(std::uint64_t offset) const;
    std::uint16_t u16(std::uint64_t offset) const;
    std::uint32_t u32(std::uint64_t offset) const;
    /// \a count UTF-16 code units at \a offset (no alignment needed).
    QString utf16(std::uint64_t offset, std::uint64_t count) const;
    /// Whether the span starts with \a prefix.
    bool startsWith(const QByteArray &prefix) const;

    /// A copy of the bytes.
    QByteArray toByteArray() const;
    /// The bytes without a copy; valid while the mapped file is.
    QByteArray rawView() const;

private:
    const unsigned char *at(std::uint64_t offset, std::uint64_t length) const;

    const unsigned char *m_data = nullptr;
    std::uint64_t m_size = 0;
    std::uint64_t m_origin = 0;
};

} // namespace resexplorer
