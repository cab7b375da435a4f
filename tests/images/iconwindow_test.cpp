// The icon window on folders of real icons, offscreen: the grid filled on each folder change
// after the first, its counters and status panels, a damaged icon stopping the filling, the
// current icon and its thumbnail, saving the selection and the thumbnail under the naming rules
// (checked with ImageMagick and icotool), the save options dialog and the settings.
#include "externaltools.h"
#include "testicons.h"
#include "support/messageboxwatcher.h"
#include "support/qtestmain.h"
#include "support/temptree.h"

#include "images/core/iconfile.h"
#include "images/core/iconsaveoptions.h"
#include "images/gui/tboite_icone.h"
#include "images/gui/tsaveiconsdialog.h"
#include "settings/settingsstore.h"
#include "ui/filelist.h"
#include "ui/foldernavigator.h"
#include "ui/radiogroup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace images;
using namespace imagetests;
using testing_support::MessageBoxWatcher;

namespace {

/// The icons every test uses, made once: a.ico (16, 32, 48, 256), b.ico (1, 4, 8 bits and
/// 16 pixels), c.ico (one 32-bit image with alpha).
struct Sources {
    QString a = makeMultiIcon(scratchPath(QStringLiteral("src-a.ico")));
    QString b = makeDepthIcon(scratchPath(QStringLiteral("src-b.ico")));
    QString c = makeSingleIcon(scratchPath(QStringLiteral("src-c.ico")), 32, 7);
};

const Sources &sources()
{
    static const Sources made;
    return made;
}

class IconWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        first = tree.mkdir(QStringLiteral("first"));
        icons = tree.mkdir(QStringLiteral("icons"));
        QFile::copy(sources().c, first + QStringLiteral("/only.ico"));
        QFile::copy(sources().a, icons + QStringLiteral("/a.ico"));
        QFile::copy(sources().b, icons + QStringLiteral("/b.ico"));
        QFile::copy(sources().c, icons + QStringLiteral("/c.ico"));
        tree.write(QStringLiteral("icons/notes.txt"), "not an icon");
        store.write(settings::iconpath::Folder, first);
    }

    void TearDown() override { delete window.data(); }

    Tboite_icone *open()
    {
        window = new Tboite_icone(store);
        window->setSaveAsker([this](const SaveRequest &request) {
            requests.append(request);
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
        window->setOptionsAsker([this](std::uint16_t &word) {
            offeredWords.append(word);
            word = nextWord;
            return nextWord != Cancel;
        });
        window->show();
        return window;
    }

    ui::FileList *files() const { return window->findChild<ui::FileList *>(QStringLiteral("fichier_icone")); }
    QListWidget *grid() const { return window->grid(); }

    void selectAll()
    {
        for (int i = grid()->count() - 1; i >= 0; --i)
            grid()->item(i)->setSelected(true);
    }

    void clickThumbnail() const
    {
        auto *thumbnail = window->findChild<QLabel *>(QStringLiteral("Image1"));
        ASSERT_NE(thumbnail, nullptr);
        QMouseEvent press(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(thumbnail, &press);
    }

    static constexpr std::uint16_t Cancel = 0xFFFF;

    testing_support::TempTree tree;
    settings::SettingsStore store{tree.path(QStringLiteral("hive.reg"))};
    QString first;
    QString icons;
    QPointer<Tboite_icone> window;
    QList<SaveRequest> requests;
    QStringList answers;
    QList<std::uint16_t> offeredWords;
    std::uint16_t nextWord = Cancel;
};

TEST_F(IconWindowTest, TheFirstFolderIsListedWithoutFillingTheGridAndTheNextFillsIt)
{
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Voir les Icones"));
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window->navigator()->folder(), first);
    EXPECT_EQ(files()->count(), 1);
    EXPECT_EQ(grid()->count(), 0);
    EXPECT_EQ(window->statusText(0), QStringLiteral("  Icones lues : "));

    ASSERT_TRUE(window->navigator()->setFolder(icons));
    ASSERT_EQ(files()->count(), 3);
    ASSERT_EQ(grid()->count(), 3);
    EXPECT_EQ(window->statusText(0), QStringLiteral("  Icones lues : 2"));
    EXPECT_EQ(window->statusText(1), QStringLiteral("  Total Icones : 3"));
    EXPECT_EQ(window->statusText(2), QString());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    const QStringList names{"a.ico", "b.ico", "c.ico"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(window->fileNameOf(i), names[i]);
        EXPECT_TRUE(grid()->item(i)->text().isEmpty());
        EXPECT_EQ(window->largeIcons().at(i).size(), QSize(32, 32));
        EXPECT_EQ(window->smallIcons().at(i).size(), QSize(16, 16));
    }
    // The pictures are the entries of those sizes, as ImageMagick reads them.
    EXPECT_EQ(differingPixels(window->largeIcons().at(0), magickRgba(sources().a, 1)), 0);
    EXPECT_EQ(differingPixels(window->smallIcons().at(0), magickRgba(sources().a, 0)), 0);
    EXPECT_EQ(differingPixels(window->largeIcons().at(1), magickRgba(sources().b, 2)), 0);
    EXPECT_EQ(differingPixels(window->smallIcons().at(1), magickRgba(sources().b, 3)), 0);

    grid()->item(1)->setSelected(true);
    grid()->item(2)->setSelected(true);
    window->ListViewClick();
    EXPECT_EQ(window->statusText(2), QStringLiteral("b.ico"));

    // Back to the first folder: a change like any other, so it fills.
    ASSERT_TRUE(window->navigator()->setFolder(first));
    EXPECT_EQ(grid()->count(), 1);
    EXPECT_EQ(window->statusText(1), QStringLiteral("  Total Icones : 1"));
    EXPECT_EQ(window->statusText(0), QStringLiteral("  Icones lues : 0"));
}

TEST_F(IconWindowTest, ADamagedIconStopsTheFillingAndKeepsWhatWasAdded)
{
    const QString bad = tree.mkdir(QStringLiteral("bad"));
    QFile::copy(sources().a, bad + QStringLiteral("/1.ico"));
    QFile::copy(sources().c, bad + QStringLiteral("/3.ico"));
    QFile source(sources().a);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    tree.write(QStringLiteral("bad/2.ico"), source.readAll().left(300));
    open();
    MessageBoxWatcher boxes;
    ASSERT_TRUE(window->navigator()->setFolder(bad));
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].contains(bad + QStringLiteral("/2.ico"))) << boxes.texts[0].toStdString();
    EXPECT_EQ(grid()->count(), 1);
    EXPECT_EQ(window->largeIcons().size(), 1);
    EXPECT_EQ(window->statusText(1), QStringLiteral("  Total Icones : 3"));
    EXPECT_EQ(window->statusText(2), QStringLiteral("  1.ico"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(IconWindowTest, TheCurrentIconAndItsThumbnailOnSilver)
{
    open();
    window->navigator()->setFolder(icons);
    files()->setCurrentRow(0);
    EXPECT_EQ(window->findChild<QLineEdit *>(QStringLiteral("savebmp"))->text(), QStringLiteral("a.ico"));
    const QLabel *shown = window->findChild<QLabel *>(QStringLiteral("image_icone"));
    EXPECT_EQ(shown->pixmap().size(), QSize(32, 32));

    // a.ico's 32-pixel image runs from opaque at the top to clear at the bottom.
    const QImage icon = magickRgba(sources().a, 1);
    const QImage thumbnail = window->thumbnail();
    ASSERT_EQ(thumbnail.size(), QSize(32, 32));
    EXPECT_EQ(thumbnail.pixel(5, 31), qRgb(192, 192, 192));
    EXPECT_EQ(thumbnail.pixel(5, 0), icon.pixel(5, 0) | 0xFF000000u);
    EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().size(), QSize(24, 24));
}

TEST_F(IconWindowTest, TheThumbnailIsSavedAsBmpWithTheBmpRule)
{
    open();
    window->navigator()->setFolder(icons);
    files()->setCurrentRow(2);
    const QString out = tree.mkdir(QStringLiteral("out"));
    const std::pair<QString, QString> cases[] = {
        {out + "/thumb", out + "/thumb.BMP"},
        {out + "/lower.bmp", out + "/lower.bmp.BMP"},
        {out + "/upper.BMP", out + "/upper.BMP"},
    };
    for (const auto &[typed, written] : cases) {
        answers = {typed};
        clickThumbnail();
        ASSERT_TRUE(QFile::exists(written)) << written.toStdString();
        EXPECT_EQ(differingPixels(magickRgba(written), window->thumbnail()), 0);
    }
    ASSERT_EQ(requests.size(), 3);
    EXPECT_EQ(requests[0].proposedName, QStringLiteral("c"));
    EXPECT_EQ(requests[0].title, QStringLiteral("~Convertir~ Icone vers BMP"));
    EXPECT_EQ(requests[0].filter, QStringLiteral("Fichiers BMP (*.BMP)|*.BMP"));
    EXPECT_FALSE(requests[0].confirmOverwrite);
    EXPECT_EQ(requests[0].dialogName, QStringLiteral("SauveBmp"));

    const int before = int(QDir(out).entryList(QDir::Files).size());
    clickThumbnail(); // cancelled
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), before);
}

