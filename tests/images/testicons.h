// Icon files made by ImageMagick for the icon tests, each holding the image sizes and colour
// depths named beside it.
#pragma once

#include <QString>

namespace imagetests {

/// multi.ico: 16x16 32-bit with alpha, 32x32 32-bit with graded alpha, 48x48 8-bit, 256x256 PNG.
QString makeMultiIcon(const QString &path);
/// depths.ico: 32x32 entries of 1, 4 and 8 bits, then a 16x16 4-bit one.
QString makeDepthIcon(const QString &path);
/// One 32x32 picture of \a bits bits per pixel (1, 4, 8 or 32), drawn from \a seed.
QString makeSingleIcon(const QString &path, int bits, int seed);

} // namespace imagetests
