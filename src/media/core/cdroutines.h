// The CD dialog's device routines: each wraps one command of the CD-audio device, reports a
// failure once until the device is opened again, and hands the device's completion notices to
// the window that opened it. What the user must see goes through the information box the owner
// provides, so the routines show nothing themselves.
#pragma once

#include "media/core/cddevice.h"

#include <QObject>

#include <functional>

namespace media {

class CdRoutines : public QObject {
    Q_OBJECT
public:
    /// Shows \a text in an information box titled "Information" with an OK button.
    using InformationBox = std::function<void(const QString &text)>;
    /// Receives a completion notice (CdDevice::Notice).
    using NoticeReceiver = std::function<void(int notice)>;

    /// Plays the .cue image \a imagePath, or the default drive when it is empty.
    CdRoutines(const QString &imagePath, InformationBox informationBox, QObject *parent = nullptr);
    ~CdRoutines() override;

    /// The image named by VORLANE_CD_IMAGE; empty for the default drive.
    static QString imageFromEnvironment();

    int CdDeviceId() const { return m_deviceId; }
    bool ErrorShown() const { return m_errorShown; }

    bool CdOpen(NoticeReceiver callbackWindow);
    bool CdClose();
    void CdSetTmsf();
    int CdTrackCount();
    /// MSF length of \a track.
    quint32 CdTrackLength(int track);
    int CdCurrentTrack();
    /// TMSF position, -1 on failure.
    qint64 CdPosition();
    /// Mode value, -1 on failure.
    int CdMode();
    bool CdMediaPresent();
    void CdPlayFrom(int track);
    void CdPlayRange(int first, int next);
    bool CdStop();
    bool CdPause();
    bool CdResume();
    /// Shows the device's text for \a code once until the next CdOpen; 0 is no error.
    void ReportMciError(int code);

    CdDevice &device() { return m_device; }
    void setInformationBox(InformationBox informationBox) { m_informationBox = std::move(informationBox); }

private:
    int checked(int code);

    QString m_imagePath;
    InformationBox m_informationBox;
    NoticeReceiver m_callbackWindow;
    CdDevice m_device;
    int m_deviceId = 0;
    bool m_errorShown = false;
};

} // namespace media