TEST_F(IconWindowTest, SavingUnderTheImageNamesAvoidsExistingFilesWithPrefixes)
{
    open();
    window->navigator()->setFolder(icons);
    tree.write(QStringLiteral("icons/a.bmp"), "old");
    tree.write(QStringLiteral("icons/_a.bmp"), "old");

    window->BtnTailleIconeClick(); // nothing selected: nothing asked
    EXPECT_TRUE(offeredWords.isEmpty());

    selectAll();
    nextWord = 0x0102; // "&Bitmap", "Utiliser le nom de l'image"
    window->BtnTailleIconeClick();
    EXPECT_TRUE(requests.isEmpty());
    const QStringList bitmaps{"__a.bmp", "b.bmp", "c.bmp"};
    for (int i = 0; i < 3; ++i) {
        const QString path = icons + '/' + bitmaps[i];
        ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
        EXPECT_EQ(differingPixels(magickRgba(path), window->largeIcons().at(i)), 0);
    }

    nextWord = 0x0100; // "&Icone": a.ico, b.ico and c.ico are there already
    window->BtnTailleIconeClick();
    for (int i = 0; i < 3; ++i) {
        const QString path = icons + QStringLiteral("/_%1.ico").arg(QChar('a' + i));
        ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
        // icotool reads back the very picture of the source's 32-pixel entry, alpha included.
        const QString png = tree.path(QStringLiteral("x%1.png").arg(i));
        runTool(QStringLiteral("/usr/bin/icotool"), {QStringLiteral("-x"), QStringLiteral("-o"), png, path});
        EXPECT_EQ(differingPixels(QImage(png), window->largeIcons().at(i)), 0);
    }
    EXPECT_EQ(differingPixels(window->largeIcons().at(0), magickRgba(sources().a, 1)), 0);

    nextWord = 0x0101; // "&Petite Icone"
    window->BtnTailleIconeClick();
    EXPECT_EQ(IconFile::load(icons + QStringLiteral("/__a.ico")).entries().at(0).side(), 16);
    EXPECT_EQ(differingPixels(magickRgba(icons + QStringLiteral("/__b.ico")), window->smallIcons().at(1)), 0);

    nextWord = 0x0103; // "Petit Bit&map"
    window->BtnTailleIconeClick();
    EXPECT_EQ(differingPixels(magickRgba(icons + QStringLiteral("/_b.bmp")), window->smallIcons().at(1)), 0);

    // Each save offers the options of the last one; a cancelled one changes nothing.
    nextWord = Cancel;
    window->BtnTailleIconeClick();
    EXPECT_EQ(offeredWords, (QList<std::uint16_t>{0x0000, 0x0102, 0x0100, 0x0101, 0x0103}));
    EXPECT_EQ(window->saveOptions(), 0x0103);

    // A new window starts again from "&Icone" and "Definir un nom".
    delete window.data();
    offeredWords.clear();
    open();
    window->navigator()->setFolder(first);
    selectAll();
    window->BtnTailleIconeClick();
    EXPECT_EQ(offeredWords, QList<std::uint16_t>{0});
}

