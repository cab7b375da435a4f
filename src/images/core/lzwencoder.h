// Encodes the pixel matrix of one GIF image as LZW data sub-blocks, rows in order or in the
// order of the interlace passes.
#pragma once

#include "images/core/bytebuffer.h"

namespace images {

class TByteArray2D;

class LzwEncoder {
public:
    TByteBuffer encode(const TByteArray2D &matrix, bool interlaced, int codeSize);
};

} // namespace images
