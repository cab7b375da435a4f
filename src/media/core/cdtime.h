// Positions and lengths on an audio CD in the packed forms the CD dialog works with: TMSF
// (track, minutes, seconds, frames in bytes 0 to 3) and MSF (minutes, seconds, frames in
// bytes 0 to 2). A second holds 75 frames (sectors).
#pragma once

#include <QtGlobal>

namespace media::cdtime {

inline constexpr int FramesPerSecond = 75;

/// Each field keeps its low byte, as the packed forms do.
constexpr quint32 tmsf(int track, int minutes, int seconds, int frames)
{
    return (quint32(track) & 0xFF) | ((quint32(minutes) & 0xFF) << 8) | ((quint32(seconds) & 0xFF) << 16)
        | ((quint32(frames) & 0xFF) << 24);
}
constexpr int tmsfTrack(quint32 value) { return int(value & 0xFF); }
constexpr int tmsfMinutes(quint32 value) { return int((value >> 8) & 0xFF); }
constexpr int tmsfSeconds(quint32 value) { return int((value >> 16) & 0xFF); }
constexpr int tmsfFrames(quint32 value) { return int((value >> 24) & 0xFF); }

constexpr quint32 msf(int minutes, int seconds, int frames)
{
    return (quint32(minutes) & 0xFF) | ((quint32(seconds) & 0xFF) << 8) | ((quint32(frames) & 0xFF) << 16);
}
constexpr int msfMinutes(quint32 value) { return int(value & 0xFF); }
constexpr int msfSeconds(quint32 value) { return int((value >> 8) & 0xFF); }
constexpr int msfFrames(quint32 value) { return int((value >> 16) & 0xFF); }

/// The MSF of a count of frames; minutes beyond 255 stay at 255.
constexpr quint32 msfOfFrames(qint64 frames)
{
    if (frames < 0)
        frames = 0;
    const qint64 minutes = frames / (60 * FramesPerSecond);
    return msf(minutes > 255 ? 255 : int(minutes), int(frames / FramesPerSecond % 60), int(frames % FramesPerSecond));
}

} // namespace media::cdtime
