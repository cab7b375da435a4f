// The frames of an animated GIF as a viewer shows them: each image is drawn on the file's logical
// screen at its position, its transparent pixels leaving what lies below, and its disposal method
// deciding what the next image is drawn over (left in place, cleared to transparent, or the
// screen as it was before the image).
#pragma once

#include <QImage>
#include <QRect>

namespace images {

class TGifFile;

class GifAnimation {
public:
    /// Disposal methods of a graphic control extension.
    enum Disposal { Unspecified = 0, Keep = 1, RestoreBackground = 2, RestorePrevious = 3 };

    /// Largest screen composed (pixels); a larger one raises ENotEnoughMemory.
    static constexpr qint64 MaxScreenPixels = qint64(64) * 1024 * 1024;

    /// Composes the images of \a file, which must outlive the animation.
    explicit GifAnimation(const TGifFile &file);

    /// Composes image \a number (from 1). Image 1 starts again from an empty screen; any other
    /// number must follow the one composed last. Raises the model's errors (EListError,
    /// ENotEnoughMemory).
    const QImage &compose(int number);
    /// The last picture composed (ARGB32; transparent where no image has drawn).
    const QImage &picture() const { return m_screen; }

private:
    QSize screenSize() const;
    void disposeLast();
    void draw(int number);

    const TGifFile &m_file;
    QImage m_screen;
    QImage m_beforeLast;
    QRect m_lastArea;
    int m_lastDisposal = Unspecified;
};

} // namespace images