TEST_F(IconWindowTest, AskingForNamesProposesThemAndACancelStopsTheSave)
{
    open();
    window->navigator()->setFolder(icons);
    selectAll();
    const QString out = tree.mkdir(QStringLiteral("out"));
    nextWord = 0x0002; // "&Bitmap", "Definir un nom"
    answers = {out + "/first.bmp", QString()};
    window->BtnTailleIconeClick();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[0].proposedName, QStringLiteral("a.bmp"));
    EXPECT_EQ(requests[1].proposedName, QStringLiteral("b.bmp"));
    EXPECT_EQ(requests[0].folder, icons);
    EXPECT_EQ(requests[0].dialogName, QStringLiteral("SauveBmp"));
    EXPECT_TRUE(QFile::exists(out + "/first.bmp"));
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 1);
    EXPECT_FALSE(QFile::exists(icons + "/c.bmp"));

    // A file that cannot be written is reported by name, and the save goes on.
    requests.clear();
    MessageBoxWatcher boxes;
    answers = {out, out + "/second.ico", out + "/third.ico"};
    nextWord = 0x0000;
    window->BtnTailleIconeClick();
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0], QStringLiteral("Impossible d'enregistrer l'image dans le fichier ") + out);
    EXPECT_EQ(requests.size(), 3);
    EXPECT_TRUE(QFile::exists(out + "/second.ico"));
    EXPECT_TRUE(QFile::exists(out + "/third.ico"));
}

