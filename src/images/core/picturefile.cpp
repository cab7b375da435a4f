// Picture files of the search dialog.
#include "images/core/picturefile.h"

#include "images/core/bmpcodec.h"
#include "images/core/jpegcodec.h"

#include <QFileInfo>
#include <QPainter>

namespace images {

bool isJpegName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == u"jpg" || suffix == u"jpeg" || suffix == u"jpe" || suffix == u"jfif";
}

QImage loadPicture(const QString &path)
{
    return isJpegName(path) ? JpegCodec::read(path) : BmpCodec::read(path);
}

QString changeExtension(const QString &path, const QString &extension)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot > slash)
        return path.left(dot) + extension;
    return path + extension;
}

QImage reducedCopy(const QImage &picture, int width, int height)
{
    QImage copy(width, height, QImage::Format_RGB32);
    copy.fill(Qt::white);
    QPainter painter(&copy);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(1, 1, width - 1, height - 1), picture);
    return copy;
}

} // namespace images
