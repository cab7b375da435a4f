// Media made for the tests by sox and GStreamer: sound files, a video, and audio CD images (.cue with its .bin of the
// same base name) whose tracks last whole seconds.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace testing_support {

/// Writes \a seconds of a tone (silence when \a tone is 0) to \a path; the extension
/// chooses the format. \a extra options go before the effect (rate, channels, sample size).
void makeSound(const QString &path, double seconds, int tone = 440, const QStringList &extra = {});

/// Writes a Motion-JPEG AVI of the GStreamer test pattern, \a seconds long, to \a path.
void makeVideo(const QString &path, int seconds);

/// Writes \a folder/\a name.cue and \a name.bin: one audio track per entry of \a seconds, each
/// a tone of its own. Returns the .cue path.
QString makeCdImage(const QString &folder, const QString &name, const QList<int> &seconds);

} // namespace testing_support
