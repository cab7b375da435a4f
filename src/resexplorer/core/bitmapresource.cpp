#include "resexplorer/core/bitmapresource.h"

#include "resexplorer/core/exeerror.h"

#include <QImage>

namespace resexplorer {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

std::uint64_t paletteColors(std::uint16_t bitCount, std::uint32_t colorsUsed)
{
    if (colorsUsed != 0)
        return colorsUsed;
    switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

} // namespace

std::uint32_t TBitMapResource::pixelOffset(const ByteSpan &dib)
{
    const std::uint32_t headerSize = dib.u32(0);
    std::uint64_t offset = 0;
    if (headerSize == kCoreHeaderSize) {
        offset = kFileHeaderSize + kCoreHeaderSize + paletteColors(dib.u16(10), 0) * 3;
    } else {
        // Every header from the 40-byte one on (V4, V5 and the like) is followed by
        // RGBQUAD colours; only the 40-byte one keeps its colour masks after itself.
        std::uint64_t masks = 0;
        if (headerSize == kInfoHeaderSize) {
            const std::uint32_t compression = dib.u32(16);
            masks = compression == kBitFields ? 12 : compression == kAlphaBitFields ? 16 : 0;
        }
        const std::uint32_t colorsUsed = headerSize >= 36 ? dib.u32(32) : 0;
        offset = kFileHeaderSize + std::uint64_t(headerSize) + masks + paletteColors(dib.u16(14), colorsUsed) * 4;
    }
    return static_cast<std::uint32_t>(offset);
}

QByteArray TBitMapResource::fileHeader(const ByteSpan &dib)
{
    const std::uint64_t fileSize = dib.size() + kFileHeaderSize;
    const std::uint32_t pixels = pixelOffset(dib);
    QByteArray header(kFileHeaderSize, '\0');
    auto put32 = [&header](int at, std::uint64_t value) {
        for (int i = 0; i < 4; ++i)
            header[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    header[0] = 'B';
    header[1] = 'M';
    put32(2, fileSize);
    put32(10, pixels);
    return header;
}

QByteArray TBitMapResource::fileForm()
{
    const ByteSpan dib = data();
    return fileHeader(dib) + dib.rawView();
}

void TBitMapResource::writeData(QIODevice &out)
{
    writeBytes(out, fileForm());
}

void TBitMapResource::renderTo(QImage &picture)
{
    const QImage loaded = QImage::fromData(fileForm(), "BMP");
    if (loaded.isNull())
        throw EExeError(damage::badPicture());
    picture = loaded;
}

} // namespace resexplorer
