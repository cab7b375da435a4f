// How the registry browser shows a value: a text as one line, a number in signed decimal, binary
// data as a dump of 8 bytes a line; any other type shows nothing.
#pragma once

#include "platform/registryvalue.h"

#include <QByteArray>
#include <QStringList>

namespace tools {

/// The lines that show \a value; none for a type the browser does not show.
QStringList registryValueLines(const platform::RegistryValue &value);

/// The dump of \a bytes, all of them: per line the offset of its first byte in 4 (or more)
/// upper-case hexadecimal digits, two blanks, " XX" for each byte, four blanks, and each byte as
/// a character ("." below 32).
QStringList registryBinaryDump(const QByteArray &bytes);

} // namespace tools
