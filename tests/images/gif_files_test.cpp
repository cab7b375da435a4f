// The GIF reader and writer against real files made by ImageMagick and gifsicle: every frame we
// decode must equal ImageMagick's decoding of it, and what our writer produces must read back
// the same in ImageMagick and in our reader.
#include "externaltools.h"

#include "images/core/giffile.h"
#include "images/core/imageerrors.h"

#include <gtest/gtest.h>

using namespace images;
using namespace imagetests;

namespace {

struct FileCase {
    const char *name;
    QStringList convert;  ///< ImageMagick arguments before the output name
    QStringList gifsicle; ///< then gifsicle arguments over that file, when not empty
};

void PrintTo(const FileCase &c, std::ostream *os) { *os << c.name; }

QString makeFile(const FileCase &c)
{
    const QString made = scratchPath(QStringLiteral("%1.gif").arg(c.name));
    magick(c.convert + QStringList{made});
    if (c.gifsicle.isEmpty())
        return made;
    const QString out = scratchPath(QStringLiteral("%1-gifsicle.gif").arg(c.name));
    runTool(QStringLiteral("/usr/bin/gifsicle"), c.gifsicle + QStringList{made, QStringLiteral("-o"), out});
    return out;
}

void expectSameMatrices(const TGifFile &a, const TGifFile &b)
{
    ASSERT_EQ(a.imageCount(), b.imageCount());
    for (int n = 1; n <= a.imageCount(); ++n) {
        const TByteArray2D *x = a.image(n).matrix();
        const TByteArray2D *y = b.image(n).matrix();
        ASSERT_EQ(x->width(), y->width());
        ASSERT_EQ(x->height(), y->height());
        for (int row = 1; row <= x->height(); ++row)
            ASSERT_EQ(x->copyRow(row), y->copyRow(row)) << "image " << n << " row " << row;
    }
}

class GifRealFile : public testing::TestWithParam<FileCase> {};

TEST_P(GifRealFile, DecodesLikeImageMagickAndWritesBackIdentically)
{
    const QString path = makeFile(GetParam());
    TGifFile gif;
    gif.loadFromFile(path);
    const int frames = magickFrameCount(path);
    ASSERT_EQ(gif.imageCount(), frames);
    const QString screen = QString::fromUtf8(
        runTool(QStringLiteral("/usr/bin/identify"), {QStringLiteral("-format"), QStringLiteral("%W %H"), path + "[0]"}));
    EXPECT_EQ(QStringLiteral("%1 %2").arg(gif.screenWidth()).arg(gif.screenHeight()), screen);
    for (int n = 1; n <= frames; ++n) {
        QPoint offset;
        const QImage expected = magickFrame(path, n - 1, &offset);
        const TGifSubImage &image = gif.image(n);
        EXPECT_EQ(QPoint(image.left(), image.top()), offset) << "frame " << n;
        EXPECT_EQ(maxChannelDifference(image.bitmap(), expected), 0) << "frame " << n;
    }

    const QString written = scratchPath(QStringLiteral("%1-ours.gif").arg(GetParam().name));
    const int count = gif.colorCount();
    if (count != 2 && count != 16 && count != 256) {
        EXPECT_THROW(gif.saveToFile(written), EGifException);
        return;
    }
    gif.saveToFile(written);
    ASSERT_EQ(magickFrameCount(written), frames);
    for (int n = 1; n <= frames; ++n)
        EXPECT_EQ(maxChannelDifference(magickFrame(written, n - 1), magickFrame(path, n - 1)), 0) << "frame " << n;
    TGifFile again;
    again.loadFromFile(written);
    expectSameMatrices(gif, again);
}

const QString Plasma = QStringLiteral("plasma:fractal");

INSTANTIATE_TEST_SUITE_P(
    Files, GifRealFile,
    testing::Values(
        FileCase{"bits1", {"-size", "37x23", Plasma, "-colors", "2", "+dither"}, {}},
        FileCase{"bits2", {"-size", "37x23", Plasma, "-colors", "4"}, {}},
        FileCase{"bits3", {"-size", "41x29", Plasma, "-colors", "8"}, {}},
        FileCase{"bits4", {"-size", "53x31", Plasma, "-colors", "16"}, {}},
        FileCase{"bits6", {"-size", "64x41", Plasma, "-colors", "64"}, {}},
        FileCase{"bits8", {"-size", "101x77", Plasma, "-colors", "256"}, {}},
        FileCase{"noise8", {"-size", "120x90", "xc:", "+noise", "Random", "-colors", "256"}, {}},
        FileCase{"large", {"-size", "640x480", Plasma, "-colors", "256"}, {}},
        FileCase{"interlaced", {"-size", "67x45", Plasma, "-colors", "256", "-interlace", "GIF"}, {}},
        FileCase{"interlaced3rows", {"-size", "5x3", Plasma, "-colors", "8", "-interlace", "GIF"}, {}},
        FileCase{"interlaced10rows", {"-size", "7x10", Plasma, "-colors", "16", "-interlace", "GIF"}, {}},
        FileCase{"onepixel", {"-size", "1x1", "xc:red"}, {}},
        FileCase{"column", {"-size", "1x200", "gradient:red-blue", "-colors", "16"}, {}},
        FileCase{"line", {"-size", "255x1", "gradient:red-blue", "-colors", "256"}, {}},
        FileCase{"oddwidth", {"-size", "333x7", Plasma, "-colors", "100"}, {}},
        FileCase{"commented", {"-comment", "bonjour", "-size", "16x16", Plasma, "-colors", "16", "-loop", "0"}, {}},
        FileCase{"animation",
                 {"-delay", "10", "-size", "30x20", "xc:red", "xc:blue", "-size", "20x10", Plasma, "-colors", "16",
                  "-loop", "0"},
                 {}},
        FileCase{"optimised",
                 {"-delay", "20", "-size", "40x30", "xc:white", "(", "-size", "40x30", "xc:white", "-fill", "red",
                  "-draw", "rectangle 5,5 12,12", ")", "(", "-size", "40x30", "xc:white", "-fill", "blue", "-draw",
                  "rectangle 20,10 30,25", ")"},
                 {"-O2"}},
        FileCase{"version87a", {"-size", "29x13", Plasma, "-colors", "4"}, {"--no-extensions"}},
        FileCase{"gifsicleInterlaced", {"-size", "61x47", Plasma, "-colors", "256"}, {"--interlace"}},
        FileCase{"gifsicleNoise", {"-size", "200x200", "xc:", "+noise", "Random", "-colors", "256"}, {"--careful"}}),
    [](const testing::TestParamInfo<FileCase> &test) { return std::string(test.param.name); });

TEST(GifRealFile, VersionOfGifsicleWithoutExtensionsIs87a)
{
    const QString path = makeFile({"plain87a", {"-size", "9x9", Plasma, "-colors", "4"}, {"--no-extensions"}});
    TGifFile gif;
    gif.loadFromFile(path);
    EXPECT_EQ(gif.version(), QByteArray("87a"));
}

TEST(GifRealFile, ExtensionsAreKeptWithTheirImage)
{
    const QString path = makeFile({"extensions",
                                   {"-delay", "35", "-comment", "salut", "-size", "8x8", "xc:red", "xc:blue", "-loop",
                                    "0"},
                                   {}});
    TGifFile gif;
    gif.loadFromFile(path);
    ASSERT_EQ(gif.imageCount(), 2);
    bool application = false, comment = false;
    for (const TExtension &ext : gif.image(1).extensions()) {
        application |= ext.kind() == TExtension::Application && ext.fixedBytes().mid(1, 8) == "NETSCAPE";
        comment |= ext.kind() == TExtension::Comment && ext.data().count() == 1 && ext.data().block(0) == "salut";
    }
    EXPECT_TRUE(application);
    EXPECT_TRUE(comment);
    EXPECT_EQ(gif.image(2).delay(), 35);
    EXPECT_EQ(gif.animationDelay(), 35);
}

TEST(GifRealFile, SixtyFourColoursAreRefusedOnSaving)
{
    const QString path = makeFile({"save64", {"-size", "64x41", Plasma, "-colors", "64"}, {}});
    TGifFile gif;
    gif.loadFromFile(path);
    ASSERT_EQ(gif.colorCount(), 64);
    try {
        gif.saveToBytes();
        FAIL() << "saved";
    } catch (const EGifException &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Nombre de couleurs inattendu"));
    }
}

TEST(GifRealFile, MissingAndUnreadableFilesRaiseFileErrors)
{
    TGifFile gif;
    EXPECT_THROW(gif.loadFromFile(scratchPath(QStringLiteral("absent.gif"))), EInOutError);
    EXPECT_THROW(gif.loadFromFile(QString()), EInOutError);
    EXPECT_THROW(gif.loadFromFile(QStringLiteral("/")), EInOutError);
}

} // namespace
