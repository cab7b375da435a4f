// The CD device, its routines and the CD dialog against .cue/.bin images written by the test
// with sox: table of contents, playing in real time, notices, pause, stop, the dialog's list and
// its next-entry step, and the images and settings that must fail cleanly.
#include "media/core/cddevice.h"
#include "media/core/cdroutines.h"
#include "media/core/cdtexts.h"
#include "media/core/cdtime.h"
#include "media/gui/tcddialog.h"
#include "media/mediafiles.h"
#include "support/messageboxwatcher.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace media;

class CdTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void readsTheTableOfContents();
    void playsARangeAndNotifiesItsEnd();
    void stopAndNewPlayAbortThePendingNotice();
    void pausesAndResumes();
    void badImagesFailCleanly_data();
    void badImagesFailCleanly();
    void absurdTimesStayWithinTheDisc();

    void routinesReportAnErrorOnceUntilTheNextOpen();
    void routinesAnswerMinusOneWhenClosed();
    void failedResumeShowsTheDevicesText();

    void dialogListsTheTracks();
    void dialogChoosesPlaysPausesAndStops();
    void dialogNextEntryStepWalksToTheEnd();
    void dialogWithoutAnImageStaysUsable();
    void dialogAsksForADiscUntilCancelled();
    void dialogReportsADataTrackOnce();
    void dialogQuitShowsThePlayer();

private:
    static QListWidget *list(TCDDialog &dialog) { return dialog.findChild<QListWidget *>(QStringLiteral("PlayList")); }
    QString image(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_cue;
};

void CdTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Tracks of 2, 3 and 1 seconds: 150, 225 and 75 sectors.
    m_cue = testing_support::makeCdImage(m_dir.path(), QStringLiteral("disc"), {2, 3, 1});
}

void CdTest::readsTheTableOfContents()
{
    CdDevice device;
    QCOMPARE(device.open(m_cue), 0);
    int count = 0;
    QCOMPARE(device.trackCount(count), 0);
    QCOMPARE(count, 3);
    const int seconds[] = {2, 3, 1};
    for (int track = 1; track <= 3; ++track) {
        quint32 msf = 0;
        QCOMPARE(device.trackLength(track, msf), 0);
        QCOMPARE(cdtime::msfMinutes(msf), 0);
        QCOMPARE(cdtime::msfSeconds(msf), seconds[track - 1]);
        QCOMPARE(cdtime::msfFrames(msf), 0);
    }
    quint32 msf = 0;
    QCOMPARE(device.trackLength(4, msf), int(CdDevice::OutOfRange));
    QCOMPARE(device.trackLength(0, msf), int(CdDevice::OutOfRange));
    int mode = 0;
    QCOMPARE(device.mode(mode), 0);
    QCOMPARE(mode, int(CdStopped));
    bool present = false;
    QCOMPARE(device.mediaPresent(present), 0);
    QVERIFY(present);
}

void CdTest::playsARangeAndNotifiesItsEnd()
{
    CdDevice device;
    QCOMPARE(device.open(m_cue), 0);
    QSignalSpy notices(&device, &CdDevice::notified);
    QCOMPARE(device.play(2, 3, true), 0);
    int mode = 0;
    device.mode(mode);
    QCOMPARE(mode, int(CdPlaying));
    int track = 0;
    device.currentTrack(track);
    QCOMPARE(track, 2);
    QVERIFY(notices.wait(5000));
    QCOMPARE(notices.size(), 1);
    QCOMPARE(notices.at(0).at(0).toInt(), int(CdDevice::Successful));
    device.mode(mode);
    QCOMPARE(mode, int(CdStopped));
    // The range ends where the next track begins.
    quint32 tmsf = 0;
    device.position(tmsf);
    QCOMPARE(cdtime::tmsfTrack(tmsf), 3);
    QCOMPARE(cdtext::trackTime(tmsf), QStringLiteral("0:00"));

    // A play without notice tells nothing when it ends.
    QCOMPARE(device.play(3, 0, false), 0);
    QTRY_VERIFY_WITH_TIMEOUT((device.mode(mode), mode == CdStopped), 5000);
    QCoreApplication::processEvents();
    QCOMPARE(notices.size(), 1);
}

