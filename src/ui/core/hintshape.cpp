#include "ui/core/hintshape.h"

#include <QFontMetrics>

namespace ui {

int alignmentFlag(KrAlign align)
{
    switch (align) {
    case KrAlign::KrLeft:
        return Qt::AlignLeft;
    case KrAlign::KrRight:
        return Qt::AlignRight;
    case KrAlign::KrCenter:
        break;
    }
    return Qt::AlignHCenter;
}

QSize measureHintText(const QFont &font, const QString &text, int maxWidth, KrAlign align)
{
    const QFontMetrics metrics(font);
    const QRect measured = metrics.boundingRect(QRect(0, 0, std::max(1, maxWidth), 0),
                                                Qt::TextWordWrap | alignmentFlag(align), text);
    return measured.size();
}

QRect hintWindowRect(QPoint topLeft, QSize measured, KrKind kind, KrShadow shadow, int shadowWidth)
{
    int width = measured.width() + 8, height = measured.height() + 4;
    if (shadow != KrShadow::shNone && kind != KrKind::KrWindow) {
        width += shadowWidth;
        height += shadowWidth;
    }
    if (kind == KrKind::KrEllipse) {
        width += width / 13;
        height += height / 13;
    }
    return QRect(topLeft, QSize(width, height));
}

QRect placeHint(const QRect &hint, QPoint cursor, const QRect &screen)
{
    QRect placed = hint;
    placed.moveTopLeft(cursor + QPoint(0, 18));
    const int screenRight = screen.left() + screen.width(), screenBottom = screen.top() + screen.height();
    if (placed.left() + placed.width() > screenRight)
        placed.moveLeft(screenRight - placed.width());
    if (placed.top() + placed.height() > screenBottom)
        placed.moveTop(screenBottom - placed.height());
    return placed;
}

HintBodyRects hintBodyRects(const QRect &client, KrShadow shadow, int w)
{
    const int l = client.left(), t = client.top();
    const int r = l + client.width(), b = t + client.height();
    switch (shadow) {
    case KrShadow::shTopLeft:
        return {QRect(QPoint(l + w, t + w), QPoint(r - 1, b - 1)), QRect(QPoint(l, t), QPoint(r - w - 1, b - w - 1))};
    case KrShadow::shTopRight:
        return {QRect(QPoint(l, t + w), QPoint(r - w - 1, b - 1)), QRect(QPoint(l + w, t), QPoint(r - 1, b - w - 1))};
    case KrShadow::shBottomLeft:
        return {QRect(QPoint(l + w, t), QPoint(r - 1, b - w - 1)), QRect(QPoint(l, t + w), QPoint(r - w - 1, b - 1))};
    case KrShadow::shBottomRight:
        return {QRect(QPoint(l, t), QPoint(r - w - 1, b - w - 1)), QRect(QPoint(l + w, t + w), QPoint(r - 1, b - 1))};
    case KrShadow::shNone:
        break;
    }
    return {client, client};
}

QRect hintTextRect(const QRect &body, QSize measured)
{
    return QRect(body.left() + (body.width() - measured.width()) / 2,
                 body.top() + (body.height() - measured.height()) / 2, measured.width(), measured.height());
}

QRect hintPictureRect(const QRect &body, QSize picture, KrPictAlign align, bool stretch)
{
    if (align == KrPictAlign::paNone)
        return {};
    if (stretch)
        return body;
    const int right = body.left() + body.width(), bottom = body.top() + body.height();
    // The nine alignments fill a 3-by-3 grid row by row.
    const int place = static_cast<int>(align) - 1;
    const int col = place % 3, row = place / 3;
    const int x = col == 0 ? 1 : col == 1 ? (right - picture.width()) / 2 : right - picture.width() - 1;
    const int y = row == 0 ? 1 : row == 1 ? (bottom - picture.height()) / 2 : bottom - picture.height() - 1;
    return QRect(QPoint(x, y), picture);
}

void darkenShadow(QImage &image, const QRect &shadow, const QRect &body)
{
    const QRect area = shadow & image.rect();
    const int bodyRight = body.left() + body.width(), bodyBottom = body.top() + body.height();
    const auto darker = [](int value) { return value > 63 ? value - 64 : value; };
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (x > body.left() && x < bodyRight && y > body.top() && y < bodyBottom)
                continue;
            const QColor c = image.pixelColor(x, y);
            image.setPixelColor(x, y, QColor(darker(c.red()), darker(c.green()), darker(c.blue()), c.alpha()));
        }
    }
}

} // namespace ui
