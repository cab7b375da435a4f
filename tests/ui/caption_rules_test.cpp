// Rules of the drawn caption without any window: MulDiv rounding, gradient bands, geometry and
// visible buttons per border style, button hit areas, activity and the system-menu table.
#include "ui/core/captiongeometry.h"
#include "ui/core/captiongradient.h"
#include "ui/core/captionpainter.h"
#include "ui/core/muldiv.h"
#include "ui/core/systemmenustate.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using ui::BorderIcons;
using ui::BorderStyle;
using ui::CaptionButton;
using ui::WindowShowState;

TEST(MulDiv, RoundsToNearestHalvesAwayFromZero)
{
    struct Case { int a, b, c, expected; };
    const Case cases[] = {
        {10, 1, 3, 3},   {10, 2, 3, 7},   {1, 1, 2, 1},    {-1, 1, 2, -1},   {3, 1, 2, 2},
        {-3, 1, 2, -2},  {640, 63, 64, 630}, {40, 1, 64, 1}, {40, 3, 64, 2},   {255, 32, 63, 130},
        {-128, 10, 63, -20}, {5, 7, 0, -1}, {0x40000000, 4, 1, -1}, {0x40000000, 4, 4, 0x40000000},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ui::mulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(GradientBands, SixtyFourColoursOn640PixelsAreTenPixelsEach)
{
    const auto bands = ui::gradientBands(4, 640, QColor(0, 0, 128), QColor(0, 255, 255), 64);
    ASSERT_EQ(bands.size(), 64u);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        EXPECT_EQ(bands[i].left, 4 + int(i) * 10);
        EXPECT_EQ(bands[i].right - bands[i].left, 10);
    }
    EXPECT_EQ(bands.front().color, QColor(0, 0, 128));
    EXPECT_EQ(bands.back().color, QColor(0, 255, 255));
}

TEST(GradientBands, NarrowCaptionLeavesSomeBandsEmpty)
{
    const auto bands = ui::gradientBands(0, 40, Qt::black, Qt::white, 64);
    ASSERT_EQ(bands.size(), 64u);
    int empty = 0, covered = 0;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        EXPECT_EQ(bands[i].left, ui::mulDiv(40, int(i), 64));
        if (i > 0) {
            EXPECT_EQ(bands[i].left, bands[i - 1].right);
        }
        empty += bands[i].left == bands[i].right ? 1 : 0;
        covered += bands[i].right - bands[i].left;
    }
    EXPECT_EQ(empty, 24);
    EXPECT_EQ(covered, 40);
    // Band 1 starts at MulDiv(40, 1, 64) = 1 (0.625 rounds up), band 2 also at 1 (1.25 rounds down).
    EXPECT_EQ(bands[1].left, 1);
    EXPECT_EQ(bands[1].right, 1);
}

TEST(GradientBands, ColourStepsFollowMulDivRounding)
{
    const QColor begin(0, 0, 160), end(128, 255, 255);
    const auto bands = ui::gradientBands(0, 64, begin, end, 64);
    for (int i = 0; i < 64; ++i) {
        const QColor c = bands[std::size_t(i)].color;
        EXPECT_EQ(c.red(), ui::mulDiv(128, i, 63)) << i;
        EXPECT_EQ(c.green(), ui::mulDiv(255, i, 63)) << i;
        EXPECT_EQ(c.blue(), 160 + ui::mulDiv(95, i, 63)) << i;
    }
    // Rounding, not truncation: 128·32/63 = 65.02 → 65, 255·32/63 = 129.52 → 130, 95·32/63 = 48.25 → 48.
    EXPECT_EQ(bands[32].color, QColor(65, 130, 208));
    // Going down rounds the same way: grey to black, 128·(−1)·32/63 = −65.0 → 128 − 65.
    EXPECT_EQ(ui::gradientBands(0, 64, QColor(128, 128, 128), Qt::black, 64)[32].color, QColor(63, 63, 63));
}

