#include "ui/core/captiongeometry.h"

namespace ui {

namespace {

bool isToolWindow(BorderStyle style)
{
    return style == BorderStyle::ToolWindow || style == BorderStyle::SizeToolWin;
}

std::array<bool, 4> visibleButtons(BorderStyle style, const BorderIcons &icons)
{
    std::array<bool, 4> shown{};
    if (style == BorderStyle::None || !icons.systemMenu)
        return shown;
    shown[std::size_t(CaptionButton::Close)] = true;
    if (isToolWindow(style))
        return shown;
    bool minimize = icons.minimize, maximize = icons.maximize, help = icons.help;
    if (style == BorderStyle::Single || style == BorderStyle::Sizeable)
        help = false;
    if (style == BorderStyle::Dialog)
        minimize = maximize = false;
    if (minimize || maximize)
        minimize = maximize = true;
    shown[std::size_t(CaptionButton::Minimize)] = minimize;
    shown[std::size_t(CaptionButton::Maximize)] = maximize;
    shown[std::size_t(CaptionButton::Help)] = help;
    return shown;
}

} // namespace

CaptionGeometry captionGeometry(QSize window, BorderStyle style, const BorderIcons &icons, WindowShowState state,
                                const CaptionMetrics &m)
{
    CaptionGeometry g;
    if (style == BorderStyle::None)
        return g;
    const bool fixed = state == WindowShowState::Minimized || style == BorderStyle::Single
                       || style == BorderStyle::Dialog || style == BorderStyle::ToolWindow;
    g.frameX = fixed ? m.cxFixedFrame : m.cxFrame;
    g.frameY = fixed ? m.cyFixedFrame : m.cyFrame;
    g.captionHeight = (isToolWindow(style) ? m.cySmCaption : m.cyCaption) - 1;
    g.caption = QRect(g.frameX, g.frameY, window.width() - 2 * g.frameX, g.captionHeight);
    const int left = g.caption.left(), top = g.caption.top();
    const int right = left + g.caption.width(), bottom = top + g.caption.height();

    g.visible = visibleButtons(style, icons);
    const bool withIcon = icons.systemMenu && (style == BorderStyle::Single || style == BorderStyle::Sizeable);
    g.icon = rectLTRB(left, top, withIcon ? left + m.cxSize : left, bottom);

    if (!icons.systemMenu) {
        g.buttons = rectLTRB(right, top, right, bottom);
    } else {
        int width = m.cxSmSize;
        if (!isToolWindow(style)) {
            int extra = 0;
            for (CaptionButton b : {CaptionButton::Minimize, CaptionButton::Maximize, CaptionButton::Help})
                extra += g.isVisible(b) ? 1 : 0;
            width = 2 + (1 + extra) * (m.cxSize - 2);
        }
        g.buttons = rectLTRB(right - width, top + 2, right, bottom - 2);
    }
    g.text = rectLTRB(g.icon.left() + g.icon.width() + 2, top + 2, g.buttons.left() - 2, bottom - 2);

    const auto set = [&g](CaptionButton b, QRect r) { g.buttonRects[std::size_t(b)] = r; };
    if (isToolWindow(style)) {
        set(CaptionButton::Close, rectLTRB(g.buttons.left() + 2, g.buttons.top(),
                                           g.buttons.left() + g.buttons.width() - 2, g.buttons.top() + g.buttons.height()));
    } else {
        const int w = m.cxSize - 2, h = m.cySize - 4, y = g.buttons.top();
        const QRect close(right - m.cxSize, y, w, h);
        const QRect maximize(close.left() - 2 - w, y, w, h);
        const QRect minimize(maximize.left() - w, y, w, h);
        set(CaptionButton::Close, close);
        set(CaptionButton::Maximize, maximize);
        set(CaptionButton::Minimize, minimize);
        int leftmost = close.left();
        if (g.isVisible(CaptionButton::Minimize))
            leftmost = minimize.left();
        set(CaptionButton::Help, QRect(leftmost - w, y, w, h));
    }
    g.enabled[std::size_t(CaptionButton::Close)] = true;
    g.enabled[std::size_t(CaptionButton::Help)] = true;
    g.enabled[std::size_t(CaptionButton::Minimize)] = icons.minimize;
    g.enabled[std::size_t(CaptionButton::Maximize)] = icons.maximize;
    return g;
}

QRect buttonHitArea(const CaptionGeometry &geometry, CaptionButton b, bool captured)
{
    QRect area = geometry.rect(b);
    if (b == CaptionButton::Close)
        area.adjust(0, -2, 2, 2);
    else if (captured)
        area.adjust(0, -2, 0, 2);
    return area;
}

bool captionDrawnActive(bool windowActive, bool mdiChild, bool activeChildOfFrame, bool frameActive)
{
    return windowActive || (mdiChild && activeChildOfFrame && frameActive);
}

} // namespace ui
