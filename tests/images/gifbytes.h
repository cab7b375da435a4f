// Hand-made GIF bytes for the tests of the decoder's rules: LZW codes packed at given widths,
// image blocks, graphic control extensions and whole files around them.
#pragma once

#include <QByteArray>

#include <initializer_list>
#include <utility>

namespace imagetests {

/// Packs codes least significant bit first, each at its own width.
class CodePacker {
public:
    void put(int code, int width);
    void put(std::initializer_list<std::pair<int, int>> codesAndWidths);
    /// The packed bytes, the last one padded with zero bits.
    QByteArray bytes() const;

private:
    QByteArray m_bytes;
    unsigned m_bits = 0;
    int m_count = 0;
};

QByteArray u16(int value);

/// One pixel of colour 1: clear code, 1, end code at 3 bits (code size 2).
QByteArray onePixelLzw();

/// Data split into sub-blocks of at most 255 bytes and closed by a zero length.
QByteArray subBlocks(const QByteArray &data);

/// "," and a 9-byte descriptor at (0, 0), the code size byte and \a lzw as sub-blocks.
QByteArray imageBlock(int width, int height, bool interlaced, int codeSize, const QByteArray &lzw);

/// A graphic control extension with \a delay hundredths of a second.
QByteArray graphicControl(int delay);

/// "GIF" + \a version, a screen of \a width x \a height with a global table of 2^bits grey
/// entries, \a body, then the trailer when \a trailer is set.
QByteArray gifFile(const QByteArray &version, int width, int height, int bits, const QByteArray &body,
                   bool trailer = true);

} // namespace imagetests
