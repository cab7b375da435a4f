// Draws a caption bar as its rules say: the banded gradient of the active or inactive colours,
// the window icon, the application name and the caption text, and the caption buttons; and the
// raised frame around a window that has no frame from the window manager.
#pragma once

#include "ui/core/captiongeometry.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

class QPainter;

namespace ui {

struct CaptionLook {
    QColor activeBeginColor{0, 0, 128};
    QColor activeEndColor{0, 0, 255};
    QColor activeFontColor{255, 255, 255};
    QColor inactiveBeginColor{128, 128, 128};
    QColor inactiveEndColor{192, 192, 192};
    QColor inactiveFontColor{192, 192, 192};
    QString applicationName;
    QFont applicationNameFont;
    QFont captionFont;
    int numColors = 64;
    bool autoSize = false;
};

/// What changes from one paint to the next.
struct CaptionContent {
    QString text;
    QPixmap icon;
    WindowShowState state = WindowShowState::Normal;
    std::array<bool, 4> pressed{};
};

/// Paints the caption in window coordinates: \a painter's origin is the window's top-left corner.
/// The caption is first drawn off-screen and copied in one piece; nothing is drawn when the
/// off-screen picture cannot be made.
void paintCaption(QPainter &painter, const CaptionGeometry &geometry, const CaptionLook &look, bool active,
                  const CaptionContent &content);

/// One caption button, as the desktop draws it: raised, or sunk while pressed; greyed when disabled.
void paintCaptionButton(QPainter &painter, const QRect &rect, CaptionButton button, WindowShowState state,
                        bool pressed, bool enabled);

/// The raised frame, \a frameX by \a frameY pixels thick, inside a window of \a size.
void paintWindowFrame(QPainter &painter, QSize size, int frameX, int frameY);

} // namespace ui
