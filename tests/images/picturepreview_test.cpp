// The picture functions inside the real search dialog, offscreen: preview of JPEG, BMP and GIF
// files, "Apperçu image", "stretch", full view with its keys and mouse, the reduced export and
// the JPEG/BMP conversion, failures reported with the picture kept.
#include "externaltools.h"
#include "support/messageboxwatcher.h"
#include "support/qtestmain.h"

#include "images/core/bmpcodec.h"
#include "images/core/jpegcodec.h"
#include "images/gui/picturepreview.h"
#include "images/gui/tgifimage.h"
#include "settings/settingsstore.h"
#include "support/quietsearchhost.h"
#include "search/gui/tchoix.h"
#include "ui/filelist.h"
#include "ui/messageboxes.h"
#include "ui/radiogroup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace images;
using namespace imagetests;
using testing_support::MessageBoxWatcher;

namespace {

enum Item { JpgItem = 3, GifItem = 4, BmpItem = 5, TxtItem = 1 };

class PreviewTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        // a.jpg 80x50, b.jpg 30x20, c.bmp 40x25, d.gif (animated 40x30), e.gif 12x9, broken.jpg
        magick({"-seed", "4", "-size", "80x50", "plasma:fractal", "-quality", "90", path("a.jpg")});
        magick({"-size", "30x20", "xc:red", path("b.jpg")});
        magick({"-seed", "5", "-size", "40x25", "plasma:fractal", "-type", "TrueColor", "BMP3:" + path("c.bmp")});
        magick({"-delay", "10", "-size", "40x30", "xc:white", "-page", "+5+5", "-size", "8x8", "xc:red",
                path("d.gif")});
        magick({"-size", "12x9", "xc:blue", path("e.gif")});
        QFile broken(path("f.jpg"));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("\xFF\xD8 this is not a picture");
        broken.close();

        // Every test starts from an empty settings store.
        choix = std::make_unique<search::Tchoix>(
            host, settings::SettingsStore(settingsFolder.filePath(QStringLiteral("user.reg"))));
        choix->show();
        ASSERT_TRUE(choix->setFolder(folder.path()));
        preview = choix->findChild<PicturePreview *>();
        gif = choix->findChild<TGifImage *>(QStringLiteral("GifImage1"));
        ASSERT_NE(preview, nullptr);
        ASSERT_NE(gif, nullptr);
        preview->setSaveAsker([this](const SaveRequest &request) {
            requests.append(request);
            return answer;
        });
    }

    QString path(const QString &name) const { return QDir(folder.path()).filePath(name); }

    template <typename T>
    T *control(const char *name) const
    {
        T *found = choix->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    ui::FileList *files() const { return control<ui::FileList>("filtre_rep"); }
    QLabel *image1() const { return control<QLabel>("Image1"); }
    QFrame *panel() const { return control<QFrame>("Panel1"); }

    void choose(Item item) { control<ui::RadioGroup>("choix_ext")->setItemIndex(item); }
    void select(const QString &name)
    {
        const auto found = files()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        files()->setCurrentItem(found.first());
    }
    void tickPreview(bool on)
    {
        auto *box = control<QCheckBox>("optionVoirImage");
        if (box->isChecked() != on)
            box->click();
    }
    void key(Qt::Key k) { QTest::keyClick(choix.get(), k); }
    /// Picture keys reach the dialog only when no control has the keyboard focus.
    void dropFocus()
    {
        if (QWidget *focus = QApplication::focusWidget())
            focus->clearFocus();
    }

    QTemporaryDir folder;
    testing_support::QuietSearchHost host;
    QTemporaryDir settingsFolder;
    std::unique_ptr<search::Tchoix> choix;
    PicturePreview *preview = nullptr;
    TGifImage *gif = nullptr;
    QList<SaveRequest> requests;
    QString answer;
};

