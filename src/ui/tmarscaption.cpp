#include "ui/tmarscaption.h"

#include "ui/marscaptionbar.h"
#include "ui/core/systemmenustate.h"
#include "ui/marsframeedge.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QWhatsThis>
#include <QWidget>
#include <QWindow>

namespace ui {

namespace {

const char *const OwnerError = "The MarsCaption's owner must be a Form!";

BorderStyle styleOf(const QWidget *form)
{
    const bool fixed = form->minimumSize() == form->maximumSize();
    switch (form->windowType()) {
    case Qt::Tool:
        return fixed ? BorderStyle::ToolWindow : BorderStyle::SizeToolWin;
    case Qt::Dialog:
        return BorderStyle::Dialog;
    default:
        return fixed ? BorderStyle::Single : BorderStyle::Sizeable;
    }
}

BorderIcons iconsOf(const QWidget *form)
{
    const Qt::WindowFlags flags = form->windowFlags();
    if (!(flags & Qt::CustomizeWindowHint)) {
        const bool window = form->windowType() == Qt::Window;
        return {true, window, window, false};
    }
    return {bool(flags & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)),
            bool(flags & Qt::WindowMinimizeButtonHint), bool(flags & Qt::WindowMaximizeButtonHint),
            bool(flags & Qt::WindowContextHelpButtonHint)};
}

QAction *addItem(QMenu *menu, const QString &text, const char *name)
{
    QAction *item = menu->addAction(text);
    item->setObjectName(QLatin1String(name));
    return item;
}

} // namespace

TMarsCaption::TMarsCaption(QObject *owner) : QObject(owner)
{
    m_form = qobject_cast<QWidget *>(owner);
    if (!m_form || !m_form->isWindow())
        qFatal("%s", OwnerError);
    m_style = styleOf(m_form);
    m_icons = iconsOf(m_form);

    m_look.applicationNameFont = m_form->font();
    m_look.applicationNameFont.setBold(true);
    m_look.captionFont = m_form->font();
    m_look.captionFont.setBold(false);
    m_look.captionFont.setItalic(false);
    m_look.captionFont.setUnderline(false);
    m_look.captionFont.setStrikeOut(false);

    // The window system draws no caption of its own from now on: without a title or button
    // hint X11 gets no decoration; Wayland decorates unless the window is frameless.
    m_previousFlags = m_form->windowFlags();
    const bool shown = m_form->isVisible();
    Qt::WindowFlags flags = (m_previousFlags & ~Qt::WindowFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                                                | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint
                                                                | Qt::WindowContextHelpButtonHint))
                            | Qt::CustomizeWindowHint;
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        flags |= Qt::FramelessWindowHint;
    const QRect placed = m_form->geometry();
    m_form->setWindowFlags(flags);
    m_form->setGeometry(placed);

    const QMargins added = margins();
    m_previousMargins = m_form->contentsMargins();
    m_laidOut = m_form->layout() != nullptr;
    if (m_laidOut) {
        m_form->setContentsMargins(m_previousMargins + added);
    } else {
        m_childOffset = QPoint(added.left(), added.top());
        for (QWidget *child : m_form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child->isWindow())
                continue;
            child->move(child->pos() + m_childOffset);
            m_movedChildren.append(child);
        }
        m_grownBy = QSize(added.left() + added.right(), added.top() + added.bottom());
        if (m_form->minimumSize() == m_form->maximumSize())
            m_form->setFixedSize(m_form->size() + m_grownBy);
        else
            m_form->resize(m_form->size() + m_grownBy);
    }

    m_bar = new MarsCaptionBar(*this, m_form);
    m_edges = {new MarsFrameEdge(*this, Qt::LeftEdge, m_form), new MarsFrameEdge(*this, Qt::TopEdge, m_form),
               new MarsFrameEdge(*this, Qt::RightEdge, m_form), new MarsFrameEdge(*this, Qt::BottomEdge, m_form)};

    m_systemMenu = new QMenu(m_form);
    m_systemMenu->setObjectName(QStringLiteral("systemMenu"));
    connect(addItem(m_systemMenu, QStringLiteral("&Restaurer"), "Restore"), &QAction::triggered, this,
            [this] { sendSysCommand(SysCommand::Restore); });
    connect(addItem(m_systemMenu, QStringLiteral("&Déplacer"), "Move"), &QAction::triggered, this,
            [this] { sendSysCommand(SysCommand::Move); });
    connect(addItem(m_systemMenu, QStringLiteral("&Taille"), "Size"), &QAction::triggered, this,
            [this] { sendSysCommand(SysCommand::Size); });
    connect(addItem(m_systemMenu, QStringLiteral("Réd&uire"), "Minimize"), &QAction::triggered, this,
            [this] { sendSysCommand(SysCommand::Minimize); });
    connect(addItem(m_systemMenu, QStringLiteral("Ag&randir"), "Maximize"), &QAction::triggered, this,
            [this] { sendSysCommand(SysCommand::Maximize); });
    m_systemMenu->addSeparator();
    connect(addItem(m_systemMenu, QStringLiteral("&Fermer\tAlt+F4"), "Close"), &QAction::triggered, this,
            [this] { sendSysCommand(SysCommand::Close); });

    placeParts();
    m_form->installEventFilter(this);
    if (shown)
        m_form->show();
}

