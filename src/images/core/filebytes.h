// Whole-file reading and writing for the picture codecs. Files are opened read-only and only
// when they are regular files; a written file replaces the old one only once complete.
#pragma once

#include <QByteArray>
#include <QString>

namespace images {

/// Largest picture file read into memory.
constexpr qint64 MaxPictureFileBytes = 256 * 1024 * 1024;

/// The bytes of \a path; raises EInOutError when it cannot be read.
QByteArray readFileBytes(const QString &path);

/// Writes \a bytes to \a path; raises EInOutError when it cannot be written.
void writeFileBytes(const QString &path, const QByteArray &bytes);

} // namespace images
