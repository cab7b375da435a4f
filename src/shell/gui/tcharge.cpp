#include "shell/gui/tcharge.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace shell {

TCharge::TCharge(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Charge"));
    setFixedSize(376, 166);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    QFont times(QStringLiteral("Times New Roman"));
    times.setBold(true);
    times.setPointSize(20);
    auto *caption = new QLabel(QStringLiteral("Vorlane  2.02"), this);
    caption->setObjectName(QStringLiteral("Label1"));
    caption->setFont(times);
    caption->setStyleSheet(QStringLiteral("color: red;"));
    caption->setGeometry(140, 30, 226, 40);

    auto *bevelTop = new QFrame(this);
    bevelTop->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevelTop->setGeometry(140, 78, 226, 2);

    times.setPointSize(12);
    auto *loading = new QLabel(QStringLiteral("Chargement en cours ..."), this);
    loading->setObjectName(QStringLiteral("Label2"));
    loading->setFont(times);
    loading->setStyleSheet(QStringLiteral("color: black;"));
    loading->setGeometry(140, 90, 226, 30);

    auto *bevelBottom = new QFrame(this);
    bevelBottom->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevelBottom->setGeometry(140, 126, 226, 2);
}

void TCharge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
    painter.setPen(Qt::darkGray);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // The picture: a magnifying glass over lines of text.
    QLinearGradient sky(0, 0, 0, 166);
    sky.setColorAt(0, QColor(0x00, 0x00, 0x80));
    sky.setColorAt(1, QColor(0x40, 0x80, 0xFF));
    painter.fillRect(QRect(12, 12, 116, 142), sky);
    painter.setPen(QPen(Qt::white, 2));
    for (int y = 30; y < 140; y += 14)
        painter.drawLine(22, y, 22 + (y * 37) % 70 + 20, y);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::yellow, 6));
    painter.drawEllipse(QPoint(62, 74), 26, 26);
    painter.drawLine(82, 94, 112, 124);
}

} // namespace shell
