#include "media/core/mediadevice.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace media {

MediaDevice::MediaDevice(QObject *parent) : QObject(parent)
{
    m_player = new QMediaPlayer(this);
    m_output = new QAudioOutput(this);
    m_player->setAudioOutput(m_output);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, &MediaDevice::statusChanged);
    connect(m_player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error error, const QString &text) {
                if (error != QMediaPlayer::NoError)
                    fail(text);
            });
    connect(m_player, &QMediaPlayer::hasVideoChanged, this, [this](bool hasVideo) {
        if (m_open)
            emit videoChanged(hasVideo);
    });
    connect(m_player, &QMediaPlayer::durationChanged, this, [this](qint64 milliseconds) {
        if (m_open && m_loaded)
            emit lengthChanged(milliseconds);
    });
}

MediaDevice::~MediaDevice()
{
    // The player must not report anything to a half-destroyed device.
    m_player->disconnect(this);
}

void MediaDevice::open()
{
    close();
    m_open = true;
    const QFileInfo file(m_fileName);
    if (!file.isFile() || !file.isReadable()) {
        // Reported from the event loop, like any other outcome of opening.
        QMetaObject::invokeMethod(
            this, [this, name = m_fileName] {
                if (m_open && m_fileName == name)
                    fail(QStringLiteral("Ce n'est pas un fichier lisible : ") + name);
            },
            Qt::QueuedConnection);
        return;
    }
    m_player->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
}

void MediaDevice::close()
{
    const bool wasOpen = m_open;
    m_open = false;
    m_loaded = false;
    m_failed = false;
    if (wasOpen) {
        m_player->stop();
        m_player->setSource(QUrl());
        emit videoChanged(false);
    }
}

qint64 MediaDevice::length() const
{
    return m_open ? std::max<qint64>(m_player->duration(), 0) : 0;
}

qint64 MediaDevice::position() const
{
    if (!m_open)
        return 0;
    if (m_player->mediaStatus() == QMediaPlayer::EndOfMedia)
        return length();
    return std::max<qint64>(m_player->position(), 0);
}

MediaMode MediaDevice::mode() const
{
    if (!m_open || !m_loaded || m_failed)
        return MediaMode::NotReady;
    switch (m_player->playbackState()) {
    case QMediaPlayer::PlayingState:
        return MediaMode::Playing;
    case QMediaPlayer::PausedState:
        return MediaMode::Paused;
    case QMediaPlayer::StoppedState:
        break;
    }
    return MediaMode::Stopped;
}

bool MediaDevice::hasVideo() const
{
    return m_open && m_player->hasVideo();
}

void MediaDevice::play()
{
    requireOpen("play");
    const qint64 total = length();
    if (m_player->mediaStatus() == QMediaPlayer::EndOfMedia || (total > 0 && m_player->position() >= total))
        m_player->setPosition(0);
    m_player->play();
}

void MediaDevice::pause()
{
    requireOpen("pause");
    m_player->pause();
}

void MediaDevice::stop()
{
    requireOpen("stop");
    m_player->stop();
}

void MediaDevice::seek(qint64 milliseconds)
{
    requireOpen("seek");
    m_player->setPosition(std::clamp<qint64>(milliseconds, 0, length()));
}

void MediaDevice::setDisplay(QObject *output)
{
    m_player->setVideoOutput(output);
}

quint32 MediaDevice::volume() const
{
    const auto channel = static_cast<quint32>(std::lround(std::clamp(m_output->volume(), 0.0f, 1.0f) * 0xFFFF));
    return (channel << 16) | channel;
}

int MediaDevice::setVolume(quint32 value)
{
    if (m_output->device().isNull())
        return 1;
    m_output->setVolume(static_cast<float>(value & 0xFFFF) / 0xFFFF);
    return 0;
}

void MediaDevice::requireOpen(const char *command) const
{
    if (!m_open)
        throw MediaDeviceError(std::string("media device not open: ") + command);
}

void MediaDevice::fail(const QString &message)
{
    if (!m_open || m_failed)
        return;
    m_failed = true;
    emit failed(message);
}

void MediaDevice::statusChanged()
{
    if (!m_open || m_failed)
        return;
    switch (m_player->mediaStatus()) {
    case QMediaPlayer::InvalidMedia:
        fail(m_player->errorString().isEmpty() ? QStringLiteral("Média illisible") : m_player->errorString());
        break;
    case QMediaPlayer::LoadedMedia:
    case QMediaPlayer::BufferedMedia:
    case QMediaPlayer::BufferingMedia:
        if (!m_loaded) {
            m_loaded = true;
            emit opened();
        }
        break;
    default:
        break;
    }
}

} // namespace media
