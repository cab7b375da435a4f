// Writing the pieces of a GIF file.
#include "images/core/bytewriter.h"

#include "images/core/bytebuffer.h"
#include "images/core/colortable.h"

namespace images {

void ByteWriter::colorTable(const TColorTable &table, int count)
{
    for (int i = 0; i < count; ++i) {
        const TColorEntry &e = table.entry(i);
        u8(e.red);
        u8(e.green);
        u8(e.blue);
    }
}

void ByteWriter::subBlocks(const TByteBuffer &blocks)
{
    for (int i = 0; i < blocks.count(); ++i) {
        const QByteArray block = blocks.block(i);
        u8(static_cast<std::uint8_t>(block.size()));
        m_out.append(block);
    }
    u8(0);
}

} // namespace images
