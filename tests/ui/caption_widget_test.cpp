// The drawn caption on real forms, offscreen: its buttons, double-clicks, system menu, caption
// text, the room it takes, what it gives back, and Shift+F10 for a popup menu.
#include "support/qtestmain.h"
#include "ui/contextmenukey.h"
#include "ui/marscaptionbar.h"
#include "ui/marsframeedge.h"
#include "ui/tmarscaption.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

using ui::CaptionButton;

class CaptionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<QMainWindow>();
        form->setWindowTitle(QStringLiteral("Recherche de chaine"));
        form->setCentralWidget(new QLabel(QStringLiteral("client")));
        form->setGeometry(40, 40, 641, 480);
        caption = new ui::TMarsCaption(form.get());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    QWidget *bar() const { return caption->captionBar(); }
    QPoint centreOf(CaptionButton b) const { return caption->geometry().rect(b).center() - bar()->pos(); }
    QPoint inText() const { return caption->geometry().text.center() - bar()->pos(); }
    QPoint onIcon() const { return caption->geometry().icon.center() - bar()->pos(); }

    std::unique_ptr<QMainWindow> form;
    ui::TMarsCaption *caption = nullptr;
};

TEST_F(CaptionTest, TakesTheTopOfALaidOutFormWithoutChangingItsSize)
{
    EXPECT_EQ(form->geometry(), QRect(40, 40, 641, 480));
    EXPECT_EQ(form->contentsMargins(), QMargins(4, 22, 4, 4));
    EXPECT_EQ(form->centralWidget()->geometry().top(), 22);
    EXPECT_EQ(bar()->geometry(), QRect(4, 4, 633, 18));
    EXPECT_FALSE(form->windowFlags() & Qt::WindowTitleHint);
    EXPECT_EQ(caption->borderStyle(), ui::BorderStyle::Sizeable);
}

TEST_F(CaptionTest, ButtonsMinimiseMaximiseRestoreAndClose)
{
    QTest::mouseClick(bar(), Qt::LeftButton, {}, centreOf(CaptionButton::Maximize));
    EXPECT_TRUE(form->isMaximized());
    QTest::mouseClick(bar(), Qt::LeftButton, {}, centreOf(CaptionButton::Maximize));
    EXPECT_FALSE(form->isMaximized());
    QTest::mouseClick(bar(), Qt::LeftButton, {}, centreOf(CaptionButton::Minimize));
    EXPECT_TRUE(form->isMinimized());
    form->showNormal();
    QTest::mouseClick(bar(), Qt::LeftButton, {}, centreOf(CaptionButton::Close));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(CaptionTest, PressedButtonFollowsTheMouseAndRunsOnlyWhenReleasedInside)
{
    const QRect close = caption->geometry().rect(CaptionButton::Close).translated(-bar()->pos());
    QTest::mousePress(bar(), Qt::LeftButton, {}, close.center());
    const auto moveTo = [this](QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, bar()->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(bar(), &move);
    };
    const QImage pushed = bar()->grab().toImage();
    moveTo(close.center() - QPoint(30, 0));
    const QImage raised = bar()->grab().toImage();
    EXPECT_NE(pushed, raised);
    moveTo(QPoint(close.right() + 2, close.center().y())); // the close button's area reaches 2 further right
    EXPECT_EQ(bar()->grab().toImage(), pushed);
    moveTo(close.center() - QPoint(30, 0));
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, close.center() - QPoint(30, 0));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(bar()->grab().toImage(), raised);
}

TEST_F(CaptionTest, DoubleClickOnTheIconCloses)
{
    // The first click opens the system menu; the second press closes it and is consumed, and
    // its release closes the window, whether it comes as a press or as a double-click.
    QTest::mouseClick(bar(), Qt::LeftButton, {}, onIcon());
    EXPECT_TRUE(form->isVisible());
    QTest::mousePress(bar(), Qt::LeftButton, {}, onIcon());
    EXPECT_TRUE(form->isVisible());
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, onIcon());
    EXPECT_FALSE(form->isVisible());

    form->show();
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(bar(), Qt::LeftButton, {}, onIcon());
    QTest::mouseDClick(bar(), Qt::LeftButton, {}, onIcon());
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, onIcon());
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(caption->systemMenu()->isVisible());
}