void CdTest::stopAndNewPlayAbortThePendingNotice()
{
    CdDevice device;
    QCOMPARE(device.open(m_cue), 0);
    QSignalSpy notices(&device, &CdDevice::notified);
    QCOMPARE(device.play(1, 2, true), 0);
    QCOMPARE(device.play(2, 0, false), 0);
    QVERIFY(notices.wait(2000));
    QCOMPARE(notices.at(0).at(0).toInt(), int(CdDevice::Aborted));
    QCOMPARE(device.play(1, 2, true), 0);
    QCOMPARE(device.stop(), 0);
    QVERIFY(notices.wait(2000));
    QCOMPARE(notices.size(), 2);
    QCOMPARE(notices.at(1).at(0).toInt(), int(CdDevice::Aborted));
    int mode = 0;
    device.mode(mode);
    QCOMPARE(mode, int(CdStopped));
}

void CdTest::pausesAndResumes()
{
    CdDevice device;
    QCOMPARE(device.open(m_cue), 0);
    QCOMPARE(device.resume(), int(CdDevice::NotApplicable));
    QVERIFY(!device.errorText(CdDevice::NotApplicable).isEmpty());
    QCOMPARE(device.play(1, 0, false), 0);
    QCOMPARE(device.pause(), 0);
    int mode = 0;
    device.mode(mode);
    QCOMPARE(mode, int(CdPaused));
    quint32 before = 0;
    device.position(before);
    // While paused the position does not move, however long the wait.
    QTest::qWait(300);
    quint32 after = 0;
    device.position(after);
    QCOMPARE(after, before);
    QCOMPARE(device.resume(), 0);
    device.mode(mode);
    QCOMPARE(mode, int(CdPlaying));
    QTRY_VERIFY_WITH_TIMEOUT((device.position(after), after != before), 5000);
}

void CdTest::badImagesFailCleanly_data()
{
    QTest::addColumn<QString>("cue");
    QTest::addColumn<QByteArray>("text");
    const QByteArray good = "FILE \"x.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n";
    QTest::newRow("missing image") << QStringLiteral("nothing.cue") << QByteArray();
    QTest::newRow("missing bin") << QStringLiteral("lonely.cue") << good;
    QTest::newRow("garbage") << QStringLiteral("garbage.cue") << QByteArray("\x00\xff garbage\nTRACK\n", 17);
    QTest::newRow("track 150") << QStringLiteral("many.cue")
                               << (good + "  TRACK 150 AUDIO\n    INDEX 01 00:01:00\n");
}

void CdTest::badImagesFailCleanly()
{
    QFETCH(QString, cue);
    QFETCH(QByteArray, text);
    const QString path = image(cue);
    if (!text.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        if (cue != QLatin1String("lonely.cue"))
            QFile::copy(image(QStringLiteral("disc.bin")), path.chopped(4) + QStringLiteral(".bin"));
    }
    CdDevice device;
    QCOMPARE(device.open(path), int(CdDevice::CannotOpen));
    QVERIFY(device.errorText(CdDevice::CannotOpen).contains(QStringLiteral(".cue"))
            || device.errorText(CdDevice::CannotOpen).contains(QStringLiteral(".bin")));
    int count = 0;
    QCOMPARE(device.trackCount(count), int(CdDevice::NotOpen));
    QCOMPARE(device.play(1, 0, true), int(CdDevice::NotOpen));
}

