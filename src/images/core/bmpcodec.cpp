// BMP reading and writing through the image classes of Qt Gui.
#include "images/core/bmpcodec.h"

#include "images/core/filebytes.h"
#include "images/core/imageerrors.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

namespace images {

namespace {

/// Megabytes of pixels a bitmap may take once decoded.
constexpr int AllocationLimitMb = 256;

} // namespace

QImage BmpCodec::read(const QString &path)
{
    return decode(readFileBytes(path));
}

QImage BmpCodec::decode(const QByteArray &bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setDecideFormatFromContent(false);
    reader.setAllocationLimit(AllocationLimitMb);
    QImage image = reader.read();
    if (image.isNull())
        throw EBmpError(QStringLiteral("Image bitmap non valide"));
    return image;
}

void BmpCodec::write(const QImage &image, const QString &path)
{
    writeFileBytes(path, encode(image));
}

QByteArray BmpCodec::encode(const QImage &image)
{
    QImage source = image;
    if (source.format() != QImage::Format_Indexed8)
        source = source.convertToFormat(QImage::Format_RGB32);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (source.isNull() || !writer.write(source))
        throw EBmpError(QStringLiteral("Impossible d'écrire l'image bitmap"));
    return data;
}

} // namespace images
