// What a hex dump shows: a block of bytes it does not own, which may have holes (bytes that
// cannot be read show as "??"), and the address to print for each of its bytes.
#pragma once

#include "resexplorer/core/bytespan.h"

#include <cstdint>

namespace resexplorer {

class ByteBlock {
public:
    virtual ~ByteBlock() = default;
    /// False when byte \a index cannot be read.
    virtual bool byteAt(std::uint64_t index, std::uint8_t &value) const = 0;
    /// The address shown for byte \a index.
    virtual std::uint64_t addressOf(std::uint64_t index) const = 0;
};

/// The bytes of a resource in the mapped file, addressed by their file offset.
class SpanBlock : public ByteBlock {
public:
    explicit SpanBlock(const ByteSpan &span) : m_span(span) {}

    bool byteAt(std::uint64_t index, std::uint8_t &value) const override
    {
        if (!m_span.contains(index, 1))
            return false;
        value = m_span.u8(index);
        return true;
    }
    std::uint64_t addressOf(std::uint64_t index) const override { return m_span.origin() + index; }

private:
    ByteSpan m_span;
};

} // namespace resexplorer
