#include "ui/krhintwindow.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QToolTip>

namespace ui {

namespace {

HintSystemColors systemColors()
{
    const QPalette tips = QToolTip::palette();
    const QPalette palette = QApplication::palette();
    HintSystemColors colors;
    colors.toolTipBackground = tips.color(QPalette::ToolTipBase);
    colors.toolTipText = tips.color(QPalette::ToolTipText);
    colors.light3d = palette.color(QPalette::Midlight);
    colors.darkShadow3d = palette.color(QPalette::Shadow);
    return colors;
}

} // namespace

KrHintWindow::KrHintWindow(bool composited)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::BypassWindowManagerHint),
      m_composited(composited)
{
    setObjectName(QStringLiteral("KrHintWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground, composited);
}

void KrHintWindow::activateHint(const QString &text, QPoint cursor, const HintLook &look)
{
    m_text = text;
    // The plain kind keeps the desktop's status-bar font; the others use the component's.
    const QFont font = look.kind == KrKind::KrWindow ? QApplication::font("QStatusBar") : look.font;
    QScreen *screen = QGuiApplication::screenAt(cursor);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    m_measured = measureHintText(font, text, screenRect.width(), look.align);
    const QRect placed = placeHint(hintWindowRect(QPoint(0, 0), m_measured, look.kind, look.shadow, look.shadowWidth),
                                   cursor, screenRect);
    setGeometry(placed);

    m_picture = QImage(placed.size(), QImage::Format_ARGB32_Premultiplied);
    if (m_picture.isNull())
        return;
    m_picture.fill(Qt::transparent);
    if (!m_composited && screen) {
        const QRect local = placed.translated(-screenRect.topLeft());
        const QImage beneath = screen->grabWindow(0, local.x(), local.y(), local.width(), local.height()).toImage();
        if (beneath.size() == placed.size()) {
            QPainter copy(&m_picture);
            copy.drawImage(0, 0, beneath);
        }
    }
    paintHint(m_picture, look, systemColors(), text, m_measured, font);
    show();
    raise();
    update();
}

void KrHintWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, m_picture);
}

} // namespace ui
