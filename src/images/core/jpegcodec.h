// JPEG files through libjpeg: decoded at full size to 24-bit colour, encoded as baseline colour
// JPEG. libjpeg's own error manager is replaced so that its message number reaches the user as
// "Erreur JPEG #%d" (EJpegError) instead of ending the program.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace images {

class JpegCodec {
public:
    /// Largest picture decoded, in pixels (8192 x 8192).
    static constexpr qint64 MaxPixels = qint64(8192) * 8192;

    static QImage read(const QString &path);
    static QImage decode(const QByteArray &bytes);

    static void write(const QImage &image, const QString &path, int quality = 90);
    static QByteArray encode(const QImage &image, int quality = 90);
};

} // namespace images
