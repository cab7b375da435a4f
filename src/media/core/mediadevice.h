// The media device the player window drives: one media file at a time, opened, played, sought
// and closed, with its length, position and state, a display for its pictures and a volume.
// It stands over Qt Multimedia; opening finishes later (opened() or failed()), and a failure of
// the file at any time after opening is reported through failed() as well.
#pragma once

#include "media/core/playerrules.h"

#include <QObject>
#include <QString>

#include <stdexcept>

class QAudioOutput;
class QMediaPlayer;

namespace media {

/// A command the device cannot carry out (nothing open).
class MediaDeviceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class MediaDevice : public QObject {
    Q_OBJECT
public:
    explicit MediaDevice(QObject *parent = nullptr);
    ~MediaDevice() override;

    void setFileName(const QString &path) { m_fileName = path; }
    QString fileName() const { return m_fileName; }

    /// Starts opening the file named by setFileName(); opened() or failed() follows. Only
    /// regular files are opened.
    void open();
    /// Stops and forgets the file; no signal of the old file follows.
    void close();
    bool isOpen() const { return m_open; }

    /// Length of the media in milliseconds (0 while unknown).
    qint64 length() const;
    /// Position in milliseconds; the length once the media has played to its end.
    qint64 position() const;
    MediaMode mode() const;
    bool hasVideo() const;

    /// Plays from the position, or from the start when the media is at its end.
    void play();
    void pause();
    void stop();
    void seek(qint64 milliseconds);

    /// Where pictures are shown (a video widget or sink); null for none.
    void setDisplay(QObject *output);

    /// The output volume as two 16-bit channel volumes (low word left, high word right).
    quint32 volume() const;
    /// Sets the output volume from the left channel; 0 on success, non-zero when there is no
    /// audio output whose volume could be set.
    int setVolume(quint32 value);

signals:
    void opened();
    void failed(const QString &message);
    /// The length became known or changed after opening.
    void lengthChanged(qint64 milliseconds);
    /// The file has pictures to show, or no longer has (closed).
    void videoChanged(bool hasVideo);

private:
    void requireOpen(const char *command) const;
    void fail(const QString &message);
    void statusChanged();

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
    QString m_fileName;
    bool m_open = false;
    bool m_loaded = false;
    bool m_failed = false;
};

} // namespace media
