#include "ui/marscaptionbar.h"

#include "ui/tmarscaption.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace ui {

MarsCaptionBar::MarsCaptionBar(TMarsCaption &caption, QWidget *form) : QWidget(form), m_caption(caption)
{
    setObjectName(QStringLiteral("captionBar"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPoint MarsCaptionBar::windowPoint(const QMouseEvent *event) const
{
    return pos() + event->position().toPoint();
}

std::optional<CaptionButton> MarsCaptionBar::buttonAt(const CaptionGeometry &g, QPoint at) const
{
    for (CaptionButton b : AllCaptionButtons) {
        if (g.isVisible(b) && buttonHitArea(g, b, m_captured == b).contains(at))
            return b;
    }
    return std::nullopt;
}

void MarsCaptionBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.translate(-pos());
    const CaptionGeometry g = m_caption.geometry();
    CaptionContent content;
    content.text = m_caption.captionText();
    QIcon icon = m_caption.form()->windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_TitleBarMenuButton);
    content.icon = icon.pixmap(QSize(16, 16), devicePixelRatio());
    content.state = m_caption.showState();
    content.pressed = m_pressed;
    paintCaption(painter, g, m_caption.look(), m_caption.drawnActive(), content);
}

void MarsCaptionBar::mousePressEvent(QMouseEvent *event)
{
    QWidget *form = m_caption.form();
    form->raise();
    form->activateWindow();
    if (m_caption.captionIsClient())
        return;
    const CaptionGeometry g = m_caption.geometry();
    const QPoint at = windowPoint(event);
    const std::optional<CaptionButton> button = buttonAt(g, at);
    if (event->button() == Qt::LeftButton) {
        if (button) {
            if (g.isEnabled(*button)) {
                m_captured = button;
                m_pressed[std::size_t(*button)] = true;
                update();
            }
            return;
        }
        leftPress(event, false);
    } else if (event->button() == Qt::RightButton) {
        m_pendingRightClick = !button && at.x() < g.buttons.left();
    }
}

void MarsCaptionBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (m_caption.captionIsClient() || event->button() != Qt::LeftButton)
        return;
    const CaptionGeometry g = m_caption.geometry();
    const QPoint at = windowPoint(event);
    if (buttonAt(g, at)) {
        mousePressEvent(event);
        return;
    }
    if (g.text.contains(at)) {
        if (g.isVisible(CaptionButton::Maximize) && g.isEnabled(CaptionButton::Maximize))
            m_caption.sendSysCommand(m_caption.showState() == WindowShowState::Maximized ? SysCommand::Restore
                                                                                        : SysCommand::Maximize);
        return;
    }
    leftPress(event, true);
}

void MarsCaptionBar::leftPress(QMouseEvent *event, bool doubleClick)
{
    const CaptionGeometry g = m_caption.geometry();
    const QPoint at = windowPoint(event);
    if (g.icon.contains(at)) {
        // The press that closes the menu opened by a first press on the icon is the second
        // click of a double-click: it is consumed, and its release closes the window.
        if (doubleClick || (m_iconPress.isValid() && m_iconPress.elapsed() <= QApplication::doubleClickInterval())) {
            m_caption.systemMenu()->hide();
            m_closeOnRelease = true;
            return;
        }
        m_iconPress.start();
        m_caption.refreshSystemMenu();
        openSystemMenu(mapToGlobal(QPoint(g.icon.left() - pos().x(), g.icon.bottom() + 1 - pos().y())));
        return;
    }
    if (doubleClick || m_caption.showState() == WindowShowState::Maximized)
        return; // a maximised window cannot be dragged by its caption
    m_caption.startMove(event->globalPosition().toPoint());
}

void MarsCaptionBar::mouseMoveEvent(QMouseEvent *event)
{
    if (m_caption.followMouse(event))
        return;
    if (!m_captured)
        return;
    const bool inside = buttonHitArea(m_caption.geometry(), *m_captured, true).contains(windowPoint(event));
    bool &pressed = m_pressed[std::size_t(*m_captured)];
    if (pressed != inside) {
        pressed = inside;
        update();
    }
}

void MarsCaptionBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_caption.followMouse(event))
        return;
    const QPoint at = windowPoint(event);
    if (event->button() == Qt::LeftButton) {
        if (m_captured) {
            const CaptionButton b = *m_captured;
            const bool inside = buttonHitArea(m_caption.geometry(), b, true).contains(at);
            m_captured.reset();
            m_pressed[std::size_t(b)] = false;
            update();
            if (inside)
                runButton(b);
            return;
        }
        const bool close = m_closeOnRelease;
        m_closeOnRelease = false;
        if (close) {
            m_iconPress.invalidate();
            m_caption.sendSysCommand(SysCommand::Close);
        }
        return;
    }
    if (event->button() == Qt::RightButton && m_pendingRightClick) {
        m_pendingRightClick = false;
        m_caption.refreshSystemMenu();
        openSystemMenu(event->globalPosition().toPoint());
    }
}

void MarsCaptionBar::runButton(CaptionButton b)
{
    const WindowShowState state = m_caption.showState();
    switch (b) {
    case CaptionButton::Close:
        m_caption.sendSysCommand(SysCommand::Close);
        break;
    case CaptionButton::Minimize:
        m_caption.sendSysCommand(state == WindowShowState::Minimized ? SysCommand::Restore : SysCommand::Minimize);
        break;
    case CaptionButton::Maximize:
        m_caption.sendSysCommand(state == WindowShowState::Maximized ? SysCommand::Restore : SysCommand::Maximize);
        break;
    case CaptionButton::Help:
        m_caption.sendSysCommand(SysCommand::ContextHelp);
        break;
    }
}

void MarsCaptionBar::openSystemMenu(QPoint globalPos)
{
    m_caption.systemMenu()->popup(globalPos);
}

} // namespace ui