void CdTest::absurdTimesStayWithinTheDisc()
{
    // The second track starts long after the end of the .bin (6 seconds), the fourth before the
    // third.
    QFile::copy(image(QStringLiteral("disc.bin")), image(QStringLiteral("absurd.bin")));
    QFile file(image(QStringLiteral("absurd.cue")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("FILE \"absurd.bin\" BINARY\n"
               "  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
               "  TRACK 02 AUDIO\n    INDEX 01 99:59:74\n"
               "  TRACK 03 AUDIO\n    INDEX 01 00:03:00\n"
               "  TRACK 04 AUDIO\n    INDEX 01 00:01:00\n");
    file.close();
    CdDevice device;
    QCOMPARE(device.open(file.fileName()), 0);
    int count = 0;
    QCOMPARE(device.trackCount(count), 0);
    QCOMPARE(count, 4);
    qint64 total = 0;
    for (int track = 1; track <= count; ++track) {
        quint32 msf = 0;
        QCOMPARE(device.trackLength(track, msf), 0);
        total += (cdtime::msfMinutes(msf) * 60 + cdtime::msfSeconds(msf)) * 75 + cdtime::msfFrames(msf);
    }
    QCOMPARE(total, 450); // the six seconds of the .bin, no more
    // A track left without sectors ends at once.
    QSignalSpy notices(&device, &CdDevice::notified);
    QCOMPARE(device.play(2, 3, true), 0);
    QVERIFY(notices.wait(2000));
    QCOMPARE(notices.at(0).at(0).toInt(), int(CdDevice::Successful));
    QCOMPARE(device.play(4, 0, true), 0);
    QVERIFY(notices.wait(2000));
    QCOMPARE(notices.at(1).at(0).toInt(), int(CdDevice::Successful));
}

void CdTest::routinesReportAnErrorOnceUntilTheNextOpen()
{
    QStringList shown;
    CdRoutines routines(image(QStringLiteral("nothing.cue")), [&](const QString &text) { shown << text; });
    QVERIFY(!routines.CdOpen({}));
    QCOMPARE(routines.CdDeviceId(), 0);
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0].contains(QStringLiteral("nothing.cue")));
    routines.CdPlayFrom(1);
    routines.CdMode();
    routines.ReportMciError(CdDevice::OutOfRange);
    QCOMPARE(shown.size(), 1);
    QVERIFY(!routines.CdOpen({}));
    QCOMPARE(shown.size(), 2);

    CdRoutines unknown(m_cue, [&](const QString &text) { shown << text; });
    unknown.ReportMciError(0);
    QCOMPARE(shown.size(), 2);
    unknown.ReportMciError(9999);
    QCOMPARE(shown.last(), QStringLiteral("No message available"));
}

void CdTest::routinesAnswerMinusOneWhenClosed()
{
    QStringList shown;
    CdRoutines routines(m_cue, [&](const QString &text) { shown << text; });
    QCOMPARE(routines.CdPosition(), qint64(-1));
    QCOMPARE(routines.CdMode(), -1);
    QCOMPARE(shown.size(), 1);
    QVERIFY(routines.CdOpen({}));
    QVERIFY(!routines.ErrorShown());
    QCOMPARE(routines.CdMode(), int(CdStopped));
    QVERIFY(routines.CdMediaPresent());
    QCOMPARE(routines.CdPosition(), qint64(cdtime::tmsf(1, 0, 0, 0)));
    QVERIFY(routines.CdClose());
    QCOMPARE(routines.CdDeviceId(), 0);
    QCOMPARE(shown.size(), 1);
}

void CdTest::failedResumeShowsTheDevicesText()
{
    QStringList shown;
    CdRoutines routines(m_cue, [&](const QString &text) { shown << text; });
    QVERIFY(routines.CdOpen({}));
    routines.ReportMciError(CdDevice::OutOfRange);
    QCOMPARE(shown.size(), 1);
    // The device's own text is shown even after an error was reported.
    QVERIFY(!routines.CdResume());
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.last(), routines.device().errorText(CdDevice::NotApplicable));
}

void CdTest::dialogListsTheTracks()
{
    TCDDialog dialog(m_cue);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Lecteur CD"));
    QCOMPARE(dialog.size(), QSize(302, 226));
    QCOMPARE(dialog.TrackCount(), 3);
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("pNumTracks"))->text(), QStringLiteral("3"));
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("PlayList"));
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    QCOMPARE(entries, QStringList({QStringLiteral(" 1 >> 0:02"), QStringLiteral(" 2 >> 0:03"), QStringLiteral(" 3 >> 0:01")}));
    const QStringList captions = {QStringLiteral("Etat"), QStringLiteral("Nb pistes"), QStringLiteral("Piste"),
                                  QStringLiteral("Min")};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("Label%1").arg(i + 1))->text(), captions[i]);
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("bbPlay"))->text(), QStringLiteral("Play "));
    QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("bbPlay"))->isEnabled());
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("QuitBtn"))->text(), QStringLiteral("Quitter"));
    QCOMPARE(dialog.EntryIndex(), 0);
    QVERIFY(!dialog.Paused());
}

