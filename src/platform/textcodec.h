// Text of files and peers is shown as UTF-8; bytes that are not valid UTF-8 are taken as
// Windows-1252, the code page the program's files were written in elsewhere. Never fails.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

QString decodeText(const char *data, qsizetype size);
inline QString decodeText(const QByteArray &bytes) { return decodeText(bytes.constData(), bytes.size()); }

/// The file-system name of \a path as shown to the user.
inline QString decodePath(const QByteArray &path) { return decodeText(path); }

/// The bytes of a path typed or shown as \a path (UTF-8, the file-system encoding here).
QByteArray encodePath(const QString &path);

} // namespace platform
