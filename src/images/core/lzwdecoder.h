// Decodes the LZW data of one GIF image into its pixel matrix, row by row, in the order of the
// interlace passes when the image is interlaced. Tables and the pixel stack are fixed-size
// working storage; only the row buffer depends on the image.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace images {

class TByteArray2D;
class TByteBuffer;

class LzwDecoder {
public:
    static constexpr int TableSize = 4096;

    /// Decodes \a data with minimum code size \a codeSize into \a matrix; \a rowDone runs after
    /// each decoded row, before the row is stored. Data that ends before the end code leaves the
    /// rows it does not reach as they were. Raises the GIF errors of a damaged stream.
    void decode(const TByteBuffer &data, int codeSize, bool interlaced, TByteArray2D &matrix,
                const std::function<void()> &rowDone);

private:
    std::array<std::uint16_t, TableSize> m_prefix{};
    std::array<std::uint8_t, TableSize> m_suffix{};
    std::array<std::uint8_t, TableSize> m_stack{};
};

} // namespace images
