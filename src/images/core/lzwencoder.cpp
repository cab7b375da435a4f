// LZW encoding of GIF image data.
#include "images/core/lzwencoder.h"

#include "images/core/bytearray2d.h"
#include "images/core/codetable.h"
#include "images/core/encodedbytes.h"

#include <memory>
#include <vector>

namespace images {

namespace {

/// Row numbers (from 0) in the order they are stored.
std::vector<int> rowOrder(int height, bool interlaced)
{
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    static constexpr int First[4] = {0, 4, 2, 1};
    static constexpr int Step[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (int y = First[pass]; y < height; y += Step[pass])
            rows.push_back(y);
    }
    return rows;
}

} // namespace

TByteBuffer LzwEncoder::encode(const TByteArray2D &matrix, bool interlaced, int codeSize)
{
    std::vector<std::uint8_t> pixels;
    pixels.reserve(static_cast<std::size_t>(qint64(matrix.width()) * matrix.height()));
    for (int y : rowOrder(matrix.height(), interlaced)) {
        const std::uint8_t *row = matrix.row(y + 1);
        pixels.insert(pixels.end(), row, row + matrix.width());
    }

    // The table is large working storage: keep it off the stack.
    auto table = std::make_unique<TCodeTable>(codeSize);
    TEncodedBytes out;
    out.write(table->clearCode(), table->width());
    const std::size_t count = pixels.size();
    std::size_t i = 0;
    if (count > 0) {
        int current = pixels[i++];
        out.write(current, table->width());
        while (i < count) {
            const std::uint8_t k = pixels[i++];
            table->add(current, k);
            int code = k;
            while (i < count) {
                const int longer = table->find(code, pixels[i]);
                if (longer < 0)
                    break;
                code = longer;
                ++i;
            }
            out.write(code, table->width());
            current = code;
            if (table->full() && i < count) {
                out.write(table->clearCode(), table->width());
                table->reset();
                current = pixels[i++];
                out.write(current, table->width());
            }
        }
    }
    out.write(table->endCode(), table->width());
    out.flush();
    return std::move(out.output());
}

} // namespace images
