// Independent tools for the picture tests.
#include "externaltools.h"
#include "support/runtool.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace imagetests {

QByteArray runTool(const QString &program, const QStringList &arguments)
{
    return testing_support::runTool(program, arguments);
}

void magick(const QStringList &arguments)
{
    runTool(QStringLiteral("/usr/bin/convert"), arguments);
}

int magickFrameCount(const QString &path)
{
    return runTool(QStringLiteral("/usr/bin/identify"), {QStringLiteral("-format"), QStringLiteral("x\n"), path})
        .count('\n');
}

QImage magickFrame(const QString &path, int index, QPoint *offset)
{
    const QString frame = QStringLiteral("%1[%2]").arg(path).arg(index);
    const QList<QByteArray> geometry =
        runTool(QStringLiteral("/usr/bin/identify"), {QStringLiteral("-format"), QStringLiteral("%w %h %X %Y"), frame})
            .split(' ');
    if (geometry.size() != 4)
        throw std::runtime_error("identify gave no geometry");
    const int width = geometry[0].toInt();
    const int height = geometry[1].toInt();
    if (offset)
        *offset = QPoint(geometry[2].toInt(), geometry[3].toInt());
    const QByteArray rgb = runTool(QStringLiteral("/usr/bin/convert"),
                                   {frame, QStringLiteral("-alpha"), QStringLiteral("off"),
                                    QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("rgb:-")});
    if (rgb.size() != qsizetype(width) * height * 3)
        throw std::runtime_error("convert gave an unexpected pixel count");
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), rgb.constData() + qsizetype(y) * width * 3, size_t(width) * 3);
    return image;
}

QImage magickRgba(const QString &path, int index)
{
    const QString frame = QStringLiteral("%1[%2]").arg(path).arg(index);
    const QList<QByteArray> geometry =
        runTool(QStringLiteral("/usr/bin/identify"), {QStringLiteral("-format"), QStringLiteral("%w %h"), frame}).split(' ');
    if (geometry.size() != 2)
        throw std::runtime_error("identify gave no geometry");
    const int width = geometry[0].toInt();
    const int height = geometry[1].toInt();
    const QByteArray rgba = runTool(QStringLiteral("/usr/bin/convert"),
                                    {frame, QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("rgba:-")});
    if (rgba.size() != qsizetype(width) * height * 4)
        throw std::runtime_error("convert gave an unexpected pixel count");
    QImage image(width, height, QImage::Format_RGBA8888);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), rgba.constData() + qsizetype(y) * width * 4, size_t(width) * 4);
    return image.convertToFormat(QImage::Format_ARGB32);
}

int differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return std::max(a.width() * a.height(), b.width() * b.height()) + 1;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const QRgb *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int i = 0; i < x.width(); ++i) {
            const bool clear = qAlpha(p[i]) == 0 && qAlpha(q[i]) == 0;
            differing += !clear && p[i] != q[i] ? 1 : 0;
        }
    }
    return differing;
}

QImage magickCoalescedFrame(const QString &path, int index)
{
    const QString coalesced = path + QStringLiteral("-coalesced.miff");
    if (!QFileInfo::exists(coalesced))
        magick({path, QStringLiteral("-coalesce"), coalesced});
    return magickRgba(coalesced, index);
}

int maxVisibleDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 256;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int worst = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            if ((qAlpha(p) == 0) != (qAlpha(q) == 0))
                return 256;
            if (qAlpha(p) == 0)
                continue;
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return worst;
}

QString scratchPath(const QString &name)
{
    static QTemporaryDir dir;
    return QDir(dir.path()).filePath(name);
}

int maxChannelDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 256;
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    int worst = 0;
    for (int row = 0; row < x.height(); ++row) {
        const uchar *p = x.constScanLine(row);
        const uchar *q = y.constScanLine(row);
        for (int i = 0; i < x.width() * 3; ++i)
            worst = std::max(worst, std::abs(int(p[i]) - int(q[i])));
    }
    return worst;
}

double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    if (x.size() != y.size() || x.isNull())
        return 256;
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int i = 0; i < x.width() * 3; ++i)
            sum += std::abs(int(x.constScanLine(row)[i]) - int(y.constScanLine(row)[i]));
    return sum / (double(x.width()) * x.height() * 3);
}

} // namespace imagetests
