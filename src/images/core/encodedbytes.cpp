// Packing LZW codes into bytes.
#include "images/core/encodedbytes.h"

namespace images {

void TEncodedBytes::write(int code, int width)
{
    m_bits |= std::uint32_t(code) << m_count;
    m_count += width;
    while (m_count >= 8) {
        m_output.appendByte(static_cast<std::uint8_t>(m_bits & 0xFF));
        m_bits >>= 8;
        m_count -= 8;
    }
}

void TEncodedBytes::flush()
{
    if (m_count > 0)
        m_output.appendByte(static_cast<std::uint8_t>(m_bits & 0xFF));
    m_bits = 0;
    m_count = 0;
}

} // namespace images
