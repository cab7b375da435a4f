// The texts of the CD dialog: track list entries, the time in the track, the device states.
#pragma once

#include <QString>

namespace media {

/// The states of the CD device, with the numbers the dialog shows them by.
enum CdMode : int {
    CdNotReady = 524,
    CdStopped = 525,
    CdPlaying = 526,
    CdRecording = 527,
    CdSeeking = 528,
    CdPaused = 529,
    CdDoorOpen = 530,
};

namespace cdtext {

/// "%2d >> %d:%d" (":0%d" below ten seconds): " 7 >> 3:07".
QString trackEntry(int track, int minutes, int seconds);
/// The track number of a list entry: its digits before ">", blanks skipped; 0 when none.
int trackOfEntry(const QString &entry);
/// The time within the track of a TMSF position: "4:05", "3:10".
QString trackTime(quint32 tmsf);
/// "Pas pret", "Stop", "Lecture", ...; empty for any other value.
QString ModeText(int mode);

} // namespace cdtext
} // namespace media
