#include "resexplorer/gui/resourcepictures.h"

#include <QBitmap>
#include <QImage>

// The picture strips live in this static library: register them before the first use. Outside
// any namespace, as the resource macro requires.
static void initPictureResources()
{
    Q_INIT_RESOURCE(tmainform);
}

namespace resexplorer {

namespace {

constexpr int kPictureCount = 6;

QList<QPixmap> cut(const QString &strip, int side)
{
    initPictureResources();
    const QImage image(strip);
    QList<QPixmap> pictures;
    for (int i = 0; i < kPictureCount; ++i) {
        const QImage one = image.copy(i * side, 0, side, side);
        QPixmap picture = QPixmap::fromImage(one);
        picture.setMask(QBitmap::fromImage(one.createMaskFromColor(qRgb(0x80, 0x80, 0x00), Qt::MaskInColor)));
        pictures.append(picture);
    }
    return pictures;
}

} // namespace

ResourcePictures::ResourcePictures()
    : m_small(cut(QStringLiteral(":/resexplorer/SmallImages"), 16)),
      m_large(cut(QStringLiteral(":/resexplorer/LargeImages"), 32))
{
}

QIcon ResourcePictures::icon(explorer::Picture picture, explorer::Picture selected) const
{
    QIcon icon;
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Active}) {
        icon.addPixmap(small(picture), mode);
        icon.addPixmap(large(picture), mode);
    }
    icon.addPixmap(small(selected), QIcon::Selected);
    icon.addPixmap(large(selected), QIcon::Selected);
    return icon;
}

} // namespace resexplorer
