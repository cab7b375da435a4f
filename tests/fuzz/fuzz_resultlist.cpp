// A saved result list read back, and the file of each of its lines looked up as a double-click
// does (the look-up reads the disk only for lines shaped like a file's header).
#include "search/core/resultlist.h"

#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList lines = search::decodeResultList(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const auto lineAt = [&lines](qsizetype n) { return lines.value(n); };
    for (qsizetype n = 0; n < lines.size() && n < 64; ++n)
        search::fileOfLine(n, lineAt);
    search::encodeResultList(lines);
    return 0;
}
