// The glyph viewer on folders of real BMP files, offscreen: the grid from the client size, the
// pages of 19, the "(Vide)" buttons, glyphs squeezed or shown as they are, captions, the glyph
// save with its ".BMP" rule and remembered folder, a damaged file; and the search dialog's
// "Boutons" that opens it.
#include "externaltools.h"
#include "settings/settingsstore.h"
#include "support/quietsearchhost.h"
#include "support/messageboxwatcher.h"
#include "support/qtestmain.h"
#include "support/temptree.h"

#include "images/core/bmpcodec.h"
#include "images/core/glyphpager.h"
#include "images/gui/tglyphdlg.h"
#include "platform/registrystore.h"
#include "search/gui/searchhost.h"
#include "search/gui/tchoix.h"
#include "ui/radiogroup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace images;
using namespace imagetests;
using testing_support::MessageBoxWatcher;

namespace {

/// A 20x10 BMP made by ImageMagick, to copy under many names.
const QString &smallBmp()
{
    static const QString path = [] {
        const QString made = scratchPath(QStringLiteral("small.bmp"));
        magick({"-size", "20x10", "xc:orange", "BMP3:" + made});
        return made;
    }();
    return path;
}

QList<TGlyphDlg *> glyphViewers()
{
    QList<TGlyphDlg *> found;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *viewer = qobject_cast<TGlyphDlg *>(window))
            found.append(viewer);
    return found;
}

class GlyphViewerTest : public testing::Test {
protected:
    void TearDown() override { delete dialog.data(); }

