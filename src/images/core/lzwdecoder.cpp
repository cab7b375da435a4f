// LZW decoding of GIF image data.
#include "images/core/lzwdecoder.h"

#include "images/core/bytearray2d.h"
#include "images/core/bytebuffer.h"
#include "images/core/imageerrors.h"

#include <vector>

namespace images {

namespace {

/// Codes taken W bits at a time, least significant bit first, from the sub-block bytes.
class CodeSource {
public:
    explicit CodeSource(const TByteBuffer &data) : m_data(data) {}

    /// False when the data runs out before a whole code.
    bool next(int width, int &code)
    {
        while (m_bits < width) {
            if (m_pos >= m_data.totalBytes())
                return false;
            m_acc |= std::uint32_t(m_data.byteAt(m_pos++)) << m_bits;
            m_bits += 8;
        }
        code = static_cast<int>(m_acc & ((1u << width) - 1));
        m_acc >>= width;
        m_bits -= width;
        return true;
    }

private:
    const TByteBuffer &m_data;
    std::size_t m_pos = 0;
    std::uint32_t m_acc = 0;
    int m_bits = 0;
};

/// Puts decoded pixels into rows and rows into the matrix, following the interlace passes.
class PixelPlacer {
public:
    PixelPlacer(TByteArray2D &matrix, bool interlaced, const std::function<void()> &rowDone)
        : m_matrix(matrix), m_row(static_cast<std::size_t>(matrix.width())), m_interlaced(interlaced),
          m_rowDone(rowDone)
    {
    }

    void put(std::uint8_t pixel)
    {
        if (m_column > m_matrix.width())
            throw EIndexOutOfBounds();
        m_row[static_cast<std::size_t>(m_column - 1)] = pixel;
        if (++m_column <= m_matrix.width())
            return;
        if (m_rowDone)
            m_rowDone();
        m_matrix.storeRow(m_rowIndex + 1, m_row);
        advance();
        m_column = 1;
    }

private:
    void advance()
    {
        if (!m_interlaced) {
            ++m_rowIndex;
            return;
        }
        static constexpr int First[5] = {0, 0, 4, 2, 1};
        static constexpr int Step[5] = {0, 8, 8, 4, 2};
        m_rowIndex += Step[m_pass];
        while (m_rowIndex >= m_matrix.height() && m_pass < 4) {
            ++m_pass;
            m_rowIndex = First[m_pass];
        }
    }

    TByteArray2D &m_matrix;
    std::vector<std::uint8_t> m_row;
    bool m_interlaced;
    const std::function<void()> &m_rowDone;
    int m_column = 1;
    int m_rowIndex = 0;
    int m_pass = 1;
};

EGifException wrongCode()
{
    return EGifException(QStringLiteral("Code erroné"));
}

} // namespace

void LzwDecoder::decode(const TByteBuffer &data, int codeSize, bool interlaced, TByteArray2D &matrix,
                        const std::function<void()> &rowDone)
{
    if (codeSize < 2 || codeSize > 9)
        throw EGifException(QStringLiteral("Mauvais code taille"));
    if (data.count() == 0)
        throw EListError(0);

    const int clearCode = 1 << codeSize;
    const int endCode = clearCode + 1;
    // The state before the first code is the one a clear code sets.
    int width = codeSize + 1;
    int nextFree = endCode + 1;
    int limit = 1 << width;
    bool full = false;
    int previous = -1;

    CodeSource codes(data);
    PixelPlacer placer(matrix, interlaced, rowDone);

    // Pushes the string of \a code, last pixel first, and gives its first pixel.
    auto pushString = [&](int code, std::size_t &depth) {
        while (code > endCode) {
            m_stack[depth++] = m_suffix[static_cast<std::size_t>(code)];
            code = m_prefix[static_cast<std::size_t>(code)];
        }
        m_stack[depth++] = static_cast<std::uint8_t>(code);
        return m_stack[depth - 1];
    };
    auto addEntry = [&](int prefix, std::uint8_t suffix) {
        m_prefix[static_cast<std::size_t>(nextFree)] = static_cast<std::uint16_t>(prefix);
        m_suffix[static_cast<std::size_t>(nextFree)] = suffix;
        if (++nextFree == limit) {
            if (width < 12) {
                limit <<= 1;
                ++width;
            } else {
                full = true;
            }
        }
    };

    int code = 0;
    if (!codes.next(width, code))
        return;
    while (code != endCode) {
        std::size_t depth = 0;
        if (code == clearCode) {
            width = codeSize + 1;
            nextFree = endCode + 1;
            limit = 1 << width;
            do {
                if (!codes.next(width, code))
                    return;
            } while (code == clearCode);
            if (code == endCode)
                throw wrongCode();
            if (code >= nextFree)
                code = 0;
            m_stack[depth++] = static_cast<std::uint8_t>(code);
            previous = code;
        } else if (previous < 0) {
            // First code of a stream that does not begin with a clear code.
            if (code >= nextFree)
                code = 0;
            m_stack[depth++] = static_cast<std::uint8_t>(code);
            previous = code;
        } else if (code < nextFree) {
            const std::uint8_t first = pushString(code, depth);
            addEntry(previous, first);
            previous = code;
        } else if (code == nextFree) {
            std::size_t scratch = 0;
            const std::uint8_t first = pushString(previous, scratch);
            addEntry(previous, first);
            pushString(code, depth);
            previous = code;
        } else {
            throw wrongCode();
        }

        while (depth > 0)
            placer.put(m_stack[--depth]);

        if (!codes.next(width, code))
            return;
        // A full table must be followed by a clear code; the end code may close the data there.
        if (full && code != clearCode && code != endCode)
            throw EGifException(QStringLiteral("Code taille trop gand"));
        full = false;
    }
}

} // namespace images
