// Rules of the shaped hint without any window: size, placement, body and shadow rectangles,
// text and picture places, the darkened shadow and the painted shapes over a screen picture.
#include "ui/core/hintpainter.h"
#include "ui/core/hintshape.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

using ui::KrKind;
using ui::KrPictAlign;
using ui::KrShadow;

TEST(HintShape, WindowRectangleFromTheMeasuredText)
{
    struct Case { KrKind kind; KrShadow shadow; QSize expected; };
    const Case cases[] = {
        {KrKind::KrWindow, KrShadow::shBottomRight, {108, 24}},
        {KrKind::KrRoundSquare, KrShadow::shNone, {108, 24}},
        {KrKind::KrRoundSquare, KrShadow::shBottomRight, {111, 27}},
        {KrKind::KrSquare, KrShadow::shTopLeft, {111, 27}},
        {KrKind::KrEllipse, KrShadow::shNone, {108 + 8, 24 + 1}},
        {KrKind::KrEllipse, KrShadow::shBottomLeft, {111 + 8, 27 + 2}},
    };
    for (const Case &c : cases) {
        const QRect r = ui::hintWindowRect(QPoint(5, 7), QSize(100, 20), c.kind, c.shadow, 3);
        EXPECT_EQ(r.topLeft(), QPoint(5, 7));
        EXPECT_EQ(r.size(), c.expected) << int(c.kind) << " " << int(c.shadow);
    }
}

TEST(HintShape, PlacedBelowTheCursorAndKeptOnTheScreen)
{
    const QRect screen(0, 0, 1280, 1024);
    const QRect hint(0, 0, 120, 30);
    EXPECT_EQ(ui::placeHint(hint, QPoint(100, 200), screen), QRect(100, 218, 120, 30));
    EXPECT_EQ(ui::placeHint(hint, QPoint(1250, 1010), screen), QRect(1160, 994, 120, 30));
    EXPECT_EQ(ui::placeHint(hint, QPoint(1160, 976), screen), QRect(1160, 994, 120, 30));
    EXPECT_EQ(ui::placeHint(hint, QPoint(1161, 977), QRect(100, 0, 1280, 1024)), QRect(1161, 994, 120, 30));
}

TEST(HintShape, BodyAndShadowRectangles)
{
    const QRect client(0, 0, 50, 30);
    struct Case { KrShadow shadow; QRect body, shadowRect; };
    const Case cases[] = {
        {KrShadow::shNone, QRect(0, 0, 50, 30), QRect(0, 0, 50, 30)},
        {KrShadow::shTopLeft, QRect(3, 3, 47, 27), QRect(0, 0, 47, 27)},
        {KrShadow::shTopRight, QRect(0, 3, 47, 27), QRect(3, 0, 47, 27)},
        {KrShadow::shBottomLeft, QRect(3, 0, 47, 27), QRect(0, 3, 47, 27)},
        {KrShadow::shBottomRight, QRect(0, 0, 47, 27), QRect(3, 3, 47, 27)},
    };
    for (const Case &c : cases) {
        const ui::HintBodyRects rects = ui::hintBodyRects(client, c.shadow, 3);
        EXPECT_EQ(rects.body, c.body) << int(c.shadow);
        EXPECT_EQ(rects.shadow, c.shadowRect) << int(c.shadow);
    }
}

TEST(HintShape, TextCentredWithHalvesTruncated)
{
    EXPECT_EQ(ui::hintTextRect(QRect(0, 0, 47, 27), QSize(30, 14)), QRect(8, 6, 30, 14));
    EXPECT_EQ(ui::hintTextRect(QRect(3, 3, 20, 10), QSize(30, 14)), QRect(-2, 1, 30, 14));
}