TEST(GradientBands, OneColourIsTheBeginColourAndFewerFillNothing)
{
    const auto one = ui::gradientBands(2, 100, QColor(1, 2, 3), QColor(200, 200, 200), 1);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].left, 2);
    EXPECT_EQ(one[0].right, 102);
    EXPECT_EQ(one[0].color, QColor(1, 2, 3));
    EXPECT_TRUE(ui::gradientBands(0, 100, Qt::black, Qt::white, 0).empty());
    EXPECT_TRUE(ui::gradientBands(0, 100, Qt::black, Qt::white, -5).empty());
}

struct ButtonsCase {
    const char *name;
    BorderStyle style;
    BorderIcons icons;
    std::array<bool, 4> visible;  // close, minimise, maximise, help
    std::array<bool, 4> enabled;
};

TEST(CaptionGeometry, VisibleAndEnabledButtonsPerBorderStyle)
{
    const ButtonsCase cases[] = {
        {"sizeable frame", BorderStyle::Sizeable, {true, true, true, false}, {true, true, true, false}, {true, true, true, true}},
        {"dialog asking for min and max", BorderStyle::Dialog, {true, true, true, false}, {true, false, false, false}, {true, true, true, true}},
        {"dialog with help", BorderStyle::Dialog, {true, false, false, true}, {true, false, false, true}, {true, false, false, true}},
        {"minimise alone", BorderStyle::Sizeable, {true, true, false, false}, {true, true, true, false}, {true, true, false, true}},
        {"maximise alone", BorderStyle::Single, {true, false, true, false}, {true, true, true, false}, {true, false, true, true}},
        {"single with help", BorderStyle::Single, {true, false, false, true}, {true, false, false, false}, {true, false, false, true}},
        {"tool window", BorderStyle::ToolWindow, {true, true, true, true}, {true, false, false, false}, {true, true, true, true}},
        {"sizeable tool window", BorderStyle::SizeToolWin, {true, true, false, false}, {true, false, false, false}, {true, true, false, true}},
        {"no system menu", BorderStyle::Sizeable, {false, true, true, false}, {false, false, false, false}, {true, true, true, true}},
        {"style none", BorderStyle::None, {true, true, true, true}, {false, false, false, false}, {false, false, false, false}},
    };
    for (const ButtonsCase &c : cases) {
        const ui::CaptionGeometry g = ui::captionGeometry(QSize(400, 300), c.style, c.icons, WindowShowState::Normal);
        for (CaptionButton b : ui::AllCaptionButtons) {
            EXPECT_EQ(g.isVisible(b), c.visible[std::size_t(b)]) << c.name << " button " << int(b);
            if (c.style != BorderStyle::None) {
                EXPECT_EQ(g.isEnabled(b), c.enabled[std::size_t(b)]) << c.name << " button " << int(b);
            }
        }
    }
}

TEST(CaptionGeometry, SizeableFrameRectangles)
{
    const ui::CaptionGeometry g = ui::captionGeometry(QSize(641, 480), BorderStyle::Sizeable, {true, true, true, false},
                                                      WindowShowState::Normal);
    EXPECT_EQ(g.frameX, 4);
    EXPECT_EQ(g.frameY, 4);
    EXPECT_EQ(g.captionHeight, 18);
    EXPECT_EQ(g.caption, QRect(4, 4, 633, 18));
    EXPECT_EQ(g.icon, QRect(4, 4, 18, 18));
    // 2 + (1 + 2) × 16 = 50 wide, inset 2 above and below, ending at the caption's right edge.
    EXPECT_EQ(g.buttons, ui::rectLTRB(637 - 50, 6, 637, 20));
    EXPECT_EQ(g.text, ui::rectLTRB(4 + 18 + 2, 6, 637 - 50 - 2, 20));
    EXPECT_EQ(g.rect(CaptionButton::Close), QRect(637 - 18, 6, 16, 14));
    EXPECT_EQ(g.rect(CaptionButton::Maximize), QRect(637 - 18 - 2 - 16, 6, 16, 14));
    EXPECT_EQ(g.rect(CaptionButton::Minimize), QRect(637 - 18 - 2 - 32, 6, 16, 14));
}

