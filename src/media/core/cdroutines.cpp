#include "media/core/cdroutines.h"

namespace media {

namespace {

constexpr int DeviceId = 1;
constexpr int MaxErrorText = 200;

} // namespace

CdRoutines::CdRoutines(const QString &imagePath, InformationBox informationBox, QObject *parent)
    : QObject(parent), m_imagePath(imagePath), m_informationBox(std::move(informationBox))
{
    connect(&m_device, &CdDevice::notified, this, [this](int notice) {
        if (m_callbackWindow)
            m_callbackWindow(notice);
    });
}

CdRoutines::~CdRoutines() = default;

QString CdRoutines::imageFromEnvironment()
{
    return qEnvironmentVariable("VORLANE_CD_IMAGE");
}

int CdRoutines::checked(int code)
{
    ReportMciError(code);
    return code;
}

bool CdRoutines::CdOpen(NoticeReceiver callbackWindow)
{
    m_errorShown = false;
    m_callbackWindow = std::move(callbackWindow);
    if (checked(m_device.open(m_imagePath)))
        return false;
    m_deviceId = DeviceId;
    return true;
}

bool CdRoutines::CdClose()
{
    if (m_deviceId == 0)
        return !checked(CdDevice::NotOpen);
    if (checked(m_device.close()))
        return false;
    m_deviceId = 0;
    return true;
}

void CdRoutines::CdSetTmsf()
{
    checked(m_deviceId ? m_device.setTmsfFormat() : int(CdDevice::NotOpen));
}

int CdRoutines::CdTrackCount()
{
    int count = 0;
    checked(m_deviceId ? m_device.trackCount(count) : int(CdDevice::NotOpen));
    return count;
}

quint32 CdRoutines::CdTrackLength(int track)
{
    quint32 msf = 0;
    checked(m_deviceId ? m_device.trackLength(track, msf) : int(CdDevice::NotOpen));
    return msf;
}

int CdRoutines::CdCurrentTrack()
{
    int track = 0;
    checked(m_deviceId ? m_device.currentTrack(track) : int(CdDevice::NotOpen));
    return track;
}

qint64 CdRoutines::CdPosition()
{
    quint32 tmsf = 0;
    if (checked(m_deviceId ? m_device.position(tmsf) : int(CdDevice::NotOpen)))
        return -1;
    return tmsf;
}

int CdRoutines::CdMode()
{
    int mode = 0;
    if (checked(m_deviceId ? m_device.mode(mode) : int(CdDevice::NotOpen)))
        return -1;
    return mode;
}

bool CdRoutines::CdMediaPresent()
{
    bool present = false;
    checked(m_deviceId ? m_device.mediaPresent(present) : int(CdDevice::NotOpen));
    return present;
}

void CdRoutines::CdPlayFrom(int track)
{
    checked(m_deviceId ? m_device.play(track, 0, false) : int(CdDevice::NotOpen));
}

void CdRoutines::CdPlayRange(int first, int next)
{
    checked(m_deviceId ? m_device.play(first, next, true) : int(CdDevice::NotOpen));
}

bool CdRoutines::CdStop()
{
    return !checked(m_deviceId ? m_device.stop() : int(CdDevice::NotOpen));
}

bool CdRoutines::CdPause()
{
    return !checked(m_deviceId ? m_device.pause() : int(CdDevice::NotOpen));
}

bool CdRoutines::CdResume()
{
    const int code = m_deviceId ? m_device.resume() : int(CdDevice::NotOpen);
    if (code == 0)
        return true;
    const QString text = m_device.errorText(code);
    if (text.isEmpty())
        ReportMciError(code);
    else if (m_informationBox)
        m_informationBox(text);
    return false;
}

void CdRoutines::ReportMciError(int code)
{
    if (m_errorShown || code == 0)
        return;
    m_errorShown = true;
    QString text = m_device.errorText(code).left(MaxErrorText);
    if (text.isEmpty())
        text = QStringLiteral("No message available");
    if (m_informationBox)
        m_informationBox(text);
}

} // namespace media
