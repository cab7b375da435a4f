// Line ends of text read by the search: CR LF, CR alone or LF alone each end one line.
#pragma once

#include <cstddef>

namespace search {

/// Number of line ends in [begin, end). A CR LF pair counts once; the range must not cut one.
/// Counting stops at the first Ctrl-Z byte, which ends the text: its position goes to \a ctrlZ
/// (nullptr when there is none).
std::size_t countLineEnds(const char *begin, const char *end, const char **ctrlZ = nullptr);

/// First CR or LF in [begin, end), or nullptr.
const char *findLineEnd(const char *begin, const char *end);

/// One past the last line end in [begin, end) (after the LF of a CR LF), or nullptr if none.
const char *afterLastLineEnd(const char *begin, const char *end);

} // namespace search