TEST(CaptionGeometry, DialogToolWindowMinimisedAndNone)
{
    const ui::CaptionGeometry dialog = ui::captionGeometry(QSize(641, 445), BorderStyle::Dialog,
                                                           {false, false, false, false}, WindowShowState::Normal);
    EXPECT_EQ(dialog.frameX, 3);
    EXPECT_EQ(dialog.caption, QRect(3, 3, 635, 18));
    EXPECT_EQ(dialog.icon.width(), 0);
    EXPECT_EQ(dialog.buttons, ui::rectLTRB(638, 3, 638, 21));
    EXPECT_EQ(dialog.text, ui::rectLTRB(5, 5, 636, 19));

    const ui::CaptionGeometry tool = ui::captionGeometry(QSize(200, 100), BorderStyle::SizeToolWin,
                                                         {true, false, false, false}, WindowShowState::Normal);
    EXPECT_EQ(tool.frameX, 4);
    EXPECT_EQ(tool.captionHeight, 15);
    EXPECT_EQ(tool.buttons, ui::rectLTRB(196 - 12, 6, 196, 17));
    EXPECT_EQ(tool.rect(CaptionButton::Close), ui::rectLTRB(196 - 10, 6, 194, 17));

    const ui::CaptionGeometry minimised = ui::captionGeometry(QSize(160, 30), BorderStyle::Sizeable,
                                                              {true, true, true, false}, WindowShowState::Minimized);
    EXPECT_EQ(minimised.frameX, 3);

    const ui::CaptionGeometry none = ui::captionGeometry(QSize(300, 200), BorderStyle::None, {true, true, true, true},
                                                         WindowShowState::Normal);
    EXPECT_EQ(none.captionHeight, 0);
    EXPECT_TRUE(none.caption.isEmpty());
}

TEST(CaptionGeometry, HelpSitsLeftOfTheLeftmostButton)
{
    const ui::CaptionGeometry g = ui::captionGeometry(QSize(300, 100), BorderStyle::Dialog,
                                                      {true, false, false, true}, WindowShowState::Normal);
    EXPECT_EQ(g.rect(CaptionButton::Help).right() + 1, g.rect(CaptionButton::Close).left());
    EXPECT_EQ(g.buttons.width(), 2 + 2 * 16);
}

TEST(CaptionGeometry, HitAreasGrowForCloseAndWhileCaptured)
{
    const ui::CaptionGeometry g = ui::captionGeometry(QSize(641, 480), BorderStyle::Sizeable, {true, true, true, false},
                                                      WindowShowState::Normal);
    const QRect close = g.rect(CaptionButton::Close), minimise = g.rect(CaptionButton::Minimize);
    EXPECT_EQ(ui::buttonHitArea(g, CaptionButton::Close, false), close.adjusted(0, -2, 2, 2));
    EXPECT_EQ(ui::buttonHitArea(g, CaptionButton::Close, true), close.adjusted(0, -2, 2, 2));
    EXPECT_EQ(ui::buttonHitArea(g, CaptionButton::Minimize, false), minimise);
    EXPECT_EQ(ui::buttonHitArea(g, CaptionButton::Minimize, true), minimise.adjusted(0, -2, 0, 2));
}

TEST(CaptionActivity, ActiveMdiChildCountsWhileItsFrameIsActive)
{
    EXPECT_TRUE(ui::captionDrawnActive(true, false, false, false));
    EXPECT_FALSE(ui::captionDrawnActive(false, false, true, true));
    EXPECT_TRUE(ui::captionDrawnActive(false, true, true, true));
    EXPECT_FALSE(ui::captionDrawnActive(false, true, true, false));
    EXPECT_FALSE(ui::captionDrawnActive(false, true, false, true));
}

