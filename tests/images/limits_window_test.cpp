// Pictures at the limits of the format in the search dialog's preview, offscreen: a GIF screen of
// 65,535 x 65,535, a GIF frame as large, a GIF of 10,000 frames and a JPEG that declares
// 65,500 x 65,500. Each is refused with a message or shown within the caps; the event loop goes
// on running and the memory taken stays far below what the declared sizes would need.
#include "gifbytes.h"
#include "support/peakmemory.h"
#include "support/messageboxwatcher.h"
#include "support/qtestmain.h"
#include "support/quietsearchhost.h"

#include "images/core/jpegcodec.h"
#include "images/gui/picturepreview.h"
#include "images/gui/tgifimage.h"
#include "search/gui/tchoix.h"
#include "settings/settingsstore.h"
#include "ui/filelist.h"
#include "ui/radiogroup.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>


using namespace images;
using namespace imagetests;
using testing_support::MessageBoxWatcher;

// Under AddressSanitizer, freed memory is held back up to a quarantine of 256 MB by default, which
// would show as growth here: keep it small so the peak says what the preview holds.
extern "C" const char *__asan_default_options()
{
    return "quarantine_size_mb=8";
}

namespace {

enum Item { JpgItem = 3, GifItem = 4 };

// A real baseline JPEG whose frame header declares \a side x \a side.
QByteArray jpegDeclaring(int side)
{
    QImage small(8, 8, QImage::Format_RGB888);
    small.fill(Qt::red);
    QByteArray bytes = JpegCodec::encode(small);
    const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    for (const int at : {5, 7}) {
        bytes[sof + at] = char(side >> 8);
        bytes[sof + at + 1] = char(side & 0xFF);
    }
    return bytes;
}

struct LimitCase {
    const char *name;
    Item kind;
    QByteArray (*bytes)();
    bool shown; ///< else refused with a message
    QSize size; ///< of the picture shown
};

const LimitCase cases[] = {
    {"screen.gif", GifItem, [] { return gifFile("89a", 65535, 65535, 2, imageBlock(1, 1, false, 2, onePixelLzw())); },
     false, {}},
    {"frame.gif", GifItem, [] { return gifFile("89a", 65535, 65535, 2, imageBlock(65535, 65535, false, 2, onePixelLzw())); },
     false, {}},
    {"frames.gif", GifItem,
     [] {
         QByteArray body;
         for (int i = 0; i < 10000; ++i)
             body += graphicControl(1) + imageBlock(1, 1, false, 2, onePixelLzw());
         return gifFile("89a", 1, 1, 2, body);
     },
     true, {1, 1}},
    {"huge.jpg", JpgItem, [] { return jpegDeclaring(65500); }, false, {}},
};

TEST(PictureLimitsWindow, EachIsRefusedOrShownWithinTheCaps)
{
    QTemporaryDir folder;
    QTemporaryDir settingsFolder;
    ASSERT_TRUE(folder.isValid() && settingsFolder.isValid());
    for (const LimitCase &c : cases) {
        QFile file(QDir(folder.path()).filePath(QLatin1String(c.name)));
        const QByteArray bytes = c.bytes();
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    testing_support::QuietSearchHost host;
    search::Tchoix choix(host, settings::SettingsStore(settingsFolder.filePath(QStringLiteral("user.reg"))));
    choix.show();
    ASSERT_TRUE(choix.setFolder(folder.path()));
    auto *preview = choix.findChild<PicturePreview *>();
    auto *gif = choix.findChild<TGifImage *>(QStringLiteral("GifImage1"));
    auto *files = choix.findChild<ui::FileList *>(QStringLiteral("filtre_rep"));
    ASSERT_TRUE(preview && gif && files);
    choix.findChild<QCheckBox *>(QStringLiteral("optionVoirImage"))->click();

    // The event loop runs through every load: a timer of its own keeps firing.
    int ticks = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] { ++ticks; });
    heartbeat.start(10);

    // Choosing the kind again previews the current file again, a refused one with its message:
    // only the messages that come after the selection count.
    MessageBoxWatcher boxes;
    for (const LimitCase &c : cases) {
        SCOPED_TRACE(c.name);
        choix.findChild<ui::RadioGroup *>(QStringLiteral("choix_ext"))->setItemIndex(c.kind);
        QTest::qWait(100);
        const auto found = files->findItems(QLatin1String(c.name), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        const qsizetype messages = boxes.texts.size();
        const long before = testing_support::peakResidentMb();
        const int ticksBefore = ticks;
        files->setCurrentItem(found.first());
        if (c.shown) {
            const QImage &picture = c.kind == GifItem ? gif->picture() : preview->image1Picture();
            EXPECT_EQ(picture.size(), c.size);
        } else {
            EXPECT_TRUE(QTest::qWaitFor([&] { return boxes.texts.size() > messages; }, 10000));
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= ticksBefore + 5; }, 10000));
        if (c.shown) {
            EXPECT_EQ(boxes.texts.size(), messages) << boxes.texts.join('\n').toStdString();
        }
        EXPECT_LT(testing_support::peakResidentMb() - before, 200);
    }
    // The 10,000 frames animate, one after the other.
    choix.findChild<ui::RadioGroup *>(QStringLiteral("choix_ext"))->setItemIndex(GifItem);
    files->setCurrentItem(files->findItems(QStringLiteral("frames.gif"), Qt::MatchExactly).first());
    EXPECT_TRUE(gif->animating());
    EXPECT_TRUE(QTest::qWaitFor([&] { return gif->frame() >= 3; }, 10000));
}

} // namespace

VORLANE_GTEST_QT_MAIN
