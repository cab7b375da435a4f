// Checked byte array.
#include "images/core/bigbytearray.h"

#include "images/core/imageerrors.h"

#include <new>

namespace images {

TBigByteArray::TBigByteArray(qint64 size)
    : m_size(size)
{
    if (size < 0 || size > MaxBytes)
        throw ENotEnoughMemory(size);
    try {
        m_bytes.reset(new std::uint8_t[static_cast<std::size_t>(size)]());
    } catch (const std::bad_alloc &) {
        throw ENotEnoughMemory(size);
    }
}

void TBigByteArray::check(qint64 index, qint64 count) const
{
    if (index < 1 || count < 0 || index - 1 > m_size || count > m_size - (index - 1))
        throw EIndexOutOfBounds();
}

std::uint8_t TBigByteArray::at(qint64 index) const
{
    check(index, 1);
    return m_bytes[static_cast<std::size_t>(index - 1)];
}

void TBigByteArray::set(qint64 index, std::uint8_t value)
{
    check(index, 1);
    m_bytes[static_cast<std::size_t>(index - 1)] = value;
}

const std::uint8_t *TBigByteArray::span(qint64 index, qint64 count) const
{
    check(index, count);
    return m_bytes.get() + (index - 1);
}

std::uint8_t *TBigByteArray::span(qint64 index, qint64 count)
{
    check(index, count);
    return m_bytes.get() + (index - 1);
}

} // namespace images
