// BMP decoding.
#include "images/core/bmpcodec.h"
#include "images/core/imageerrors.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        images::BmpCodec::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (const images::ImageError &) {
    }
    return 0;
}
