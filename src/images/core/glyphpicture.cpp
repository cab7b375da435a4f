#include "images/core/glyphpicture.h"

#include <QPainter>

namespace images {

QImage GlyphPicture::newSurface()
{
    QImage surface(Side, Side, QImage::Format_ARGB32);
    surface.fill(Qt::white);
    return surface;
}

QImage GlyphPicture::glyph(const QImage &picture, QImage &surface)
{
    if (picture.width() <= Side && picture.height() <= Side)
        return picture;
    QPainter painter(&surface);
    // The picture replaces what the last one left, transparency included.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(1, 1, Side - 1, Side - 1), picture);
    painter.end();
    return surface;
}

QString GlyphPicture::caption(const QString &fileName)
{
    return fileName.section(QLatin1Char('.'), 0, 0);
}

} // namespace images
