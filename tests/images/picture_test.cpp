// JPEG and BMP reading and writing, the reduced copy and the extension rules, checked against
// ImageMagick's reading of the same files.
#include "externaltools.h"

#include "images/core/bmpcodec.h"
#include "images/core/jpegcodec.h"
#include "images/core/picturefile.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace images;
using namespace imagetests;

namespace {

/// Whole-file ImageMagick decoding of \a path.
QImage magickImage(const QString &path)
{
    return magickFrame(path, 0);
}

QString identify(const QString &format, const QString &path)
{
    return QString::fromUtf8(runTool(QStringLiteral("/usr/bin/identify"), {QStringLiteral("-format"), format, path}))
        .trimmed();
}

struct JpegCase {
    const char *name;
    QStringList convert;
};

void PrintTo(const JpegCase &c, std::ostream *os) { *os << c.name; }

class JpegRead : public testing::TestWithParam<JpegCase> {};

TEST_P(JpegRead, DecodesAtFullSizeLikeImageMagick)
{
    const QString path = scratchPath(QStringLiteral("%1.jpg").arg(GetParam().name));
    magick(GetParam().convert + QStringList{path});
    const QImage ours = JpegCodec::read(path);
    const QImage theirs = magickImage(path);
    ASSERT_EQ(ours.size(), theirs.size());
    EXPECT_LE(maxChannelDifference(ours, theirs), 2);
    EXPECT_EQ(loadPicture(path).size(), ours.size());
}

INSTANTIATE_TEST_SUITE_P(
    Files, JpegRead,
    testing::Values(JpegCase{"colour", {"-size", "97x61", "plasma:fractal", "-quality", "85"}},
                    JpegCase{"grey", {"-size", "33x47", "gradient:", "-colorspace", "Gray"}},
                    JpegCase{"progressive", {"-size", "120x80", "plasma:fractal", "-interlace", "JPEG"}},
                    JpegCase{"subsampled", {"-size", "17x9", "plasma:fractal", "-sampling-factor", "2x2"}},
                    JpegCase{"onepixel", {"-size", "1x1", "xc:orange"}}),
    [](const testing::TestParamInfo<JpegCase> &test) { return std::string(test.param.name); });

TEST(JpegWrite, BaselineQuality90ReadBackByImageMagick)
{
    const QString source = scratchPath(QStringLiteral("w-source.png"));
    magick({"-seed", "3", "-size", "145x16", "plasma:fractal", source});
    const QImage picture(source);
    ASSERT_FALSE(picture.isNull());
    const QString path = scratchPath(QStringLiteral("w-ours.jpg"));
    JpegCodec::write(picture, path);
    EXPECT_EQ(identify(QStringLiteral("%m %w %h %Q %[colorspace]"), path), QStringLiteral("JPEG 145 16 90 sRGB"));
    EXPECT_EQ(identify(QStringLiteral("%[interlace]"), path), QStringLiteral("None"));
    const QImage back = magickImage(path);
    // Within JPEG tolerance: no further from the source than ImageMagick's own quality 90 copy
    // with the same chroma subsampling (libjpeg's default).
    const QString theirs = scratchPath(QStringLiteral("w-theirs.jpg"));
    magick({source, "-quality", "90", "-sampling-factor", "2x2", theirs});
    EXPECT_LT(meanDifference(back, picture), meanDifference(magickImage(theirs), picture) * 1.1 + 0.5);
    EXPECT_LE(maxChannelDifference(JpegCodec::read(path), back), 2);
}

struct BmpCase {
    const char *name;
    QStringList convert;
    const char *prefix;
};

void PrintTo(const BmpCase &c, std::ostream *os) { *os << c.name; }

class BmpFile : public testing::TestWithParam<BmpCase> {};

TEST_P(BmpFile, ReadsLikeImageMagickAndWritesBackIdentically)
{
    const QString path = scratchPath(QStringLiteral("%1.bmp").arg(GetParam().name));
    magick(GetParam().convert + QStringList{GetParam().prefix + path});
    const QImage ours = BmpCodec::read(path);
    EXPECT_EQ(maxChannelDifference(ours, magickImage(path)), 0);
    EXPECT_EQ(loadPicture(path).size(), ours.size());

    const QString written = scratchPath(QStringLiteral("%1-ours.bmp").arg(GetParam().name));
    BmpCodec::write(ours, written);
    EXPECT_TRUE(identify(QStringLiteral("%m"), written).startsWith(QStringLiteral("BMP")));
    EXPECT_EQ(identify(QStringLiteral("%w %h"), written), QStringLiteral("%1 %2").arg(ours.width()).arg(ours.height()));
    EXPECT_EQ(maxChannelDifference(magickImage(written), ours), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BmpFile,
    testing::Values(BmpCase{"truecolour", {"-size", "31x17", "plasma:fractal", "-type", "TrueColor"}, "BMP3:"},
                    BmpCase{"palette", {"-size", "13x29", "plasma:fractal", "-colors", "200", "-type", "Palette"},
                            "BMP3:"},
                    BmpCase{"version5", {"-size", "8x3", "plasma:fractal", "-type", "TrueColor"}, "BMP:"}),
    [](const testing::TestParamInfo<BmpCase> &test) { return std::string(test.param.name); });

TEST(ReducedCopy, BlankFirstRowAndColumnAroundTheStretchedPicture)
{
    for (const QSize size : {QSize(145, 16), QSize(16, 145), QSize(72, 72)}) {
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(QColor(10, 20, 200));
        const QImage copy = reducedCopy(picture, size.width(), size.height());
        ASSERT_EQ(copy.size(), size);
        for (int x = 0; x < size.width(); ++x)
            EXPECT_EQ(copy.pixel(x, 0), qRgb(255, 255, 255)) << x;
        for (int y = 0; y < size.height(); ++y)
            EXPECT_EQ(copy.pixel(0, y), qRgb(255, 255, 255)) << y;
        EXPECT_EQ(copy.pixel(1, 1), qRgb(10, 20, 200));
        EXPECT_EQ(copy.pixel(size.width() - 1, size.height() - 1), qRgb(10, 20, 200));
    }
}

TEST(Extensions, ChangedFromTheLastDotOfTheName)
{
    const struct {
        const char *path, *extension, *expected;
    } cases[] = {
        {"/a/b.txt", ".JPG", "/a/b.JPG"},
        {"/a/photo.bmp", ".JPG", "/a/photo.JPG"},
        {"/a.dir/file", ".bmp", "/a.dir/file.bmp"},
        {"/a/x.tar.gz", ".bmp", "/a/x.tar.bmp"},
        {"name", ".JPG", "name.JPG"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(changeExtension(QString::fromUtf8(c.path), QString::fromUtf8(c.extension)),
                  QString::fromUtf8(c.expected));
    EXPECT_TRUE(isJpegName(QStringLiteral("/x/A.JPG")));
    EXPECT_TRUE(isJpegName(QStringLiteral("/x/a.jpeg")));
    EXPECT_FALSE(isJpegName(QStringLiteral("/x/a.bmp")));
}

} // namespace
