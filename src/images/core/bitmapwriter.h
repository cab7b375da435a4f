// Our BMP writer: 24-bit files for opaque pictures, 32-bit files with an alpha channel (a
// version 5 header with bit-field masks) for pictures with transparency.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace images {

class BitmapWriter {
public:
    /// The BMP file of \a image; raises EBmpError for an empty image.
    static QByteArray encode(const QImage &image);
    /// Writes the BMP file of \a image to \a path; raises EBmpError or EInOutError.
    static void write(const QImage &image, const QString &path);
};

} // namespace images
