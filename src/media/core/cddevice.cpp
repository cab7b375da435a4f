#include "media/core/cddevice.h"

#include "media/core/cdtexts.h"
#include "media/core/cdtime.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>

namespace media {

namespace {

constexpr int TickMs = 20;
constexpr int MaxSectorsPerWrite = 25;

} // namespace

CdDevice::CdDevice(QObject *parent) : QObject(parent)
{
    m_tick.setInterval(TickMs);
    connect(&m_tick, &QTimer::timeout, this, &CdDevice::tick);
}

CdDevice::~CdDevice()
{
    stopSound();
}

int CdDevice::open(const QString &imagePath)
{
    close();
    m_source = CdSource::open(imagePath, &m_openError);
    if (!m_source)
        return CannotOpen;
    m_mode = CdStopped;
    m_stoppedAt = m_source->trackCount() > 0 ? m_source->track(1).start : 0;
    return NoError;
}

int CdDevice::close()
{
    if (!m_source)
        return NotOpen;
    m_tick.stop();
    stopSound();
    // Nobody is left to hear how a pending play ends.
    m_notifyPending = false;
    m_source.reset();
    m_mode = 0;
    return NoError;
}

QString CdDevice::errorText(int error) const
{
    switch (error) {
    case NotOpen:
        return QStringLiteral("Le périphérique CD audio n'est pas ouvert.");
    case CannotOpen:
        return m_openError;
    case NoDisc:
        return QStringLiteral("Le lecteur n'est pas prêt : aucun disque audio n'est présent.");
    case OutOfRange:
        return QStringLiteral("Le numéro de piste est hors des limites du disque.");
    case NotAudio:
        return QStringLiteral("La piste demandée n'est pas une piste audio.");
    case NotApplicable:
        return QStringLiteral("La commande ne peut pas être exécutée dans l'état actuel du lecteur.");
    default:
        return QString();
    }
}

int CdDevice::requireDisc() const
{
    if (!m_source)
        return NotOpen;
    return m_source->trackCount() > 0 ? NoError : NoDisc;
}

int CdDevice::mediaPresent(bool &present)
{
    present = false;
    if (!m_source)
        return NotOpen;
    present = m_source->hasDisc();
    return NoError;
}

int CdDevice::setTmsfFormat()
{
    return m_source ? NoError : NotOpen;
}

int CdDevice::trackCount(int &count)
{
    count = 0;
    if (const int error = requireDisc())
        return error;
    count = m_source->trackCount();
    return NoError;
}

int CdDevice::trackLength(int track, quint32 &msf)
{
    msf = 0;
    if (const int error = requireDisc())
        return error;
    if (track < 1 || track > m_source->trackCount())
        return OutOfRange;
    msf = cdtime::msfOfFrames(m_source->track(track).length);
    return NoError;
}

int CdDevice::currentTrack(int &track)
{
    track = 0;
    if (const int error = requireDisc())
        return error;
    track = trackAt(currentSector());
    return NoError;
}

int CdDevice::position(quint32 &tmsf)
{
    tmsf = 0;
    if (const int error = requireDisc())
        return error;
    const qint64 sector = currentSector();
    const int track = trackAt(sector);
    const qint64 within = std::max<qint64>(sector - m_source->track(track).start, 0);
    const quint32 time = cdtime::msfOfFrames(within);
    tmsf = cdtime::tmsf(track, cdtime::msfMinutes(time), cdtime::msfSeconds(time), cdtime::msfFrames(time));
    return NoError;
}

int CdDevice::mode(int &mode)
{
    mode = 0;
    if (!m_source)
        return NotOpen;
    mode = m_source->trackCount() > 0 ? m_mode : CdNotReady;
    return NoError;
}

int CdDevice::play(int fromTrack, int toTrack, bool notify)
{
    if (const int error = requireDisc())
        return error;
    const int count = m_source->trackCount();
    if (fromTrack < 1 || fromTrack > count || toTrack < 0 || toTrack > count || (toTrack && toTrack < fromTrack))
        return OutOfRange;
    if (!m_source->track(fromTrack).audio)
        return NotAudio;
    endPending(Aborted);
    stopSound();
    m_from = m_source->track(fromTrack).start;
    m_to = toTrack ? m_source->track(toTrack).start : m_source->end();
    m_playedMs = 0;
    m_clock.start();
    m_mode = CdPlaying;
    m_notifyPending = notify;
    startSound();
    m_tick.start();
    return NoError;
}

int CdDevice::stop()
{
    if (const int error = requireDisc())
        return error;
    if (m_mode == CdPlaying || m_mode == CdPaused)
        m_stoppedAt = currentSector();
    m_tick.stop();
    stopSound();
    m_mode = CdStopped;
    endPending(Aborted);
    return NoError;
}

int CdDevice::pause()
{
    if (const int error = requireDisc())
        return error;
    if (m_mode == CdPlaying) {
        m_playedMs += m_clock.elapsed();
        m_mode = CdPaused;
        if (m_sink)
            m_sink->suspend();
    }
    return NoError;
}

int CdDevice::resume()
{
    if (const int error = requireDisc())
        return error;
    if (m_mode != CdPaused)
        return NotApplicable;
    m_clock.start();
    m_mode = CdPlaying;
    if (m_sink)
        m_sink->resume();
    return NoError;
}

qint64 CdDevice::currentSector() const
{
    if (m_mode != CdPlaying && m_mode != CdPaused)
        return m_stoppedAt;
    const qint64 ms = m_playedMs + (m_mode == CdPlaying ? m_clock.elapsed() : 0);
    return std::min(m_from + ms * cdtime::FramesPerSecond / 1000, m_to);
}

int CdDevice::trackAt(qint64 sector) const
{
    int track = 1;
    for (int i = 1; i <= m_source->trackCount(); ++i)
        if (m_source->track(i).start <= sector && (m_source->track(i).length > 0 || i == 1))
            track = i;
    return track;
}

void CdDevice::tick()
{
    if (m_mode != CdPlaying)
        return;
    feedSound();
    if (currentSector() < m_to)
        return;
    m_stoppedAt = m_to;
    m_mode = CdStopped;
    m_tick.stop();
    stopSound();
    endPending(Successful);
}

void CdDevice::endPending(int notice)
{
    if (!m_notifyPending)
        return;
    m_notifyPending = false;
    // Notices arrive later, from the event loop, as the device's messages did.
    QMetaObject::invokeMethod(this, [this, notice] { emit notified(notice); }, Qt::QueuedConnection);
}

void CdDevice::startSound()
{
    m_fed = m_from;
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    m_sink = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
    m_feed = m_sink->start();
    // Without a working output the disc plays by the clock alone.
    if (!m_feed || m_sink->error() != QAudio::NoError)
        stopSound();
}

void CdDevice::stopSound()
{
    if (m_sink)
        m_sink->stop();
    m_feed = nullptr;
    m_sink.reset();
}

void CdDevice::feedSound()
{
    if (!m_sink || !m_feed)
        return;
    QByteArray chunk;
    while (m_fed < m_to) {
        const qint64 room = m_sink->bytesFree() / CdSource::SectorBytes;
        const int count = int(std::min<qint64>({room, m_to - m_fed, MaxSectorsPerWrite}));
        if (count <= 0)
            return;
        chunk.resize(qsizetype(count) * CdSource::SectorBytes);
        // A sector that cannot be read plays as silence.
        if (!m_source->readAudio(m_fed, count, chunk.data()))
            chunk.fill('\0');
        m_feed->write(chunk);
        m_fed += count;
    }
}

} // namespace media
