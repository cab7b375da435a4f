// The arithmetic and texts of the media player window, kept apart from its widgets: the state
// texts, the position bar, the repeat rule, the volume bar and the file mask.
#pragma once

#include <QString>

#include <optional>

namespace media {

/// What the media device is doing, in the order of the player's state texts.
enum class MediaMode { NotReady = 0, Stopped, Playing, Recording, Seeking, Paused, Open };

namespace player {

inline constexpr int BarMaximum = 100;
inline constexpr int VolumeMaximum = 26;
/// One step of the volume bar on the 16-bit channel volume (65535 div 26).
inline constexpr quint32 VolumeStep = 2520;

/// The mask a typed extension is appended to.
inline constexpr char BaseMask[] = "*.MID;*.WAV;*.AVI;*.MPG;*.FLI;*.MOV";
/// The file list's mask before any extension is typed.
inline constexpr char DesignedMask[] = "*.MID;*.WAV;*.AVI;*.MPG;*.FLI;*MPEG";

/// "Pas prêt", "Arrêté", "Exécution", ... for the state label.
QString modeText(MediaMode mode);

/// Where the position bar stands at \a position of \a length milliseconds; nothing when the
/// length is 0 (the bar then stays where it is).
std::optional<int> barPosition(qint64 position, qint64 length);
/// True when the media must start again: the bar at its end and repeat on.
bool mustRepeat(int bar, bool repeat);
/// The millisecond a move of the bar to \a bar seeks to.
qint64 seekTarget(qint64 length, int bar);

/// The volume bar's position for a two-channel volume (low word left, high word right).
int volumeBar(quint32 volume);
/// The two-channel volume, both channels alike, for a position of the volume bar.
quint32 volumeValue(int bar);

/// The file mask with the typed extension added.
QString maskWith(const QString &extension);
/// \a name in \a folder, with a single separator even at a volume root.
QString joinPath(const QString &folder, const QString &name);

} // namespace player
} // namespace media
