// Shaped hints on a real X server: the frame's look over a copy of the screen beneath, the
// placement at the screen's edges, hints raised by controls, and the application's pauses.
#include "platform/compositing.h"
#include "support/qtestmain.h"
#include "ui/core/fallbackfont.h"
#include "ui/hintstyle.h"
#include "ui/krhint.h"
#include "ui/krhintwindow.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

namespace {

const QColor PaleYellow(255, 255, 189);
const QColor Beneath(200, 0, 200);

class HintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!ui::HintStyle::application())
            ui::installHints();
        backdrop = std::make_unique<QWidget>();
        QPalette palette = backdrop->palette();
        palette.setColor(QPalette::Window, Beneath);
        backdrop->setPalette(palette);
        backdrop->setAutoFillBackground(true);
        backdrop->setGeometry(QGuiApplication::primaryScreen()->geometry());
        button = new QPushButton(QStringLiteral("Ok"), backdrop.get());
        button->setGeometry(100, 100, 80, 26);
        button->setToolTip(QStringLiteral("Lance la recherche"));
        backdrop->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(backdrop.get()));
        QTest::qWait(200);

        // The main frame's settings.
        hint = std::make_unique<ui::KrHint>(nullptr);
        hint->setFont(ui::fallbackFont(QStringLiteral("MS Sans Serif"), 13, QFont::SansSerif, true), Qt::blue);
        hint->setColor(PaleYellow);
        hint->setKind(ui::KrKind::KrRoundSquare);
        hint->setShadow(ui::KrShadow::shBottomRight);
    }

    std::unique_ptr<QWidget> backdrop;
    QPushButton *button = nullptr;
    std::unique_ptr<ui::KrHint> hint;
};

TEST_F(HintTest, FrameHintIsAPaleYellowRoundedRectangleWithAGreyShadowOverTheScreen)
{
    ASSERT_FALSE(platform::screenComposited()); // a bare X server: the screen is copied
    hint->activateHint(QStringLiteral("Lance la recherche"), QPoint(300, 300));
    ui::KrHintWindow *window = hint->hintWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const QSize measured = window->measured();
    EXPECT_EQ(window->geometry(), QRect(300, 318, measured.width() + 8 + 3, measured.height() + 4 + 3));

    const QImage picture = window->picture();
    const int w = picture.width(), h = picture.height();
    EXPECT_EQ(picture.pixelColor(0, 0), Beneath);         // outside the rounded corner
    EXPECT_EQ(picture.pixelColor(w - 1, h - 1), Beneath); // outside the shadow's corner
    EXPECT_EQ(picture.pixelColor(w - 1, 0), Beneath);     // beside the body, above the shadow
    EXPECT_EQ(picture.pixelColor(w / 2, 0), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(w / 2, h - 2), QColor(128, 128, 128));
    EXPECT_EQ(picture.pixelColor(3, h / 2), PaleYellow);
    // Bold blue text, centred.
    int blue = 0, left = w, right = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.blue() > 150 && c.red() < 100 && c.green() < 100) {
                ++blue;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    EXPECT_GT(blue, 40);
    EXPECT_LE(std::abs(left - (w - 3 - 1 - right)), 4);

    // What the X server shows is the picture.
    const QImage shown = window->screen()->grabWindow(0, 300, 318, w, h).toImage();
    EXPECT_EQ(shown.pixelColor(w / 2, 0), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(3, h / 2), PaleYellow);
    EXPECT_EQ(shown.pixelColor(0, 0), Beneath);
}

TEST_F(HintTest, HintNearTheBottomRightCornerEndsAtTheScreenEdges)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    hint->activateHint(QStringLiteral("Sauvegarde de la liste"), screen.bottomRight() - QPoint(3, 3));
    const QRect placed = hint->hintWindow()->geometry();
    EXPECT_EQ(placed.right(), screen.right());
    EXPECT_EQ(placed.bottom(), screen.bottom());
}

TEST_F(HintTest, EllipseKindShowsTheScreenInItsCorners)
{
    hint->setKind(ui::KrKind::KrEllipse);
    hint->setShadow(ui::KrShadow::shNone);
    hint->activateHint(QStringLiteral("Une bulle"), QPoint(400, 200));
    const QImage picture = hint->hintWindow()->picture();
    EXPECT_EQ(picture.pixelColor(1, 1), Beneath);
    EXPECT_EQ(picture.pixelColor(picture.width() / 2, picture.height() / 2 - 8), PaleYellow);
}

TEST_F(HintTest, ControlsHintsAreShownAndHiddenByTheComponent)
{
    QHelpEvent event(QEvent::ToolTip, QPoint(10, 10), button->mapToGlobal(QPoint(10, 10)));
    QCoreApplication::sendEvent(button, &event);
    ui::KrHintWindow *window = hint->hintWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->text(), QStringLiteral("Lance la recherche"));
    EXPECT_EQ(window->pos(), button->mapToGlobal(QPoint(10, 28)));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_FALSE(window->isVisible());

    // Hints stay within the application's hide pause.
    ui::HintStyle::application()->setHintHidePause(150);
    QCoreApplication::sendEvent(button, &event);
    QTest::qWait(QApplication::style()->styleHint(QStyle::SH_ToolTip_FallAsleepDelay) + 300); // past the fall-asleep delay: shown at once
    QHelpEvent again(QEvent::ToolTip, QPoint(10, 10), button->mapToGlobal(QPoint(10, 10)));
    QCoreApplication::sendEvent(button, &again);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([window] { return !window->isVisible(); }, 1000));
    ui::HintStyle::application()->setHintHidePause(2500);
}

TEST_F(HintTest, PausesReachTheApplicationOnlyWhenChanged)
{
    ui::HintStyle *application = ui::HintStyle::application();
    application->setHintPause(100);
    ui::KrHint fresh(nullptr);
    EXPECT_EQ(application->hintPause(), 100); // creation pushes nothing
    fresh.setPause(500);
    EXPECT_EQ(application->hintPause(), 100); // unchanged value
    fresh.setPause(300);
    EXPECT_EQ(application->hintPause(), 300);
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 300);
    fresh.setShortPause(40);
    fresh.setHidePause(7000);
    EXPECT_EQ(application->hintShortPause(), 40);
    EXPECT_EQ(application->hintHidePause(), 7000);
    application->setHintPause(100);
    application->setHintShortPause(50);
    application->setHintHidePause(2500);
}

} // namespace

VORLANE_GTEST_QT_MAIN
