#include "ui/core/captionpainter.h"

#include "ui/core/captiongradient.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace ui {

namespace {

const QColor Face(192, 192, 192);
const QColor Light(255, 255, 255);
const QColor Shadow(128, 128, 128);
const QColor DarkShadow(0, 0, 0);

/// One line of text, vertically centred in \a rect and cut with an ellipsis; its drawn width.
int drawLine(QPainter &painter, const QRect &rect, const QFont &font, const QString &text)
{
    if (rect.width() <= 0 || text.isEmpty())
        return 0;
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QString shown = metrics.elidedText(text, Qt::ElideRight, rect.width());
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    return metrics.horizontalAdvance(shown);
}

void drawGlyph(QPainter &painter, const QRect &r, CaptionButton button, WindowShowState state)
{
    // Glyphs are drawn in a box of the button's size less its edges, centred like the desktop's.
    const int w = r.width(), h = r.height();
    const int x = r.left() + (w - 8) / 2, y = r.top() + (h - 7) / 2;
    const QBrush ink = painter.pen().color();
    switch (button) {
    case CaptionButton::Close:
        for (int i = 0; i < 7; ++i) {
            painter.fillRect(x + i, y + i, 2, 1, ink);
            painter.fillRect(x + 6 - i, y + i, 2, 1, ink);
        }
        break;
    case CaptionButton::Minimize:
        if (state == WindowShowState::Minimized)
            break;
        painter.fillRect(x, y + 5, 6, 2, ink);
        break;
    case CaptionButton::Maximize:
        if (state == WindowShowState::Maximized)
            break;
        painter.fillRect(x, y - 1, 9, 2, ink);
        painter.fillRect(x, y - 1, 1, 9, ink);
        painter.fillRect(x + 8, y - 1, 1, 9, ink);
        painter.fillRect(x, y + 7, 9, 1, ink);
        break;
    case CaptionButton::Help: {
        QFont font = painter.font();
        font.setPixelSize(std::max(6, h - 4));
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
    const bool restore = (button == CaptionButton::Maximize && state == WindowShowState::Maximized)
                         || (button == CaptionButton::Minimize && state == WindowShowState::Minimized);
    if (restore) {
        painter.fillRect(x + 2, y - 1, 6, 2, ink);
        painter.fillRect(x + 2, y - 1, 1, 3, ink);
        painter.fillRect(x + 7, y - 1, 1, 6, ink);
        painter.fillRect(x + 6, y + 4, 2, 1, ink);
        painter.fillRect(x, y + 2, 6, 2, ink);
        painter.fillRect(x, y + 2, 1, 6, ink);
        painter.fillRect(x + 5, y + 2, 1, 6, ink);
        painter.fillRect(x, y + 7, 6, 1, ink);
    }
}

} // namespace

void paintCaptionButton(QPainter &painter, const QRect &rect, CaptionButton button, WindowShowState state,
                        bool pressed, bool enabled)
{
    if (rect.isEmpty())
        return;
    painter.save();
    const int l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
    painter.fillRect(rect, Face);
    // Outer and inner edges: raised is light above-left and dark below-right, pushed the reverse.
    const QColor outerLight = pressed ? DarkShadow : Face, outerDark = pressed ? Light : DarkShadow;
    const QColor innerLight = pressed ? Shadow : Light, innerDark = pressed ? Face : Shadow;
    painter.fillRect(l, t, rect.width(), 1, outerLight);
    painter.fillRect(l, t, 1, rect.height(), outerLight);
    painter.fillRect(l, b, rect.width(), 1, outerDark);
    painter.fillRect(r, t, 1, rect.height(), outerDark);
    painter.fillRect(l + 1, t + 1, rect.width() - 2, 1, innerLight);
    painter.fillRect(l + 1, t + 1, 1, rect.height() - 2, innerLight);
    painter.fillRect(l + 1, b - 1, rect.width() - 2, 1, innerDark);
    painter.fillRect(r - 1, t + 1, 1, rect.height() - 2, innerDark);
    const QRect glyph = rect.translated(pressed ? 1 : 0, pressed ? 1 : 0);
    if (enabled) {
        painter.setPen(DarkShadow);
        drawGlyph(painter, glyph, button, state);
    } else {
        painter.setPen(Light);
        drawGlyph(painter, glyph.translated(1, 1), button, state);
        painter.setPen(Shadow);
        drawGlyph(painter, glyph, button, state);
    }
    painter.restore();
}

void paintCaption(QPainter &painter, const CaptionGeometry &g, const CaptionLook &look, bool active,
                  const CaptionContent &content)
{
    if (g.caption.isEmpty())
        return;
    QImage canvas(g.caption.left() + g.caption.width(), g.caption.top() + g.caption.height(), QImage::Format_RGB32);
    if (canvas.isNull())
        return;
    QPainter off(&canvas);

    const QColor begin = active ? look.activeBeginColor : look.inactiveBeginColor;
    const QColor end = active ? look.activeEndColor : look.inactiveEndColor;
    for (const GradientBand &band : gradientBands(g.caption.left(), g.caption.width(), begin, end, look.numColors))
        off.fillRect(band.left, g.caption.top(), band.right - band.left, g.caption.height(), band.color);

    const QRect iconPlace = rectLTRB(g.icon.left() + 2, g.icon.top() + 1, g.icon.left() + g.icon.width(),
                                     g.icon.top() + g.icon.height() - 1);
    if (!iconPlace.isEmpty() && !content.icon.isNull()) {
        off.setRenderHint(QPainter::SmoothPixmapTransform);
        off.drawPixmap(iconPlace, content.icon);
    }

    off.setPen(active ? look.activeFontColor : look.inactiveFontColor);
    QFont nameFont = look.applicationNameFont, captionFont = look.captionFont;
    if (look.autoSize) {
        const int height = std::max(1, g.text.height() - 5);
        nameFont.setPixelSize(height);
        captionFont.setPixelSize(height);
    }
    QRect textPlace = g.text;
    if (!look.applicationName.isEmpty())
        textPlace.setLeft(textPlace.left() + drawLine(off, textPlace, nameFont, look.applicationName));
    drawLine(off, textPlace, captionFont, content.text);

    for (CaptionButton button : AllCaptionButtons) {
        if (g.isVisible(button))
            paintCaptionButton(off, g.rect(button), button, content.state, content.pressed[std::size_t(button)],
                               g.isEnabled(button));
    }
    off.end();
    painter.drawImage(g.caption.topLeft(), canvas, g.caption);
}

void paintWindowFrame(QPainter &painter, QSize size, int frameX, int frameY)
{
    const int w = size.width(), h = size.height();
    const int layers = std::max(frameX, frameY);
    for (int i = 0; i < layers; ++i) {
        const QColor lightEdge = i == 0 ? Face : i == 1 ? Light : Face;
        const QColor darkEdge = i == 0 ? DarkShadow : i == 1 ? Shadow : Face;
        if (i < frameY) {
            painter.fillRect(i, i, w - 2 * i, 1, lightEdge);
            painter.fillRect(i, h - 1 - i, w - 2 * i, 1, darkEdge);
        }
        if (i < frameX) {
            painter.fillRect(i, i, 1, h - 2 * i, lightEdge);
            painter.fillRect(w - 1 - i, i, 1, h - 2 * i, darkEdge);
        }
    }
}

} // namespace ui
