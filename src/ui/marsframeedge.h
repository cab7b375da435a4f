// One side of the frame drawn around a window whose caption TMarsCaption draws: it paints its
// part of the raised frame and, on a sizeable window, sizes the window from that side (the
// ends of each side size from the corner).
#pragma once

#include <QWidget>

namespace ui {

class TMarsCaption;

class MarsFrameEdge : public QWidget {
    Q_OBJECT
public:
    MarsFrameEdge(TMarsCaption &caption, Qt::Edge side, QWidget *form);

    /// The edges a press at \a at (in this widget) sizes; none on a window that is not sizeable.
    Qt::Edges edgesAt(QPoint at) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    TMarsCaption &m_caption;
    Qt::Edge m_side;
};

} // namespace ui