TMarsCaption::~TMarsCaption()
{
    // While the form itself is being destroyed it has already let go of its children: there
    // is nothing to give back then.
    if (!m_form || !m_form->children().contains(this))
        return;
    m_form->removeEventFilter(this);
    delete m_bar;
    for (MarsFrameEdge *edge : m_edges)
        delete edge;
    const bool shown = m_form->isVisible();
    const QRect placed = m_form->geometry();
    m_form->setWindowFlags(m_previousFlags);
    if (m_laidOut) {
        m_form->setContentsMargins(m_previousMargins);
        m_form->setGeometry(placed);
    } else {
        for (const QPointer<QWidget> &child : std::as_const(m_movedChildren)) {
            if (child)
                child->move(child->pos() - m_childOffset);
        }
        const QRect smaller(placed.topLeft(), placed.size() - m_grownBy);
        if (m_form->minimumSize() == m_form->maximumSize())
            m_form->setFixedSize(smaller.size());
        m_form->setGeometry(smaller);
    }
    if (shown) {
        // Shown again as it stood, without taking the activation.
        m_form->setAttribute(Qt::WA_ShowWithoutActivating);
        m_form->show();
        m_form->setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
}

QMargins TMarsCaption::margins() const
{
    const CaptionGeometry g = captionGeometry(m_form->size(), m_style, m_icons, WindowShowState::Normal);
    return QMargins(g.frameX, g.frameY + g.captionHeight, g.frameX, g.frameY);
}

WindowShowState TMarsCaption::showState() const
{
    if (m_form->isMinimized())
        return WindowShowState::Minimized;
    return m_form->isMaximized() ? WindowShowState::Maximized : WindowShowState::Normal;
}

CaptionGeometry TMarsCaption::geometry() const
{
    return captionGeometry(m_form->size(), m_style, m_icons, showState());
}

bool TMarsCaption::drawnActive() const
{
    // A form here is always a top-level window, never an MDI child.
    return captionDrawnActive(m_form->isActiveWindow(), false, false, false);
}

QString TMarsCaption::captionText() const
{
    return m_form->windowTitle();
}

QWidget *TMarsCaption::captionBar() const
{
    return m_bar;
}

void TMarsCaption::changed()
{
    if (m_bar)
        m_bar->update();
}

void TMarsCaption::placeParts()
{
    const CaptionGeometry g = geometry();
    const int w = m_form->width(), h = m_form->height();
    m_bar->setGeometry(g.caption);
    m_edges[0]->setGeometry(0, g.frameY, g.frameX, h - 2 * g.frameY);
    m_edges[1]->setGeometry(0, 0, w, g.frameY);
    m_edges[2]->setGeometry(w - g.frameX, g.frameY, g.frameX, h - 2 * g.frameY);
    m_edges[3]->setGeometry(0, h - g.frameY, w, g.frameY);
    m_bar->raise();
    for (MarsFrameEdge *edge : m_edges)
        edge->raise();
}

#define VORLANE_CAPTION_SETTER(Name, member, Type)                                                                   \
    void TMarsCaption::Name(Type value)                                                                              \
    {                                                                                                                \
        if (m_look.member == value)                                                                                  \
            return;                                                                                                  \
        m_look.member = value;                                                                                       \
        changed();                                                                                                   \
    }

VORLANE_CAPTION_SETTER(setActiveBeginColor, activeBeginColor, const QColor &)
VORLANE_CAPTION_SETTER(setActiveEndColor, activeEndColor, const QColor &)
VORLANE_CAPTION_SETTER(setActiveFontColor, activeFontColor, const QColor &)
VORLANE_CAPTION_SETTER(setInactiveBeginColor, inactiveBeginColor, const QColor &)
VORLANE_CAPTION_SETTER(setInactiveEndColor, inactiveEndColor, const QColor &)
VORLANE_CAPTION_SETTER(setInactiveFontColor, inactiveFontColor, const QColor &)
VORLANE_CAPTION_SETTER(setApplicationName, applicationName, const QString &)
VORLANE_CAPTION_SETTER(setNumColors, numColors, int)
VORLANE_CAPTION_SETTER(setAutoSize, autoSize, bool)
#undef VORLANE_CAPTION_SETTER

void TMarsCaption::setApplicationNameFont(const QFont &font)
{
    m_look.applicationNameFont = font;
    changed();
}

void TMarsCaption::setCaptionFont(const QFont &font)
{
    m_look.captionFont = font;
    changed();
}

void TMarsCaption::refreshSystemMenu()
{
    const CaptionGeometry g = geometry();
    const auto usable = [&g](CaptionButton b) { return g.isVisible(b) && g.isEnabled(b); };
    const SystemMenuState state = systemMenuState(showState(), false, usable(CaptionButton::Minimize),
                                                  usable(CaptionButton::Maximize));
    const std::array<const char *, 6> names{"Restore", "Move", "Size", "Minimize", "Maximize", "Close"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        QAction *item = m_systemMenu->findChild<QAction *>(QLatin1String(names[i]));
        item->setEnabled(state.enabled[i]);
        if (std::size_t(state.defaultItem) == i)
            m_systemMenu->setDefaultAction(item);
    }
}

void TMarsCaption::sendSysCommand(SysCommand command)
{
    switch (command) {
    case SysCommand::Close:
        m_form->close();
        break;
    case SysCommand::Minimize:
        m_form->showMinimized();
        break;
    case SysCommand::Maximize:
        m_form->showMaximized();
        break;
    case SysCommand::Restore:
        m_form->showNormal();
        break;
    case SysCommand::Move:
        startMove(QCursor::pos());
        break;
    case SysCommand::Size:
        startResize(Qt::RightEdge | Qt::BottomEdge, QCursor::pos());
        break;
    case SysCommand::ContextHelp:
        QWhatsThis::enterWhatsThisMode();
        break;
    }
}

void TMarsCaption::startMove(QPoint globalPos)
{
    if (QWindow *window = m_form->windowHandle(); window && window->startSystemMove())
        return;
    m_follow = Follow::Move;
    m_followStart = globalPos;
    m_followGeometry = m_form->geometry();
}

void TMarsCaption::startResize(Qt::Edges edges, QPoint globalPos)
{
    if (QWindow *window = m_form->windowHandle(); window && window->startSystemResize(edges))
        return;
    m_follow = Follow::Resize;
    m_followEdges = edges;
    m_followStart = globalPos;
    m_followGeometry = m_form->geometry();
}

bool TMarsCaption::followMouse(QEvent *event)
{
    if (m_follow == Follow::None)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (event->type() == QEvent::MouseButtonRelease) {
        m_follow = Follow::None;
        return true;
    }
    if (event->type() != QEvent::MouseMove)
        return false;
    const QPoint delta = mouse->globalPosition().toPoint() - m_followStart;
    if (m_follow == Follow::Move) {
        m_form->move(m_followGeometry.topLeft() + delta);
        return true;
    }
    QRect r = m_followGeometry;
    const QSize least = m_form->minimumSizeHint().expandedTo(m_form->minimumSize()).expandedTo(QSize(1, 1));
    if (m_followEdges & Qt::LeftEdge)
        r.setLeft(std::min(r.left() + delta.x(), r.right() + 1 - least.width()));
    if (m_followEdges & Qt::RightEdge)
        r.setRight(std::max(r.right() + delta.x(), r.left() + least.width() - 1));
    if (m_followEdges & Qt::TopEdge)
        r.setTop(std::min(r.top() + delta.y(), r.bottom() + 1 - least.height()));
    if (m_followEdges & Qt::BottomEdge)
        r.setBottom(std::max(r.bottom() + delta.y(), r.top() + least.height() - 1));
    m_form->setGeometry(r);
    return true;
}

bool TMarsCaption::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form) {
        switch (event->type()) {
        case QEvent::Resize:
            placeParts();
            break;
        case QEvent::ActivationChange:
        case QEvent::WindowStateChange:
        case QEvent::WindowTitleChange:
        case QEvent::WindowIconChange:
        case QEvent::FontChange:
            changed();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
