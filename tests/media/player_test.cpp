// The media player window offscreen against sound files made by sox: choosing, playing and the
// texts, the time display and the bars, repeat, the extra extension, zoom, the settings, the CD
// button, and files that cannot be played.
#include "media/core/durationtext.h"
#include "media/core/mediadevice.h"
#include "media/core/playerrules.h"
#include "media/gui/tcddialog.h"
#include "media/gui/tmultimedia.h"
#include "media/mediafiles.h"
#include "settings/settingsstore.h"
#include "shell/gui/tframeform.h"
#include "support/messageboxwatcher.h"
#include "ui/filelist.h"
#include "ui/foldernavigator.h"
#include "ui/messageboxes.h"

#include <QAudioDevice>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QVideoWidget>

using namespace media;

class PlayerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void showsItsControls();
    void playsAChosenWaveToItsEnd();
    void longFileTextsAndSeeking();
    void repeatStartsAgainAtTheEnd();
    void extraExtensionAddsToTheMask();
    void unplayableFiles_data();
    void unplayableFiles();
    void folderChangeClosesTheFile();
    void zoomAndUnzoom();
    void volumeBar();
    void keepsItsFolder();
    void cdButtonSwitchesToTheCdDialog();
    void frameOpensOnePlayer();

private:
    template <typename T>
    T *control(const char *name) const
    {
        T *found = m_window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString label(const char *name) const { return control<QLabel>(name)->text(); }
    void choose(const QString &name);

    QTemporaryDir m_dir;
    QPointer<Tmultimedia> m_window;
};

void PlayerTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    using testing_support::makeSound;
    makeSound(m_dir.filePath(QStringLiteral("tone.wav")), 2);
    makeSound(m_dir.filePath(QStringLiteral("short.wav")), 1, 660);
    makeSound(m_dir.filePath(QStringLiteral("tone.ogg")), 2);
    // An hour and more of silence, kept small: 8-bit mono at 1 kHz.
    makeSound(m_dir.filePath(QStringLiteral("long.wav")), 3725, 0,
              {QStringLiteral("-r"), QStringLiteral("1000"), QStringLiteral("-c"), QStringLiteral("1"),
               QStringLiteral("-b"), QStringLiteral("8")});
    makeSound(m_dir.filePath(QStringLiteral("whole.wav")), 10);
    QFile whole(m_dir.filePath(QStringLiteral("whole.wav")));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    QFile truncated(m_dir.filePath(QStringLiteral("truncated.wav")));
    QVERIFY(truncated.open(QIODevice::WriteOnly));
    truncated.write(whole.read(30000));
    truncated.close();
    whole.close();
    QFile::remove(whole.fileName());
    QFile text(m_dir.filePath(QStringLiteral("notmedia.wav")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("Ceci n'est pas un son.\n");
    text.close();
    QFile header(m_dir.filePath(QStringLiteral("header.wav")));
    QVERIFY(header.open(QIODevice::WriteOnly));
    header.write(QByteArray("RIFF\xff\xff\xff\x7fWAVEfmt ", 16));
    header.close();
    testing_support::makeVideo(m_dir.filePath(QStringLiteral("mire.avi")), 4);
    QDir(m_dir.path()).mkdir(QStringLiteral("sub"));
    testing_support::makeCdImage(m_dir.path(), QStringLiteral("disc"), {1, 1, 1});
}

void PlayerTest::init()
{
    m_window = new Tmultimedia(settings::SettingsStore());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QVERIFY(m_window->navigator().setFolder(m_dir.path()));
}

void PlayerTest::cleanup()
{
    delete m_window;
}

void PlayerTest::choose(const QString &name)
{
    QListWidget *files = m_window->navigator().fileList();
    const QList<QListWidgetItem *> found = files->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    files->setCurrentItem(found.first());
}

void PlayerTest::showsItsControls()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Lecteur multimedia"));
    QCOMPARE(m_window->size(), QSize(640, 480));
    const std::pair<const char *, const char *> texts[] = {
        {"Label1", "Autre extention"},
        {"Label8", "Position : "},
        {"Label3", "Volume  : "},
        {"Fichier", "Nom du fichier          : "},
        {"Label2", "Durée                          :"},
        {"Label5", "Etat du lecteur          :"},
        {"Label4", "Vide"},
        {"Label6", "00 h:00 m:00 s"},
        {"Label7", "Fermé"},
        {"Afficheur", "00:00:00"},
    };
    for (const auto &[name, text] : texts)
        QCOMPARE(label(name), QString::fromUtf8(text));
    QCOMPARE(control<QCheckBox>("boucle")->text(), QStringLiteral(" Répéter "));
    QCOMPARE(control<QCheckBox>("Zoom")->text(), QStringLiteral("Zoom"));
    QCOMPARE(control<QToolButton>("CdBtn")->toolTip(), QStringLiteral("CD AUDIO"));
    QCOMPARE(control<QToolButton>("BtnRacine")->toolTip(), QStringLiteral("repertoire racine"));
    QCOMPARE(control<QToolButton>("BtnPrecRep")->toolTip(), QStringLiteral("repertoire precedent"));
    QCOMPARE(control<QComboBox>("ext_supl")->toolTip(), QStringLiteral("Taper un nom d'extention (3 lettres)"));
    QCOMPARE(control<QComboBox>("ext_supl")->lineEdit()->maxLength(), 3);
    QCOMPARE(control<QSlider>("trk")->maximum(), 100);
    QCOMPARE(control<QSlider>("trk")->tickInterval(), 5);
    QCOMPARE(control<QSlider>("Volume")->maximum(), 26);
    QVERIFY(m_window->findChild<QWidget *>(QStringLiteral("repert_list")));
    QCOMPARE(m_window->navigator().fileList()->mask(), QLatin1String(player::DesignedMask));
    QCOMPARE(control<QLabel>("Afficheur")->font().pixelSize(), 24);
}

