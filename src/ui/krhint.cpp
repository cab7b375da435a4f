#include "ui/krhint.h"

#include "platform/compositing.h"
#include "ui/hintstyle.h"
#include "ui/krhintwindow.h"

#include <QApplication>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

namespace ui {

KrHint::KrHint(QObject *owner) : QObject(owner)
{
    // The default font is the desktop's status-bar font in the tool-tip text colour.
    m_look.font = QApplication::font("QStatusBar");
    m_look.fontColor = QToolTip::palette().color(QPalette::ToolTipText);
    m_hideTimer.setSingleShot(true);
    connect(&m_hideTimer, &QTimer::timeout, this, &KrHint::hideHint);
    m_nextTimer.setSingleShot(true);
    connect(&m_nextTimer, &QTimer::timeout, this, [this] {
        if (m_next)
            showFor(m_next, m_nextCursor);
    });
    qApp->installEventFilter(this);
}

KrHint::~KrHint()
{
    qApp->removeEventFilter(this);
    delete m_window;
}

void KrHint::setFont(const QFont &font, const QColor &color)
{
    m_look.font = font;
    m_look.fontColor = color;
}

void KrHint::setShortPause(int ms)
{
    if (ms == m_shortPause)
        return;
    m_shortPause = ms;
    if (HintStyle *application = HintStyle::application())
        application->setHintShortPause(ms);
}

void KrHint::setPause(int ms)
{
    if (ms == m_pause)
        return;
    m_pause = ms;
    if (HintStyle *application = HintStyle::application())
        application->setHintPause(ms);
}

void KrHint::setHidePause(int ms)
{
    if (ms == m_hidePause)
        return;
    m_hidePause = ms;
    if (HintStyle *application = HintStyle::application())
        application->setHintHidePause(ms);
}

void KrHint::activateHint(const QString &text, QPoint cursor)
{
    if (!m_window)
        m_window = new KrHintWindow(platform::screenComposited());
    m_window->activateHint(text, cursor, m_look);
    const HintStyle *application = HintStyle::application();
    m_hideTimer.start(application ? application->hintHidePause() : m_hidePause);
}

void KrHint::hideHint()
{
    m_hideTimer.stop();
    m_nextTimer.stop();
    m_hinted = nullptr;
    if (m_window && m_window->isVisible()) {
        m_window->hide();
        m_lastHidden.start();
    }
}

void KrHint::showFor(QWidget *widget, QPoint cursor)
{
    m_hinted = widget;
    activateHint(widget->toolTip(), cursor);
}

bool KrHint::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ToolTip: {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget)
            break;
        if (widget->toolTip().isEmpty()) {
            // Views and menus give their items' hints themselves: those stay the platform's.
            if (widget != m_hinted)
                hideHint();
            break;
        }
        const QPoint cursor = static_cast<QHelpEvent *>(event)->globalPos();
        if (widget == m_hinted || (widget == m_next && m_nextTimer.isActive()))
            return true;
        const bool following = (m_window && m_window->isVisible())
                               || (m_lastHidden.isValid()
                                   && m_lastHidden.elapsed() < QApplication::style()->styleHint(
                                          QStyle::SH_ToolTip_FallAsleepDelay));
        if (following) {
            // Moving on to another control while a hint shows: its hint follows after the short pause.
            hideHint();
            m_next = widget;
            m_nextCursor = cursor;
            const HintStyle *application = HintStyle::application();
            m_nextTimer.start(application ? application->hintShortPause() : m_shortPause);
            return true;
        }
        showFor(widget, cursor);
        return true;
    }
    case QEvent::Leave:
        if (watched == m_hinted || watched == m_next) {
            m_next = nullptr;
            hideHint();
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::ApplicationDeactivate:
        if (m_hinted || m_nextTimer.isActive())
            hideHint();
        break;
    case QEvent::Hide:
        if (watched == m_hinted)
            hideHint();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
