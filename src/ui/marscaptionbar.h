// The widget that shows a TMarsCaption's caption bar and takes its mouse: caption buttons with
// their pressed and captured states, the icon's system menu and double-click, the text's
// double-click, the right-click menu, and moving the window by its caption.
#pragma once

#include "ui/core/captiongeometry.h"

#include <QElapsedTimer>
#include <QWidget>

#include <optional>

namespace ui {

class TMarsCaption;

class MarsCaptionBar : public QWidget {
    Q_OBJECT
public:
    MarsCaptionBar(TMarsCaption &caption, QWidget *form);

    /// Whether button \a b is drawn pushed.
    bool isPressed(CaptionButton b) const { return m_pressed[std::size_t(b)]; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    /// \a event's point in window coordinates.
    QPoint windowPoint(const QMouseEvent *event) const;
    std::optional<CaptionButton> buttonAt(const CaptionGeometry &g, QPoint at) const;
    void leftPress(QMouseEvent *event, bool doubleClick);
    void runButton(CaptionButton b);
    void openSystemMenu(QPoint globalPos);

    TMarsCaption &m_caption;
    std::array<bool, 4> m_pressed{};
    std::optional<CaptionButton> m_captured;
    bool m_pendingRightClick = false;
    QElapsedTimer m_iconPress;
    bool m_closeOnRelease = false;
};

} // namespace ui