TEST_F(PreviewTest, PictureControlsFollowTheExtensionChoice)
{
    EXPECT_TRUE(control<QCheckBox>("optionVoirImage")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>("optionStretch")->isEnabled());
    EXPECT_TRUE(control<QSpinBox>("Hexport")->isEnabled());
    for (Item item : {JpgItem, BmpItem, GifItem, TxtItem}) {
        choose(item);
        const bool convertible = item == JpgItem || item == BmpItem;
        EXPECT_EQ(control<QCheckBox>("optionExport")->isEnabled(), convertible) << item;
        EXPECT_EQ(control<QPushButton>("BitBtnConvert")->isEnabled(), convertible) << item;
    }
    tickPreview(true);
    choose(GifItem);
    EXPECT_TRUE(panel()->isVisible());
    choose(TxtItem);
    EXPECT_FALSE(panel()->isVisible());
}

TEST_F(PreviewTest, JpegIsLoadedWithoutPreviewAndShownWhenTicked)
{
    choose(JpgItem);
    select(QStringLiteral("a.jpg"));
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_EQ(preview->image1Picture().size(), QSize(80, 50));
    EXPECT_LE(maxChannelDifference(preview->image1Picture(), magickFrame(path("a.jpg"), 0)), 2);
    tickPreview(true);
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_TRUE(image1()->isVisible());
    EXPECT_FALSE(gif->isVisible());
    EXPECT_TRUE(image1()->hasScaledContents());
    EXPECT_EQ(image1()->geometry(), panel()->contentsRect());

    control<QCheckBox>("optionStretch")->click();
    EXPECT_FALSE(image1()->hasScaledContents());
    EXPECT_FALSE(gif->stretch());
    tickPreview(false);
    EXPECT_FALSE(panel()->isVisible());
}

TEST_F(PreviewTest, GifPreviewAnimates)
{
    choose(GifItem);
    tickPreview(true);
    select(QStringLiteral("d.gif"));
    EXPECT_TRUE(gif->isVisible());
    EXPECT_FALSE(image1()->isVisible());
    EXPECT_EQ(gif->picture().size(), QSize(40, 30));
    EXPECT_TRUE(gif->animating());
    EXPECT_EQ(gif->interval(), 100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return gif->frame() == 2; }, 5000));
    tickPreview(false);
    EXPECT_FALSE(gif->animating());
    tickPreview(true);
    EXPECT_TRUE(gif->animating());
}

TEST_F(PreviewTest, DamagedFileIsReportedAndThePictureKept)
{
    MessageBoxWatcher boxes;
    choose(JpgItem);
    tickPreview(true);
    select(QStringLiteral("b.jpg"));
    const QImage before = preview->image1Picture();
    select(QStringLiteral("f.jpg"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.texts.isEmpty(); }, 5000));
    EXPECT_TRUE(boxes.texts.first().startsWith(QStringLiteral("Erreur JPEG #")));
    EXPECT_EQ(preview->image1Picture(), before);
}