void CdTest::dialogChoosesPlaysPausesAndStops()
{
    testing_support::MessageBoxWatcher boxes;
    TCDDialog dialog(m_cue);
    dialog.show();
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("PlayList"));
    auto *status = dialog.findChild<QLabel *>(QStringLiteral("pStatus"));
    auto *track = dialog.findChild<QLabel *>(QStringLiteral("pCurTrack"));
    auto *time = dialog.findChild<QLabel *>(QStringLiteral("pCurTime"));
    auto *play = dialog.findChild<QPushButton *>(QStringLiteral("bbPlay"));

    // Right after set-up the first entry is already the chosen one.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QVERIFY(!play->isEnabled());
    QVERIFY(!dialog.timerRunning());

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QVERIFY(play->isEnabled());
    QCOMPARE(dialog.EntryIndex(), 1);
    QVERIFY(dialog.timerRunning());
    QCOMPARE(status->text(), QStringLiteral("Lecture"));
    QCOMPARE(track->text(), QStringLiteral("2"));
    QCOMPARE(time->text(), QStringLiteral("0:00"));
    // Clicking the same entry again does not start it again.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QCOMPARE(dialog.routines().CdCurrentTrack(), 2);

    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("bbPause")), Qt::LeftButton);
    QVERIFY(dialog.Paused());
    QCOMPARE(status->text(), QStringLiteral("Pause"));
    QCOMPARE(dialog.Mode(), int(CdPaused));
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("bbPause")), Qt::LeftButton);
    QVERIFY(!dialog.Paused());
    QCOMPARE(status->text(), QStringLiteral("resume"));
    QCOMPARE(dialog.Mode(), int(CdPlaying));
    // The timer brings the device's own state back.
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), QStringLiteral("Lecture"), 3000);

    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("bAbort")), Qt::LeftButton);
    QCOMPARE(status->text(), QStringLiteral("Stop"));
    QVERIFY(dialog.timerRunning());

    // Play, then another entry: the notice of the replaced play does not stop the new one.
    QSignalSpy notices(&dialog.routines().device(), &CdDevice::notified);
    QTest::mouseClick(play, Qt::LeftButton);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    QVERIFY(notices.wait(2000));
    QCOMPARE(notices.at(0).at(0).toInt(), int(CdDevice::Aborted));
    QCOMPARE(dialog.Mode(), int(CdPlaying));
    QCOMPARE(dialog.routines().CdCurrentTrack(), 3);
    QVERIFY(dialog.timerRunning());
    QVERIFY(boxes.texts.isEmpty());
}

