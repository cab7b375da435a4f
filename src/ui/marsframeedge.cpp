#include "ui/marsframeedge.h"

#include "ui/core/captionpainter.h"
#include "ui/tmarscaption.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

namespace {

/// How far along a side its end still sizes from the corner.
constexpr int CornerReach = 16;

} // namespace

MarsFrameEdge::MarsFrameEdge(TMarsCaption &caption, Qt::Edge side, QWidget *form)
    : QWidget(form), m_caption(caption), m_side(side)
{
    setObjectName(QStringLiteral("frameEdge%1").arg(int(side)));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

Qt::Edges MarsFrameEdge::edgesAt(QPoint at) const
{
    const BorderStyle style = m_caption.borderStyle();
    if ((style != BorderStyle::Sizeable && style != BorderStyle::SizeToolWin)
        || m_caption.showState() != WindowShowState::Normal)
        return {};
    Qt::Edges edges = m_side;
    const QPoint inForm = pos() + at;
    const QSize size = m_caption.form()->size();
    if (m_side == Qt::TopEdge || m_side == Qt::BottomEdge) {
        if (inForm.x() < CornerReach)
            edges |= Qt::LeftEdge;
        else if (inForm.x() >= size.width() - CornerReach)
            edges |= Qt::RightEdge;
    } else {
        if (inForm.y() < CornerReach)
            edges |= Qt::TopEdge;
        else if (inForm.y() >= size.height() - CornerReach)
            edges |= Qt::BottomEdge;
    }
    return edges;
}

void MarsFrameEdge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.translate(-pos());
    const CaptionGeometry g = m_caption.geometry();
    paintWindowFrame(painter, m_caption.form()->size(), g.frameX, g.frameY);
}

void MarsFrameEdge::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const Qt::Edges edges = edgesAt(event->position().toPoint()))
        m_caption.startResize(edges, event->globalPosition().toPoint());
}

void MarsFrameEdge::mouseMoveEvent(QMouseEvent *event)
{
    if (m_caption.followMouse(event))
        return;
    const Qt::Edges edges = edgesAt(event->position().toPoint());
    const bool diagonal = edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge);
    const bool antiDiagonal = edges == (Qt::TopEdge | Qt::RightEdge) || edges == (Qt::BottomEdge | Qt::LeftEdge);
    if (!edges)
        unsetCursor();
    else if (diagonal)
        setCursor(Qt::SizeFDiagCursor);
    else if (antiDiagonal)
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else
        setCursor(Qt::SizeVerCursor);
}

void MarsFrameEdge::mouseReleaseEvent(QMouseEvent *event)
{
    m_caption.followMouse(event);
}

} // namespace ui
