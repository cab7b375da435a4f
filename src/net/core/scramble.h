// The light scrambling that keeps the FTP user name and password from being read at a glance
// in the settings store. It is not encryption: anyone with this code can undo it.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace net {

/// User names and passwords are kept to this many bytes.
inline constexpr qsizetype ScrambleLimit = 255;

/// The first ScrambleLimit bytes of \a plain, scrambled: byte n (from 1), with k = n mod 16,
/// has its two 4-bit halves swapped, all bits inverted, then k xor-ed in.
QByteArray scramble(QByteArrayView plain);
/// The inverse of scramble(): xor k, swap the halves, invert the bits.
QByteArray unscramble(QByteArrayView scrambled);

/// The text the store keeps for \a plain: its UTF-8 bytes, cut to ScrambleLimit bytes without
/// splitting a character, scrambled, one character (U+0000 to U+00FF) per byte.
QString scrambleForStore(const QString &plain);
/// The user name or password kept as scrambleForStore() made it. Text that cannot have come
/// from it (a character above U+00FF) gives an empty string.
QString unscrambleFromStore(const QString &stored);

} // namespace net