void CdTest::dialogNextEntryStepWalksToTheEnd()
{
    testing_support::MessageBoxWatcher boxes;
    TCDDialog dialog(m_cue);
    dialog.show();
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("PlayList"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("bAbort")), Qt::LeftButton);

    // Play plays the chosen track alone; its end moves on to the next entry, the last one,
    // which plays to the end of the disc.
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("bbPlay")), Qt::LeftButton);
    QCOMPARE(dialog.routines().CdCurrentTrack(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(dialog.EntryIndex(), 2, 5000);
    QCOMPARE(list->currentRow(), 2);
    QCOMPARE(dialog.routines().CdCurrentTrack(), 3);
    QCOMPARE(dialog.Mode(), int(CdPlaying));
    QTRY_COMPARE_WITH_TIMEOUT(dialog.Mode(), int(CdStopped), 5000);
    QCOMPARE(dialog.EntryIndex(), 2);

    // The first track played with Play: the step walks through the second and third.
    dialog.bbPlaySelClick(0);
    QCOMPARE(dialog.EntryIndex(), 0);
    list->setCurrentRow(0);
    dialog.BeginPlay();
    QTRY_COMPARE_WITH_TIMEOUT(dialog.EntryIndex(), 1, 5000);
    QCOMPARE(dialog.routines().CdCurrentTrack(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(dialog.EntryIndex(), 2, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(dialog.Mode(), int(CdStopped), 5000);

    // A step past the last entry ends the sequence: playback and timer stop.
    dialog.MciNotify(CdDevice::Successful);
    QCOMPARE(dialog.EntryIndex(), 2);
    QVERIFY(!dialog.timerRunning());
    QCOMPARE(dialog.Mode(), int(CdStopped));
    QVERIFY(boxes.texts.isEmpty());
}

void CdTest::dialogWithoutAnImageStaysUsable()
{
    testing_support::MessageBoxWatcher boxes;
    auto *dialog = new TCDDialog(image(QStringLiteral("nothing.cue")));
    QPointer<TCDDialog> alive(dialog);
    dialog->show();
    QCOMPARE(boxes.texts.size(), 1);
    QCOMPARE(boxes.titles.at(0), QStringLiteral("Information"));
    QCOMPARE(dialog->TrackCount(), 0);
    QCOMPARE(dialog->findChild<QListWidget *>(QStringLiteral("PlayList"))->count(), 0);
    // Further failures are not shown again.
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("bbPause")), Qt::LeftButton);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("bAbort")), Qt::LeftButton);
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("pStatus"))->text(), QString());
    QCOMPARE(boxes.texts.size(), 1);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("QuitBtn")), Qt::LeftButton);
    QTRY_VERIFY(alive.isNull());
}

void CdTest::dialogAsksForADiscUntilCancelled()
{
    // An image without any track is a drive without a disc.
    QFile::copy(image(QStringLiteral("disc.bin")), image(QStringLiteral("empty.bin")));
    QFile cue(image(QStringLiteral("empty.cue")));
    QVERIFY(cue.open(QIODevice::WriteOnly));
    cue.write("FILE \"empty.bin\" BINARY\n");
    cue.close();
    // OK asks the drive again; the third question is cancelled.
    QStringList questions;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        questions << box->text();
        box->button(questions.size() < 3 ? QMessageBox::Ok : QMessageBox::Cancel)->click();
    });
    answer.start(5);
    TCDDialog dialog(cue.fileName());
    QCOMPARE(questions.size(), 3);
    QCOMPARE(questions.at(0), QStringLiteral("Erreur de lecteur cd\n\nInserer un disque ou quitter"));
    QCOMPARE(dialog.TrackCount(), 0);
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("pNumTracks"))->text(), QString());
    QCOMPARE(dialog.routines().CdDeviceId(), 1);
}

void CdTest::dialogReportsADataTrackOnce()
{
    QFile::copy(image(QStringLiteral("disc.bin")), image(QStringLiteral("data.bin")));
    QFile cue(image(QStringLiteral("data.cue")));
    QVERIFY(cue.open(QIODevice::WriteOnly));
    cue.write("FILE \"data.bin\" BINARY\n  TRACK 01 MODE1/2352\n    INDEX 01 00:00:00\n"
              "  TRACK 02 AUDIO\n    INDEX 01 00:02:00\n");
    cue.close();
    testing_support::MessageBoxWatcher boxes;
    TCDDialog dialog(cue.fileName());
    QCOMPARE(dialog.TrackCount(), 2);
    dialog.bbPlaySelClick(1);
    QCOMPARE(dialog.Mode(), int(CdPlaying));
    dialog.StopPlayback();
    list(dialog)->setCurrentRow(0);
    QCOMPARE(boxes.texts.size(), 1);
    QCOMPARE(boxes.texts.at(0), dialog.routines().device().errorText(CdDevice::NotAudio));
    dialog.BeginPlay();
    QCOMPARE(boxes.texts.size(), 1);
    QCOMPARE(dialog.Mode(), int(CdStopped));
}

void CdTest::dialogQuitShowsThePlayer()
{
    QWidget player;
    player.hide();
    auto *dialog = new TCDDialog(m_cue, &player);
    QPointer<TCDDialog> alive(dialog);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(alive.isNull());
    QVERIFY(player.isVisible());
}

QTEST_MAIN(CdTest)
#include "cd_test.moc"
