// The data sub-blocks of a GIF image or extension: a list of byte strings of 1 to 255 bytes.
// Appending a byte starts a new string once the current one is full; reading hands out the bytes
// of all strings in order and raises the list's index error past the last one. The strings are
// kept end to end with their lengths beside them, so thousands of tiny blocks cost little.
#pragma once

#include "images/core/imageerrors.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace images {

class TByteBuffer {
public:
    static constexpr int MaxBlock = 255;

    /// Number of strings.
    int count() const { return static_cast<int>(m_lengths.size()); }
    /// String \a index (from 0); raises EListError outside.
    QByteArray block(int index) const;
    std::size_t totalBytes() const { return m_bytes.size(); }

    /// Adds a whole string of 1 to 255 bytes.
    void appendBlock(const std::uint8_t *data, std::size_t size);
    /// Adds one byte to the current string, starting a new one when it is full.
    void appendByte(std::uint8_t value);
    void clear();

    /// Byte \a index of all strings end to end; raises EListError past the last one.
    std::uint8_t byteAt(std::size_t index) const
    {
        if (index >= m_bytes.size())
            throw EListError(count());
        return m_bytes[index];
    }

private:
    std::vector<std::uint8_t> m_bytes;
    std::vector<std::uint8_t> m_lengths;
    std::vector<std::size_t> m_starts;
};

} // namespace images

namespace images {

class ByteReader;

/// Reads data sub-blocks (a length byte and that many bytes) up to a zero length into \a out.
void readSubBlocks(ByteReader &reader, TByteBuffer &out);

} // namespace images