TEST_F(CaptionTest, TwoSlowClicksOnTheIconDoNotClose)
{
    QTest::mouseClick(bar(), Qt::LeftButton, {}, onIcon());
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(bar(), Qt::LeftButton, {}, onIcon());
    EXPECT_TRUE(form->isVisible());
    caption->systemMenu()->hide();
}

TEST_F(CaptionTest, SingleClickOnTheIconOpensTheSystemMenu)
{
    QTest::mouseClick(bar(), Qt::LeftButton, {}, onIcon());
    EXPECT_TRUE(form->isVisible());
    QMenu *menu = caption->systemMenu();
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000));
    // The menu opens under the icon, leaving it uncovered.
    EXPECT_GE(menu->geometry().top(), bar()->mapToGlobal(QPoint(0, bar()->height())).y());
    EXPECT_EQ(menu->defaultAction()->objectName(), QStringLiteral("Close"));
    EXPECT_FALSE(menu->findChild<QAction *>(QStringLiteral("Restore"))->isEnabled());
    menu->hide();
}

TEST_F(CaptionTest, DoubleClickOnTheTextMaximisesAndRestores)
{
    QTest::mouseDClick(bar(), Qt::LeftButton, {}, inText());
    EXPECT_TRUE(form->isMaximized());
    QTest::mouseDClick(bar(), Qt::LeftButton, {}, inText());
    EXPECT_FALSE(form->isMaximized());
}

TEST_F(CaptionTest, RightClickOpensTheRefreshedSystemMenuAtTheCursor)
{
    form->showMaximized();
    QTest::mouseClick(bar(), Qt::RightButton, {}, inText());
    QMenu *menu = caption->systemMenu();
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000));
    EXPECT_EQ(menu->defaultAction()->objectName(), QStringLiteral("Restore"));
    for (const char *grey : {"Move", "Size", "Maximize"})
        EXPECT_FALSE(menu->findChild<QAction *>(QLatin1String(grey))->isEnabled()) << grey;
    menu->findChild<QAction *>(QStringLiteral("Restore"))->trigger();
    EXPECT_FALSE(form->isMaximized());
    menu->hide();
}

TEST_F(CaptionTest, ChangingTheCaptionRepaintsIt)
{
    const QImage before = bar()->grab().toImage();
    form->setWindowTitle(QStringLiteral("Un autre titre"));
    EXPECT_EQ(caption->captionText(), QStringLiteral("Un autre titre"));
    EXPECT_NE(bar()->grab().toImage(), before);
    form->setWindowTitle(QStringLiteral("Recherche de chaine"));
    EXPECT_EQ(bar()->grab().toImage(), before);
}

TEST_F(CaptionTest, ColourPropertiesRepaint)
{
    const QRect g = caption->geometry().caption;
    const QPoint lastRow(0, g.height() - 1);
    caption->setActiveBeginColor(QColor(200, 0, 0));
    caption->setInactiveBeginColor(QColor(10, 20, 30));
    const QColor begin = caption->drawnActive() ? QColor(200, 0, 0) : QColor(10, 20, 30);
    EXPECT_EQ(bar()->grab().toImage().pixelColor(lastRow), begin);
    caption->setNumColors(1); // one band in the begin colour over the whole caption
    EXPECT_EQ(bar()->grab().toImage().pixelColor(lastRow + QPoint(300, 0)), begin);
}

TEST_F(CaptionTest, DestroyingItGivesTheFormItsCaptionBack)
{
    delete caption;
    EXPECT_TRUE(form->windowFlags() & Qt::WindowTitleHint);
    EXPECT_FALSE(form->windowFlags() & Qt::CustomizeWindowHint);
    EXPECT_EQ(form->contentsMargins(), QMargins());
    EXPECT_EQ(form->size(), QSize(641, 480));
    EXPECT_TRUE(form->findChildren<ui::MarsCaptionBar *>().isEmpty());
}

