// Pictures at the limits of the format: a GIF screen of 65,535 x 65,535, a GIF of 10,000 frames,
// a JPEG that declares 65,500 x 65,500. Each is shown within the caps or refused with one of our
// errors, and the memory taken stays far below what the declared sizes would need.
#include "gifbytes.h"
#include "support/peakmemory.h"

#include "images/core/giffile.h"
#include "images/core/gifsubimage.h"
#include "images/core/imageerrors.h"
#include "images/core/jpegcodec.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace images;
using namespace imagetests;

namespace {

TEST(PictureLimits, HugeGifScreenWithASmallFrame)
{
    const long before = testing_support::peakResidentMb();
    TGifFile gif;
    gif.loadFromBytes(gifFile("89a", 65535, 65535, 2, imageBlock(1, 1, false, 2, onePixelLzw())));
    EXPECT_EQ(gif.screenWidth(), 65535);
    EXPECT_EQ(gif.screenHeight(), 65535);
    ASSERT_EQ(gif.imageCount(), 1);
    const QImage frame = gif.image(1).bitmap();
    EXPECT_EQ(frame.size(), QSize(1, 1));
    // The screen is a size, not a picture: nothing of 4 billion pixels is made for it.
    EXPECT_LT(testing_support::peakResidentMb() - before, 64);
}

TEST(PictureLimits, HugeGifFrameIsRefusedBeforeItsMatrix)
{
    const long before = testing_support::peakResidentMb();
    try {
        TGifFile gif;
        gif.loadFromBytes(gifFile("89a", 65535, 65535, 2, imageBlock(65535, 65535, false, 2, onePixelLzw())));
        // Within the caps a frame may be read; its rows past the data stay as they were.
        ADD_FAILURE() << "a 65535 x 65535 frame was taken in";
    } catch (const ImageError &) {
    }
    EXPECT_LT(testing_support::peakResidentMb() - before, 300);
}

TEST(PictureLimits, TenThousandFrames)
{
    QByteArray body;
    for (int i = 0; i < 10000; ++i)
        body += graphicControl(1) + imageBlock(1, 1, false, 2, onePixelLzw());
    const long before = testing_support::peakResidentMb();
    TGifFile gif;
    gif.loadFromBytes(gifFile("89a", 1, 1, 2, body));
    EXPECT_EQ(gif.imageCount(), 10000);
    EXPECT_EQ(gif.image(10000).bitmap().size(), QSize(1, 1));
    EXPECT_LT(testing_support::peakResidentMb() - before, 200);
}

TEST(PictureLimits, JpegDeclaringHugeSizeIsRefused)
{
    // A real baseline JPEG's frame header, declaring 65,500 x 65,500.
    QImage small(8, 8, QImage::Format_RGB888);
    small.fill(Qt::red);
    QByteArray bytes = JpegCodec::encode(small);
    const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    for (const int at : {5, 7}) {
        bytes[sof + at] = char(65500 >> 8);
        bytes[sof + at + 1] = char(65500 & 0xFF);
    }
    const long before = testing_support::peakResidentMb();
    EXPECT_THROW(JpegCodec::decode(bytes), ImageError);
    EXPECT_LT(testing_support::peakResidentMb() - before, 64);
}

} // namespace
