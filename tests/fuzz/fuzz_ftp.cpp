// What an FTP server sends: the control-connection bytes cut into lines (the input arrives in
// pieces of the sizes its first byte chooses), each line read as a SYST answer, and each line
// parsed as a listing line in every listing style.
#include "net/core/ftptypes.h"
#include "net/core/linebuffer.h"
#include "net/core/listingparser.h"
#include "net/core/tstarftp.h"

#include <QByteArray>

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t piece = 1 + data[0] % 64;
    const char *bytes = reinterpret_cast<const char *>(data + 1);
    const std::size_t length = size - 1;

    net::LineBuffer buffer;
    net::ListingParser parsers[net::ftpstVmsUcx + 1];
    QByteArray line;
    for (std::size_t at = 0; at < length; at += piece) {
        buffer.append(bytes + at, qsizetype(std::min(piece, length - at)));
        while (buffer.takeLine(line)) {
            net::TStarFtp::ServerTypeFromSyst(line);
            net::ListingParser::ListingName(line);
            net::ListingParser::ListingWord(line, int(line.size() % 12));
            for (int type = net::ftpstDefault; type <= net::ftpstVmsUcx; ++type)
                parsers[type].ParseListingLine(net::TFTPServerType(type), line);
        }
    }
    return 0;
}
