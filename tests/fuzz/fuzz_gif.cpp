// GIF files: the reader, every frame's LZW stream and its bitmap.
#include "images/core/giffile.h"
#include "images/core/imageerrors.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        images::TGifFile gif;
        gif.loadFromBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
        for (int n = 1; n <= gif.imageCount(); ++n)
            gif.image(n).bitmap();
    } catch (const images::ImageError &) {
    }
    return 0;
}
