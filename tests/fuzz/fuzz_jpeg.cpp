// JPEG decoding through libjpeg with the program's own error manager.
#include "images/core/imageerrors.h"
#include "images/core/jpegcodec.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        images::JpegCodec::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (const images::ImageError &) {
    }
    return 0;
}