TEST_F(PreviewTest, FullViewOfGifAtTheTopLeftCornerAndBack)
{
    choose(GifItem);
    tickPreview(true);
    select(QStringLiteral("d.gif"));
    const int row = files()->currentRow();
    preview->Image1Click(gif);
    EXPECT_TRUE(preview->fullView());
    EXPECT_EQ(gif->parentWidget(), choix.get());
    EXPECT_EQ(choix->pos(), QPoint(0, 0));
    EXPECT_EQ(choix->size(), QSize(40, 30));
    EXPECT_TRUE(choix->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(files()->isVisible());
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_FALSE(gif->stretch());
    EXPECT_EQ(gif->toolTip(), ui::displayedText(QStringLiteral("ESC, ENTER ou Bouton droit\r     pour revenir")));

    key(Qt::Key_Escape);
    EXPECT_FALSE(preview->fullView());
    EXPECT_EQ(gif->parentWidget(), panel());
    EXPECT_EQ(choix->size(), QSize(650, 450));
    EXPECT_FALSE(choix->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(files()->isVisible());
    EXPECT_TRUE(gif->isVisible());
    EXPECT_FALSE(image1()->isVisible());
    EXPECT_TRUE(gif->stretch());
    EXPECT_EQ(gif->toolTip(), QStringLiteral("cliquer pour taille reelle ! "));
    for (const char *hidden : {"Edit1", "Edit3", "histo_comm2", "ListPath"})
        EXPECT_FALSE(choix->findChild<QWidget *>(QLatin1String(hidden))->isVisible()) << hidden;
    EXPECT_EQ(files()->currentRow(), row);
}

TEST_F(PreviewTest, FullViewOfJpegIsCentredAndKeysStepThroughFiles)
{
    choose(JpgItem);
    tickPreview(true);
    select(QStringLiteral("a.jpg"));
    dropFocus();
    key(Qt::Key_Return);
    ASSERT_TRUE(preview->fullView());
    EXPECT_EQ(choix->size(), QSize(80, 50));
    const QPoint offCentre = choix->frameGeometry().center() - choix->screen()->geometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);

    key(Qt::Key_Plus);
    EXPECT_EQ(files()->currentFileName(), QStringLiteral("b.jpg"));
    EXPECT_EQ(choix->size(), QSize(30, 20));
    EXPECT_EQ(image1()->size(), QSize(30, 20));
    MessageBoxWatcher boxes;
    key(Qt::Key_Plus); // f.jpg is damaged: reported, the picture stays
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.texts.isEmpty(); }, 5000));
    EXPECT_EQ(preview->image1Picture().size(), QSize(30, 20));
    key(Qt::Key_Plus); // past the end: nothing new
    EXPECT_EQ(files()->currentFileName(), QStringLiteral("f.jpg"));
    key(Qt::Key_Home);
    EXPECT_EQ(files()->currentFileName(), QStringLiteral("a.jpg"));
    EXPECT_EQ(choix->size(), QSize(80, 50));
    key(Qt::Key_Minus); // before the first: nothing new
    EXPECT_EQ(files()->currentFileName(), QStringLiteral("a.jpg"));
    key(Qt::Key_End);
    EXPECT_EQ(files()->currentFileName(), QStringLiteral("f.jpg"));
    key(Qt::Key_Enter);
    EXPECT_FALSE(preview->fullView());
}

