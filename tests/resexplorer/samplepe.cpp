// Builds the sample executables with ImageMagick and mingw-w64.
#include "samplepe.h"
#include "support/runtool.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstring>
#include <memory>
#include <stdexcept>

namespace rxtests {

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error(("cannot write " + path).toStdString());
}

void magick(const QStringList &arguments)
{
    runTool(QStringLiteral("/usr/bin/convert"), arguments);
}

// The resource script: every kind of resource the explorer knows, plus a numeric type above
// the known ones and a named type.
const char kScript[] = R"(#include <windows.h>
1 ICON "multi.ico"
2 ICON "palette.ico"
5 CURSOR "pointer.cur"
3 BITMAP "bitmap8.bmp"
4 BITMAP "bitmap24.bmp"
LOGO BITMAP "bitmapv5.bmp"
STRINGTABLE
BEGIN
  0 "zero"
  3 "three"
  16 "sixteen"
  17 "Été"
END
100 MENU
BEGIN
  POPUP "File"
  BEGIN
    MENUITEM "Open", 1
    MENUITEM "Exit", 2
  END
  POPUP "Help"
  BEGIN
    MENUITEM "About", 3
  END
END
101 MENU
BEGIN
  MENUITEM "Zoom %1 %2", 7
  MENUITEM SEPARATOR
  POPUP "More"
  BEGIN
    POPUP "Deeper"
    BEGIN
      MENUITEM "Inside", 65535
    END
  END
END
200 DIALOG 0, 0, 100, 50
CAPTION "Dialogue"
BEGIN
  PUSHBUTTON "OK", 1, 10, 10, 40, 14
END
1 VERSIONINFO
FILEVERSION 1,2,3,4
BEGIN
  BLOCK "StringFileInfo"
  BEGIN
    BLOCK "040C04E4"
    BEGIN
      VALUE "FileDescription", "Exemple"
    END
  END
END
300 RCDATA "blob.bin"
HELLO MYTYPE "custom.bin"
24 24 "custom.bin"
)";

QByteArray makeCursor(const QString &folder)
{
    // ImageMagick writes cursors as icons: give its single icon the cursor type and a hot spot.
    const QString icon = folder + QStringLiteral("/pointer.ico");
    magick({QStringLiteral("-size"), QStringLiteral("32x32"), QStringLiteral("xc:none"),
            QStringLiteral("-fill"), QStringLiteral("black"), QStringLiteral("-draw"),
            QStringLiteral("polygon 0,0 24,12 12,24"), icon});
    QByteArray bytes = readFile(icon);
    bytes[2] = 2;
    bytes[10] = 5;
    bytes[11] = 0;
    bytes[12] = 7;
    bytes[13] = 0;
    return bytes;
}

