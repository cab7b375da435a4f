// Where the parts of a drawn caption bar lie, from the window's size, border style, border
// icons and state: frame thickness, caption, icon, text and buttons rectangles, which buttons
// show and which are enabled. All rectangles are in window coordinates.
#pragma once

#include <QRect>
#include <QSize>

#include <array>

namespace ui {

enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
enum class CaptionButton { Close, Minimize, Maximize, Help };
enum class WindowShowState { Normal, Minimized, Maximized };

constexpr std::array<CaptionButton, 4> AllCaptionButtons{CaptionButton::Close, CaptionButton::Minimize,
                                                         CaptionButton::Maximize, CaptionButton::Help};

struct BorderIcons {
    bool systemMenu = true;
    bool minimize = true;
    bool maximize = true;
    bool help = false;
};

/// Sizes of the classic desktop look the caption is drawn in.
struct CaptionMetrics {
    int cxFixedFrame = 3;
    int cyFixedFrame = 3;
    int cxFrame = 4;
    int cyFrame = 4;
    int cyCaption = 19;
    int cySmCaption = 16;
    int cxSize = 18;
    int cySize = 18;
    int cxSmSize = 12;
};

/// A rectangle from its left, top, right and bottom, right and bottom excluded.
inline QRect rectLTRB(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

struct CaptionGeometry {
    int frameX = 0;
    int frameY = 0;
    int captionHeight = 0;
    QRect caption;
    QRect icon;
    QRect buttons;
    QRect text;
    std::array<bool, 4> visible{};
    std::array<bool, 4> enabled{};
    std::array<QRect, 4> buttonRects{};

    bool isVisible(CaptionButton b) const { return visible[std::size_t(b)]; }
    bool isEnabled(CaptionButton b) const { return enabled[std::size_t(b)]; }
    QRect rect(CaptionButton b) const { return buttonRects[std::size_t(b)]; }
};

CaptionGeometry captionGeometry(QSize window, BorderStyle style, const BorderIcons &icons, WindowShowState state,
                                const CaptionMetrics &metrics = {});

/// The area in which a mouse event counts for button \a b: the close button's always reaches
/// 2 pixels further right, up and down; another button's grows 2 pixels up and down while it
/// holds the mouse.
QRect buttonHitArea(const CaptionGeometry &geometry, CaptionButton b, bool captured);

/// The caption is drawn active when its window is the active one; an MDI child that is its
/// frame's active child also while the frame is the active window.
bool captionDrawnActive(bool windowActive, bool mdiChild, bool activeChildOfFrame, bool frameActive);

} // namespace ui