TEST_F(PreviewTest, MouseInFullViewDragsAndRightButtonLeaves)
{
    choose(BmpItem);
    tickPreview(true);
    select(QStringLiteral("c.bmp"));
    QTest::mouseClick(image1(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(preview->fullView());
    EXPECT_EQ(choix->size(), QSize(40, 25));
    const QPoint start = choix->pos();
    QTest::mousePress(image1(), Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(25, 15), image1()->mapToGlobal(QPointF(25, 15)), Qt::NoButton,
                     Qt::LeftButton, {});
    QCoreApplication::sendEvent(image1(), &move);
    QTest::mouseRelease(image1(), Qt::LeftButton, {}, QPoint(25, 15));
    EXPECT_TRUE(preview->fullView());
    EXPECT_EQ(choix->pos(), start + QPoint(20, 10));
    QTest::mousePress(image1(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(preview->fullView());
    EXPECT_TRUE(image1()->isVisible());
}

TEST_F(PreviewTest, EmptyPictureHasNoFullViewAndHomeOnEmptyListChangesNothing)
{
    MessageBoxWatcher boxes; // f.jpg is damaged
    choose(JpgItem);
    tickPreview(true);
    preview->Image1Click(image1());
    EXPECT_FALSE(preview->fullView());
    dropFocus();
    key(Qt::Key_Escape);
    EXPECT_FALSE(preview->fullView());
    key(Qt::Key_Home);
    EXPECT_EQ(files()->currentFileName(), QStringLiteral("a.jpg"));
    EXPECT_EQ(preview->image1Picture().size(), QSize(80, 50));
    key(Qt::Key_End);
    EXPECT_EQ(files()->currentFileName(), QStringLiteral("f.jpg"));

    control<QLineEdit>("Edit2")->setText(QStringLiteral("XYZ"));
    ASSERT_EQ(files()->count(), 0);
    dropFocus();
    key(Qt::Key_Home);
    key(Qt::Key_End);
    EXPECT_EQ(files()->currentRow(), -1);
    EXPECT_EQ(preview->image1Picture().size(), QSize(80, 50));
}

TEST_F(PreviewTest, ReducedJpegExportWithBlankFirstRowAndColumn)
{
    choose(JpgItem);
    tickPreview(true);
    select(QStringLiteral("a.jpg"));
    control<QSpinBox>("Hexport")->setValue(145);
    control<QSpinBox>("Vexport")->setValue(16);
    answer = path("reduced.jpg");
    control<QCheckBox>("optionExport")->click();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].folder, folder.path());
    EXPECT_EQ(requests[0].proposedName, path("a.jpg"));
    EXPECT_EQ(requests[0].defaultSuffix, QStringLiteral("JPG"));
    EXPECT_EQ(requests[0].filter, QStringLiteral("jpeg|*.jpg"));
    EXPECT_EQ(image1()->size(), QSize(145, 16));
    EXPECT_TRUE(image1()->hasScaledContents());
    const QImage written = magickFrame(answer, 0);
    ASSERT_EQ(written.size(), QSize(145, 16));
    EXPECT_EQ(runTool("/usr/bin/identify", {"-format", "%Q", answer}), QByteArray("90"));
    // White, within JPEG tolerance.
    for (const QPoint at : {QPoint(0, 0), QPoint(70, 0), QPoint(144, 0), QPoint(0, 8), QPoint(0, 15)})
        EXPECT_GT(qGray(written.pixel(at)), 200) << at.x() << "," << at.y();

    // Another file unticks the export and fills the panel again.
    select(QStringLiteral("b.jpg"));
    EXPECT_FALSE(control<QCheckBox>("optionExport")->isChecked());
    EXPECT_EQ(image1()->geometry(), panel()->contentsRect());
}

TEST_F(PreviewTest, SaveDialogOpensOnTheSourceFile)
{
    preview->setSaveAsker([this](const SaveRequest &request) { return askSaveName(choix.get(), request); });
    choose(JpgItem);
    select(QStringLiteral("b.jpg"));
    QStringList seen;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        // Any question (such as overwriting) is answered too, so the test can never hang on one.
        // Windows are looked for among the visible ones: a hidden modal window left by an
        // earlier test may still head the modal stack.
        QFileDialog *dialog = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (!top->isVisible())
                continue;
            if (auto *box = qobject_cast<QMessageBox *>(top)) {
                seen << QStringLiteral("question: ") + box->text();
                QMetaObject::invokeMethod(box, &QDialog::reject, Qt::QueuedConnection);
                return;
            }
            if (auto *file = qobject_cast<QFileDialog *>(top))
                dialog = file;
        }
        if (!dialog)
            return;
        if (seen.isEmpty())
            seen << dialog->objectName() << dialog->nameFilters().join(';') << dialog->selectedFiles().value(0)
                 << dialog->directory().absolutePath();
        // Cancelled from the event loop: writing through the dialog is covered by the export tests.
        QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
    });
    answerer.start(10);
    control<QCheckBox>("optionExport")->click();
    EXPECT_EQ(seen, (QStringList{"SaveDialog1", "jpeg (*.jpg)", path("b.jpg"), folder.path()}));
    EXPECT_FALSE(QFileInfo::exists(path("copy.jpg")));
}

TEST_F(PreviewTest, ReducedExportNeverReplacesItsSource)
{
    const std::pair<Item, QString> sources[] = {{JpgItem, "a.jpg"}, {BmpItem, "c.bmp"}};
    for (const auto &[item, name] : sources) {
        QFile source(path(name));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        const QByteArray before = source.readAll();
        source.close();
        choose(item);
        select(name);
        MessageBoxWatcher boxes;
        answer = folder.path() + "/./" + name; // the same file under another spelling
        control<QCheckBox>("optionExport")->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.texts.isEmpty(); }, 5000)) << name.toStdString();
        EXPECT_EQ(boxes.texts[0], QStringLiteral("La copie réduite ne peut pas remplacer l'image d'origine %1.")
                                      .arg(path(name)));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        EXPECT_EQ(source.readAll(), before) << name.toStdString();
        source.close();
        control<QCheckBox>("optionExport")->click();
    }
}

