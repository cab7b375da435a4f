// Runs the independent tools the picture tests compare against: ImageMagick and gifsicle.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <ostream>

/// Readable QStrings in test failure messages.
inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }

namespace imagetests {

/// Runs \a program with \a arguments and gives its standard output; throws std::runtime_error
/// when it cannot start or ends with an error.
QByteArray runTool(const QString &program, const QStringList &arguments);

/// Runs /usr/bin/convert.
void magick(const QStringList &arguments);

/// Number of frames ImageMagick finds in \a path.
int magickFrameCount(const QString &path);

/// Frame \a index of \a path as ImageMagick decodes it (its own size, alpha ignored), RGB888;
/// its offset on the logical screen goes to \a offset.
QImage magickFrame(const QString &path, int index, QPoint *offset = nullptr);

/// Frame \a index of ImageMagick's "-coalesce" of \a path (every frame composed on the logical
/// screen), ARGB32 with its alpha.
QImage magickCoalescedFrame(const QString &path, int index);

/// Largest difference of one colour channel between the opaque pixels of two ARGB images, or 256
/// when their sizes differ or a pixel is transparent in one and not in the other.
int maxVisibleDifference(const QImage &a, const QImage &b);

/// Image \a index of \a path as ImageMagick decodes it, alpha included, as ARGB32.
QImage magickRgba(const QString &path, int index = 0);

/// Number of pixels that differ between two ARGB pictures of the same size (all of them when
/// the sizes differ); the colour of fully transparent pixels does not count.
int differingPixels(const QImage &a, const QImage &b);

/// A folder for generated files, removed at exit.
QString scratchPath(const QString &name);

/// Largest difference of one colour channel between two images of the same size, or 256 when
/// their sizes differ.
int maxChannelDifference(const QImage &a, const QImage &b);

/// Mean absolute difference of the colour channels of two images of the same size.
double meanDifference(const QImage &a, const QImage &b);

} // namespace imagetests
