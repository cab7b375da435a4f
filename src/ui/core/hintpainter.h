// Paints a shaped hint over the picture of what lies beneath it: the shadow, the body in its
// shape, the optional picture and the text.
#pragma once

#include "ui/core/hintshape.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace ui {

struct HintLook {
    QFont font;
    QColor fontColor{0, 0, 0};
    KrAlign align = KrAlign::KrCenter;
    QColor color{255, 255, 0};
    KrKind kind = KrKind::KrWindow;
    QColor colorBorder{0, 0, 0};
    KrShadow shadow = KrShadow::shNone;
    QColor colorShadow{128, 128, 128};
    QColor colorUp{255, 255, 255};
    QColor colorDown{128, 128, 128};
    int shadowWidth = 3;
    bool stretch = true;
    bool transparentShadow = false;
    QImage bitmap;
    KrPictAlign bitmapAlign = KrPictAlign::paNone;
};

/// The desktop's colours for the plain KrWindow kind.
struct HintSystemColors {
    QColor toolTipBackground{255, 255, 225};
    QColor toolTipText{0, 0, 0};
    QColor light3d{223, 223, 223};
    QColor darkShadow3d{0, 0, 0};
};

/// Paints the hint on \a canvas, which holds what lies beneath the hint (or is transparent).
/// \a measured is the text's measured size; \a textFont the font the text is drawn in.
void paintHint(QImage &canvas, const HintLook &look, const HintSystemColors &system, const QString &text,
               QSize measured, const QFont &textFont);

} // namespace ui