TEST_F(PreviewTest, ReducedBmpExportAndCancel)
{
    choose(BmpItem);
    select(QStringLiteral("c.bmp"));
    answer.clear();
    control<QCheckBox>("optionExport")->click();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].filter, QStringLiteral("Bitmap|*.bmp"));
    EXPECT_EQ(requests[0].defaultSuffix, QStringLiteral("BMP"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 6);

    control<QCheckBox>("optionExport")->click();
    answer = path("small.bmp");
    control<QCheckBox>("optionExport")->click();
    const QImage written = BmpCodec::read(answer);
    EXPECT_EQ(written.size(), QSize(72, 72));
    EXPECT_EQ(written.pixel(0, 40), qRgb(255, 255, 255));
    EXPECT_EQ(written.pixel(40, 0), qRgb(255, 255, 255));
}

TEST_F(PreviewTest, GifExportGoesToAtestim1InTheCurrentFolder)
{
    QTemporaryDir work;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(work.path());
    choose(GifItem);
    tickPreview(true);
    select(QStringLiteral("e.gif"));
    // The export box is for JPEG and BMP kinds; the GIF control stays visible after a switch.
    choose(JpgItem);
    ASSERT_TRUE(gif->isVisible());
    control<QCheckBox>("optionExport")->click();
    QDir::setCurrent(previous);
    const QString written = QDir(work.path()).filePath(QStringLiteral("atestim1.gif"));
    ASSERT_TRUE(QFileInfo::exists(written));
    EXPECT_EQ(maxChannelDifference(magickFrame(written, 0), magickFrame(path("e.gif"), 0)), 0);
    EXPECT_EQ(gif->size(), QSize(72, 72));
    EXPECT_TRUE(requests.isEmpty());
}

TEST_F(PreviewTest, ConversionsForceTheirExtension)
{
    choose(BmpItem);
    select(QStringLiteral("c.bmp"));
    answer = path("typed.txt");
    control<QPushButton>("BitBtnConvert")->click();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].proposedName, path("c.JPG"));
    EXPECT_EQ(requests[0].filter, QStringLiteral("Fichiers image (*.jpg)|*.JPG"));
    EXPECT_FALSE(QFileInfo::exists(answer));
    ASSERT_TRUE(QFileInfo::exists(path("typed.JPG")));
    EXPECT_EQ(runTool("/usr/bin/identify", {"-format", "%m %w %h %Q", path("typed.JPG")}),
              QByteArray("JPEG 40 25 90"));
    EXPECT_LT(meanDifference(magickFrame(path("typed.JPG"), 0), magickFrame(path("c.bmp"), 0)), 12.0);

    choose(JpgItem);
    select(QStringLiteral("a.jpg"));
    answer = path("back.JPG");
    control<QPushButton>("BitBtnConvert")->click();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[1].proposedName, path("a.BMP"));
    EXPECT_EQ(requests[1].filter, QStringLiteral("Fichiers image (*.bmp)|*.BMP"));
    ASSERT_TRUE(QFileInfo::exists(path("back.bmp")));
    EXPECT_EQ(runTool("/usr/bin/identify", {"-format", "%w %h", path("back.bmp")}), QByteArray("80 50"));
    EXPECT_EQ(maxChannelDifference(magickFrame(path("back.bmp"), 0), JpegCodec::read(path("a.jpg"))), 0);
}

TEST_F(PreviewTest, ConversionReplacingAnotherFileAsksFirst)
{
    choose(BmpItem);
    select(QStringLiteral("c.bmp"));
    QFile existing(path("x.JPG"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();
    QStringList asked;
    bool replace = false;
    preview->setReplaceConfirmation([&](const QString &target) {
        asked.append(target);
        return replace;
    });
    answer = path("x.png"); // the forced extension makes it x.JPG
    control<QPushButton>("BitBtnConvert")->click();
    EXPECT_EQ(asked, QStringList{path("x.JPG")});
    EXPECT_EQ(QFileInfo(path("x.JPG")).size(), 7);
    replace = true;
    control<QPushButton>("BitBtnConvert")->click();
    EXPECT_EQ(asked.size(), 2);
    EXPECT_EQ(JpegCodec::read(path("x.JPG")).size(), QSize(40, 25));
}

TEST_F(PreviewTest, ConversionWithoutCurrentFileFails)
{
    MessageBoxWatcher boxes;
    choose(BmpItem);
    preview->convert(QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.texts.isEmpty(); }, 5000));
    EXPECT_TRUE(requests.isEmpty());
}

} // namespace

VORLANE_GTEST_QT_MAIN
