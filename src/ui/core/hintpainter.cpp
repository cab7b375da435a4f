#include "ui/core/hintpainter.h"

#include <QPainter>

namespace ui {

namespace {

constexpr int Corner = 15;

void drawFrame(QPainter &painter, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    painter.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
    painter.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

/// The flat shadow of the rectangular kinds: darkened or filled.
void drawShadow(QImage &canvas, QPainter &painter, const HintLook &look, const HintBodyRects &rects)
{
    if (look.shadow == KrShadow::shNone)
        return;
    if (look.transparentShadow) {
        painter.end();
        darkenShadow(canvas, rects.shadow, rects.body);
        painter.begin(&canvas);
    } else {
        painter.fillRect(rects.shadow, look.colorShadow);
    }
}

void drawPicture(QPainter &painter, const HintLook &look, const QRect &body)
{
    if (look.bitmapAlign == KrPictAlign::paNone || look.bitmap.isNull())
        return;
    painter.drawImage(hintPictureRect(body, look.bitmap.size(), look.bitmapAlign, look.stretch), look.bitmap);
}

} // namespace

void paintHint(QImage &canvas, const HintLook &look, const HintSystemColors &system, const QString &text,
               QSize measured, const QFont &textFont)
{
    QPainter painter(&canvas);
    const QRect client = canvas.rect();
    const HintBodyRects rects = hintBodyRects(client, look.shadow, look.shadowWidth);
    QRect textArea = rects.body;
    switch (look.kind) {
    case KrKind::KrWindow:
        painter.fillRect(client, system.toolTipBackground);
        drawFrame(painter, client, system.light3d, system.darkShadow3d);
        textArea = client;
        break;
    case KrKind::KrFlat:
        drawShadow(canvas, painter, look, rects);
        painter.fillRect(rects.body, look.color);
        drawPicture(painter, look, rects.body);
        break;
    case KrKind::KrSquare:
        drawShadow(canvas, painter, look, rects);
        painter.setPen(look.colorBorder);
        painter.setBrush(look.color);
        painter.drawRect(rects.body.adjusted(0, 0, -1, -1));
        drawPicture(painter, look, rects.body);
        break;
    case KrKind::KrRoundSquare:
    case KrKind::KrEllipse: {
        painter.setRenderHint(QPainter::Antialiasing, false);
        const auto shape = [&painter, &look](const QRect &r) {
            const QRect outline = r.adjusted(0, 0, -1, -1);
            if (look.kind == KrKind::KrEllipse)
                painter.drawEllipse(outline);
            else
                painter.drawRoundedRect(outline, Corner / 2.0, Corner / 2.0);
        };
        if (look.shadow != KrShadow::shNone) {
            painter.setPen(look.colorShadow);
            painter.setBrush(look.colorShadow);
            shape(rects.shadow);
        }
        painter.setPen(look.colorBorder);
        painter.setBrush(look.color);
        shape(rects.body);
        break;
    }
    case KrKind::Kr3dUp:
    case KrKind::Kr3dDown: {
        drawShadow(canvas, painter, look, rects);
        painter.fillRect(rects.body, look.color);
        const bool up = look.kind == KrKind::Kr3dUp;
        drawFrame(painter, rects.body, up ? look.colorUp : look.colorDown, up ? look.colorDown : look.colorUp);
        drawPicture(painter, look, rects.body);
        break;
    }
    case KrKind::KrTransParent:
        break;
    }
    painter.setFont(textFont);
    painter.setPen(look.kind == KrKind::KrWindow ? system.toolTipText : look.fontColor);
    painter.drawText(hintTextRect(textArea, measured), Qt::TextWordWrap | Qt::TextDontClip | alignmentFlag(look.align),
                     text);
}

} // namespace ui