void build(SamplePe &s)
{
    const QString f = s.folder;
    s.multiIcon = f + QStringLiteral("/multi.ico");
    s.paletteIcon = f + QStringLiteral("/palette.ico");
    s.cursor = f + QStringLiteral("/pointer.cur");
    s.bitmap8 = f + QStringLiteral("/bitmap8.bmp");
    s.bitmap24 = f + QStringLiteral("/bitmap24.bmp");
    s.bitmapV5 = f + QStringLiteral("/bitmapv5.bmp");

    magick({QStringLiteral("-size"), QStringLiteral("256x256"), QStringLiteral("radial-gradient:#3060c0-none"),
            QStringLiteral("-define"), QStringLiteral("icon:auto-resize=256,48,16"), s.multiIcon});
    magick({QStringLiteral("-size"), QStringLiteral("32x32"), QStringLiteral("plasma:fractal"),
            QStringLiteral("-colors"), QStringLiteral("16"), QStringLiteral("-type"), QStringLiteral("Palette"),
            s.paletteIcon});
    writeFile(s.cursor, makeCursor(f));
    magick({QStringLiteral("-size"), QStringLiteral("40x30"), QStringLiteral("plasma:fractal"),
            QStringLiteral("-colors"), QStringLiteral("200"), QStringLiteral("-type"), QStringLiteral("Palette"),
            QStringLiteral("BMP3:") + s.bitmap8});
    // Colours-used 0 means a full table of 256 entries: ImageMagick writes 256 there, which
    // says the same; make it say it the other way.
    QByteArray bitmap8 = readFile(s.bitmap8);
    if (bitmap8.mid(46, 4) != QByteArray("\x00\x01\x00\x00", 4))
        throw std::runtime_error("unexpected colour count in the 8-bit bitmap");
    std::memset(bitmap8.data() + 46, 0, 4);
    writeFile(s.bitmap8, bitmap8);
    magick({QStringLiteral("-size"), QStringLiteral("37x21"), QStringLiteral("plasma:fractal"),
            QStringLiteral("-type"), QStringLiteral("TrueColor"), QStringLiteral("BMP3:") + s.bitmap24});
    magick({QStringLiteral("-size"), QStringLiteral("23x19"), QStringLiteral("plasma:fractal"),
            QStringLiteral("-type"), QStringLiteral("TrueColor"), QStringLiteral("BMP:") + s.bitmapV5});

    s.rcdata = QByteArray("raw\0bytes\x01\x02\xff", 13);
    writeFile(f + QStringLiteral("/blob.bin"), s.rcdata);
    s.custom = QByteArray("custom data of a named type");
    writeFile(f + QStringLiteral("/custom.bin"), s.custom);
    writeFile(f + QStringLiteral("/sample.rc"), kScript);
    writeFile(f + QStringLiteral("/main.c"), "int main(void) { return 0; }\n");
    writeFile(f + QStringLiteral("/lib.c"), "int sample(void) { return 1; }\n");

    const auto compile = [&](const QString &prefix, const QString &res) {
        runTool(prefix + QStringLiteral("windres"),
                {QStringLiteral("-c"), QStringLiteral("65001"), QStringLiteral("-I"), f, f + QStringLiteral("/sample.rc"),
                 QStringLiteral("-O"), QStringLiteral("coff"), QStringLiteral("-o"), res});
    };
    const QString res32 = f + QStringLiteral("/sample32.res");
    const QString res64 = f + QStringLiteral("/sample64.res");
    compile(QStringLiteral("i686-w64-mingw32-"), res32);
    compile(QStringLiteral("x86_64-w64-mingw32-"), res64);
    s.exe32 = f + QStringLiteral("/sample32.exe");
    s.exe64 = f + QStringLiteral("/sample64.exe");
    s.dll32 = f + QStringLiteral("/sample32.dll");
    s.noResources = f + QStringLiteral("/plain32.exe");
    const QString gcc32 = QStringLiteral("i686-w64-mingw32-gcc");
    runTool(gcc32, {QStringLiteral("-s"), f + QStringLiteral("/main.c"), res32, QStringLiteral("-o"), s.exe32});
    runTool(QStringLiteral("x86_64-w64-mingw32-gcc"),
            {QStringLiteral("-s"), f + QStringLiteral("/main.c"), res64, QStringLiteral("-o"), s.exe64});
    runTool(gcc32, {QStringLiteral("-s"), QStringLiteral("-shared"), f + QStringLiteral("/lib.c"), res32,
                    QStringLiteral("-o"), s.dll32});
    runTool(gcc32, {QStringLiteral("-s"), f + QStringLiteral("/main.c"), QStringLiteral("-o"), s.noResources});
}

} // namespace

QByteArray runTool(const QString &program, const QStringList &arguments)
{
    return testing_support::runTool(program, arguments);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(("cannot read " + path).toStdString());
    return file.readAll();
}

QImage magickImage(const QString &path, int index)
{
    const QString frame = QStringLiteral("%1[%2]").arg(path).arg(index);
    const QList<QByteArray> size =
        runTool(QStringLiteral("/usr/bin/identify"), {QStringLiteral("-format"), QStringLiteral("%w %h"), frame}).split(' ');
    if (size.size() != 2)
        throw std::runtime_error("identify gave no size");
    const int width = size[0].toInt();
    const int height = size[1].toInt();
    const QByteArray rgba = runTool(QStringLiteral("/usr/bin/convert"),
                                    {frame, QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("rgba:-")});
    if (rgba.size() != qsizetype(width) * height * 4)
        throw std::runtime_error("convert gave an unexpected pixel count");
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const auto *p = reinterpret_cast<const unsigned char *>(rgba.constData()) + qsizetype(y) * width * 4;
        for (int x = 0; x < width; ++x, p += 4)
            line[x] = qRgba(p[0], p[1], p[2], p[3]);
    }
    return image;
}

const SamplePe &samplePe()
{
    static std::unique_ptr<QTemporaryDir> folder;
    static SamplePe sample;
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>();
        if (!folder->isValid())
            throw std::runtime_error("no temporary folder");
        sample.folder = folder->path();
        build(sample);
    }
    return sample;
}

} // namespace rxtests
