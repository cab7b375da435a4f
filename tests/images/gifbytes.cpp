// Hand-made GIF bytes.
#include "gifbytes.h"

namespace imagetests {

void CodePacker::put(int code, int width)
{
    m_bits |= unsigned(code) << m_count;
    m_count += width;
    while (m_count >= 8) {
        m_bytes.append(char(m_bits & 0xFF));
        m_bits >>= 8;
        m_count -= 8;
    }
}

void CodePacker::put(std::initializer_list<std::pair<int, int>> codesAndWidths)
{
    for (const auto &[code, width] : codesAndWidths)
        put(code, width);
}

QByteArray CodePacker::bytes() const
{
    QByteArray out = m_bytes;
    if (m_count > 0)
        out.append(char(m_bits & 0xFF));
    return out;
}

QByteArray u16(int value)
{
    QByteArray out;
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
    return out;
}

QByteArray subBlocks(const QByteArray &data)
{
    QByteArray out;
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append('\0');
    return out;
}

QByteArray imageBlock(int width, int height, bool interlaced, int codeSize, const QByteArray &lzw)
{
    QByteArray out(",");
    out += u16(0) + u16(0) + u16(width) + u16(height);
    out.append(char(interlaced ? 0x40 : 0));
    out.append(char(codeSize));
    out += subBlocks(lzw);
    return out;
}

QByteArray graphicControl(int delay)
{
    QByteArray out("!\xF9\x04\x00", 4);
    out += u16(delay);
    out.append("\x00\x00", 2);
    return out;
}

QByteArray gifFile(const QByteArray &version, int width, int height, int bits, const QByteArray &body,
                   bool trailer)
{
    QByteArray out = "GIF" + version + u16(width) + u16(height);
    out.append(char(0x80 | (bits - 1)));
    out.append("\x00\x00", 2);
    const int count = 1 << bits;
    for (int i = 0; i < count; ++i) {
        const char level = char(i * 255 / (count - 1));
        out.append(level).append(level).append(level);
    }
    out += body;
    if (trailer)
        out.append(';');
    return out;
}

QByteArray onePixelLzw()
{
    CodePacker packer;
    packer.put({{4, 3}, {1, 3}, {5, 3}});
    return packer.bytes();
}

} // namespace imagetests
