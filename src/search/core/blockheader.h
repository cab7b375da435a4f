// The header of the block a line of the results list belongs to, found on the lines' bytes:
// a caret deep in a block of a million match lines finds its file without decoding them.
#pragma once

#include "search/core/resultlines.h"

#include <cstddef>
#include <optional>

namespace search {

/// The number of the nearest line at or above \a line shaped like a header (isHeaderLine()).
std::optional<std::size_t> headerLineAbove(const ResultLines &lines, std::size_t line);

} // namespace search
