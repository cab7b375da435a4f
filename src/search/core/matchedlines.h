// Matching lines of one file as the results list shows them, handed over a block at a time:
// "12 : text" in UTF-8, upper-cased when case is ignored, cut to 255 characters, each line
// followed by '\n' (a line read from a file never holds one). The engine formats them where
// the file is read, so the list and vorlane-search only copy bytes.
#pragma once

#include "search/core/textbuffer.h"

#include <cstddef>
#include <cstdint>

namespace search {

/// Characters of a file's line kept in its result line.
constexpr std::size_t ShownLineLength = 255;

struct MatchedLines {
    const char *text = nullptr; ///< the lines, each followed by '\n'
    std::size_t size = 0;       ///< bytes of text
    std::size_t count = 0;      ///< lines in text
};

/// Appends to \a out the result line of the line \a lineNumber whose first bytes are
/// [text, text + size), followed by '\n'. \a upperCase upper-cases its ASCII letters.
void appendMatchLine(TextBuffer &out, std::int64_t lineNumber, const char *text, std::size_t size,
                     bool upperCase);

} // namespace search
