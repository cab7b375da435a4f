// Loading and playing GIF files in a picture control.
#include "images/gui/tgifimage.h"

#include "images/core/imageerrors.h"

#include <QApplication>
#include <QPixmap>

namespace images {

namespace {

/// Thrown through the decoder when a newer load has replaced the one it serves.
struct LoadSuperseded {};

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

TGifImage::TGifImage(QWidget *parent)
    : QLabel(parent)
    , m_file(std::make_unique<TGifFile>())
    , m_animation(std::make_unique<GifAnimation>(*m_file))
{
    setAlignment(Qt::AlignCenter);
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &TGifImage::timerTick);
}

TGifImage::~TGifImage() = default;

bool TGifImage::loadFromFile(const QString &path)
{
    m_busy = true;
    const int number = ++m_loadNumber;
    // Decoding lets pending events run after each row; one of them may start another load,
    // which then wins: this one stops at its next row and leaves everything to it.
    const auto rowDone = [this, number] {
        QCoreApplication::processEvents();
        if (number != m_loadNumber)
            throw LoadSuperseded();
    };
    auto file = std::make_unique<TGifFile>();
    auto animation = std::make_unique<GifAnimation>(*file);
    QImage first;
    try {
        const WaitCursor wait;
        QCoreApplication::processEvents();
        if (number != m_loadNumber)
            return false;
        file->loadFromFile(path, rowDone);
        first = animation->compose(1);
    } catch (const LoadSuperseded &) {
        return false;
    }
    m_file = std::move(file);
    m_animation = std::move(animation);
    m_frame = 1;
    m_timer.stop();
    if (m_file->imageCount() != 1) {
        m_timer.setInterval(m_file->animationDelay() * 10);
        if (m_startImmediately)
            animate(true);
    }
    showPicture(std::move(first));
    m_busy = false;
    return true;
}

void TGifImage::animate(bool on)
{
    if (on && m_timer.interval() > 0)
        m_timer.start();
    else
        m_timer.stop();
}

void TGifImage::saveToFile(const QString &path)
{
    const WaitCursor wait;
    m_file->saveToFile(path);
}

void TGifImage::timerTick()
{
    const int count = m_file->imageCount();
    if (m_busy || count < 2)
        return;
    try {
        m_frame = m_frame % count + 1;
        showPicture(m_animation->compose(m_frame));
    } catch (const ImageError &) {
        // A frame that cannot be made (out of memory) ends the animation; the picture stays.
        m_timer.stop();
    }
}

void TGifImage::showPicture(QImage picture)
{
    m_picture = std::move(picture);
    setPixmap(QPixmap::fromImage(m_picture));
}

} // namespace images
