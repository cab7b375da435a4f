// The results list view on a list of a million lines: it fills, scrolls and paints only what
// it shows; the caret and the selection follow keys and mouse; copy, select all and the font;
// appended lines keep the end in view only while it is in view; a selection stays visible
// without the focus; a list that large is saved and loaded back whole.
#include "search/core/resultlist.h"
#include "search/gui/resultsview.h"
#include "support/qtestmain.h"
#include "support/temptree.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <string>

using search::ResultsView;
using Position = search::ResultsView::Position;

namespace {

constexpr std::size_t Lines = 1000000;

std::string lineOf(std::size_t i)
{
    return i % 100 == 0 ? std::string("/data/projet/fichier") + std::to_string(i) + ".pas"
                        : std::to_string(i) + " : LIGNE TROUV\xc3\x89" "E " + std::string(i % 40, 'x');
}

class View : public ::testing::Test {
protected:
    void SetUp() override
    {
        view = std::make_unique<ResultsView>();
        view->resize(640, 400);
        QPalette grey = view->palette();
        grey.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
        view->setPalette(grey);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }
    void fill(std::size_t count)
    {
        std::string block;
        std::size_t inBlock = 0;
        for (std::size_t i = 0; i < count; ++i) {
            block += lineOf(i);
            block += '\n';
            if (++inBlock == 5000 || i + 1 == count) {
                view->appendLines(block.data(), block.size(), inBlock);
                block.clear();
                inBlock = 0;
            }
        }
        QCoreApplication::processEvents();
    }
    QImage shown() const { return view->viewport()->grab().toImage(); }
    static int pixelsOf(const QImage &image, QRgb colour)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == colour;
        return n;
    }

    std::unique_ptr<ResultsView> view;
};

TEST_F(View, AMillionLinesFillScrollAndPaint)
{
    fill(Lines);
    ASSERT_EQ(view->lineCount(), Lines);
    EXPECT_EQ(view->lineText(123456), QString::fromStdString(lineOf(123456)));
    QScrollBar *vertical = view->verticalScrollBar();
    const int page = vertical->pageStep();
    EXPECT_GT(page, 10);
    EXPECT_EQ(vertical->maximum(), static_cast<int>(Lines) - page);
    // The list was empty, so its end was in view: it still is.
    EXPECT_EQ(vertical->value(), vertical->maximum());
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
    view->resize(240, 400); // now the widest lines are wider than the view
    QCoreApplication::processEvents();
    EXPECT_GT(view->horizontalScrollBar()->maximum(), 0);
    // Text is painted over the grey ground.
    const QImage image = shown();
    const int grey = pixelsOf(image, qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_GT(grey, image.width() * image.height() / 2);
    EXPECT_LT(grey, image.width() * image.height());

    // Scrolled up by the user, appended lines leave the view where it is.
    vertical->setValue(500000);
    fill(10);
    EXPECT_EQ(vertical->value(), 500000);
    EXPECT_EQ(view->lineCount(), Lines + 10);

    view->clear();
    EXPECT_EQ(view->lineCount(), 0u);
    EXPECT_EQ(vertical->maximum(), 0);
    EXPECT_EQ(view->caret(), Position{});
}

TEST_F(View, CaretAndSelectionFollowKeysAndMouse)
{
    fill(Lines);
    view->setFocus();
    QTest::keyClick(view.get(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(view->caret(), Position{});
    EXPECT_EQ(view->verticalScrollBar()->value(), 0);
    QTest::keyClick(view.get(), Qt::Key_Down);
    QTest::keyClick(view.get(), Qt::Key_Right);
    EXPECT_EQ(view->caret(), (Position{1, 1}));
    QTest::keyClick(view.get(), Qt::Key_PageDown);
    EXPECT_EQ(view->caret().line, 1u + static_cast<std::size_t>(view->verticalScrollBar()->pageStep()));
    QTest::keyClick(view.get(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view->caret().line, Lines - 1);
    EXPECT_EQ(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());

    // Shift extends the selection; copy puts it on the clipboard, lines joined by line feeds.
    view->setCaret({200, 0});
    QTest::keyClick(view.get(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(view.get(), Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(view->selectionStart(), (Position{200, 0}));
    const QString expected = QString::fromStdString(lineOf(200)) + u'\n' + QString::fromStdString(lineOf(201));
    EXPECT_EQ(view->selectedText(), expected);
    QTest::keyClick(view.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), expected);
    // Return is not the list's: the frame may take it.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(view.get(), &enter);
    EXPECT_FALSE(enter.isAccepted());

    // A click puts the caret on the clicked line; a double-click selects the word there.
    view->setCaret({300000, 0});
    const std::size_t first = view->verticalScrollBar()->value();
    const QRect row = view->lineRect(first + 3);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(6, row.center().y()));
    EXPECT_EQ(view->caret(), (Position{first + 3, 0}));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, QPoint(8, row.center().y()));
    EXPECT_TRUE(view->hasSelection());
    EXPECT_EQ(view->selectionStart(), (Position{first + 3, 0}));
    EXPECT_EQ(view->selectedText(), QString::number(first + 3));

    view->selectAll();
    EXPECT_EQ(view->selectionStart(), Position{});
    EXPECT_EQ(view->selectionEnd().line, Lines - 1);
}

TEST_F(View, SelectionStaysVisibleWithoutTheFocusAndFontSetsTheRows)
{
    fill(50);
    view->verticalScrollBar()->setValue(0);
    view->setCaret({0, 0});
    view->setCaret({3, 5}, true);
    const QRgb highlight = view->palette().color(QPalette::Active, QPalette::Highlight).rgb();
    view->setFocus();
    QCoreApplication::processEvents();
    const int focused = pixelsOf(shown(), highlight);
    EXPECT_GT(focused, 100);
    view->clearFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(pixelsOf(shown(), highlight), focused);

    const int before = view->lineRect(1).height();
    QFont big = view->font();
    big.setPointSize(big.pointSize() * 2);
    view->setFont(big);
    EXPECT_GT(view->lineRect(1).height(), before);
    EXPECT_LT(view->verticalScrollBar()->pageStep(), 50);
}

TEST_F(View, AMillionLineListSavesAndLoadsWhole)
{
    fill(Lines);
    testing_support::TempTree tree;
    const QString path = tree.path("big.LST");
    QString error;
    ASSERT_TRUE(search::saveResultList(path, view->lines(), &error)) << error.toStdString();
    search::ResultLines loaded;
    ASSERT_TRUE(search::loadResultList(path, &loaded, &error)) << error.toStdString();
    ASSERT_EQ(loaded.count(), Lines);
    for (const std::size_t i : {std::size_t(0), std::size_t(1), std::size_t(4242), Lines - 1})
        EXPECT_EQ(loaded.line(i), lineOf(i));
    EXPECT_EQ(loaded.textBytes(), view->lines().textBytes());
    view->setLines(std::move(loaded));
    EXPECT_EQ(view->lineCount(), Lines);
    EXPECT_EQ(view->verticalScrollBar()->value(), 0); // a loaded list shows its start
}

} // namespace

VORLANE_GTEST_QT_MAIN
