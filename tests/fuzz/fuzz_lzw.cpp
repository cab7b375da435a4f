// The LZW decoder alone: the first bytes choose the code size, the size and the interlace of
// the picture, the rest is the code stream cut into sub-blocks as a GIF file holds it.
#include "images/core/bytearray2d.h"
#include "images/core/bytebuffer.h"
#include "images/core/imageerrors.h"
#include "images/core/lzwdecoder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 4)
        return 0;
    const int codeSize = 2 + data[0] % 7;
    const int width = 1 + data[1] % 64;
    const int height = 1 + data[2] % 64;
    const bool interlaced = data[3] & 1;
    images::TByteBuffer stream;
    for (std::size_t at = 4; at < size; at += 255)
        stream.appendBlock(data + at, std::min<std::size_t>(255, size - at));
    try {
        images::TByteArray2D matrix(width, height);
        images::LzwDecoder decoder;
        decoder.decode(stream, codeSize, interlaced, matrix, [] {});
    } catch (const images::ImageError &) {
    }
    return 0;
}
