// The media control's own button bar (MediaPlayer1): play, pause, stop, back to the start and on
// to the end of the file the media device holds. The buttons are enabled while a file is open.
#pragma once

#include <QWidget>

class QToolButton;

namespace media {

class MediaDevice;

class MediaButtons : public QWidget {
    Q_OBJECT
public:
    MediaButtons(MediaDevice &device, QWidget *parent = nullptr);

    /// Enables the buttons when the device holds a file.
    void refresh();

private:
    QToolButton *addButton(const char *name, int icon, const QString &hint);
    void run(void (MediaButtons::*command)());
    void play();
    void pause();
    void stop();
    void previous();
    void next();

    MediaDevice &m_device;
    QList<QToolButton *> m_buttons;
};

} // namespace media
