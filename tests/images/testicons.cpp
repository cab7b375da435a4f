#include "testicons.h"

#include "externaltools.h"

namespace imagetests {

namespace {

QStringList picture(int side, int bits, int seed)
{
    const QString size = QStringLiteral("%1x%1").arg(side);
    const QString s = QString::number(seed);
    switch (bits) {
    case 1:
        return {"(", "-size", size, "xc:white", "-fill", "navy", "-draw",
                QStringLiteral("circle %1,%1 %1,%2").arg(side / 2).arg(side / 8), "-colors", "2", ")"};
    case 4:
        return {"(", "-seed", s, "-size", size, "plasma:fractal", "-colors", "16", ")"};
    case 8:
        return {"(", "-seed", s, "-size", size, "plasma:fractal", "-colors", "200", ")"};
    default:
        // Colours with an alpha channel that runs from opaque at the top to clear at the bottom.
        return {"(", "-seed", s, "-size", size, "plasma:fractal", "(", "-size", size, "gradient:white-black", ")",
                "-alpha", "off", "-compose", "CopyOpacity", "-composite", ")"};
    }
}

} // namespace

QString makeMultiIcon(const QString &path)
{
    QStringList args;
    args << "(" << "-size" << "16x16" << "xc:none" << "-fill" << "red" << "-draw" << "circle 8,8 8,2" << ")";
    args << picture(32, 32, 1) << picture(48, 8, 2);
    args << "(" << "-size" << "256x256" << "radial-gradient:rgba(0,0,255,1)-rgba(255,0,0,0.2)" << "-depth" << "8"
         << ")";
    magick(args << path);
    return path;
}

QString makeDepthIcon(const QString &path)
{
    magick(picture(32, 1, 3) + picture(32, 4, 4) + picture(32, 8, 5) + picture(16, 4, 6) << path);
    return path;
}

QString makeSingleIcon(const QString &path, int bits, int seed)
{
    magick(picture(32, bits, seed) << path);
    return path;
}

} // namespace imagetests