TEST(HintShape, PicturePlaces)
{
    const QRect body(0, 0, 100, 60);
    const QSize picture(20, 10);
    struct Case { KrPictAlign align; QPoint at; };
    const Case cases[] = {
        {KrPictAlign::paTopLeft, {1, 1}},       {KrPictAlign::paTopCenter, {40, 1}},    {KrPictAlign::paTopRight, {79, 1}},
        {KrPictAlign::paLeft, {1, 25}},         {KrPictAlign::paCenter, {40, 25}},      {KrPictAlign::paRight, {79, 25}},
        {KrPictAlign::paBottomLeft, {1, 49}},   {KrPictAlign::paBottomCenter, {40, 49}}, {KrPictAlign::paBottomRight, {79, 49}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ui::hintPictureRect(body, picture, c.align, false), QRect(c.at, picture)) << int(c.align);
    EXPECT_EQ(ui::hintPictureRect(body, picture, KrPictAlign::paCenter, true), body);
    EXPECT_TRUE(ui::hintPictureRect(body, picture, KrPictAlign::paNone, false).isEmpty());
}

TEST(HintShape, TransparentShadowDarkensOutsideTheBodyOnly)
{
    QImage image(10, 10, QImage::Format_ARGB32);
    image.fill(QColor(200, 63, 64));
    const ui::HintBodyRects rects = ui::hintBodyRects(image.rect(), KrShadow::shTopLeft, 3);
    ui::darkenShadow(image, rects.shadow, rects.body);
    const QColor darkened(136, 63, 0), kept(200, 63, 64);
    EXPECT_EQ(image.pixelColor(0, 0), darkened); // shadow outside the body
    EXPECT_EQ(image.pixelColor(6, 1), darkened);
    EXPECT_EQ(image.pixelColor(5, 5), kept);     // inside the body
    EXPECT_EQ(image.pixelColor(9, 9), kept);     // body, outside the shadow
    EXPECT_EQ(image.pixelColor(3, 5), darkened); // the body's left column and top row are slack
    EXPECT_EQ(image.pixelColor(5, 3), darkened);
    EXPECT_EQ(image.pixelColor(9, 3), kept);     // top row of the body, right of the shadow
}

TEST(HintShape, LongWordWidensTheMeasurement)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    const QString word = QStringLiteral("Anticonstitutionnellement");
    const QSize measured = ui::measureHintText(font, word + QStringLiteral(" ok"), 40, ui::KrAlign::KrCenter);
    EXPECT_GE(measured.width(), QFontMetrics(font).horizontalAdvance(word));
    EXPECT_GE(measured.height(), 2 * QFontMetrics(font).height());
    EXPECT_LT(measured.height(), 3 * QFontMetrics(font).height());
    const QSize twoLines = ui::measureHintText(font, QStringLiteral("un\ndeux"), 1000, ui::KrAlign::KrLeft);
    EXPECT_EQ(twoLines.height(), measured.height());
}

TEST(HintPainter, RoundSquareWithShadowOverTheScreen)
{
    ui::HintLook look;
    look.kind = KrKind::KrRoundSquare;
    look.shadow = KrShadow::shBottomRight;
    look.color = QColor(255, 255, 189);
    look.fontColor = Qt::blue;
    QImage canvas(80, 40, QImage::Format_ARGB32);
    canvas.fill(QColor(10, 120, 30)); // what the screen showed
    ui::paintHint(canvas, look, {}, QString(), QSize(0, 0), QFont());
    EXPECT_EQ(canvas.pixelColor(0, 0), QColor(10, 120, 30));   // corner outside the rounded body
    EXPECT_EQ(canvas.pixelColor(79, 39), QColor(10, 120, 30)); // corner outside the rounded shadow
    EXPECT_EQ(canvas.pixelColor(30, 20), QColor(255, 255, 189));
    EXPECT_EQ(canvas.pixelColor(30, 0), QColor(Qt::black));     // outline
    EXPECT_EQ(canvas.pixelColor(40, 38), QColor(128, 128, 128)); // shadow below the body
    EXPECT_EQ(canvas.pixelColor(78, 20), QColor(128, 128, 128)); // shadow right of the body
}

TEST(HintPainter, KindsAndTransparentShadow)
{
    const QColor screen(100, 200, 60);
    struct Case { KrKind kind; bool transparent; QPoint probe; QColor expected; };
    const Case cases[] = {
        {KrKind::KrFlat, false, {78, 38}, QColor(128, 128, 128)},
        {KrKind::KrFlat, true, {78, 38}, QColor(36, 136, 60 - 0)},
        {KrKind::KrFlat, false, {0, 0}, QColor(255, 255, 0)},
        {KrKind::KrSquare, false, {0, 0}, QColor(Qt::black)},
        {KrKind::Kr3dUp, false, {0, 0}, QColor(Qt::white)},
        {KrKind::Kr3dUp, false, {76, 36}, QColor(128, 128, 128)},
        {KrKind::Kr3dDown, false, {0, 0}, QColor(128, 128, 128)},
        {KrKind::KrEllipse, false, {0, 0}, screen},
        {KrKind::KrTransParent, false, {40, 20}, screen},
        {KrKind::KrWindow, false, {40, 20}, QColor(255, 255, 225)},
        {KrKind::KrWindow, false, {79, 39}, QColor(Qt::black)},
    };
    for (const Case &c : cases) {
        ui::HintLook look;
        look.kind = c.kind;
        look.shadow = KrShadow::shBottomRight;
        look.transparentShadow = c.transparent;
        QImage canvas(80, 40, QImage::Format_ARGB32);
        canvas.fill(screen);
        ui::paintHint(canvas, look, {}, QString(), QSize(0, 0), QFont());
        EXPECT_EQ(canvas.pixelColor(c.probe), c.expected) << int(c.kind) << " transparent " << c.transparent;
    }
}

TEST(HintPainter, PictureOnTheBody)
{
    ui::HintLook look;
    look.kind = KrKind::KrFlat;
    look.bitmap = QImage(4, 4, QImage::Format_RGB32);
    look.bitmap.fill(Qt::red);
    look.bitmapAlign = KrPictAlign::paBottomRight;
    look.stretch = false;
    QImage canvas(40, 20, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    ui::paintHint(canvas, look, {}, QString(), QSize(0, 0), QFont());
    EXPECT_EQ(canvas.pixelColor(35, 15), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(39, 19), QColor(255, 255, 0));
    EXPECT_EQ(canvas.pixelColor(1, 1), QColor(255, 255, 0));
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
