#include "media/gui/mediabuttons.h"

#include "media/core/mediadevice.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace media {

MediaButtons::MediaButtons(MediaDevice &device, QWidget *parent) : QWidget(parent), m_device(device)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    connect(addButton("btPlay", QStyle::SP_MediaPlay, QStringLiteral("Lecture")), &QToolButton::clicked, this,
            [this] { run(&MediaButtons::play); });
    connect(addButton("btPause", QStyle::SP_MediaPause, QStringLiteral("Pause")), &QToolButton::clicked, this,
            [this] { run(&MediaButtons::pause); });
    connect(addButton("btStop", QStyle::SP_MediaStop, QStringLiteral("Stop")), &QToolButton::clicked, this,
            [this] { run(&MediaButtons::stop); });
    connect(addButton("btPrev", QStyle::SP_MediaSkipBackward, QStringLiteral("Début")), &QToolButton::clicked,
            this, [this] { run(&MediaButtons::previous); });
    connect(addButton("btNext", QStyle::SP_MediaSkipForward, QStringLiteral("Fin")), &QToolButton::clicked, this,
            [this] { run(&MediaButtons::next); });
    layout->addStretch();
    refresh();
}

QToolButton *MediaButtons::addButton(const char *name, int icon, const QString &hint)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setIcon(style()->standardIcon(QStyle::StandardPixmap(icon)));
    button->setToolTip(hint);
    button->setAutoRaise(false);
    layout()->addWidget(button);
    m_buttons.append(button);
    return button;
}

void MediaButtons::refresh()
{
    for (QToolButton *button : std::as_const(m_buttons))
        button->setEnabled(m_device.isOpen());
}

void MediaButtons::run(void (MediaButtons::*command)())
{
    try {
        (this->*command)();
    } catch (const MediaDeviceError &) {
        // The file was closed between the click and now: there is nothing to act on.
        QApplication::beep();
    }
    refresh();
}

void MediaButtons::play()
{
    m_device.play();
}

void MediaButtons::pause()
{
    m_device.pause();
}

void MediaButtons::stop()
{
    m_device.stop();
}

void MediaButtons::previous()
{
    m_device.seek(0);
}

void MediaButtons::next()
{
    m_device.seek(m_device.length());
}

} // namespace media
