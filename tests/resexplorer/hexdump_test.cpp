// The hex dump: its geometry without a widget, then the control itself (offscreen).
#include "resexplorer/core/byteblock.h"
#include "resexplorer/core/hexdumplayout.h"
#include "resexplorer/gui/thexdump.h"

#include "support/qtestmain.h"

#include <QImage>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

using namespace resexplorer;

namespace {

// Bytes 0, 1, 2, ... of which only the first \a readable can be read; counts every read.
class CountingBlock : public ByteBlock {
public:
    explicit CountingBlock(std::uint64_t readable) : m_readable(readable) {}
    bool byteAt(std::uint64_t index, std::uint8_t &value) const override
    {
        ++reads;
        if (index >= m_readable)
            return false;
        value = std::uint8_t(index);
        return true;
    }
    std::uint64_t addressOf(std::uint64_t index) const override { return 0xABC0 + index; }
    mutable int reads = 0;

private:
    std::uint64_t m_readable;
};

HexDumpLayout layoutFor(int cells, bool address, bool characters, std::uint64_t length, int rows = 10)
{
    HexDumpLayout layout;
    layout.setCell(8, 16);
    layout.setClientSize(cells * 8, rows * 16);
    layout.setShowAddress(address);
    layout.setShowCharacters(characters);
    layout.setDataLength(length);
    layout.recompute();
    return layout;
}

} // namespace

TEST(HexDumpLayout, BytesPerRowFollowTheWidth)
{
    struct Case {
        int cells;
        bool address;
        bool characters;
        int bytesPerRow;
    };
    const Case cases[] = {
        {74, true, true, 16}, {73, true, true, 15}, {200, true, true, 16}, {11, true, true, 1},
        {0, true, true, 1}, {64, false, true, 16}, {58, true, false, 16}, {57, true, false, 15},
        {48, false, false, 16}, {47, false, false, 15},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.cells << " cells, address " << c.address << ", characters " << c.characters);
        EXPECT_EQ(layoutFor(c.cells, c.address, c.characters, 100).bytesPerRow(), c.bytesPerRow);
    }
}

TEST(HexDumpLayout, RowsAndTheirTexts)
{
    HexDumpLayout layout = layoutFor(80, true, true, 100, 4);
    EXPECT_EQ(layout.rowsOnScreen(), 5); // the partly visible last row counts
    EXPECT_EQ(layout.rowCount(), 7);
    EXPECT_EQ(layout.bytesOnRow(0), 16);
    EXPECT_EQ(layout.bytesOnRow(6), 4);
    EXPECT_EQ(layout.bytesOnRow(7), 0);
    CountingBlock data(98);
    EXPECT_EQ(QString(layout.hexText(data, 6)), QStringLiteral("60\t61\t??\t??"));
    EXPECT_EQ(QString(layout.hexText(data, 0)).size(), 47);
    EXPECT_EQ(QString(layout.hexText(data, 1)).left(8), QStringLiteral("10\t11\t12"));
    EXPECT_EQ(layout.addressText(data, 2), QStringLiteral("0000ABE0:"));
    EXPECT_EQ(layout.characterText(data, 6), QString(QChar(0x60)) + QChar(0x61) + QStringLiteral("  "));
    EXPECT_EQ(layout.charactersLeft(), 16 * 8 * 3 + 80);
}

TEST(HexDumpLayout, HighBytesAreWindows1252Characters)
{
    HexDumpLayout layout = layoutFor(80, true, true, 256, 4);
    CountingBlock data(256);
    const struct {
        int byte;
        char16_t shown;
    } cases[] = {{0x41, u'A'}, {0x80, u'\u20AC'}, {0x85, u'\u2026'}, {0x91, u'\u2018'}, {0x92, u'\u2019'},
                 {0x9C, u'\u0153'}, {0x9F, u'\u0178'}, {0xA0, u'\u00A0'}, {0xE9, u'\u00E9'}, {0xFF, u'\u00FF'}};
    for (const auto &c : cases)
        EXPECT_EQ(layout.characterText(data, c.byte / 16).at(c.byte % 16), QChar(c.shown)) << std::hex << c.byte;
}

TEST(HexDumpLayout, CurrentRowStaysInTheDataAndInView)
{
    HexDumpLayout layout = layoutFor(80, true, true, 100, 4); // 7 rows, 5 on screen
    auto move = layout.setCursorRow(*layout.keyTarget(HexDumpLayout::Key::End));
    ASSERT_TRUE(move);
    EXPECT_EQ(move->row, 6);
    EXPECT_EQ(move->scrollTo, 3); // the last fully visible row
    layout.scrollTo(*move->scrollTo);
    EXPECT_FALSE(layout.setCursorRow(*layout.keyTarget(HexDumpLayout::Key::Down)).value().scrollTo);
    EXPECT_EQ(layout.cursorRow(), 6);
    move = layout.setCursorRow(*layout.keyTarget(HexDumpLayout::Key::Home));
    EXPECT_EQ(move->row, 0);
    EXPECT_EQ(move->scrollTo, 0);
    EXPECT_EQ(layout.scrollTo(0), 3);
    EXPECT_EQ(layout.scrollTo(1), -1);
    EXPECT_EQ(layout.scrollTo(99), -5);
    EXPECT_EQ(layout.firstRow(), 6);
    EXPECT_EQ(layout.scrollTo(-5), 6);
    EXPECT_EQ(layout.rowAt(16 * 20), 20);
    EXPECT_EQ(layout.clampRow(layout.rowAt(16 * 20)), 6);
}

