// Composing GIF frames with their transparency and disposal methods.
#include "images/core/gifanimation.h"

#include "images/core/giffile.h"
#include "images/core/imageerrors.h"

#include <algorithm>

namespace images {

GifAnimation::GifAnimation(const TGifFile &file) : m_file(file) {}

QSize GifAnimation::screenSize() const
{
    QSize size(m_file.screenWidth(), m_file.screenHeight());
    // A screen of no size is taken as the extent of the first image.
    if (size.isEmpty()) {
        const TGifSubImage &first = m_file.image(1);
        size = QSize(first.left() + first.width(), first.top() + first.height());
    }
    return size;
}

const QImage &GifAnimation::compose(int number)
{
    if (number == 1 || m_screen.isNull()) {
        const QSize size = screenSize();
        const qint64 pixels = qint64(size.width()) * size.height();
        if (pixels > MaxScreenPixels)
            throw ENotEnoughMemory(pixels * 4);
        m_screen = QImage(size, QImage::Format_ARGB32);
        if (m_screen.isNull() && !size.isEmpty())
            throw ENotEnoughMemory(pixels * 4);
        m_screen.fill(Qt::transparent);
        m_lastDisposal = Unspecified;
        m_beforeLast = QImage();
    } else {
        disposeLast();
    }
    draw(number);
    return m_screen;
}

void GifAnimation::disposeLast()
{
    if (m_lastDisposal == RestoreBackground) {
        const QRect area = m_lastArea.intersected(m_screen.rect());
        for (int y = area.top(); y <= area.bottom(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(m_screen.scanLine(y));
            std::fill(line + area.left(), line + area.right() + 1, QRgb(0));
        }
    } else if (m_lastDisposal == RestorePrevious && !m_beforeLast.isNull()) {
        m_screen = m_beforeLast;
    }
    m_beforeLast = QImage();
}

void GifAnimation::draw(int number)
{
    const TGifSubImage &image = m_file.image(number);
    m_lastDisposal = image.disposal();
    m_lastArea = QRect(image.left(), image.top(), image.width(), image.height());
    if (m_lastDisposal == RestorePrevious)
        m_beforeLast = m_screen.copy();

    const QImage &bitmap = image.bitmap();
    if (bitmap.isNull())
        return;
    const QList<QRgb> palette = bitmap.colorTable();
    const int transparent = image.transparentIndex();
    const QRect area = m_lastArea.intersected(m_screen.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar *source = bitmap.constScanLine(y - image.top());
        auto *target = reinterpret_cast<QRgb *>(m_screen.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const int index = source[x - image.left()];
            if (index != transparent)
                target[x] = palette.value(index) | 0xFF000000u;
        }
    }
}

} // namespace images
