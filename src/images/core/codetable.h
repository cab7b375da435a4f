// The string table of the LZW encoder: prefix code and suffix pixel of every entry, the current
// code width, the first and next free codes and the full flag. A hash index beside the entries
// finds a (prefix, suffix) pair at once; entries never repeat, so it finds exactly what a linear
// search of the free codes would.
#pragma once

#include <array>
#include <cstdint>

namespace images {

class TCodeTable {
public:
    static constexpr int Size = 4096;

    explicit TCodeTable(int codeSize);

    /// Code width back to code size + 1, no entries, not full.
    void reset();
    /// Adds (\a prefix, \a suffix) at the next free code and widens the codes as needed.
    void add(int prefix, std::uint8_t suffix);
    /// The code of (\a prefix, \a suffix), or -1.
    int find(int prefix, std::uint8_t suffix) const;

    int width() const { return m_width; }
    bool full() const { return m_full; }
    int clearCode() const { return 1 << m_codeSize; }
    int endCode() const { return clearCode() + 1; }

private:
    static constexpr int IndexSize = 8192;
    static std::size_t slot(int prefix, std::uint8_t suffix);

    int m_codeSize;
    int m_width = 0;
    bool m_full = false;
    int m_firstFree = 0;
    int m_nextFree = 0;
    std::array<std::uint16_t, Size> m_prefix{};
    std::array<std::uint16_t, Size> m_suffix{};
    std::array<std::int16_t, IndexSize> m_index{};
};

} // namespace images
