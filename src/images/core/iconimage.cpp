// Icon images: bitmaps of 1, 4, 8, 16, 24 or 32 bits per pixel with their mask, and PNG streams.
#include "images/core/iconimage.h"

#include "images/core/bytereader.h"
#include "images/core/imageerrors.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>

namespace images {

namespace {

constexpr char PngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr std::size_t PngSignatureSize = 8;
/// Megabytes a PNG image may take once decoded: MaxSide squared at 16 bits per channel.
constexpr int PngAllocationLimitMb = 16;

[[noreturn]] void unreadable(const char *reason)
{
    throw EIconError(QString::fromUtf8(reason));
}

ByteReader readerOf(QByteArrayView image)
{
    return ByteReader(image.data(), static_cast<std::size_t>(image.size()));
}

struct DibHeader {
    std::uint32_t headerSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0; ///< of the colour part, half the stored height
    bool topDown = false;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint64_t paletteColors = 0; ///< entries stored in the colour table
    std::uint64_t paletteEntrySize = 4;
};

DibHeader readHeader(QByteArrayView image)
{
    ByteReader in = readerOf(image);
    DibHeader h;
    h.headerSize = in.u32le();
    std::int64_t storedHeight = 0;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    if (h.headerSize == 12) {
        h.width = in.u16le();
        storedHeight = in.u16le();
        h.planes = in.u16le();
        h.bitCount = in.u16le();
        h.paletteEntrySize = 3;
    } else if (h.headerSize >= 40) {
        h.width = static_cast<std::int32_t>(in.u32le());
        storedHeight = static_cast<std::int32_t>(in.u32le());
        h.planes = in.u16le();
        h.bitCount = in.u16le();
        compression = in.u32le();
        in.seek(32);
        colorsUsed = in.u32le();
    } else {
        unreadable("en-tête d'image inconnu");
    }
    switch (h.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32:
        break;
    default:
        unreadable("nombre de bits par point non pris en charge");
    }
    if (compression != 0)
        unreadable("image compressée non prise en charge");
    h.topDown = storedHeight < 0;
    h.height = std::llabs(storedHeight) / 2;
    if (h.width <= 0 || h.height <= 0 || h.width > IconImage::MaxSide || h.height > IconImage::MaxSide)
        unreadable("dimensions d'image aberrantes");
    if (colorsUsed != 0)
        h.paletteColors = colorsUsed;
    else if (h.bitCount <= 8)
        h.paletteColors = 1u << h.bitCount;
    return h;
}

std::size_t rowStride(std::int64_t width, int bits)
{
    return static_cast<std::size_t>(((width * bits + 31) / 32) * 4);
}

QImage decodeDib(QByteArrayView image)
{
    const DibHeader h = readHeader(image);
    ByteReader in = readerOf(image);
    if (h.paletteColors > in.size() / h.paletteEntrySize)
        throw EInOutError::unexpectedEnd();
    const std::size_t paletteSize = h.paletteColors * h.paletteEntrySize;
    const ByteReader palette = in.window(h.headerSize, paletteSize);
    const std::size_t xorStride = rowStride(h.width, h.bitCount);
    const std::size_t andStride = rowStride(h.width, 1);
    const std::size_t xorStart = h.headerSize + paletteSize;
    const std::size_t rows = static_cast<std::size_t>(h.height);
    ByteReader colours = in.window(xorStart, xorStride * rows);
    // Some writers leave the mask out of images that carry an alpha channel.
    const std::size_t andStart = xorStart + xorStride * rows;
    const bool hasMask = in.contains(andStart, andStride * rows);
    ByteReader mask = hasMask ? in.window(andStart, andStride * rows) : ByteReader(nullptr, 0);

    const std::uint64_t usable = h.bitCount <= 8 ? std::min<std::uint64_t>(h.paletteColors, 1u << h.bitCount)
                                                  : h.paletteColors;
    const auto paletteColour = [&](std::uint64_t index) -> QRgb {
        if (index >= usable)
            return qRgb(0, 0, 0);
        ByteReader entry = palette.window(index * h.paletteEntrySize, 3);
        const std::uint8_t blue = entry.u8();
        const std::uint8_t green = entry.u8();
        return qRgb(entry.u8(), green, blue);
    };

    const int width = static_cast<int>(h.width);
    const int height = static_cast<int>(h.height);
    QImage picture(width, height, QImage::Format_ARGB32);
    if (picture.isNull())
        unreadable("mémoire insuffisante pour l'image");
    bool anyAlpha = false;
    for (int row = 0; row < height; ++row) {
        const std::uint8_t *line = colours.take(xorStride);
        QRgb *out = reinterpret_cast<QRgb *>(picture.scanLine(h.topDown ? row : height - 1 - row));
        for (int x = 0; x < width; ++x) {
            QRgb colour = 0;
            switch (h.bitCount) {
            case 1:
                colour = paletteColour((line[x / 8] >> (7 - x % 8)) & 1);
                break;
            case 4:
                colour = paletteColour((line[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
                break;
            case 8:
                colour = paletteColour(line[x]);
                break;
            case 16: {
                const unsigned v = line[2 * x] | (line[2 * x + 1] << 8);
                colour = qRgb(((v >> 10) & 31) * 255 / 31, ((v >> 5) & 31) * 255 / 31, (v & 31) * 255 / 31);
                break;
            }
            case 24:
                colour = qRgb(line[3 * x + 2], line[3 * x + 1], line[3 * x]);
                break;
            default: {
                const std::uint8_t *p = line + 4 * x;
                colour = qRgba(p[2], p[1], p[0], p[3]);
                anyAlpha = anyAlpha || p[3] != 0;
                break;
            }
            }
            out[x] = colour;
        }
    }
    // A 32-bit image with an alpha channel draws by it; all others by the mask.
    if (h.bitCount == 32 && anyAlpha)
        return picture;
    for (int row = 0; row < height; ++row) {
        const std::uint8_t *bits = hasMask ? mask.take(andStride) : nullptr;
        QRgb *out = reinterpret_cast<QRgb *>(picture.scanLine(h.topDown ? row : height - 1 - row));
        for (int x = 0; x < width; ++x) {
            const bool transparent = bits && ((bits[x / 8] >> (7 - x % 8)) & 1);
            out[x] = transparent ? qRgba(0, 0, 0, 0) : (out[x] | 0xFF000000u);
        }
    }
    return picture;
}

/// Width and height from the PNG header, refused when absurd.
QSize pngSize(QByteArrayView image)
{
    ByteReader in = readerOf(image);
    in.seek(PngSignatureSize);
    if (in.u32be() != 13 || in.bytes(4) != "IHDR")
        unreadable("image PNG non valide");
    const std::uint32_t width = in.u32be();
    const std::uint32_t height = in.u32be();
    if (width == 0 || height == 0 || width > IconImage::MaxSide || height > IconImage::MaxSide)
        unreadable("dimensions d'image aberrantes");
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

QImage decodePng(QByteArrayView image)
{
    const QSize size = pngSize(image);
    QByteArray bytes = image.toByteArray();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    reader.setDecideFormatFromContent(false);
    reader.setAllocationLimit(PngAllocationLimitMb);
    const QImage picture = reader.read();
    if (picture.isNull() || picture.size() != size)
        unreadable("image PNG non valide");
    return picture.convertToFormat(QImage::Format_ARGB32);
}

std::uint8_t sideByte(std::int64_t side)
{
    return side >= 256 ? 0 : static_cast<std::uint8_t>(side);
}

} // namespace

bool IconImage::isPng(QByteArrayView image)
{
    return image.startsWith(QByteArrayView(PngSignature, PngSignatureSize));
}

QImage IconImage::decode(QByteArrayView image)
{
    return isPng(image) ? decodePng(image) : decodeDib(image);
}

IconDirEntry IconImage::describe(QByteArrayView image)
{
    IconDirEntry entry;
    if (isPng(image)) {
        const QSize size = pngSize(image);
        entry.width = sideByte(size.width());
        entry.height = sideByte(size.height());
        entry.planes = 1;
        entry.bitCount = 32;
        return entry;
    }
    const DibHeader h = readHeader(image);
    entry.width = sideByte(h.width);
    entry.height = sideByte(h.height);
    entry.colorCount = h.bitCount <= 8 ? sideByte(std::min<std::uint64_t>(h.paletteColors, 256)) : 0;
    entry.planes = h.planes;
    entry.bitCount = h.bitCount;
    return entry;
}

} // namespace images
