// A saved result list read back, and the file of each of its lines looked up as a double-click
// does (the look-up reads the disk only for lines shaped like a file's header).
#include "search/core/resultlist.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    search::ResultLines lines;
    search::decodeResultList(reinterpret_cast<const char *>(data), size, lines);
    const auto lineAt = [&lines](qsizetype n) { return lines.text(static_cast<std::size_t>(n)); };
    for (qsizetype n = 0; n < static_cast<qsizetype>(lines.count()) && n < 64; ++n)
        search::fileOfLine(n, lineAt);
    search::encodeResultList(lines);
    return 0;
}
