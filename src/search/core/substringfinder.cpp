#include "search/core/substringfinder.h"

#include "search/core/asciicase.h"

#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define VORLANE_X86 1
#endif

namespace search {

namespace {

// Rough frequency rank of bytes in source code and prose: higher is more common.
// The rarest bytes of the needle make the fewest false candidates.
int byteRank(unsigned char c, bool fold)
{
    if (fold && c >= 'A' && c <= 'Z')
        c = static_cast<unsigned char>(c + 32);
    static const char common[] = " etaoinsrhldcumfpgwybvkxjqz";
    if (const char *at = static_cast<const char *>(std::memchr(common, c, sizeof common - 1)))
        return 255 - static_cast<int>(at - common);
    if (c >= 'A' && c <= 'Z')
        return 200 - (c - 'A') / 2;
    if (c >= '0' && c <= '9')
        return 190;
    switch (c) {
    case '\t': case '(': case ')': case ';': case ',': case '.': case '=': case '_': case '"':
    case '\'': case '/': case '-': case '*': case ':':
        return 180;
    default:
        return c < 0x80 ? 120 : 60;
    }
}

bool isLetter(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

SubstringFinder::SubstringFinder(const QByteArray &needle, bool caseSensitive)
    : m_needle(caseSensitive ? needle : asciiUpper(needle)), m_fold(!caseSensitive)
{
    const auto *n = reinterpret_cast<const unsigned char *>(m_needle.constData());
    const std::size_t size = this->size();
    std::size_t best = 0;
    for (std::size_t i = 1; i < size; ++i)
        if (byteRank(n[i], m_fold) < byteRank(n[best], m_fold))
            best = i;
    std::size_t second = best;
    for (std::size_t i = 0; i < size; ++i) {
        if (i == best)
            continue;
        if (second == best || byteRank(n[i], m_fold) < byteRank(n[second], m_fold))
            second = i;
    }
    m_index1 = best;
    m_index2 = second;
    m_byte1 = n[best];
    m_byte2 = n[second];
    m_letter1 = m_fold && isLetter(m_byte1);
    m_letter2 = m_fold && isLetter(m_byte2);
    if (m_letter1)
        m_byte1 |= 0x20;
    if (m_letter2)
        m_byte2 |= 0x20;

#ifdef VORLANE_X86
    __builtin_cpu_init();
    m_kernel = __builtin_cpu_supports("avx2") ? Kernel::Avx2 : Kernel::Sse2;
#endif
}

bool SubstringFinder::matchesAt(const char *p) const
{
    const std::size_t size = this->size();
    if (!m_fold)
        return std::memcmp(p, m_needle.constData(), size) == 0;
    const auto *h = reinterpret_cast<const unsigned char *>(p);
    const auto *n = reinterpret_cast<const unsigned char *>(m_needle.constData());
    for (std::size_t i = 0; i < size; ++i)
        if (asciiUpper(h[i]) != n[i])
            return false;
    return true;
}

const char *SubstringFinder::find(const char *begin, const char *end) const
{
    if (end - begin < static_cast<std::ptrdiff_t>(size()))
        return nullptr;
    switch (m_kernel) {
#ifdef VORLANE_X86
    case Kernel::Avx2: return findAvx2(begin, end);
    case Kernel::Sse2: return findSse2(begin, end);
#endif
    default: return findScalar(begin, end);
    }
}

const char *SubstringFinder::findScalar(const char *begin, const char *end) const
{
    const char *last = end - size();
    if (!m_fold && size() == 1)
        return static_cast<const char *>(std::memchr(begin, m_byte1, end - begin));
    for (const char *p = begin; p <= last; ++p) {
        unsigned char c1 = static_cast<unsigned char>(p[m_index1]);
        if (m_letter1)
            c1 |= 0x20;
        if (c1 != m_byte1)
            continue;
        if (matchesAt(p))
            return p;
    }
    return nullptr;
}

#ifdef VORLANE_X86

const char *SubstringFinder::findSse2(const char *begin, const char *end) const
{
    const std::size_t reach = (m_index1 > m_index2 ? m_index1 : m_index2) + 16;
    const std::size_t length = static_cast<std::size_t>(end - begin);
    const __m128i want1 = _mm_set1_epi8(static_cast<char>(m_byte1));
    const __m128i want2 = _mm_set1_epi8(static_cast<char>(m_byte2));
    const __m128i fold1 = _mm_set1_epi8(m_letter1 ? 0x20 : 0);
    const __m128i fold2 = _mm_set1_epi8(m_letter2 ? 0x20 : 0);
    std::size_t s = 0;
    if (length >= reach) {
        for (; s <= length - reach; s += 16) {
            const __m128i a = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(begin + s + m_index1)), fold1);
            const __m128i b = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(begin + s + m_index2)), fold2);
            unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(
                _mm_and_si128(_mm_cmpeq_epi8(a, want1), _mm_cmpeq_epi8(b, want2))));
            while (mask) {
                const std::size_t at = s + static_cast<std::size_t>(__builtin_ctz(mask));
                if (at + size() <= length && matchesAt(begin + at))
                    return begin + at;
                mask &= mask - 1;
            }
        }
    }
    return findScalar(begin + s, end);
}

