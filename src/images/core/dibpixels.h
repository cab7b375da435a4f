// The pixel part of the bitmaps our writers produce, shared by BMP and icon files: colour rows
// of 24 or 32 bits and the 1-bit AND mask, both stored bottom-up with rows padded to 4 bytes.
#pragma once

#include <QByteArray>
#include <QImage>

namespace images {

class DibPixels {
public:
    /// \a image as ARGB32 (not premultiplied), ready to be written.
    explicit DibPixels(const QImage &image);

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    /// Whether any pixel is not fully opaque: such pictures are written with 32 bits and alpha.
    bool hasTransparency() const { return m_transparent; }
    /// 32 when the picture has transparency, else 24.
    int bitCount() const { return m_transparent ? 32 : 24; }

    /// The colour rows at bitCount() bits per pixel (blue, green, red[, alpha]).
    QByteArray colourRows() const;
    /// The AND mask: bit 1 where a pixel is fully transparent.
    QByteArray maskRows() const;

    static int rowStride(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

private:
    QImage m_image;
    bool m_transparent = false;
};

} // namespace images
