// Icon files made by ImageMagick read as ImageMagick reads them, entry by entry; the entry drawn
// at 32 and at 16 pixels; what our icon and BMP writers produce read back by ImageMagick, icotool
// and our own reader; the save names and options; the glyph viewer's geometry, paging and
// pictures.
#include "externaltools.h"
#include "testicons.h"

#include "images/core/bitmapwriter.h"
#include "images/core/bmpcodec.h"
#include "images/core/filebytes.h"
#include "images/core/glyphpager.h"
#include "images/core/glyphpicture.h"
#include "images/core/iconfile.h"
#include "images/core/iconsaveoptions.h"
#include "images/core/iconwriter.h"
#include "images/core/imageerrors.h"
#include "images/core/savenames.h"
#include "support/temptree.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

using namespace images;
using namespace imagetests;

namespace {

const QString &multiIcon()
{
    static const QString path = makeMultiIcon(scratchPath(QStringLiteral("multi.ico")));
    return path;
}

const QString &depthIcon()
{
    static const QString path = makeDepthIcon(scratchPath(QStringLiteral("depths.ico")));
    return path;
}

QString icotoolListing(const QString &path)
{
    return QString::fromLatin1(runTool(QStringLiteral("/usr/bin/icotool"), {QStringLiteral("-l"), path}));
}

/// The single image of an icon file as icotool extracts it (a PNG), as ARGB32.
QImage icotoolImage(const QString &path)
{
    const QString png = path + QStringLiteral(".png");
    runTool(QStringLiteral("/usr/bin/icotool"), {QStringLiteral("-x"), QStringLiteral("-o"), png, path});
    return QImage(png).convertToFormat(QImage::Format_ARGB32);
}

TEST(IconFiles, EveryEntryDecodesAsImageMagickReadsIt)
{
    for (const QString &path : {multiIcon(), depthIcon()}) {
        const IconFile icon = IconFile::load(path);
        ASSERT_EQ(icon.entries().size(), 4);
        for (int n = 0; n < icon.entries().size(); ++n) {
            SCOPED_TRACE((path + QStringLiteral(" entry %1").arg(n)).toStdString());
            const QImage ours = IconImage::decode(icon.imageBytes(n));
            EXPECT_EQ(differingPixels(ours, magickRgba(path, n)), 0);
        }
    }
    // The 256-pixel entry is a PNG stream, the 16-pixel one has real transparency.
    const IconFile multi = IconFile::load(multiIcon());
    EXPECT_TRUE(IconImage::isPng(multi.imageBytes(3)));
    const QImage small = IconImage::decode(multi.imageBytes(0));
    EXPECT_EQ(qAlpha(small.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(small.pixel(8, 8)), 255);
}

TEST(IconFiles, TheEntryOfEachSizeIsTheBestOne)
{
    struct Case {
        const char *name;
        QString path;
        int side;
        int entry;
    };
    const Case cases[] = {
        {"exact 32 among 16, 32, 48, 256", multiIcon(), 32, 1},
        {"exact 16 among 16, 32, 48, 256", multiIcon(), 16, 0},
        {"48 rather than 256 for 40", multiIcon(), 40, 2},
        {"largest for 300", multiIcon(), 300, 3},
        {"8 bits rather than 1 or 4 at 32", depthIcon(), 32, 2},
        {"the 16-pixel entry at 16", depthIcon(), 16, 3},
        {"the nearest larger for 20", depthIcon(), 20, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IconFile::load(c.path).bestEntry(c.side), c.entry);
    }
}

TEST(IconFiles, PicturesHaveTheirSizeAndScaleOnlyWhenNeeded)
{
    const IconFile multi = IconFile::load(multiIcon());
    EXPECT_EQ(differingPixels(multi.picture(32), magickRgba(multiIcon(), 1)), 0);
    EXPECT_EQ(differingPixels(multi.picture(16), magickRgba(multiIcon(), 0)), 0);

    // A file with only a 48-pixel image gives smaller pictures of it.
    const QString only48 = scratchPath(QStringLiteral("only48.ico"));
    magick({"-seed", "9", "-size", "48x48", "plasma:fractal", only48});
    const IconFile large = IconFile::load(only48);
    ASSERT_EQ(large.entries().size(), 1);
    const QImage reference = magickRgba(only48).scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_EQ(large.picture(32).size(), QSize(32, 32));
    EXPECT_LT(meanDifference(large.picture(32), reference), 2.0);
    EXPECT_EQ(large.picture(16).size(), QSize(16, 16));
}

TEST(IconWriterTest, SavedIconsReadBackPixelForPixelWithTheirAlpha)
{
    struct Case {
        const char *name;
        QString path;
        int entry;
        const char *depth; ///< what icotool sees
    };
    const Case cases[] = {
        {"32-bit with graded alpha", multiIcon(), 1, "--bit-depth=32"},
        {"16x16 with transparent corners", multiIcon(), 0, "--bit-depth=32"},
        {"opaque 8-bit", depthIcon(), 2, "--bit-depth=24"},
        {"opaque 1-bit", depthIcon(), 0, "--bit-depth=24"},
        {"PNG entry", multiIcon(), 3, "--bit-depth=32"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QImage source = IconImage::decode(IconFile::load(c.path).imageBytes(c.entry));
        const QString saved = scratchPath(QStringLiteral("saved-%1-%2.ico").arg(QFileInfo(c.path).baseName()).arg(c.entry));
        IconWriter::write(source, saved);
        EXPECT_TRUE(icotoolListing(saved).contains(QLatin1String(c.depth))) << icotoolListing(saved).toStdString();
        EXPECT_EQ(differingPixels(icotoolImage(saved), source), 0);
        EXPECT_EQ(differingPixels(magickRgba(saved), source), 0);
        EXPECT_EQ(differingPixels(IconFile::load(saved).picture(source.width()), source), 0);
    }
}

TEST(IconWriterTest, RefusesPicturesNoIconCanHold)
{
    EXPECT_THROW(IconWriter::encode(QImage()), EIconError);
    EXPECT_THROW(IconWriter::encode(QImage(257, 16, QImage::Format_ARGB32)), EIconError);
}

TEST(BitmapWriterTest, OpaquePicturesGive24BitFilesAndTransparentOnes32BitWithAlpha)
{
    struct Case {
        const char *name;
        QImage picture;
        const char *channels; ///< as ImageMagick reports them
    };
    const Case cases[] = {
        {"graded alpha", IconImage::decode(IconFile::load(multiIcon()).imageBytes(1)), "srgba"},
        {"opaque", IconImage::decode(IconFile::load(depthIcon()).imageBytes(2)), "srgb"},
        {"odd width", IconImage::decode(IconFile::load(depthIcon()).imageBytes(2)).copy(0, 0, 13, 7), "srgb"},
    };
    int number = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString saved = scratchPath(QStringLiteral("saved-%1.bmp").arg(++number));
        BitmapWriter::write(c.picture, saved);
        const QString channels = QString::fromLatin1(
            runTool(QStringLiteral("/usr/bin/identify"), {QStringLiteral("-format"), QStringLiteral("%[channels]"), saved}));
        EXPECT_EQ(channels, QLatin1String(c.channels));
        EXPECT_EQ(differingPixels(magickRgba(saved), c.picture), 0);
        EXPECT_EQ(differingPixels(BmpCodec::read(saved), c.picture), 0);
    }
    EXPECT_THROW(BitmapWriter::encode(QImage()), EBmpError);
}

TEST(SaveNamesTest, ExtensionsPrefixesAndTheBmpRule)
{
    const std::pair<const char *, const char *> extensions[] = {
        {"disk.ico", "disk.bmp"}, {"a.b.ico", "a.b.bmp"}, {"noext", "noext.bmp"}, {"dir.x/noext", "dir.x/noext.bmp"}};
    for (const auto &[name, expected] : extensions)
        EXPECT_EQ(SaveNames::withExtension(QString::fromLatin1(name), QStringLiteral(".bmp")), QLatin1String(expected));

    const std::pair<const char *, const char *> suffixes[] = {
        {"glyph", "glyph.BMP"}, {"/tmp/x.bmp", "/tmp/x.bmp.BMP"}, {"y.BMP", "y.BMP"}, {"z.BMP.old", "z.BMP.old"}};
    for (const auto &[name, expected] : suffixes)
        EXPECT_EQ(SaveNames::withBmpSuffix(QString::fromLatin1(name)), QLatin1String(expected));

    testing_support::TempTree tree;
    tree.write(QStringLiteral("a.bmp"), "x");
    tree.write(QStringLiteral("_a.bmp"), "x");
    QFile::link(QStringLiteral("nowhere"), tree.path(QStringLiteral("b.bmp")));
    EXPECT_EQ(SaveNames::unusedName(QStringLiteral("a.bmp"), tree.root()), QStringLiteral("__a.bmp"));
    EXPECT_EQ(SaveNames::unusedName(QStringLiteral("b.bmp"), tree.root()), QStringLiteral("_b.bmp"));
    EXPECT_EQ(SaveNames::unusedName(QStringLiteral("c.bmp"), tree.root()), QStringLiteral("c.bmp"));
}

TEST(IconSaveOptionsTest, TheWordHoldsTheNamingModeAboveTheFormat)
{
    for (int naming = 0; naming <= 1; ++naming) {
        for (int format = 0; format <= 3; ++format) {
            const auto word = static_cast<std::uint16_t>(naming * 256 + format);
            const IconSaveOptions options = IconSaveOptions::fromWord(word);
            EXPECT_EQ(options.word(), word);
            EXPECT_EQ(options.isBitmap(), format >= 2);
            EXPECT_EQ(options.side(), format % 2 ? 16 : 32);
            EXPECT_EQ(options.extension(), format >= 2 ? QStringLiteral(".bmp") : QStringLiteral(".ico"));
        }
    }
    EXPECT_EQ(IconSaveOptions().word(), 0);
    EXPECT_EQ(IconSaveOptions::fromWord(0x0907).word(), 0);
}

TEST(GlyphPagerTest, ButtonsFillFourColumnsAndFiveRows)
{
    struct Case {
        int k;
        QRect rect;
    };
    // The design size: client 632 wide, the cancel button's top at 419.
    const Case cases[] = {
        {0, QRect(4, 4, 156, 83)},  {1, QRect(160, 4, 156, 83)},  {3, QRect(472, 4, 156, 83)},
        {4, QRect(4, 87, 156, 83)}, {19, QRect(472, 336, 156, 83)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GlyphPager::buttonRect(c.k, 632, 419), c.rect) << c.k;
    EXPECT_EQ(GlyphPager::buttonRect(5, 1288, 1004), QRect(324, 204, 320, 200));
}

TEST(GlyphPagerTest, PagesMoveByNineteen)
{
    // 50 files: forward 0, 19, 38, back to 31, then 50, then no further.
    int start = 0;
    for (int expected : {19, 38, 31, 50, 50}) {
        start = GlyphPager::next(start, 50);
        EXPECT_EQ(start, expected);
    }
    struct Case {
        int start;
        int files;
        int next;
    };
    const Case forward[] = {{0, 5, 0}, {0, 19, 19}, {0, 0, 0}, {3, 10, 0}, {19, 20, 1}};
    for (const Case &c : forward)
        EXPECT_EQ(GlyphPager::next(c.start, c.files), c.next) << c.start << " of " << c.files;
    const std::pair<int, int> backward[] = {{10, 0}, {0, 0}, {38, 19}, {31, 12}};
    for (const auto &[from, to] : backward)
        EXPECT_EQ(GlyphPager::previous(from), to) << from;
}

TEST(GlyphPictureTest, LargePicturesAreSqueezedBelowTheFirstRowAndColumn)
{
    // 100x40: left half red, right half blue.
    QImage wide(100, 40, QImage::Format_RGB32);
    wide.fill(Qt::blue);
    QPainter(&wide).fillRect(0, 0, 50, 40, Qt::red);
    QImage surface = GlyphPicture::newSurface();
    const QImage glyph = GlyphPicture::glyph(wide, surface);
    ASSERT_EQ(glyph.size(), QSize(72, 72));
    for (int i = 0; i < 72; ++i) {
        EXPECT_EQ(glyph.pixel(0, i), qRgb(255, 255, 255)) << i;
        EXPECT_EQ(glyph.pixel(i, 0), qRgb(255, 255, 255)) << i;
    }
    EXPECT_EQ(glyph.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(glyph.pixel(30, 71), qRgb(255, 0, 0));
    EXPECT_EQ(glyph.pixel(42, 71), qRgb(0, 0, 255));
    EXPECT_EQ(glyph.pixel(71, 71), qRgb(0, 0, 255));

    // The next large picture replaces the last one entirely.
    QImage tall(10, 80, QImage::Format_ARGB32);
    tall.fill(Qt::transparent);
    const QImage second = GlyphPicture::glyph(tall, surface);
    EXPECT_EQ(qAlpha(second.pixel(60, 60)), 0);
    EXPECT_EQ(glyph.pixel(60, 60), qRgb(0, 0, 255)) << "the first glyph is a copy of its own";

    QImage exact(72, 72, QImage::Format_RGB32);
    exact.fill(Qt::green);
    EXPECT_EQ(GlyphPicture::glyph(exact, surface), exact);
    QImage narrow(72, 73, QImage::Format_RGB32);
    narrow.fill(Qt::yellow);
    EXPECT_EQ(GlyphPicture::glyph(narrow, surface).size(), QSize(72, 72));
}

TEST(GlyphPictureTest, CaptionsStopAtTheFirstDot)
{
    const std::pair<const char *, const char *> cases[] = {
        {"logo.small.bmp", "logo"}, {"glyph.bmp", "glyph"}, {".hidden.bmp", ""}, {"nodot", "nodot"}};
    for (const auto &[name, caption] : cases)
        EXPECT_EQ(GlyphPicture::caption(QString::fromLatin1(name)), QLatin1String(caption));
}

} // namespace
