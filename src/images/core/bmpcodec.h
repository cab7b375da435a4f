// BMP files: read into an image and written from one (24-bit colour, or 8-bit with its palette
// for palette images). Sizes are limited before any pixel memory is taken.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace images {

class BmpCodec {
public:
    static QImage read(const QString &path);
    static QImage decode(const QByteArray &bytes);

    static void write(const QImage &image, const QString &path);
    static QByteArray encode(const QImage &image);
};

} // namespace images