TEST_F(IconWindowTest, TheOptionsDialogShowsAndReturnsTheWord)
{
    struct Case {
        const char *name;
        std::uint16_t given;
        const char *click; ///< format button pressed, or null
        const char *naming;
        const char *close;
        bool confirmed;
        std::uint16_t result;
    };
    const Case cases[] = {
        {"new choices", 0x0000, "&Bitmap", "Utiliser le nom de l'image", "Button1", true, 0x0102},
        {"the given choices kept", 0x0103, nullptr, nullptr, "Button1", true, 0x0103},
        {"cancelled", 0x0001, "&Icone", "Definir un nom", "Button2", false, 0x0001},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QStringList seen;
        QString title;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<TSaveIconsDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            title = dialog->windowTitle();
            for (QRadioButton *button : dialog->findChildren<QRadioButton *>())
                if (button->isChecked())
                    seen.append(button->text());
            for (QRadioButton *button : dialog->findChildren<QRadioButton *>())
                if (c.click && (button->text() == QLatin1String(c.click) || button->text() == QLatin1String(c.naming)))
                    button->click();
            dialog->findChild<QPushButton *>(QLatin1String(c.close))->click();
        });
        std::uint16_t word = c.given;
        EXPECT_EQ(TSaveIconsDialog::askSaveOptions(word), c.confirmed);
        EXPECT_EQ(word, c.result);
        EXPECT_EQ(title, QStringLiteral("Sauve image"));
        const IconSaveOptions given = IconSaveOptions::fromWord(c.given);
        const QStringList formats{"&Icone", "&Petite Icone", "&Bitmap", "Petit Bit&map"};
        const QStringList namings{"Definir un nom", "Utiliser le nom de l'image"};
        EXPECT_EQ(seen, (QStringList{formats[given.format()], namings[given.naming()]}));
    }
}

TEST_F(IconWindowTest, TheFolderIsWrittenOnCloseAndAMissingOneFallsBack)
{
    open();
    window->navigator()->setFolder(icons);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(store.read(settings::iconpath::Folder), icons);

    store.write(settings::iconpath::Folder, tree.path(QStringLiteral("gone")));
    open();
    EXPECT_EQ(window->navigator()->folder(), QDir::currentPath());
    EXPECT_EQ(grid()->count(), 0);
}

} // namespace

VORLANE_GTEST_QT_MAIN
