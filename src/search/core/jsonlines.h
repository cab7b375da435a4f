// The JSON Lines form of the search's results, for scripts and editors: one object per line,
// {"type":"file","path":P} for each file that holds the string, followed by
// {"type":"match","path":P,"line":N,"text":T,"offset":B} for each of its matching lines.
// A path or a text that is valid UTF-8 is a JSON string; any other is {"bytes":"<base64>"} of
// its bytes, so that a name or a line in another encoding goes through unchanged.
#pragma once

#include "search/core/textbuffer.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace search {

/// Appends the object of the file \a path, followed by '\n'.
void appendJsonFile(TextBuffer &out, const QByteArray &path);

/// Appends the object of a matching line of \a path: its number, its first bytes
/// [text, text + size) as the file holds them (decoded for a UTF-16 file) and the offset in
/// the file of the line's first occurrence; followed by '\n'. A line cut by the scanner in the
/// middle of a character loses the piece.
void appendJsonMatch(TextBuffer &out, const QByteArray &path, std::int64_t line, const char *text,
                     std::size_t size, std::int64_t offset);

/// Appends \a data as a JSON string, or as {"bytes":"<base64>"} when it is not valid UTF-8.
void appendJsonText(TextBuffer &out, const char *data, std::size_t size);

} // namespace search
