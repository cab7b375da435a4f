#include "search/core/matchedlines.h"

#include "platform/textcodec.h"
#include "search/core/asciicase.h"

#include <charconv>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace search {

namespace {

constexpr std::size_t NumberRoom = 24; // digits of any line number, and " : "

// Copies \a n bytes, upper-casing ASCII letters when asked; false as soon as a byte is not
// ASCII (what was written is then of no use).
template <bool UpperCase>
bool copyAscii(char *to, const char *from, std::size_t n)
{
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i shift = _mm_set1_epi8(static_cast<char>(128 - 'a')); // 'a'..'z' become -128..-103
    const __m128i limit = _mm_set1_epi8(static_cast<char>(-128 + 26));
    const __m128i caseBit = _mm_set1_epi8(0x20);
    for (; i + 16 <= n; i += 16) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from + i));
        if (_mm_movemask_epi8(v))
            return false;
        if constexpr (UpperCase) {
            const __m128i lower = _mm_cmpgt_epi8(limit, _mm_add_epi8(v, shift));
            v = _mm_sub_epi8(v, _mm_and_si128(lower, caseBit));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i *>(to + i), v);
    }
#endif
    for (; i < n; ++i) {
        const auto c = static_cast<unsigned char>(from[i]);
        if (c >= 0x80)
            return false;
        to[i] = static_cast<char>(UpperCase ? asciiUpper(c) : c);
    }
    return true;
}

void upperCaseInPlace(char *text, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i)
        text[i] = static_cast<char>(asciiUpper(static_cast<unsigned char>(text[i])));
}

} // namespace

void appendMatchLine(TextBuffer &out, std::int64_t lineNumber, const char *text, std::size_t size, bool upperCase)
{
    char *const start = out.grow(NumberRoom + 3 + platform::shownTextBound(size, ShownLineLength) + 1);
    char *p = std::to_chars(start, start + NumberRoom, lineNumber).ptr;
    std::memcpy(p, " : ", 3);
    p += 3;
    // Plain ASCII, by far the most common, is copied (and upper-cased) in one pass.
    const std::size_t kept = size < ShownLineLength ? size : ShownLineLength;
    if (upperCase ? copyAscii<true>(p, text, kept) : copyAscii<false>(p, text, kept)) {
        p += kept;
    } else {
        const std::size_t written = platform::writeShownText(p, text, size, ShownLineLength);
        if (upperCase)
            upperCaseInPlace(p, written);
        p += written;
    }
    *p++ = '\n';
    out.commit(static_cast<std::size_t>(p - start));
}

} // namespace search