TEST(CaptionForms, HandPlacedDialogGrowsAndKeepsItsClientArea)
{
    QDialog dialog;
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog.setFixedSize(635, 424);
    auto *button = new QLabel(QStringLiteral("x"), &dialog);
    button->setGeometry(8, 8, 50, 20);
    auto *caption = new ui::TMarsCaption(&dialog);
    caption->setCaptionIsClient(true);
    EXPECT_EQ(caption->borderStyle(), ui::BorderStyle::Dialog);
    EXPECT_EQ(dialog.size(), QSize(641, 448));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(button->pos(), QPoint(11, 29));
    const ui::CaptionGeometry g = caption->geometry();
    for (CaptionButton b : ui::AllCaptionButtons)
        EXPECT_FALSE(g.isVisible(b));
    EXPECT_EQ(g.icon.width(), 0);

    // Every point is client area: the caption neither moves the dialog nor opens a menu.
    dialog.move(100, 100);
    dialog.show();
    QTest::mousePress(caption->captionBar(), Qt::LeftButton, {}, QPoint(100, 8));
    QMouseEvent move(QEvent::MouseMove, QPointF(160, 40), caption->captionBar()->mapToGlobal(QPointF(160, 40)),
                     Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(caption->captionBar(), &move);
    QTest::mouseRelease(caption->captionBar(), Qt::LeftButton, {}, QPoint(160, 40));
    QTest::mouseClick(caption->captionBar(), Qt::RightButton, {}, QPoint(100, 8));
    EXPECT_EQ(dialog.pos(), QPoint(100, 100));
    EXPECT_FALSE(caption->systemMenu()->isVisible());

    delete caption;
    EXPECT_EQ(dialog.size(), QSize(635, 424));
    EXPECT_EQ(button->pos(), QPoint(8, 8));
}

TEST(CaptionForms, MinimiseAloneShowsMaximiseDisabled)
{
    QWidget form;
    form.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    form.resize(300, 200);
    ui::TMarsCaption caption(&form);
    form.show();
    const ui::CaptionGeometry g = caption.geometry();
    ASSERT_TRUE(g.isVisible(CaptionButton::Maximize));
    EXPECT_FALSE(g.isEnabled(CaptionButton::Maximize));
    QWidget *bar = caption.captionBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, g.rect(CaptionButton::Maximize).center() - bar->pos());
    EXPECT_FALSE(form.isMaximized());
    QTest::mouseDClick(bar, Qt::LeftButton, {}, g.text.center() - bar->pos());
    EXPECT_FALSE(form.isMaximized());
}

TEST(CaptionForms, ManualMoveAndResizeWhereTheWindowSystemCannot)
{
    // The offscreen platform has no window manager to move windows: the caption follows the mouse.
    QWidget form;
    form.setGeometry(50, 60, 300, 200);
    ui::TMarsCaption caption(&form);
    form.show();
    QWidget *bar = caption.captionBar();
    const QPoint at = caption.geometry().text.center() - bar->pos();
    QTest::mousePress(bar, Qt::LeftButton, {}, at);
    QMouseEvent move(QEvent::MouseMove, at + QPoint(30, 20), bar->mapToGlobal(at + QPoint(30, 20)), Qt::NoButton,
                     Qt::LeftButton, {});
    QCoreApplication::sendEvent(bar, &move);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, at + QPoint(30, 20));
    EXPECT_EQ(form.pos(), QPoint(80, 80));

    auto *right = form.findChild<ui::MarsFrameEdge *>(QStringLiteral("frameEdge4"));
    ASSERT_NE(right, nullptr);
    const QPoint middle(1, 100 - right->y());
    EXPECT_EQ(right->edgesAt(middle), Qt::Edges(Qt::RightEdge));
    const QRect before = form.geometry();
    QTest::mousePress(right, Qt::LeftButton, {}, middle);
    QMouseEvent drag(QEvent::MouseMove, middle + QPoint(40, 0), right->mapToGlobal(middle + QPoint(40, 0)),
                     Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(right, &drag);
    QTest::mouseRelease(right, Qt::LeftButton, {}, middle + QPoint(40, 0));
    EXPECT_EQ(form.geometry(), before.adjusted(0, 0, 40, 0));
}

TEST(CaptionOwner, MustBeAForm)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            QWidget form;
            auto *child = new QWidget(&form);
            ui::TMarsCaption caption(child);
        },
        "The MarsCaption's owner must be a Form!");
}

TEST(ContextMenuKey, ShiftF10AsksForThePopupMenu)
{
    QPlainTextEdit list;
    list.setContextMenuPolicy(Qt::CustomContextMenu);
    ui::addContextMenuKey(&list);
    list.show();
    list.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    list.setFocus();
    QSignalSpy asked(&list, &QWidget::customContextMenuRequested);
    QTest::keyClick(&list, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(asked.size(), 1);
    QTest::keyClick(&list, Qt::Key_F10);
    EXPECT_EQ(asked.size(), 1);
}

} // namespace

VORLANE_GTEST_QT_MAIN
