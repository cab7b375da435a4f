// The caption and hints as the main frame and the search dialog carry them: their sizes and
// client areas, their caption properties, the dialog's full view without caption, the frame's
// hint settings and Shift+F10 on the results list.
#include "images/gui/picturepreview.h"
#include "platform/registrystore.h"
#include "search/gui/tchoix.h"
#include "shell/gui/tframeform.h"
#include "support/qtestmain.h"
#include "support/runtool.h"
#include "ui/filelist.h"
#include "ui/krhint.h"
#include "ui/radiogroup.h"
#include "ui/tmarscaption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include "search/gui/resultsview.h"
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile::remove(platform::RegistryStore::userHivePath());
        frame = std::make_unique<shell::Tframeform>(settings::SettingsStore());
        choix = new search::Tchoix(*frame, frame->store(), frame.get());
        frame->setSearchDialog(choix);
        frame->show();
        QCoreApplication::processEvents();
    }

    std::unique_ptr<shell::Tframeform> frame;
    search::Tchoix *choix = nullptr;
};

TEST_F(FormsTest, FrameCaptionTakesTheTopOfItsWindow)
{
    auto *caption = frame->findChild<ui::TMarsCaption *>(QStringLiteral("MarsCaption1"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(frame->geometry().size(), QSize(641, 480));
    EXPECT_EQ(caption->borderStyle(), ui::BorderStyle::Sizeable);
    EXPECT_EQ(caption->captionText(), QStringLiteral("Recherche de chaine"));
    EXPECT_EQ(caption->activeBeginColor(), QColor(0, 0, 128));
    EXPECT_EQ(caption->activeEndColor(), QColor(0, 255, 255));
    EXPECT_EQ(caption->inactiveEndColor(), QColor(255, 255, 255));
    EXPECT_EQ(caption->captionFont().pixelSize(), 13);
    EXPECT_TRUE(caption->captionFont().bold());
    EXPECT_EQ(caption->applicationNameFont().pixelSize(), 24);
    EXPECT_TRUE(caption->applicationNameFont().italic());
    EXPECT_EQ(caption->numColors(), 64);
    EXPECT_TRUE(caption->applicationName().isEmpty());
    EXPECT_EQ(frame->menuBar()->geometry().top(), 22);
    EXPECT_EQ(caption->captionBar()->geometry(), QRect(4, 4, 633, 18));
}

TEST_F(FormsTest, DialogKeepsItsClientAreaUnderItsCaption)
{
    auto *caption = choix->findChild<ui::TMarsCaption *>(QStringLiteral("MarsCaption1"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->borderStyle(), ui::BorderStyle::Dialog);
    EXPECT_TRUE(caption->captionIsClient());
    EXPECT_EQ(caption->activeBeginColor(), QColor(0, 0, 160));
    EXPECT_EQ(caption->activeEndColor(), QColor(128, 255, 255));
    EXPECT_EQ(caption->inactiveEndColor(), QColor(192, 192, 192));
    EXPECT_EQ(choix->size(), QSize(635 + 6, 424 + 24));
    // Controls stand where they were designed, counted from the client area's corner.
    EXPECT_EQ(choix->findChild<QWidget *>(QStringLiteral("lecteur"))->pos(), QPoint(8, 8) + QPoint(3, 21));
    const ui::CaptionGeometry g = caption->geometry();
    for (ui::CaptionButton b : ui::AllCaptionButtons)
        EXPECT_FALSE(g.isVisible(b));
}

TEST_F(FormsTest, DialogFullViewHasNoCaption)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    testing_support::runTool(QStringLiteral("/usr/bin/convert"),
                             {QStringLiteral("-size"), QStringLiteral("60x40"), QStringLiteral("xc:red"),
                              QStringLiteral("BMP3:") + QDir(folder.path()).filePath(QStringLiteral("a.bmp"))});
    choix->show();
    ASSERT_TRUE(choix->setFolder(folder.path()));
    choix->findChild<ui::RadioGroup *>(QStringLiteral("choix_ext"))->setItemIndex(5);
    auto *tick = choix->findChild<QCheckBox *>(QStringLiteral("optionVoirImage"));
    if (!tick->isChecked())
        tick->click();
    auto *files = choix->findChild<ui::FileList *>(QStringLiteral("filtre_rep"));
    files->setCurrentRow(0);
    auto *preview = choix->findChild<images::PicturePreview *>();
    auto *image = choix->findChild<QLabel *>(QStringLiteral("Image1"));
    ASSERT_NE(preview, nullptr);
    QWidget *bar = choix->findChild<ui::TMarsCaption *>(QStringLiteral("MarsCaption1"))->captionBar();
    EXPECT_TRUE(bar->isVisible());

    preview->Image1Click(image);
    ASSERT_TRUE(preview->fullView());
    EXPECT_EQ(choix->size(), QSize(60, 40));
    EXPECT_FALSE(bar->isVisible());
    const QImage shown = choix->grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(59, 39), QColor(Qt::red));

    preview->Image1Click(image);
    EXPECT_FALSE(preview->fullView());
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->width(), choix->width() - 6);
}

TEST_F(FormsTest, FrameOwnsTheHintSettings)
{
    auto *hint = frame->findChild<ui::KrHint *>(QStringLiteral("KrHint1"));
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->look().kind, ui::KrKind::KrRoundSquare);
    EXPECT_EQ(hint->look().shadow, ui::KrShadow::shBottomRight);
    EXPECT_EQ(hint->look().color, QColor(255, 255, 189));
    EXPECT_EQ(hint->look().fontColor, QColor(Qt::blue));
    EXPECT_TRUE(hint->look().font.bold());
    EXPECT_EQ(hint->look().font.pixelSize(), 13);
    EXPECT_EQ(hint->look().align, ui::KrAlign::KrCenter);
    EXPECT_EQ(hint->pause(), 500);
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 100);
}

TEST_F(FormsTest, ShiftF10OpensTheResultsListPopup)
{
    search::ResultsView *list = frame->resultsList();
    // The search dialog shows itself with the frame and takes the keyboard: hide it again.
    QTest::qWait(50);
    choix->hide();
    QApplication::setActiveWindow(frame.get());
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == frame.get(); }, 2000));
    list->setFocus();
    auto *popup = frame->findChild<QMenu *>(QStringLiteral("PopupMenu1"));
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(QTest::qWaitFor([popup] { return popup->isVisible(); }, 2000));
    popup->hide();
}

} // namespace

VORLANE_GTEST_QT_MAIN
