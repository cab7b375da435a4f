// The CD-audio device: one disc (drive or .cue image) opened, its table of contents, and the
// playing of a range of its tracks in real time, through the sound output when there is one and
// by the clock alone otherwise. Every command answers 0 or an error number whose text
// errorText() gives. A play asked with a notice reports how it ended through notified():
// completed, or aborted by a later play or a stop.
#pragma once

#include "media/core/cdsource.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>

class QAudioSink;
class QIODevice;

namespace media {

class CdDevice : public QObject {
    Q_OBJECT
public:
    enum Error : int {
        NoError = 0,
        NotOpen = 257,
        CannotOpen = 263,
        NoDisc = 276,
        OutOfRange = 282,
        NotAudio = 290,
        NotApplicable = 302,
    };
    /// How a play asked with a notice ended.
    enum Notice : int { Successful = 1, Superseded = 2, Aborted = 4, Failure = 8 };

    explicit CdDevice(QObject *parent = nullptr);
    ~CdDevice() override;

    /// Opens the .cue image \a imagePath, or the default CD drive when it is empty.
    int open(const QString &imagePath);
    int close();
    bool isOpen() const { return m_source != nullptr; }
    /// The device's text for \a error; empty for an unknown number.
    QString errorText(int error) const;

    int mediaPresent(bool &present);
    /// Positions are answered as TMSF and track lengths as MSF; this only checks the device.
    int setTmsfFormat();
    int trackCount(int &count);
    int trackLength(int track, quint32 &msf);
    int currentTrack(int &track);
    int position(quint32 &tmsf);
    int mode(int &mode);

    /// Plays from the start of \a fromTrack to the start of \a toTrack, or to the end of the disc
    /// when \a toTrack is 0. With \a notify, notified() tells how it ended.
    int play(int fromTrack, int toTrack, bool notify);
    int stop();
    int pause();
    int resume();

signals:
    void notified(int notice);

private:
    int requireDisc() const;
    qint64 currentSector() const;
    int trackAt(qint64 sector) const;
    void tick();
    void endPending(int notice);
    void startSound();
    void stopSound();
    void feedSound();

    std::unique_ptr<CdSource> m_source;
    QString m_openError;
    int m_mode = 0;
    qint64 m_from = 0;
    qint64 m_to = 0;
    qint64 m_stoppedAt = 0;
    QElapsedTimer m_clock;
    qint64 m_playedMs = 0;
    bool m_notifyPending = false;
    QTimer m_tick;
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice *m_feed = nullptr;
    qint64 m_fed = 0;
};

} // namespace media
