// The audio CD dialog "Lecteur CD": it opens the CD device, waits for a disc, lists its tracks
// with their lengths and plays, pauses and stops them, showing the device state, the track and
// the time in the track once a second. Quitting shows the media player window again.
#pragma once

#include "media/core/cdroutines.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace media {

class TCDDialog : public QDialog {
    Q_OBJECT
public:
    /// Plays the .cue image \a imagePath, or the default CD drive when it is empty. \a player is
    /// the window shown again when the dialog quits; the dialog is freed when closed.
    explicit TCDDialog(const QString &imagePath, QWidget *player = nullptr);
    ~TCDDialog() override;

    CdRoutines &routines() { return m_routines; }
    int TrackCount() const { return m_TrackCount; }
    int EntryIndex() const { return m_EntryIndex; }
    bool Paused() const { return m_Paused; }
    bool timerRunning() const { return m_timerId != 0; }

    // Dialog operations and handlers, public so that tests can drive them as the events would.
    void StopPlayback();
    void UpdateStatus();
    int Mode();
    void BeginPlay();
    void Pause();
    void Abort();
    void bbPlaySelClick(int index);
    void QuitBtnClick();
    /// A completion notice of the CD device (CdDevice::Notice).
    void MciNotify(int notice);

public slots:
    void reject() override;

protected:
    void timerEvent(QTimerEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void SetUpWindow();
    void startTimer1();
    void nextEntry();
    void playTrack(int track);

    CdRoutines m_routines;
    QLabel *m_pStatus = nullptr;
    QLabel *m_pNumTracks = nullptr;
    QLabel *m_pCurTrack = nullptr;
    QLabel *m_pCurTime = nullptr;
    QPushButton *m_bbPlay = nullptr;
    QPushButton *m_bbPause = nullptr;
    QPushButton *m_bAbort = nullptr;
    QPushButton *m_QuitBtn = nullptr;
    QListWidget *m_PlayList = nullptr;

    int m_TrackCount = 0;
    int m_EntryIndex = 0;
    bool m_Paused = false;
    int m_timerId = 0;
};

} // namespace media