TEST(SystemMenu, RefreshTable)
{
    using Item = ui::SystemMenuItem;
    struct Case {
        const char *name;
        WindowShowState state;
        bool mdiChild, minimizeUsable, maximizeUsable;
        std::array<bool, 6> enabled; // restore, move, size, minimise, maximise, close
        Item defaultItem;
    };
    const Case cases[] = {
        {"normal", WindowShowState::Normal, false, true, true, {false, true, true, true, true, true}, Item::Close},
        {"maximised", WindowShowState::Maximized, false, true, true, {true, false, false, true, false, true}, Item::Restore},
        {"minimised", WindowShowState::Minimized, false, true, true, {true, false, false, false, true, true}, Item::Restore},
        {"maximised MDI child", WindowShowState::Maximized, true, true, true, {true, false, false, true, false, true}, Item::Close},
        {"minimised MDI child", WindowShowState::Minimized, true, true, true, {true, false, false, false, true, true}, Item::Restore},
        {"maximise disabled", WindowShowState::Normal, false, true, false, {false, true, true, true, false, true}, Item::Close},
        {"minimise hidden", WindowShowState::Maximized, false, false, true, {true, false, false, false, false, true}, Item::Restore},
    };
    for (const Case &c : cases) {
        const ui::SystemMenuState menu = ui::systemMenuState(c.state, c.mdiChild, c.minimizeUsable, c.maximizeUsable);
        for (std::size_t i = 0; i < 6; ++i)
            EXPECT_EQ(menu.enabled[i], c.enabled[i]) << c.name << " item " << i;
        EXPECT_EQ(menu.defaultItem, c.defaultItem) << c.name;
    }
}

TEST(CaptionPainter, PaintsBandsButtonsAndNothingWithoutCaption)
{
    const ui::CaptionGeometry g = ui::captionGeometry(QSize(648, 60), BorderStyle::Sizeable, {true, true, true, false},
                                                      WindowShowState::Normal);
    ASSERT_EQ(g.caption.width(), 640);
    ui::CaptionLook look;
    look.activeBeginColor = QColor(0, 0, 128);
    look.activeEndColor = QColor(0, 255, 255);
    QImage window(648, 60, QImage::Format_RGB32);
    window.fill(Qt::magenta);
    {
        QPainter painter(&window);
        ui::paintCaption(painter, g, look, true, {});
    }
    // Columns below the text and left of the buttons show the band colours.
    const int y = g.caption.bottom();
    EXPECT_EQ(window.pixelColor(g.caption.left() + 300, y), QColor(0, ui::mulDiv(255, 30, 63), 128 + ui::mulDiv(127, 30, 63)));
    EXPECT_EQ(window.pixelColor(g.caption.left() + 309, y), window.pixelColor(g.caption.left() + 300, y));
    EXPECT_NE(window.pixelColor(g.caption.left() + 310, y), window.pixelColor(g.caption.left() + 309, y));
    const QPoint closeInner = g.rect(CaptionButton::Close).topLeft() + QPoint(1, 1);
    EXPECT_EQ(window.pixelColor(closeInner), QColor(255, 255, 255));
    ui::CaptionContent pressed;
    pressed.pressed[std::size_t(CaptionButton::Close)] = true;
    {
        QPainter painter(&window);
        ui::paintCaption(painter, g, look, false, pressed);
    }
    EXPECT_EQ(window.pixelColor(closeInner), QColor(128, 128, 128));
    EXPECT_EQ(window.pixelColor(g.caption.left(), y), QColor(128, 128, 128)); // inactive begin colour
    EXPECT_EQ(window.pixelColor(0, 0), QColor(Qt::magenta)); // the frame is not the caption's
    EXPECT_EQ(window.pixelColor(10, 40), QColor(Qt::magenta));

    QImage none(100, 40, QImage::Format_RGB32);
    none.fill(Qt::magenta);
    {
        QPainter painter(&none);
        ui::paintCaption(painter, ui::captionGeometry(none.size(), BorderStyle::None, {}, WindowShowState::Normal), look,
                         true, {});
    }
    EXPECT_EQ(none.pixelColor(50, 10), QColor(Qt::magenta));
}

} // namespace
