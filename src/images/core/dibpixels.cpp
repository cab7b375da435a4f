// Writing bitmap pixels bottom-up.
#include "images/core/dibpixels.h"

namespace images {

DibPixels::DibPixels(const QImage &image) : m_image(image.convertToFormat(QImage::Format_ARGB32))
{
    for (int y = 0; y < m_image.height() && !m_transparent; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(m_image.constScanLine(y));
        for (int x = 0; x < m_image.width(); ++x) {
            if (qAlpha(line[x]) != 255) {
                m_transparent = true;
                break;
            }
        }
    }
}

QByteArray DibPixels::colourRows() const
{
    const int bits = bitCount();
    const int stride = rowStride(width(), bits);
    QByteArray out(qsizetype(stride) * height(), '\0');
    for (int y = 0; y < height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(m_image.constScanLine(height() - 1 - y));
        char *row = out.data() + qsizetype(stride) * y;
        for (int x = 0; x < width(); ++x) {
            const QRgb pixel = line[x];
            char *p = row + x * bits / 8;
            const bool clear = qAlpha(pixel) == 0;
            // Fully transparent pixels are black, which leaves the screen alone where the
            // mask lets it through.
            p[0] = clear ? 0 : static_cast<char>(qBlue(pixel));
            p[1] = clear ? 0 : static_cast<char>(qGreen(pixel));
            p[2] = clear ? 0 : static_cast<char>(qRed(pixel));
            if (bits == 32)
                p[3] = static_cast<char>(qAlpha(pixel));
        }
    }
    return out;
}

QByteArray DibPixels::maskRows() const
{
    const int stride = rowStride(width(), 1);
    QByteArray out(qsizetype(stride) * height(), '\0');
    for (int y = 0; y < height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(m_image.constScanLine(height() - 1 - y));
        char *row = out.data() + qsizetype(stride) * y;
        for (int x = 0; x < width(); ++x) {
            if (qAlpha(line[x]) == 0)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
    }
    return out;
}

} // namespace images
