// Text shown to the user: UTF-8 with Windows-1252 for the bytes that are not UTF-8, and the
// bytes of a name typed back from it.
#include "platform/textcodec.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = platform::decodeText(reinterpret_cast<const char *>(data), qsizetype(size));
    platform::encodePath(text);
    return 0;
}
