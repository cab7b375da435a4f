// LZW encoder string table.
#include "images/core/codetable.h"

namespace images {

TCodeTable::TCodeTable(int codeSize)
    : m_codeSize(codeSize)
{
    reset();
}

void TCodeTable::reset()
{
    m_width = m_codeSize + 1;
    m_full = false;
    m_firstFree = clearCode() + 2;
    m_nextFree = m_firstFree;
    m_index.fill(-1);
}

std::size_t TCodeTable::slot(int prefix, std::uint8_t suffix)
{
    const std::uint32_t key = (std::uint32_t(prefix) << 8) | suffix;
    return (key * 2654435761u) >> (32 - 13);
}

void TCodeTable::add(int prefix, std::uint8_t suffix)
{
    if (m_nextFree >= Size)
        return;
    const int code = m_nextFree++;
    m_prefix[static_cast<std::size_t>(code)] = static_cast<std::uint16_t>(prefix);
    m_suffix[static_cast<std::size_t>(code)] = suffix;
    std::size_t at = slot(prefix, suffix);
    while (m_index[at] >= 0)
        at = (at + 1) % IndexSize;
    m_index[at] = static_cast<std::int16_t>(code);

    if (m_nextFree == Size)
        m_full = true;
    else if (m_nextFree > (1 << m_width))
        ++m_width;
}

int TCodeTable::find(int prefix, std::uint8_t suffix) const
{
    for (std::size_t at = slot(prefix, suffix); m_index[at] >= 0; at = (at + 1) % IndexSize) {
        const auto code = static_cast<std::size_t>(m_index[at]);
        if (m_prefix[code] == prefix && m_suffix[code] == suffix)
            return static_cast<int>(code);
    }
    return -1;
}

} // namespace images
