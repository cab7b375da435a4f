// GIF data sub-blocks.
#include "images/core/bytebuffer.h"

#include "images/core/imageerrors.h"

namespace images {

QByteArray TByteBuffer::block(int index) const
{
    if (index < 0 || index >= count())
        throw EListError(index);
    return QByteArray(reinterpret_cast<const char *>(m_bytes.data() + m_starts[index]),
                      m_lengths[index]);
}

void TByteBuffer::appendBlock(const std::uint8_t *data, std::size_t size)
{
    if (size == 0 || size > MaxBlock)
        return;
    m_starts.push_back(m_bytes.size());
    m_lengths.push_back(static_cast<std::uint8_t>(size));
    m_bytes.insert(m_bytes.end(), data, data + size);
}

void TByteBuffer::appendByte(std::uint8_t value)
{
    if (m_lengths.empty() || m_lengths.back() == MaxBlock) {
        m_starts.push_back(m_bytes.size());
        m_lengths.push_back(0);
    }
    ++m_lengths.back();
    m_bytes.push_back(value);
}

void TByteBuffer::clear()
{
    m_bytes.clear();
    m_lengths.clear();
    m_starts.clear();
}


} // namespace images

#include "images/core/bytereader.h"

namespace images {

void readSubBlocks(ByteReader &reader, TByteBuffer &out)
{
    for (;;) {
        const std::uint8_t length = reader.u8();
        if (length == 0)
            return;
        out.appendBlock(reader.take(length), length);
    }
}

} // namespace images
