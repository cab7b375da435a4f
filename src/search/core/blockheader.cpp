#include "search/core/blockheader.h"

#include "search/core/resultlist.h"

namespace search {

namespace {

// False for the lines that are surely no header: blank in ASCII, or "number : text". Any other
// line is checked as text, which also knows the other blanks.
bool mayBeHeader(std::string_view line)
{
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    std::size_t i = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9')
        ++i;
    if (i > 0 && line.substr(i).starts_with(" : "))
        return false;
    for (const char c : line)
        if (!blank(c))
            return true;
    return false;
}

} // namespace

std::optional<std::size_t> headerLineAbove(const ResultLines &lines, std::size_t line)
{
    if (lines.empty())
        return std::nullopt;
    for (std::size_t n = std::min(line, lines.count() - 1) + 1; n-- > 0;) {
        if (mayBeHeader(lines.line(n)) && isHeaderLine(lines.text(n)))
            return n;
    }
    return std::nullopt;
}

} // namespace search