    TGlyphDlg *open(const QString &folder)
    {
        dialog = new TGlyphDlg(folder);
        dialog->setSaveAsker([this](const SaveRequest &request) {
            requests.append(request);
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
        dialog->show();
        return dialog;
    }

    QStringList captions() const
    {
        QStringList texts;
        for (int k = 0; k < GlyphPager::ButtonCount; ++k)
            texts.append(dialog->glyphButton(k)->text());
        return texts;
    }

    testing_support::TempTree tree;
    QPointer<TGlyphDlg> dialog;
    QList<SaveRequest> requests;
    QStringList answers;
};

TEST_F(GlyphViewerTest, FiftyFilesPageByNineteen)
{
    for (int i = 0; i < 50; ++i)
        QFile::copy(smallBmp(), tree.path(QStringLiteral("g%1.bmp").arg(i, 2, 10, QChar('0'))));
    open(tree.root());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Choix d'un bouton"));
    ASSERT_EQ(dialog->files().size(), 50);

    struct Step {
        void (TGlyphDlg::*action)();
        int start;
        int filled; ///< buttons with a file
    };
    const Step steps[] = {
        {nullptr, 0, 20},
        {&TGlyphDlg::SuivantBtnClick, 19, 20},
        {&TGlyphDlg::SuivantBtnClick, 38, 12},
        {&TGlyphDlg::SuivantBtnClick, 31, 19},
        {&TGlyphDlg::SuivantBtnClick, 50, 0},
        {&TGlyphDlg::SuivantBtnClick, 50, 0},
        {&TGlyphDlg::PrecedentBtnClick, 31, 19},
        {&TGlyphDlg::PrecedentBtnClick, 12, 20},
        {&TGlyphDlg::PrecedentBtnClick, 0, 20},
    };
    for (const Step &step : steps) {
        if (step.action)
            (dialog->*step.action)();
        SCOPED_TRACE(step.start);
        EXPECT_EQ(dialog->pageStart(), step.start);
        for (int k = 0; k < GlyphPager::ButtonCount; ++k) {
            const QPushButton *button = dialog->glyphButton(k);
            if (k < step.filled) {
                EXPECT_EQ(button->text(), QStringLiteral("g%1").arg(step.start + k, 2, 10, QChar('0')));
                EXPECT_TRUE(button->isEnabled());
                EXPECT_EQ(dialog->glyphOf(k).size(), QSize(20, 10));
            } else {
                EXPECT_EQ(button->text(), QStringLiteral("(Vide)"));
                EXPECT_EQ(button->isEnabled(), k == 0) << k;
                EXPECT_TRUE(dialog->glyphOf(k).isNull());
                EXPECT_TRUE(button->icon().isNull());
            }
        }
    }
}

TEST_F(GlyphViewerTest, ButtonsAreLaidOutFromTheClientSize)
{
    QFile::copy(smallBmp(), tree.path(QStringLiteral("one.bmp")));
    open(tree.root());
    EXPECT_TRUE(dialog->windowState() & Qt::WindowMaximized);
    const auto cancelTop = [this] { return dialog->findChild<QPushButton *>(QStringLiteral("AnnulerBtn"))->y(); };
    for (int k = 0; k < GlyphPager::ButtonCount; ++k)
        EXPECT_EQ(dialog->glyphButton(k)->geometry(), GlyphPager::buttonRect(k, dialog->width(), cancelTop())) << k;

    dialog->setWindowState(Qt::WindowNoState);
    dialog->resize(TGlyphDlg::DesignWidth, TGlyphDlg::DesignHeight);
    EXPECT_EQ(dialog->glyphButton(0)->geometry(), QRect(4, 4, 156, 83));
    EXPECT_EQ(dialog->glyphButton(19)->geometry(), QRect(472, 336, 156, 83));
    EXPECT_EQ(cancelTop(), 419);
}

TEST_F(GlyphViewerTest, LargePicturesAreSqueezedAndCaptionsStopAtTheFirstDot)
{
    // logo.small.bmp: 100x40, red then blue; exact.bmp: 72x72 green; Upper.BMP found whatever its
    // case; hidden and other files left out.
    QImage wide(100, 40, QImage::Format_RGB32);
    wide.fill(Qt::blue);
    QPainter(&wide).fillRect(0, 0, 50, 40, Qt::red);
    BmpCodec::write(wide, tree.path(QStringLiteral("logo.small.bmp")));
    magick({"-size", "72x72", "xc:lime", "BMP3:" + tree.path(QStringLiteral("exact.bmp"))});
    QFile::copy(smallBmp(), tree.path(QStringLiteral("Upper.BMP")));
    QFile::copy(smallBmp(), tree.path(QStringLiteral(".hidden.bmp")));
    QFile::copy(smallBmp(), tree.path(QStringLiteral("other.png")));
    tree.mkdir(QStringLiteral("folder.bmp"));
    open(tree.root());

    EXPECT_EQ(captions().mid(0, 4), (QStringList{"exact", "logo", "upper", "(Vide)"}));
    EXPECT_EQ(differingPixels(dialog->glyphOf(0), magickRgba(tree.path(QStringLiteral("exact.bmp")))), 0);
    const QImage glyph = dialog->glyphOf(1);
    ASSERT_EQ(glyph.size(), QSize(72, 72));
    EXPECT_EQ(glyph.pixel(0, 40), qRgb(255, 255, 255));
    EXPECT_EQ(glyph.pixel(40, 0), qRgb(255, 255, 255));
    EXPECT_EQ(glyph.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(glyph.pixel(71, 71), qRgb(0, 0, 255));
    EXPECT_EQ(dialog->glyphButton(1)->iconSize(), QSize(72, 72));
    EXPECT_EQ(dialog->glyphOf(2).size(), QSize(20, 10));
}

TEST_F(GlyphViewerTest, AGlyphIsSavedWithTheBmpRuleAndTheNextSaveStartsThere)
{
    QImage wide(100, 40, QImage::Format_RGB32);
    wide.fill(Qt::darkCyan);
    BmpCodec::write(wide, tree.path(QStringLiteral("logo.small.bmp")));
    const QString out = tree.mkdir(QStringLiteral("out"));
    open(tree.root());

    answers = {out + QStringLiteral("/glyph")};
    dialog->glyphButton(0)->click();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].proposedName, QStringLiteral("logo"));
    EXPECT_EQ(requests[0].title, QStringLiteral("Sauver l'image du bouton sélectioné vers ..."));
    EXPECT_EQ(requests[0].filter, QStringLiteral("Fichiers BMP (*.BMP)|*.BMP"));
    EXPECT_TRUE(requests[0].confirmOverwrite);
    EXPECT_EQ(requests[0].folder, tree.root());
    const QString written = out + QStringLiteral("/glyph.BMP");
    ASSERT_TRUE(QFile::exists(written));
    EXPECT_EQ(differingPixels(magickRgba(written), dialog->glyphOf(0)), 0);

    answers = {out + QStringLiteral("/again.bmp")};
    dialog->glyphButton(0)->click();
    EXPECT_EQ(requests[1].folder, out);
    EXPECT_TRUE(QFile::exists(out + QStringLiteral("/again.bmp.BMP")));

    dialog->glyphButton(0)->click(); // cancelled: nothing written
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 2);

