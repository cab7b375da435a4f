// Output of the LZW encoder: codes packed least significant bit first into bytes, the bytes
// grouped into data sub-blocks of at most 255.
#pragma once

#include "images/core/bytebuffer.h"

#include <cstdint>

namespace images {

class TEncodedBytes {
public:
    void write(int code, int width);
    /// Writes the bits left as a last byte padded with zero bits.
    void flush();
    TByteBuffer &output() { return m_output; }

private:
    std::uint32_t m_bits = 0;
    int m_count = 0;
    TByteBuffer m_output;
};

} // namespace images
