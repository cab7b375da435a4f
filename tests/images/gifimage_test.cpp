// The animated GIF control: timer interval from the file's delay, frames composed over each other
// at their positions until the first comes back, the busy flag, failed and overlapping loads.
#include "externaltools.h"
#include "gifbytes.h"
#include "support/qtestmain.h"

#include "images/core/filebytes.h"
#include "images/core/imageerrors.h"
#include "images/gui/tgifimage.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

using namespace images;
using namespace imagetests;

namespace {

/// Three frames without transparency: a white screen, a red square at (5, 5), a blue block at
/// (20, 10), each shown \a delay hundredths of a second.
QString offsetAnimation(const QString &name, int delay)
{
    const QString path = scratchPath(name);
    magick({"-delay", QString::number(delay), "-size", "40x30", "xc:white", "-page", "+5+5", "-size", "8x8",
            "xc:red", "-page", "+20+10", "-size", "10x12", "xc:blue", path});
    return path;
}

/// Frame \a index as ImageMagick builds it when every frame is drawn over the previous ones.
QImage coalesced(const QString &path, int index)
{
    const QString out = path + QStringLiteral("-coalesced.gif");
    magick({path, "-coalesce", out});
    return magickFrame(out, index);
}

TEST(TGifImage, AnimatesAtTheFileDelayAccumulatingFrames)
{
    const QString path = offsetAnimation(QStringLiteral("anim.gif"), 10);
    TGifImage image;
    EXPECT_EQ(image.interval(), 1000);
    EXPECT_FALSE(image.animating());
    image.loadFromFile(path);
    EXPECT_FALSE(image.busy());
    EXPECT_EQ(image.interval(), 100);
    EXPECT_FALSE(image.animating());
    EXPECT_EQ(image.frame(), 1);
    EXPECT_EQ(maxChannelDifference(image.picture(), magickFrame(path, 0)), 0);
    EXPECT_FALSE(image.pixmap().isNull());

    image.animate(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return image.frame() == 2; }, 5000));
    EXPECT_EQ(maxChannelDifference(image.picture(), coalesced(path, 1)), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return image.frame() == 3; }, 5000));
    EXPECT_EQ(maxChannelDifference(image.picture(), coalesced(path, 2)), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return image.frame() == 1; }, 5000));
    EXPECT_EQ(maxChannelDifference(image.picture(), magickFrame(path, 0)), 0);
    image.animate(false);
    EXPECT_FALSE(image.animating());
}

TEST(TGifImage, PlaysFramesWithTheirTransparencyAndDisposal)
{
    // A white screen, a red square with a transparent part cleared after it is shown, a blue one
    // with a transparent part whose screen is restored after it.
    const QString path = scratchPath(QStringLiteral("disposal.gif"));
    magick({"-delay", "20", "-dispose", "none", "-size", "30x20", "xc:white", "-dispose", "background", "(", "-size",
            "10x10", "xc:none", "-fill", "red", "-draw", "rectangle 0,0 4,9", "-set", "page", "+2+2", ")",
            "-dispose", "previous", "(", "-size", "10x10", "xc:none", "-fill", "blue", "-draw",
            "rectangle 0,0 9,4", "-set", "page", "+5+5", ")", "-dispose", "none", "(", "-size", "4x4",
            "xc:black", "-set", "page", "+20+10", ")", path});
    TGifImage image;
    image.loadFromFile(path);
    image.animate(true);
    for (int frame : {2, 3, 4, 1}) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return image.frame() == frame; }, 5000));
        EXPECT_EQ(maxVisibleDifference(image.picture(), magickCoalescedFrame(path, frame - 1)), 0) << frame;
    }
    image.animate(false);
}

TEST(TGifImage, StartsAtOnceOnlyWhenAskedAndNeverWithoutDelay)
{
    TGifImage image;
    image.setStartImmediately(true);
    image.loadFromFile(offsetAnimation(QStringLiteral("soon.gif"), 20));
    EXPECT_TRUE(image.animating());
    EXPECT_EQ(image.interval(), 200);

    const QString still = scratchPath(QStringLiteral("nodelay.gif"));
    magick({"-delay", "0", "-size", "8x8", "xc:red", "xc:blue", still});
    image.loadFromFile(still);
    EXPECT_EQ(image.interval(), 0);
    EXPECT_FALSE(image.animating());
    image.animate(true);
    EXPECT_FALSE(image.animating());
}

TEST(TGifImage, FailedLoadKeepsThePictureAndStaysBusy)
{
    const QString good = offsetAnimation(QStringLiteral("good.gif"), 10);
    TGifImage image;
    image.loadFromFile(good);
    const QImage before = image.picture();
    const QString bad = scratchPath(QStringLiteral("bad.gif"));
    writeFileBytes(bad, gifFile("90a", 1, 1, 1, {}));
    EXPECT_THROW(image.loadFromFile(bad), EGifException);
    EXPECT_TRUE(image.busy());
    EXPECT_EQ(image.picture(), before);
    EXPECT_EQ(image.file().imageCount(), 3);

    const QString empty = scratchPath(QStringLiteral("noimage.gif"));
    writeFileBytes(empty, gifFile("89a", 4, 4, 1, {}));
    EXPECT_THROW(image.loadFromFile(empty), EListError);
    EXPECT_EQ(image.picture(), before);

    image.loadFromFile(good);
    EXPECT_FALSE(image.busy());
}

TEST(TGifImage, LoadStartedDuringAnotherOneWins)
{
    const QString large = scratchPath(QStringLiteral("large.gif"));
    magick({"-size", "300x400", "plasma:fractal", "-colors", "64", large});
    const QString small = scratchPath(QStringLiteral("small.gif"));
    magick({"-size", "7x5", "xc:green", small});
    TGifImage image;
    bool nestedRan = false;
    // Runs from the events the first load lets through after its first row.
    QTimer::singleShot(0, &image, [&] { nestedRan = image.loadFromFile(small); });
    EXPECT_FALSE(image.loadFromFile(large));
    EXPECT_TRUE(nestedRan);
    EXPECT_FALSE(image.busy());
    EXPECT_EQ(image.picture().size(), QSize(7, 5));
    EXPECT_EQ(image.file().image(1).width(), 7);
}

TEST(TGifImage, SavesTheLoadedModel)
{
    const QString path = offsetAnimation(QStringLiteral("tosave.gif"), 10);
    TGifImage image;
    image.loadFromFile(path);
    const QString out = scratchPath(QStringLiteral("saved.gif"));
    image.saveToFile(out);
    ASSERT_EQ(magickFrameCount(out), 3);
    EXPECT_EQ(maxChannelDifference(magickFrame(out, 2), magickFrame(path, 2)), 0);
}

} // namespace

VORLANE_GTEST_QT_MAIN
