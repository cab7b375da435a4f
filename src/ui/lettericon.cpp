#include "ui/lettericon.h"

#include <QPainter>
#include <QPixmap>

namespace ui {

QIcon letterIcon(const QString &letters, const QColor &colour)
{
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(colour.darker(150));
    painter.drawRoundedRect(QRectF(1, 1, 18, 18), 4, 4);
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(letters.size() > 1 ? 9 : 12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, letters);
    return QIcon(picture);
}

} // namespace ui
