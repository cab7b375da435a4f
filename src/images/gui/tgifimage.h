// The animated GIF picture control: an image control that owns a GIF file model, shows its
// first image and plays the others on a timer, each composed over what is already shown at its
// own position (with its transparency and disposal method) until the first image comes round
// again.
#pragma once

#include "images/core/gifanimation.h"
#include "images/core/giffile.h"

#include <QImage>
#include <QLabel>
#include <QTimer>

#include <memory>

namespace images {

class TGifImage : public QLabel {
    Q_OBJECT
public:
    explicit TGifImage(QWidget *parent = nullptr);
    ~TGifImage() override;

    /// Reads \a path into a new model and shows its first image. Raises the reader's error, in
    /// which case the control keeps its picture and stays busy (its frames no longer change).
    /// False when another load, started while this one decoded, took its place.
    bool loadFromFile(const QString &path);
    /// Starts or stops the animation timer (a delay of 0 never animates).
    void animate(bool on);
    /// Writes the current model with the GIF writer; raises its error.
    void saveToFile(const QString &path);

    /// The image shown: the frames composed as played, transparent where none has drawn.
    const QImage &picture() const { return m_picture; }
    const TGifFile &file() const { return *m_file; }
    /// Number of the frame shown, from 1.
    int frame() const { return m_frame; }
    bool busy() const { return m_busy; }
    bool animating() const { return m_timer.isActive(); }
    int interval() const { return m_timer.interval(); }

    bool startImmediately() const { return m_startImmediately; }
    void setStartImmediately(bool start) { m_startImmediately = start; }

    bool stretch() const { return hasScaledContents(); }
    void setStretch(bool stretch) { setScaledContents(stretch); }

private:
    void timerTick();
    void showPicture(QImage picture);

    std::unique_ptr<TGifFile> m_file;
    std::unique_ptr<GifAnimation> m_animation;
    QTimer m_timer;
    QImage m_picture;
    int m_frame = 1;
    bool m_busy = false;
    bool m_startImmediately = false;
    /// Counts loads, so that a load started while another decodes makes the older one give up.
    int m_loadNumber = 0;
};

} // namespace images
