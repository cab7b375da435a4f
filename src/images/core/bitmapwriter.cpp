// BMP files: file header, info header (40 bytes, or 124 with the alpha mask), bottom-up rows.
#include "images/core/bitmapwriter.h"

#include "images/core/bytewriter.h"
#include "images/core/dibpixels.h"
#include "images/core/filebytes.h"
#include "images/core/imageerrors.h"

namespace images {

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t V5HeaderSize = 124;
constexpr std::uint32_t BiRgb = 0;
constexpr std::uint32_t BiBitfields = 3;
constexpr std::uint32_t PixelsPerMetre = 2835; // 72 dots per inch
constexpr std::uint32_t LcsSrgb = 0x73524742;  // 'sRGB'
constexpr std::uint32_t LcsGmImages = 4;

} // namespace

QByteArray BitmapWriter::encode(const QImage &image)
{
    if (image.isNull())
        throw EBmpError(QStringLiteral("Image vide : rien à écrire"));
    const DibPixels pixels(image);
    const QByteArray rows = pixels.colourRows();
    const bool alpha = pixels.hasTransparency();
    const std::uint32_t headerSize = alpha ? V5HeaderSize : InfoHeaderSize;
    const std::uint32_t offset = FileHeaderSize + headerSize;

    QByteArray out;
    ByteWriter w(out);
    w.u8('B');
    w.u8('M');
    w.u32le(offset + static_cast<std::uint32_t>(rows.size()));
    w.u32le(0);
    w.u32le(offset);

    w.u32le(headerSize);
    w.u32le(static_cast<std::uint32_t>(pixels.width()));
    w.u32le(static_cast<std::uint32_t>(pixels.height()));
    w.u16le(1);
    w.u16le(pixels.bitCount());
    w.u32le(alpha ? BiBitfields : BiRgb);
    w.u32le(static_cast<std::uint32_t>(rows.size()));
    w.u32le(PixelsPerMetre);
    w.u32le(PixelsPerMetre);
    w.u32le(0); // colours used
    w.u32le(0); // colours important
    if (alpha) {
        w.u32le(0x00FF0000);
        w.u32le(0x0000FF00);
        w.u32le(0x000000FF);
        w.u32le(0xFF000000);
        w.u32le(LcsSrgb);
        w.bytes(QByteArray(36 + 12, '\0')); // end points and gamma, unused with sRGB
        w.u32le(LcsGmImages);
        w.u32le(0); // no profile
        w.u32le(0);
        w.u32le(0);
    }
    w.bytes(rows);
    return out;
}

void BitmapWriter::write(const QImage &image, const QString &path)
{
    writeFileBytes(path, encode(image));
}

} // namespace images