void PlayerTest::playsAChosenWaveToItsEnd()
{
    choose(QStringLiteral("tone.wav"));
    QTRY_COMPARE_WITH_TIMEOUT(label("Label4"), QStringLiteral("tone.wav"), 10000);
    QVERIFY(m_window->isPlaying());
    QCOMPARE(label("Label6"), QStringLiteral("00 h :00 m :02 s"));
    QCOMPARE(control<QLabel>("Afficheur")->palette().color(QPalette::WindowText), QColor(0, 255, 255));
    m_window->Timer1Timer();
    QCOMPARE(label("Label7"), QStringLiteral("Exécution"));
    // The one-second timer follows the file to its end.
    QTRY_COMPARE_WITH_TIMEOUT(label("Label7"), QStringLiteral("Arrêté"), 10000);
    m_window->Timer1Timer();
    QCOMPARE(control<QSlider>("trk")->value(), 100);
    QCOMPARE(label("Afficheur"), QStringLiteral("00:00:02"));
    // The bar set by the timer does not seek.
    QCOMPARE(m_window->device().mode(), MediaMode::Stopped);
}

void PlayerTest::longFileTextsAndSeeking()
{
    choose(QStringLiteral("long.wav"));
    QTRY_COMPARE_WITH_TIMEOUT(label("Label4"), QStringLiteral("long.wav"), 10000);
    QCOMPARE(label("Label6"), QStringLiteral("01 h :02 m :05 s"));
    m_window->device().seek(65000);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->device().position() >= 65000, 10000);
    m_window->Timer1Timer();
    QCOMPARE(label("Afficheur"), QStringLiteral("00:01:05"));
    QCOMPARE(control<QSlider>("trk")->value(), 1);
    // Moving the bar seeks to its share of the length.
    control<QSlider>("trk")->setValue(50);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->device().position() >= 1862500, 10000);
    m_window->Timer1Timer();
    QVERIFY(label("Afficheur").startsWith(QStringLiteral("00:31:0")));
    QCOMPARE(control<QSlider>("trk")->value(), 50);
}

void PlayerTest::repeatStartsAgainAtTheEnd()
{
    control<QCheckBox>("boucle")->setChecked(true);
    auto *player = m_window->findChild<QMediaPlayer *>();
    QSignalSpy states(player, &QMediaPlayer::playbackStateChanged);
    choose(QStringLiteral("short.wav"));
    QTRY_COMPARE_WITH_TIMEOUT(label("Label4"), QStringLiteral("short.wav"), 10000);
    // Playing, stopped at the end, playing again: the timer restarted it.
    auto playings = [&] {
        int count = 0;
        for (const QList<QVariant> &state : states)
            count += state.at(0).value<QMediaPlayer::PlaybackState>() == QMediaPlayer::PlayingState;
        return count;
    };
    QTRY_VERIFY_WITH_TIMEOUT(playings() >= 2, 15000);
    QVERIFY(control<QSlider>("trk")->value() < 100);
    QVERIFY(m_window->isPlaying());
}