// Candidate positions of 32 bytes: where both rare bytes sit (folded with | 0x20 when asked).
template <bool Fold>
__attribute__((target("avx2"), always_inline)) inline __m256i pairAvx2(const char *at, std::size_t index1,
                                                                        std::size_t index2, __m256i want1,
                                                                        __m256i want2, __m256i fold1, __m256i fold2)
{
    __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(at + index1));
    __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(at + index2));
    if constexpr (Fold) {
        a = _mm256_or_si256(a, fold1);
        b = _mm256_or_si256(b, fold2);
    }
    return _mm256_and_si256(_mm256_cmpeq_epi8(a, want1), _mm256_cmpeq_epi8(b, want2));
}

// Moves s over rounds of 64 positions until one holds a candidate; false when none is left.
template <bool Fold>
__attribute__((target("avx2")))
static bool nextRoundAvx2(const char *begin, std::size_t length, std::size_t &s, std::size_t index1,
                          std::size_t index2, __m256i want1, __m256i want2, __m256i fold1, __m256i fold2)
{
    const std::size_t reach = (index1 > index2 ? index1 : index2) + 64;
    if (length < reach)
        return false;
    for (; s <= length - reach; s += 64) {
        const __m256i low = pairAvx2<Fold>(begin + s, index1, index2, want1, want2, fold1, fold2);
        const __m256i high = pairAvx2<Fold>(begin + s + 32, index1, index2, want1, want2, fold1, fold2);
        const __m256i any = _mm256_or_si256(low, high);
        if (!_mm256_testz_si256(any, any))
            return true;
    }
    return false;
}

__attribute__((target("avx2")))
const char *SubstringFinder::findAvx2(const char *begin, const char *end) const
{
    const std::size_t length = static_cast<std::size_t>(end - begin);
    const __m256i want1 = _mm256_set1_epi8(static_cast<char>(m_byte1));
    const __m256i want2 = _mm256_set1_epi8(static_cast<char>(m_byte2));
    const __m256i fold1 = _mm256_set1_epi8(m_letter1 ? 0x20 : 0);
    const __m256i fold2 = _mm256_set1_epi8(m_letter2 ? 0x20 : 0);
    const bool fold = m_letter1 || m_letter2;
    std::size_t s = 0;
    for (;;) {
        const bool round = fold ? nextRoundAvx2<true>(begin, length, s, m_index1, m_index2, want1, want2, fold1, fold2)
                                : nextRoundAvx2<false>(begin, length, s, m_index1, m_index2, want1, want2, fold1, fold2);
        if (!round)
            break;
        // Check the candidates of the round found, in order.
        for (int half = 0; half < 2; ++half) {
            const std::size_t base = s + 32 * static_cast<std::size_t>(half);
            unsigned mask = static_cast<unsigned>(_mm256_movemask_epi8(
                pairAvx2<true>(begin + base, m_index1, m_index2, want1, want2, fold1, fold2)));
            while (mask) {
                const std::size_t at = base + static_cast<std::size_t>(__builtin_ctz(mask));
                if (at + size() <= length && matchesAt(begin + at))
                    return begin + at;
                mask &= mask - 1;
            }
        }
        s += 64;
    }
    return findSse2(begin + s, end);
}

#else

const char *SubstringFinder::findSse2(const char *begin, const char *end) const
{
    return findScalar(begin, end);
}

const char *SubstringFinder::findAvx2(const char *begin, const char *end) const
{
    return findScalar(begin, end);
}

#endif

} // namespace search
