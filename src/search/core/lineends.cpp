#include "search/core/lineends.h"

#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#define VORLANE_X86 1
#endif

namespace search {

namespace {

constexpr char CtrlZ = 26;

std::size_t countScalar(const char *p, const char *end, const char **ctrlZ)
{
    std::size_t count = 0;
    for (; p < end; ++p) {
        if (*p == '\n') {
            ++count;
        } else if (*p == '\r') {
            if (!(p + 1 < end && p[1] == '\n'))
                ++count;
        } else if (*p == CtrlZ) {
            *ctrlZ = p;
            return count;
        }
    }
    return count;
}

// Bits of the bytes before the first Ctrl-Z of a chunk.
inline unsigned beforeFirst(unsigned stopMask)
{
    return stopMask ? (1u << __builtin_ctz(stopMask)) - 1 : ~0u;
}

#ifdef VORLANE_X86

// Counts LF, plus CR not followed by LF, 32 bytes at a time; p + 1 is loaded to see the follower.
// Counts build up in byte lanes over a group of chunks and are summed once per group; a group
// holding a Ctrl-Z is counted again chunk by chunk to stop exactly there.
__attribute__((target("avx2"), always_inline)) inline __m256i lineEndsAvx2(const char *at)
{
    const __m256i lf = _mm256_set1_epi8('\n');
    const __m256i here = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(at));
    const __m256i next = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(at + 1));
    const __m256i loneCr = _mm256_andnot_si256(_mm256_cmpeq_epi8(next, lf), _mm256_cmpeq_epi8(here, _mm256_set1_epi8('\r')));
    return _mm256_or_si256(_mm256_cmpeq_epi8(here, lf), loneCr);
}

__attribute__((target("avx2,popcnt")))
std::size_t countAvx2(const char *p, const char *end, const char **ctrlZ)
{
    constexpr int GroupChunks = 8;
    const __m256i eof = _mm256_set1_epi8(CtrlZ);
    const __m256i zero = _mm256_setzero_si256();
    __m256i sums = zero;
    std::size_t count = 0;
    while (end - p > 32 * GroupChunks) {
        __m256i lanes = zero;
        __m256i stops = zero;
        for (int k = 0; k < GroupChunks; ++k) {
            const char *at = p + 32 * k;
            lanes = _mm256_sub_epi8(lanes, lineEndsAvx2(at));
            stops = _mm256_or_si256(stops, _mm256_cmpeq_epi8(
                _mm256_loadu_si256(reinterpret_cast<const __m256i *>(at)), eof));
        }
        if (!_mm256_testz_si256(stops, stops))
            break;
        sums = _mm256_add_epi64(sums, _mm256_sad_epu8(lanes, zero));
        p += 32 * GroupChunks;
    }
    count += static_cast<std::size_t>(_mm256_extract_epi64(sums, 0) + _mm256_extract_epi64(sums, 1)
                                      + _mm256_extract_epi64(sums, 2) + _mm256_extract_epi64(sums, 3));
    while (end - p > 32) {
        const unsigned mask = static_cast<unsigned>(_mm256_movemask_epi8(lineEndsAvx2(p)));
        const unsigned stop = static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(
            _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p)), eof)));
        if (stop) {
            *ctrlZ = p + __builtin_ctz(stop);
            return count + static_cast<std::size_t>(__builtin_popcount(mask & beforeFirst(stop)));
        }
        count += static_cast<std::size_t>(__builtin_popcount(mask));
        p += 32;
    }
    return count + countScalar(p, end, ctrlZ);
}

std::size_t countSse2(const char *p, const char *end, const char **ctrlZ)
{
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i eof = _mm_set1_epi8(CtrlZ);
    std::size_t count = 0;
    while (end - p > 16) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 1));
        const __m128i lfHere = _mm_cmpeq_epi8(here, lf);
        const __m128i loneCr = _mm_andnot_si128(_mm_cmpeq_epi8(next, lf), _mm_cmpeq_epi8(here, cr));
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(lfHere, loneCr)));
        const unsigned stop = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(here, eof)));
        if (stop) {
            *ctrlZ = p + __builtin_ctz(stop);
            return count + static_cast<std::size_t>(__builtin_popcount(mask & beforeFirst(stop)));
        }
        count += static_cast<std::size_t>(__builtin_popcount(mask));
        p += 16;
    }
    return count + countScalar(p, end, ctrlZ);
}

bool haveAvx2()
{
    static const bool have = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt");
    }();
    return have;
}

#endif

} // namespace

std::size_t countLineEnds(const char *begin, const char *end, const char **ctrlZ)
{
    const char *ignored = nullptr;
    const char **stop = ctrlZ ? ctrlZ : &ignored;
    *stop = nullptr;
#ifdef VORLANE_X86
    return haveAvx2() ? countAvx2(begin, end, stop) : countSse2(begin, end, stop);
#else
    return countScalar(begin, end, stop);
#endif
}

const char *findLineEnd(const char *begin, const char *end)
{
    const char *p = begin;
#ifdef VORLANE_X86
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    for (; end - p >= 16; p += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const unsigned mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, lf), _mm_cmpeq_epi8(v, cr))));
        if (mask)
            return p + __builtin_ctz(mask);
    }
#endif
    for (; p < end; ++p)
        if (*p == '\n' || *p == '\r')
            return p;
    return nullptr;
}

const char *afterLastLineEnd(const char *begin, const char *end)
{
    // Most calls look back over part of one line: a plain loop beats two library calls there.
    if (end - begin <= 32) {
        for (const char *p = end; p > begin; --p)
            if (p[-1] == '\n' || p[-1] == '\r')
                return p;
        return nullptr;
    }
    const auto length = static_cast<std::size_t>(end - begin);
    const char *lf = static_cast<const char *>(memrchr(begin, '\n', length));
    const char *from = lf ? lf + 1 : begin;
    const char *cr = static_cast<const char *>(memrchr(from, '\r', static_cast<std::size_t>(end - from)));
    if (cr)
        return cr + 1;
    return lf ? lf + 1 : nullptr;
}

} // namespace search