    dialog->glyphButton(1)->click(); // "(Vide)": nothing to save
    EXPECT_EQ(requests.size(), 3);
}

TEST_F(GlyphViewerTest, ADamagedFileStopsTheFillingWithItsError)
{
    QFile::copy(smallBmp(), tree.path(QStringLiteral("a.bmp")));
    tree.write(QStringLiteral("b.bmp"), "BM but nothing more");
    QFile::copy(smallBmp(), tree.path(QStringLiteral("c.bmp")));
    MessageBoxWatcher boxes;
    open(tree.root());
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].contains(tree.path(QStringLiteral("b.bmp")))) << boxes.texts[0].toStdString();
    EXPECT_EQ(dialog->glyphButton(0)->text(), QStringLiteral("a"));
    EXPECT_FALSE(dialog->glyphOf(0).isNull());
    EXPECT_NE(dialog->glyphButton(2)->text(), QStringLiteral("c"));
}

TEST(SearchDialogButtons, OpensOneGlyphViewerOnTheListedFolder)
{
    enum Item { TxtItem = 1, JpgItem = 3, BmpItem = 5 };
    testing_support::TempTree tree;
    const QString pictures = tree.mkdir(QStringLiteral("pictures"));
    const QString empty = tree.mkdir(QStringLiteral("empty"));
    QFile::copy(smallBmp(), pictures + QStringLiteral("/one.bmp"));
    QFile::copy(smallBmp(), pictures + QStringLiteral("/two.bmp"));
    QFile::remove(platform::RegistryStore::userHivePath());
    testing_support::QuietSearchHost host;
    search::Tchoix choix(host, settings::SettingsStore());
    choix.show();
    auto *boutons = choix.findChild<QPushButton *>(QStringLiteral("SpeedButton7"));
    auto *kinds = choix.findChild<ui::RadioGroup *>(QStringLiteral("choix_ext"));
    ASSERT_NE(boutons, nullptr);
    ASSERT_NE(kinds, nullptr);

    const std::pair<int, bool> enabled[] = {{TxtItem, false}, {JpgItem, true}, {BmpItem, true}, {0, false}};
    for (const auto &[item, on] : enabled) {
        kinds->setItemIndex(item);
        EXPECT_EQ(boutons->isEnabled(), on) << item;
    }

    kinds->setItemIndex(BmpItem);
    ASSERT_TRUE(choix.setFolder(empty));
    boutons->click();
    EXPECT_TRUE(glyphViewers().isEmpty()) << "no file listed, no viewer";

    ASSERT_TRUE(choix.setFolder(pictures));
    boutons->click();
    ASSERT_EQ(glyphViewers().size(), 1);
    QPointer<TGlyphDlg> viewer = glyphViewers().first();
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->files().size(), 2);
    EXPECT_EQ(viewer->glyphButton(1)->text(), QStringLiteral("two"));

    // While it is open, "Boutons" only brings it back, even from another folder.
    viewer->hide();
    ASSERT_TRUE(choix.setFolder(tree.root()));
    boutons->click();
    EXPECT_EQ(glyphViewers().size(), 1);
    EXPECT_TRUE(viewer->isVisible());

    viewer->findChild<QPushButton *>(QStringLiteral("AnnulerBtn"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(viewer.isNull());
}

} // namespace

VORLANE_GTEST_QT_MAIN