void PlayerTest::extraExtensionAddsToTheMask()
{
    ui::FileList *files = m_window->navigator().fileList();
    QVERIFY(files->findItems(QStringLiteral("tone.ogg"), Qt::MatchExactly).isEmpty());
    auto *extension = control<QComboBox>("ext_supl");
    extension->setFocus();
    QTest::keyClicks(extension->lineEdit(), QStringLiteral("oggx"));
    QCOMPARE(extension->currentText(), QStringLiteral("ogg"));
    QCOMPARE(files->mask(), QStringLiteral("*.MID;*.WAV;*.AVI;*.MPG;*.FLI;*.MOV;*.ogg"));
    QCOMPARE(files->findItems(QStringLiteral("tone.ogg"), Qt::MatchExactly).size(), 1);
    // Entering the box again keeps the text in its list, once.
    for (int i = 0; i < 2; ++i) {
        files->setFocus();
        extension->setFocus();
        QCoreApplication::processEvents();
    }
    QCOMPARE(extension->count(), 1);
    QCOMPARE(extension->itemText(0), QStringLiteral("ogg"));

    choose(QStringLiteral("tone.ogg"));
    QTRY_COMPARE_WITH_TIMEOUT(label("Label4"), QStringLiteral("tone.ogg"), 10000);
    QCOMPARE(label("Label6"), QStringLiteral("00 h :00 m :02 s"));
}

void PlayerTest::unplayableFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("text") << QStringLiteral("notmedia.wav");
    QTest::newRow("header only") << QStringLiteral("header.wav");
    QTest::newRow("truncated") << QStringLiteral("truncated.wav");
}

void PlayerTest::unplayableFiles()
{
    QFETCH(QString, file);
    testing_support::MessageBoxWatcher boxes;
    choose(file);
    // A file the device refuses is reported; one it plays as far as it goes ends normally.
    QTRY_VERIFY_WITH_TIMEOUT(label("Label4") == QStringLiteral("Lecture impossible")
                                 || (label("Label4") == file && label("Label7") == QStringLiteral("Arrêté")),
                             15000);
    if (label("Label4") == QStringLiteral("Lecture impossible")) {
        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(boxes.titles.at(0), QStringLiteral("Information"));
        QCOMPARE(boxes.texts.at(0),
                 ui::displayedText(QStringLiteral("                Lecture impossible !\r                          "
                                                  "Verifiez \rSi le driver pour ce type de fichier est installé")));
        QVERIFY(!m_window->isPlaying());
        QVERIFY(!m_window->device().isOpen());
        QVERIFY(m_window->device().fileName().isEmpty());
    } else {
        QVERIFY(boxes.texts.isEmpty());
    }
    QVERIFY(file != QLatin1String("notmedia.wav") || label("Label4") == QStringLiteral("Lecture impossible"));
    // The window goes on: a good file plays.
    choose(QStringLiteral("tone.wav"));
    QTRY_COMPARE_WITH_TIMEOUT(label("Label4"), QStringLiteral("tone.wav"), 10000);
    QVERIFY(m_window->isPlaying());
}

void PlayerTest::folderChangeClosesTheFile()
{
    choose(QStringLiteral("tone.wav"));
    QTRY_VERIFY_WITH_TIMEOUT(m_window->isPlaying(), 10000);
    QVERIFY(m_window->navigator().setFolder(m_dir.filePath(QStringLiteral("sub"))));
    QVERIFY(!m_window->isPlaying());
    QVERIFY(!m_window->device().isOpen());
    QCOMPARE(label("Label4"), QStringLiteral("Vide"));
    QCOMPARE(label("Label6"), QStringLiteral("00 h:00 m:00 s"));
    QCOMPARE(control<QSlider>("trk")->value(), 0);
    // Idle, the time display blinks between aqua and teal.
    m_window->Timer1Timer();
    const QColor first = control<QLabel>("Afficheur")->palette().color(QPalette::WindowText);
    m_window->Timer1Timer();
    const QColor second = control<QLabel>("Afficheur")->palette().color(QPalette::WindowText);
    QCOMPARE(QSet<QRgb>({first.rgb(), second.rgb()}), QSet<QRgb>({QColor(0, 255, 255).rgb(), QColor(0, 128, 128).rgb()}));
    QCOMPARE(label("Afficheur"), QStringLiteral("00:00:00"));
    QCOMPARE(label("Label7"), QStringLiteral("Pas prêt"));
}

