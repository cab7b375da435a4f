// A width-by-height matrix of bytes on one checked array, addressed by column and row from 1:
// element (x, y) is byte x + (y - 1) * width. Whole rows can be read out or stored.
#pragma once

#include "images/core/bigbytearray.h"

#include <cstdint>
#include <vector>

namespace images {

class TByteArray2D {
public:
    /// Raises ENotEnoughMemory when the product is too large.
    TByteArray2D(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }

    std::uint8_t at(int x, int y) const;
    void set(int x, int y, std::uint8_t value);

    /// Row \a y (from 1), \a width bytes; raises EIndexOutOfBounds outside.
    const std::uint8_t *row(int y) const;
    std::vector<std::uint8_t> copyRow(int y) const;
    /// Stores \a row as row \a y; raises EMatrixRowError when its length is not the width.
    void storeRow(int y, const std::vector<std::uint8_t> &row);

private:
    qint64 offset(int x, int y) const;

    int m_width;
    int m_height;
    TBigByteArray m_bytes;
};

} // namespace images
