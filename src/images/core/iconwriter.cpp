// Icon files: a directory of one entry, then the image with its doubled height.
#include "images/core/iconwriter.h"

#include "images/core/bytewriter.h"
#include "images/core/dibpixels.h"
#include "images/core/filebytes.h"
#include "images/core/imageerrors.h"

namespace images {

namespace {

constexpr std::uint32_t DirectorySize = 6 + 16;
constexpr std::uint32_t InfoHeaderSize = 40;

std::uint8_t sideByte(int side)
{
    return side >= 256 ? 0 : static_cast<std::uint8_t>(side);
}

void directory(ByteWriter &w, std::uint16_t type, const IconDirEntry &entry, std::uint32_t imageSize)
{
    w.u16le(0);
    w.u16le(type);
    w.u16le(1);
    w.u8(entry.width);
    w.u8(entry.height);
    w.u8(entry.colorCount);
    w.u8(entry.reserved);
    w.u16le(entry.planes);
    w.u16le(entry.bitCount);
    w.u32le(imageSize);
    w.u32le(DirectorySize);
}

} // namespace

QByteArray IconWriter::encode(const QImage &image)
{
    if (image.isNull())
        throw EIconError(QStringLiteral("Image vide : rien à écrire"));
    if (image.width() > MaxSide || image.height() > MaxSide)
        throw EIconError(QStringLiteral("Image trop grande pour une icône (%1 x %2)").arg(image.width()).arg(image.height()));
    const DibPixels pixels(image);
    const QByteArray colours = pixels.colourRows();
    const QByteArray mask = pixels.maskRows();

    IconDirEntry entry;
    entry.width = sideByte(pixels.width());
    entry.height = sideByte(pixels.height());
    entry.planes = 1;
    entry.bitCount = static_cast<std::uint16_t>(pixels.bitCount());
    const auto pixelBytes = static_cast<std::uint32_t>(colours.size() + mask.size());

    QByteArray out;
    ByteWriter w(out);
    directory(w, IconType, entry, InfoHeaderSize + pixelBytes);
    w.u32le(InfoHeaderSize);
    w.u32le(static_cast<std::uint32_t>(pixels.width()));
    w.u32le(static_cast<std::uint32_t>(pixels.height() * 2)); // colours and mask
    w.u16le(1);
    w.u16le(pixels.bitCount());
    w.u32le(0); // no compression
    w.u32le(pixelBytes);
    w.u32le(0);
    w.u32le(0);
    w.u32le(0);
    w.u32le(0);
    w.bytes(colours);
    w.bytes(mask);
    return out;
}

void IconWriter::write(const QImage &image, const QString &path)
{
    writeFileBytes(path, encode(image));
}

QByteArray IconWriter::wrap(std::uint16_t type, const IconDirEntry &entry, QByteArrayView image)
{
    QByteArray out;
    out.reserve(static_cast<qsizetype>(DirectorySize) + image.size());
    ByteWriter w(out);
    directory(w, type, entry, static_cast<std::uint32_t>(image.size()));
    out.append(image);
    return out;
}

} // namespace images
