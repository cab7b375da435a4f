// Text of files and peers is shown as UTF-8; bytes that are not valid UTF-8 are taken as
// Windows-1252, the code page the program's files were written in elsewhere. Never fails.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <string>

namespace platform {

QString decodeText(const char *data, qsizetype size);
inline QString decodeText(const QByteArray &bytes) { return decodeText(bytes.constData(), bytes.size()); }

/// Writes at \a out the UTF-8 form of decodeText(data, size) cut to its first \a maxUnits UTF-16
/// units (never inside a character), without making the QString: what a result line shows.
/// \a out has room for shownTextBound(size, maxUnits) bytes; returns the bytes written.
std::size_t writeShownText(char *out, const char *data, std::size_t size, std::size_t maxUnits);
/// The most bytes writeShownText() may write: a byte is at most one character of 3 bytes.
constexpr std::size_t shownTextBound(std::size_t size, std::size_t maxUnits)
{
    return 3 * (size < maxUnits ? size : maxUnits);
}
/// writeShownText() appended to \a out.
void appendShownText(std::string &out, const char *data, std::size_t size, std::size_t maxUnits);
/// Bytes at the start of [data, data + size) that are whole, valid UTF-8 (no overlong forms,
/// no surrogates, nothing beyond U+10FFFF).
std::size_t validUtf8Prefix(const char *data, std::size_t size);
/// Writes \a code as UTF-8 at \a out, which has room for 4 bytes; returns the bytes written.
std::size_t writeUtf8(char *out, char32_t code);
/// Length of the run of ASCII bytes at the start of [data, data + size).
std::size_t asciiPrefix(const char *data, std::size_t size);

/// The character of \a byte in Windows-1252 (Latin-1 but for 0x80..0x9F: "€", "‘", "’"...).
QChar windows1252(unsigned char byte);

/// The file-system name of \a path as shown to the user.
inline QString decodePath(const QByteArray &path) { return decodeText(path); }

/// The bytes of a path typed or shown as \a path (UTF-8, the file-system encoding here).
QByteArray encodePath(const QString &path);

} // namespace platform
