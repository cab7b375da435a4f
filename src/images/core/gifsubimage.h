// One image of a GIF file: its descriptor, local colour table, compressed data, the extensions
// read before it, its pixel matrix, and the palette bitmap made from it on first request.
#pragma once

#include "images/core/bytearray2d.h"
#include "images/core/bytebuffer.h"
#include "images/core/colortable.h"
#include "images/core/gifextension.h"

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace images {

class ByteReader;
class TGifFile;

/// What reading an image needs from the file being read.
struct GifReadContext {
    /// Runs after each decoded row (the program lets pending events run there).
    std::function<void()> rowDone;
    /// Bytes that pixel matrices of this file may still take; each image's matrix is taken off.
    qint64 matrixBudget = 0;
};

class TGifSubImage {
public:
    /// An empty image for a colour count of 2 to 256, a power of 2; raises EGifException otherwise.
    TGifSubImage(int colorCount, const TGifFile *owner);

    /// Reads the image that follows its "," introducer and decodes its data.
    void read(ByteReader &reader, GifReadContext &context);
    /// Encodes the pixel matrix into new data sub-blocks.
    void encode();
    /// Appends the image (from its "," on) to \a out.
    void write(QByteArray &out) const;

    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    bool hasLocalTable() const { return m_packed & 0x80; }
    bool interlaced() const { return m_packed & 0x40; }
    int bitsPerPixel() const { return (m_packed & 0x07) + 1; }
    int codeSize() const { return m_codeSize; }
    const TColorTable &localTable() const { return m_localTable; }
    const TByteBuffer &data() const { return m_data; }
    const TByteArray2D *matrix() const { return m_matrix.get(); }
    /// The pixels, to be changed before encoding; the bitmap already made is not rebuilt.
    TByteArray2D *matrix() { return m_matrix.get(); }

    const std::vector<TExtension> &extensions() const { return m_extensions; }
    void setExtensions(std::vector<TExtension> extensions) { m_extensions = std::move(extensions); }
    /// Delay of the last graphic control extension before the image, 0 when none.
    int delay() const;
    /// Disposal method of the last graphic control extension before the image, 0 when none.
    int disposal() const;
    /// Transparent index of the last graphic control extension before the image, -1 when none.
    int transparentIndex() const;

    /// The image as an 8-bit palette bitmap (built once, then kept).
    const QImage &bitmap() const;

private:
    const TExtension *graphicControl() const;

    const TGifFile *m_owner;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    std::uint8_t m_packed = 0;
    int m_codeSize = 2;
    TColorTable m_localTable;
    TByteBuffer m_data;
    std::vector<TExtension> m_extensions;
    std::unique_ptr<TByteArray2D> m_matrix;
    mutable QImage m_bitmap;
};

} // namespace images
