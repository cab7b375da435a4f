// Byte matrix.
#include "images/core/bytearray2d.h"

#include "images/core/imageerrors.h"

#include <algorithm>

namespace images {

TByteArray2D::TByteArray2D(int width, int height)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
    , m_bytes(qint64(m_width) * m_height)
{
}

qint64 TByteArray2D::offset(int x, int y) const
{
    if (x < 1 || x > m_width || y < 1 || y > m_height)
        throw EIndexOutOfBounds();
    return x + qint64(y - 1) * m_width;
}

std::uint8_t TByteArray2D::at(int x, int y) const
{
    return m_bytes.at(offset(x, y));
}

void TByteArray2D::set(int x, int y, std::uint8_t value)
{
    m_bytes.set(offset(x, y), value);
}

const std::uint8_t *TByteArray2D::row(int y) const
{
    if (y < 1 || y > m_height)
        throw EIndexOutOfBounds();
    return m_bytes.span(1 + qint64(y - 1) * m_width, m_width);
}

std::vector<std::uint8_t> TByteArray2D::copyRow(int y) const
{
    const std::uint8_t *start = row(y);
    return std::vector<std::uint8_t>(start, start + m_width);
}

void TByteArray2D::storeRow(int y, const std::vector<std::uint8_t> &row)
{
    if (row.size() != static_cast<std::size_t>(m_width))
        throw EMatrixRowError();
    if (y < 1 || y > m_height)
        throw EIndexOutOfBounds();
    std::copy(row.begin(), row.end(), m_bytes.span(1 + qint64(y - 1) * m_width, m_width));
}

} // namespace images
