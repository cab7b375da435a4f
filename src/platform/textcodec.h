// Text of files and peers is shown as UTF-8; bytes that are not valid UTF-8 are taken as
// Windows-1252, the code page the program's files were written in elsewhere. Never fails.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

QString decodeText(const char *data, qsizetype size);
inline QString decodeText(const QByteArray &bytes) { return decodeText(bytes.constData(), bytes.size()); }

/// The character of \a byte in Windows-1252 (Latin-1 but for 0x80..0x9F: "€", "‘", "’"...).
QChar windows1252(unsigned char byte);

/// The file-system name of \a path as shown to the user.
inline QString decodePath(const QByteArray &path) { return decodeText(path); }

/// The bytes of a path typed or shown as \a path (UTF-8, the file-system encoding here).
QByteArray encodePath(const QString &path);

} // namespace platform
