// Composed GIF frames against ImageMagick's "-coalesce": real files from ImageMagick and gifsicle
// whose frames have transparent pixels and each of the four disposal methods.
#include "externaltools.h"

#include "images/core/gifanimation.h"
#include "images/core/giffile.h"

#include <gtest/gtest.h>

using namespace images;
using namespace imagetests;

namespace {

struct AnimationCase {
    const char *name;
    /// Makes the file at the path given.
    void (*make)(const QString &path, const QString &disposal);
    const char *disposal;
};

void PrintTo(const AnimationCase &c, std::ostream *os) { *os << c.name; }

/// Single pictures the gifsicle files are made of: an opaque screen, two pictures with
/// transparent pixels, a small opaque square.
QString piece(const QString &name, const QStringList &arguments)
{
    const QString path = scratchPath(name);
    magick(arguments + QStringList{path});
    return path;
}

// A white screen, then two pictures with transparent parts (red and green, then blue) under the
// disposal method given, then a yellow square drawn over whatever they left.
void byImageMagick(const QString &path, const QString &disposal)
{
    magick({"-delay", "10", "-dispose", "none", "-size", "40x30", "xc:white", "-dispose", disposal, "(", "-size",
            "14x10", "xc:none", "-fill", "red", "-draw", "rectangle 0,0 6,9", "-fill", "green", "-draw",
            "point 10,5", "-set", "page", "+5+5", ")", "(", "-size", "16x12", "xc:none", "-fill", "blue", "-draw",
            "rectangle 4,0 15,5", "-set", "page", "+12+8", ")", "-dispose", "none", "(", "-size", "6x6",
            "xc:yellow", "-set", "page", "+30+20", ")", path});
}

QString screenPiece()
{
    return piece("screen.gif", {"-size", "40x30", "xc:white", "-fill", "black", "-draw", "rectangle 0,0 9,9"});
}
QString redPiece()
{
    return piece("red.gif", {"-size", "14x10", "xc:none", "-fill", "red", "-draw", "rectangle 0,0 6,9", "-fill",
                             "green", "-draw", "point 10,5"});
}
QString bluePiece()
{
    return piece("blue.gif", {"-size", "16x12", "xc:none", "-fill", "blue", "-draw", "rectangle 4,0 15,5"});
}
QString yellowPiece() { return piece("yellow.gif", {"-size", "6x6", "xc:yellow"}); }

// The same shape through gifsicle (one global colour table, its own disposal numbers).
void byGifsicle(const QString &path, const QString &disposal)
{
    runTool("/usr/bin/gifsicle", {"-d", "10", "--disposal", "0", screenPiece(), "--disposal", disposal, "-p", "5,5",
                                  redPiece(), "-p", "12,8", bluePiece(), "--disposal", "0", "-p", "30,20",
                                  yellowPiece(), "-o", path});
}

// A first picture smaller than the screen and transparent in parts, disposals mixed.
void partialFirstFrame(const QString &path, const QString &)
{
    runTool("/usr/bin/gifsicle", {"--logical-screen", "40x30", "-d", "10", "--disposal", "background", "-p", "3,3",
                                  redPiece(), "--disposal", "previous", "-p", "12,8", bluePiece(), "--disposal",
                                  "asis", "-p", "20,10", redPiece(), "--disposal", "background", "-p", "30,20",
                                  yellowPiece(), "-o", path});
}

const AnimationCase Cases[] = {
    {"imagemagick_undefined", byImageMagick, "undefined"},
    {"imagemagick_none", byImageMagick, "none"},
    {"imagemagick_background", byImageMagick, "background"},
    {"imagemagick_previous", byImageMagick, "previous"},
    {"gifsicle_0", byGifsicle, "0"},
    {"gifsicle_1", byGifsicle, "1"},
    {"gifsicle_2", byGifsicle, "2"},
    {"gifsicle_3", byGifsicle, "3"},
    {"gifsicle_partial_first_frame", partialFirstFrame, ""},
};

class GifAnimationFile : public testing::TestWithParam<AnimationCase> {};

TEST_P(GifAnimationFile, FramesAreComposedLikeImageMagickCoalesce)
{
    const AnimationCase &c = GetParam();
    const QString path = scratchPath(QStringLiteral("%1.gif").arg(c.name));
    c.make(path, QString::fromLatin1(c.disposal));
    TGifFile file;
    file.loadFromFile(path);
    ASSERT_EQ(file.imageCount(), magickFrameCount(path));
    QList<QImage> expected;
    for (int n = 1; n <= file.imageCount(); ++n)
        expected.append(magickCoalescedFrame(path, n - 1));
    GifAnimation animation(file);
    // Twice round: the first image starts again from an empty screen.
    for (int round = 0; round < 2; ++round) {
        for (int n = 1; n <= file.imageCount(); ++n)
            EXPECT_EQ(maxVisibleDifference(animation.compose(n), expected[n - 1]), 0) << "round " << round << " frame " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, GifAnimationFile, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<AnimationCase> &run) { return std::string(run.param.name); });

TEST(GifAnimation, GraphicControlFieldsOfTheImages)
{
    const QString path = scratchPath(QStringLiteral("fields.gif"));
    byGifsicle(path, QStringLiteral("3"));
    TGifFile file;
    file.loadFromFile(path);
    ASSERT_EQ(file.imageCount(), 4);
    EXPECT_EQ(file.image(1).transparentIndex(), -1);
    EXPECT_EQ(file.image(2).disposal(), GifAnimation::RestorePrevious);
    EXPECT_GE(file.image(2).transparentIndex(), 0);
    EXPECT_EQ(file.image(4).disposal(), GifAnimation::Unspecified);
}

} // namespace