void PlayerTest::zoomAndUnzoom()
{
    auto *zoom = control<QCheckBox>("Zoom");
    auto *zoomed = control<QWidget>("ZoomPanel");
    QVERIFY(!control<QVideoWidget>("Video")->isVisible());
    choose(QStringLiteral("mire.avi"));
    QTRY_COMPARE_WITH_TIMEOUT(label("Label4"), QStringLiteral("mire.avi"), 10000);
    QCOMPARE(label("Label6"), QStringLiteral("00 h :00 m :04 s"));
    // The pictures go to the video panel.
    QTRY_VERIFY_WITH_TIMEOUT(control<QVideoWidget>("Video")->isVisible(), 10000);
    QVERIFY(!zoomed->isVisible());
    zoom->click();
    QVERIFY(zoomed->isVisible());
    QVERIFY(control<QVideoWidget>("ZoomVideo")->isVisible());
    QCOMPARE(control<QVideoWidget>("ZoomVideo")->size(), m_window->size());
    QCOMPARE(zoomed->geometry(), m_window->rect());
    QVERIFY(!control<QWidget>("PanelFichiers")->isVisible());
    QVERIFY(!control<QWidget>("PanelLecteur")->isVisible());
    m_window->resize(700, 520);
    QTRY_COMPARE(zoomed->geometry(), m_window->rect());
    QTest::mouseClick(zoomed, Qt::LeftButton);
    QVERIFY(!zoom->isChecked());
    QVERIFY(!zoomed->isVisible());
    QVERIFY(control<QWidget>("PanelFichiers")->isVisible());
    QVERIFY(control<QWidget>("Panel1")->isVisible());
}

void PlayerTest::volumeBar()
{
    auto *volume = control<QSlider>("Volume");
    QCOMPARE(volume->value(), player::volumeBar(m_window->device().volume()));
    testing_support::MessageBoxWatcher boxes;
    volume->setValue(13);
    if (QMediaDevices::audioOutputs().isEmpty()) {
        // No sound output here: there is no volume to adjust.
        QTRY_COMPARE(boxes.texts, QStringList({QStringLiteral("Cannot adjust Volume.")}));
    } else {
        QVERIFY(boxes.texts.isEmpty());
        QCOMPARE(player::volumeBar(m_window->device().volume()), 13);
    }
}

void PlayerTest::keepsItsFolder()
{
    const QString sub = m_dir.filePath(QStringLiteral("sub"));
    QVERIFY(m_window->navigator().setFolder(sub));
    delete m_window;
    QCOMPARE(settings::SettingsStore().read(settings::playerpath::Folder), sub);
    m_window = new Tmultimedia(settings::SettingsStore());
    QCOMPARE(m_window->navigator().folder(), sub);
    delete m_window;
    // A folder that has gone falls back to the current directory.
    QVERIFY(QDir(sub).removeRecursively());
    m_window = new Tmultimedia(settings::SettingsStore());
    QCOMPARE(m_window->navigator().folder(), QDir::currentPath());
    QDir(m_dir.path()).mkdir(QStringLiteral("sub"));
}

void PlayerTest::cdButtonSwitchesToTheCdDialog()
{
    qputenv("VORLANE_CD_IMAGE", m_dir.filePath(QStringLiteral("disc.cue")).toLocal8Bit());
    choose(QStringLiteral("tone.wav"));
    QTRY_VERIFY_WITH_TIMEOUT(m_window->isPlaying(), 10000);
    for (int round = 0; round < 2; ++round) {
        control<QToolButton>("CdBtn")->click();
        QVERIFY(!m_window->isVisible());
        QVERIFY(!m_window->isPlaying());
        QVERIFY(!m_window->device().isOpen());
        QPointer<TCDDialog> dialog = m_window->findChild<TCDDialog *>();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->routines().CdDeviceId(), 1);
        QCOMPARE(dialog->findChild<QListWidget *>(QStringLiteral("PlayList"))->count(), 3);
        dialog->findChild<QPushButton *>(QStringLiteral("QuitBtn"))->click();
        QTRY_VERIFY(dialog.isNull());
        QVERIFY(m_window->isVisible());
    }
    qunsetenv("VORLANE_CD_IMAGE");
}

void PlayerTest::frameOpensOnePlayer()
{
    delete m_window;
    shell::Tframeform frame{settings::SettingsStore()};
    auto *button = frame.findChild<QToolButton *>(QStringLiteral("ToolBtnMedia"));
    QVERIFY(button && button->isEnabled());
    button->click();
    button->click();
    QList<Tmultimedia *> players;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *player = qobject_cast<Tmultimedia *>(top))
            players << player;
    QCOMPARE(players.size(), 1);
    QVERIFY(players[0]->isVisible());
    players[0]->close();
    QTRY_VERIFY(QApplication::topLevelWidgets().indexOf(players[0]) < 0);
}

QTEST_MAIN(PlayerTest)
#include "player_test.moc"