TEST(HexDumpLayout, NoDataMeansNoRowsAndNoMoves)
{
    HexDumpLayout layout = layoutFor(80, true, true, 0);
    EXPECT_EQ(layout.rowCount(), 0);
    EXPECT_FALSE(layout.keyTarget(HexDumpLayout::Key::Down));
    EXPECT_FALSE(layout.setCursorRow(5));
    EXPECT_EQ(layout.scrollTo(3), 0);
    EXPECT_EQ(layout.firstRow(), 0);
}

TEST(HexDumpLayout, AShorterBlockStartsWithinItsRows)
{
    HexDumpLayout layout = layoutFor(80, true, true, 1600, 4);
    layout.scrollTo(90);
    layout.setCursorRow(95);
    layout.setDataLength(40);
    layout.recompute();
    EXPECT_EQ(layout.firstRow(), 2);
    EXPECT_EQ(layout.cursorRow(), 2);
}

namespace {

struct DumpWindow {
    DumpWindow() : dump(THexDump::createHexDumpOn(&parent))
    {
        parent.resize(700, 300);
        parent.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }
    /// What the window shows, as painted into its backing store (not painted afresh).
    QImage picture()
    {
        QCoreApplication::processEvents();
        return parent.screen()->grabWindow(parent.winId()).toImage();
    }

    QWidget parent;
    THexDump *dump;
};

} // namespace

TEST(THexDump, ZeroLengthShowsNothingAndReadsNothing)
{
    DumpWindow w;
    CountingBlock data(0);
    w.dump->setData(&data);
    w.dump->setDataLength(0);
    const QImage before = w.picture();
    QTest::keyClick(w.dump, Qt::Key_Down);
    QTest::keyClick(w.dump, Qt::Key_End);
    QTest::mouseClick(w.dump->viewport(), Qt::LeftButton, {}, QPoint(20, 40));
    EXPECT_EQ(data.reads, 0);
    EXPECT_EQ(w.dump->layout().firstRow(), 0);
    EXPECT_EQ(w.picture().pixel(10, 10), QColor(Qt::white).rgb());
    EXPECT_EQ(w.picture(), before);
}

TEST(THexDump, FillsItsParentAndDrawsTheRowsShown)
{
    DumpWindow w;
    EXPECT_EQ(w.dump->geometry(), w.parent.rect());
    CountingBlock data(100000);
    w.dump->setData(&data);
    w.dump->setDataLength(100000);
    w.picture();
    const auto &layout = w.dump->layout();
    EXPECT_EQ(layout.bytesPerRow(), 16);
    // Only the rows on screen are read, once for the digits and once for the characters.
    EXPECT_EQ(data.reads, layout.rowsOnScreen() * 16 * 2);
    EXPECT_EQ(w.dump->verticalScrollBar()->maximum(), 6249);
}

TEST(THexDump, KeysAndClicksMoveTheCurrentRowAndScroll)
{
    DumpWindow w;
    CountingBlock data(1000);
    w.dump->setData(&data);
    w.dump->setDataLength(1000); // 63 rows
    const auto &layout = w.dump->layout();
    QTest::keyClick(w.dump, Qt::Key_End);
    EXPECT_EQ(layout.cursorRow(), 62);
    EXPECT_EQ(layout.firstRow(), 62 - layout.rowsOnScreen() + 2);
    EXPECT_EQ(w.dump->verticalScrollBar()->value(), layout.firstRow());
    QTest::keyClick(w.dump, Qt::Key_Down);
    EXPECT_EQ(layout.cursorRow(), 62);
    QTest::keyClick(w.dump, Qt::Key_Home);
    EXPECT_EQ(layout.cursorRow(), 0);
    EXPECT_EQ(layout.firstRow(), 0);
    QTest::mouseClick(w.dump->viewport(), Qt::LeftButton, {}, QPoint(20, layout.rowHeight() * 2 + 1));
    EXPECT_EQ(layout.cursorRow(), 2);
    w.dump->verticalScrollBar()->setValue(10);
    EXPECT_EQ(layout.firstRow(), 10);
    QTest::keyClick(w.dump, Qt::Key_PageDown);
    EXPECT_EQ(layout.cursorRow(), 2 + layout.rowsOnScreen());
}

TEST(THexDump, AOneRowScrollDrawsWhatAFullPaintDraws)
{
    DumpWindow moved;
    DumpWindow fresh;
    CountingBlock data(1000);
    for (DumpWindow *w : {&moved, &fresh}) {
        w->dump->setData(&data);
        w->dump->setDataLength(1000);
    }
    const QImage top = moved.picture();
    moved.dump->scrollTo(1);
    moved.dump->scrollTo(2);
    moved.dump->scrollTo(1);
    fresh.dump->scrollTo(1);
    fresh.dump->viewport()->repaint();
    const QImage shifted = moved.picture();
    EXPECT_EQ(shifted, fresh.picture());
    EXPECT_NE(shifted, top);

}

TEST(THexDump, ClickingBelowTheDataSelectsTheLastRow)
{
    DumpWindow w;
    CountingBlock data(40);
    w.dump->setData(&data);
    w.dump->setDataLength(40); // 3 rows
    QTest::mouseClick(w.dump->viewport(), Qt::LeftButton, {}, QPoint(20, w.dump->viewport()->height() - 3));
    EXPECT_EQ(w.dump->layout().cursorRow(), 2);
    EXPECT_EQ(w.dump->layout().firstRow(), 0);
}

VORLANE_GTEST_QT_MAIN
