#include "resexplorer/core/iconimage.h"

#include "resexplorer/core/exeerror.h"

#include <algorithm>
#include <cstdlib>

namespace resexplorer::iconimage {

namespace {

const QByteArray kPngSignature = QByteArrayLiteral("\x89PNG\r\n\x1a\n");
constexpr std::int64_t kMaxSide = 4096; // far above any icon, small enough for any memory

struct DibHeader {
    std::uint32_t headerSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;  ///< of the colour part, half the stored height
    bool topDown = false;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint64_t paletteColors = 0; ///< entries stored in the colour table
    std::uint64_t paletteEntrySize = 4;
};

std::int32_t signedField(const ByteSpan &span, std::uint64_t offset)
{
    return static_cast<std::int32_t>(span.u32(offset));
}

DibHeader readHeader(const ByteSpan &image)
{
    DibHeader h;
    h.headerSize = image.u32(0);
    std::int64_t storedHeight = 0;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    if (h.headerSize == 12) {
        h.width = image.u16(4);
        storedHeight = image.u16(6);
        h.planes = image.u16(8);
        h.bitCount = image.u16(10);
        h.paletteEntrySize = 3;
    } else if (h.headerSize >= 40) {
        h.width = signedField(image, 4);
        storedHeight = signedField(image, 8);
        h.planes = image.u16(12);
        h.bitCount = image.u16(14);
        compression = image.u32(16);
        colorsUsed = image.u32(32);
    } else {
        throw EExeError(damage::badPicture());
    }
    switch (h.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32:
        break;
    default:
        throw EExeError(damage::badPicture());
    }
    h.topDown = storedHeight < 0;
    h.height = std::llabs(storedHeight) / 2;
    if (compression != 0 || h.width <= 0 || h.height <= 0 || h.width > kMaxSide || h.height > kMaxSide)
        throw EExeError(damage::badPicture());
    if (colorsUsed != 0)
        h.paletteColors = colorsUsed;
    else if (h.bitCount <= 8)
        h.paletteColors = 1u << h.bitCount;
    return h;
}

std::uint64_t rowStride(std::int64_t width, int bits)
{
    return ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
}

QImage decodeDib(const ByteSpan &image)
{
    const DibHeader h = readHeader(image);
    if (h.paletteColors > image.size())
        throw EExeError(damage::badPicture());
    const ByteSpan palette = image.sub(h.headerSize, h.paletteColors * h.paletteEntrySize);
    const std::uint64_t xorStride = rowStride(h.width, h.bitCount);
    const std::uint64_t andStride = rowStride(h.width, 1);
    const std::uint64_t xorStart = h.headerSize + palette.size();
    const ByteSpan colours = image.sub(xorStart, xorStride * h.height);
    // Some writers leave the mask out of images that carry an alpha channel.
    const std::uint64_t andStart = xorStart + colours.size();
    const bool hasMask = image.contains(andStart, andStride * h.height);
    const ByteSpan mask = hasMask ? image.sub(andStart, andStride * h.height) : ByteSpan();

    const auto paletteColour = [&](std::uint64_t index) -> QRgb {
        if (index >= h.paletteColors || (h.bitCount <= 8 && index >= (1u << h.bitCount)))
            return qRgb(0, 0, 0);
        const std::uint64_t at = index * h.paletteEntrySize;
        return qRgb(palette.u8(at + 2), palette.u8(at + 1), palette.u8(at));
    };

    const int width = static_cast<int>(h.width);
    const int height = static_cast<int>(h.height);
    QImage picture(width, height, QImage::Format_ARGB32);
    if (picture.isNull())
        throw EExeError(damage::badPicture());
    bool anyAlpha = false;
    for (int row = 0; row < height; ++row) {
        const std::uint64_t line = row * xorStride;
        QRgb *out = reinterpret_cast<QRgb *>(picture.scanLine(h.topDown ? row : height - 1 - row));
        for (int x = 0; x < width; ++x) {
            QRgb colour = 0;
            switch (h.bitCount) {
            case 1:
                colour = paletteColour((colours.u8(line + x / 8) >> (7 - x % 8)) & 1);
                break;
            case 4:
                colour = paletteColour((colours.u8(line + x / 2) >> (x % 2 ? 0 : 4)) & 0xF);
                break;
            case 8:
                colour = paletteColour(colours.u8(line + x));
                break;
            case 16: {
                const std::uint16_t v = colours.u16(line + 2 * std::uint64_t(x));
                colour = qRgb(((v >> 10) & 31) * 255 / 31, ((v >> 5) & 31) * 255 / 31, (v & 31) * 255 / 31);
                break;
            }
            case 24: {
                const std::uint64_t at = line + 3 * std::uint64_t(x);
                colour = qRgb(colours.u8(at + 2), colours.u8(at + 1), colours.u8(at));
                break;
            }
            default: {
                const std::uint32_t v = colours.u32(line + 4 * std::uint64_t(x));
                colour = v;
                anyAlpha = anyAlpha || qAlpha(v) != 0;
                break;
            }
            }
            out[x] = colour;
        }
    }
    // A 32-bit image with an alpha channel draws by it; all others by the mask.
    const bool byAlpha = h.bitCount == 32 && anyAlpha;
    for (int row = 0; row < height && !byAlpha; ++row) {
        QRgb *out = reinterpret_cast<QRgb *>(picture.scanLine(h.topDown ? row : height - 1 - row));
        for (int x = 0; x < width; ++x) {
            const bool transparent = hasMask && ((mask.u8(row * andStride + x / 8) >> (7 - x % 8)) & 1);
            out[x] = transparent ? qRgba(0, 0, 0, 0) : (out[x] | 0xFF000000u);
        }
    }
    return picture;
}

std::uint32_t bigEndian32(const ByteSpan &span, std::uint64_t offset)
{
    return (std::uint32_t(span.u8(offset)) << 24) | (std::uint32_t(span.u8(offset + 1)) << 16)
        | (std::uint32_t(span.u8(offset + 2)) << 8) | span.u8(offset + 3);
}

std::uint8_t sideByte(std::int64_t side)
{
    return side >= 256 ? 0 : static_cast<std::uint8_t>(side);
}

void put16(QByteArray &out, std::uint16_t value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void put32(QByteArray &out, std::uint32_t value)
{
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

} // namespace

QImage decode(const ByteSpan &image)
{
    if (image.startsWith(kPngSignature)) {
        const QImage picture = QImage::fromData(image.rawView(), "PNG");
        if (picture.isNull())
            throw EExeError(damage::badPicture());
        return picture.convertToFormat(QImage::Format_ARGB32);
    }
    return decodeDib(image);
}

IconDirEntry describe(const ByteSpan &image)
{
    IconDirEntry entry;
    if (image.startsWith(kPngSignature)) {
        entry.width = sideByte(bigEndian32(image, 16));
        entry.height = sideByte(bigEndian32(image, 20));
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

QByteArray fileForm(std::uint16_t type, const IconDirEntry &entry, const ByteSpan &image)
{
    constexpr std::uint32_t kImageOffset = 6 + 16;
    QByteArray out;
    out.reserve(static_cast<qsizetype>(kImageOffset + image.size()));
    put16(out, 0);
    put16(out, type);
    put16(out, 1);
    out.append(static_cast<char>(entry.width));
    out.append(static_cast<char>(entry.height));
    out.append(static_cast<char>(entry.colorCount));
    out.append(static_cast<char>(entry.reserved));
    put16(out, entry.planes);
    put16(out, entry.bitCount);
    put32(out, static_cast<std::uint32_t>(image.size()));
    put32(out, kImageOffset);
    out.append(image.rawView());
    return out;
}

} // namespace resexplorer::iconimage
