// The rules of a shaped hint: its size from the measured text, where it goes on the screen,
// the body and shadow rectangles, where the text and the picture stand, and the darkened
// transparent shadow.
#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace ui {

enum class KrAlign { KrLeft, KrCenter, KrRight };
enum class KrKind { KrWindow, KrFlat, KrSquare, KrRoundSquare, KrEllipse, Kr3dUp, Kr3dDown, KrTransParent };
enum class KrShadow { shNone, shTopLeft, shTopRight, shBottomLeft, shBottomRight };
enum class KrPictAlign {
    paNone, paTopLeft, paTopCenter, paTopRight, paLeft, paCenter, paRight, paBottomLeft, paBottomCenter, paBottomRight
};

/// Qt alignment flag of \a align.
int alignmentFlag(KrAlign align);

/// The text measured word-wrapped within \a maxWidth: a word longer than that widens the result.
QSize measureHintText(const QFont &font, const QString &text, int maxWidth, KrAlign align);

/// The hint's rectangle at \a topLeft for a text of \a measured size: 8 wider and 4 higher,
/// grown by the shadow for every kind but KrWindow, and for KrEllipse by a thirteenth of its
/// own width and height so that the text fits inside the ellipse.
QRect hintWindowRect(QPoint topLeft, QSize measured, KrKind kind, KrShadow shadow, int shadowWidth);

/// \a hint moved 18 pixels below \a cursor, then shifted left or up so it ends at the edges of \a screen.
QRect placeHint(const QRect &hint, QPoint cursor, const QRect &screen);

struct HintBodyRects {
    QRect body;
    QRect shadow;
};

/// The body and the shadow of a hint whose client rectangle is \a client.
HintBodyRects hintBodyRects(const QRect &client, KrShadow shadow, int shadowWidth);

/// The measured text centred in \a body, halves truncated toward zero.
QRect hintTextRect(const QRect &body, QSize measured);

/// Where a picture of \a picture size goes on \a body; empty for paNone.
QRect hintPictureRect(const QRect &body, QSize picture, KrPictAlign align, bool stretch);

/// Darkens (subtracting 64 from each colour value above 63) the pixels of \a shadow that lie
/// outside \a body, counting the body's left column and top row as outside.
void darkenShadow(QImage &image, const QRect &shadow, const QRect &body);

} // namespace ui
