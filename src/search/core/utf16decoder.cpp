#include "search/core/utf16decoder.h"

#include "platform/textcodec.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace search {

namespace {

constexpr std::size_t SourceBlock = 64 * 1024;
constexpr char32_t Replacement = 0xFFFD;

// Copies the ASCII characters among the first \a most units at \a from to \a to, 8 units at a
// time, stopping at the first group of 8 that holds another character; returns the units copied.
template <bool BigEndian>
std::size_t asciiUnitsOf(const char *from, std::size_t most, char *to)
{
    std::size_t n = 0;
#if defined(__SSE2__)
    const __m128i notAscii = _mm_set1_epi16(static_cast<short>(0xFF80));
    for (; n + 8 <= most; n += 8) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from + 2 * n));
        if constexpr (BigEndian)
            v = _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(v, notAscii), _mm_setzero_si128())) != 0xFFFF)
            break;
        _mm_storel_epi64(reinterpret_cast<__m128i *>(to + n), _mm_packus_epi16(v, v));
    }
#else
    (void)from;
    (void)most;
    (void)to;
#endif
    return n;
}

bool isHighSurrogate(unsigned u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLowSurrogate(unsigned u) { return u >= 0xDC00 && u <= 0xDFFF; }

} // namespace

std::optional<Utf16Decoder::Order> Utf16Decoder::byteOrder(const char *data, std::size_t size)
{
    if (size < MarkSize)
        return std::nullopt;
    const auto first = static_cast<unsigned char>(data[0]);
    const auto second = static_cast<unsigned char>(data[1]);
    if (first == 0xFF && second == 0xFE)
        return Order::LittleEndian;
    if (first == 0xFE && second == 0xFF)
        return Order::BigEndian;
    return std::nullopt;
}

Utf16Decoder::Utf16Decoder(Order order, Source source, const char *start, std::size_t size, std::size_t keepBack)
    : m_bigEndian(order == Order::BigEndian), m_source(std::move(source)), m_keepBack(keepBack),
      m_bytes(start, start + size)
{
}

unsigned Utf16Decoder::unitAt(std::size_t pos) const
{
    const auto a = static_cast<unsigned char>(m_bytes[pos]);
    const auto b = static_cast<unsigned char>(m_bytes[pos + 1]);
    return m_bigEndian ? (a << 8 | b) : (b << 8 | a);
}

std::size_t Utf16Decoder::asciiUnits(const char *from, std::size_t most, char *to) const
{
    return m_bigEndian ? asciiUnitsOf<true>(from, most, to) : asciiUnitsOf<false>(from, most, to);
}

bool Utf16Decoder::refill()
{
    m_bytes.erase(m_bytes.begin(), m_bytes.begin() + static_cast<std::ptrdiff_t>(m_pos));
    m_pos = 0;
    const std::size_t kept = m_bytes.size();
    m_bytes.resize(kept + SourceBlock);
    const long got = m_source(m_bytes.data() + kept, SourceBlock);
    m_bytes.resize(kept + static_cast<std::size_t>(std::max(got, 0L)));
    if (got < 0)
        return false;
    if (got == 0)
        m_ended = true;
    return true;
}

void Utf16Decoder::noteRun(unsigned out, unsigned in)
{
    if (!m_runs.empty() && m_runs.back().out == out && m_runs.back().in == in)
        return;
    m_runs.push_back({m_decoded, m_fileOffset, static_cast<std::uint8_t>(out), static_cast<std::uint8_t>(in)});
}

long Utf16Decoder::read(char *to, std::size_t room)
{
    if (m_failed)
        return -1;
    // Offsets further back than the scanner can still ask for are of no more use.
    while (m_runs.size() > 1 && m_runs[1].decoded <= m_decoded - static_cast<std::int64_t>(m_keepBack))
        m_runs.pop_front();

    std::size_t written = 0;
    while (written < room && m_pendingPos < m_pendingSize)
        to[written++] = m_pending[m_pendingPos++];
    while (written < room) {
        std::size_t left = m_bytes.size() - m_pos;
        // Four bytes are enough to see a whole surrogate pair.
        if (left < 4 && !m_ended) {
            if (!refill()) {
                m_failed = true;
                break;
            }
            continue;
        }
        if (left == 0)
            break;
        char32_t c = Replacement;
        unsigned in = 1;
        if (left >= 2) {
            const unsigned unit = unitAt(m_pos);
            in = 2;
            if (unit < 0x80) {
                // ASCII, by far the most common: copied in a run.
                noteRun(1, 2);
                std::size_t n = 0;
                const std::size_t most = std::min(room - written, left / 2);
                n = asciiUnits(m_bytes.data() + m_pos, most, to + written);
                while (n < most) {
                    const unsigned u = unitAt(m_pos + 2 * n);
                    if (u >= 0x80)
                        break;
                    to[written + n] = static_cast<char>(u);
                    ++n;
                }
                written += n;
                m_pos += 2 * n;
                m_fileOffset += static_cast<std::int64_t>(2 * n);
                m_decoded += static_cast<std::int64_t>(n);
                continue;
            }
            if (isHighSurrogate(unit)) {
                if (left >= 4 && isLowSurrogate(unitAt(m_pos + 2))) {
                    c = 0x10000 + ((unit - 0xD800) << 10) + (unitAt(m_pos + 2) - 0xDC00);
                    in = 4;
                }
            } else if (!isLowSurrogate(unit)) {
                c = unit;
            }
        }
        char bytes[4];
        const std::size_t n = platform::writeUtf8(bytes, c);
        noteRun(static_cast<unsigned>(n), in);
        m_pos += in;
        m_fileOffset += in;
        m_decoded += static_cast<std::int64_t>(n);
        const std::size_t fits = std::min(n, room - written);
        std::copy(bytes, bytes + fits, to + written);
        written += fits;
        std::copy(bytes + fits, bytes + n, m_pending);
        m_pendingPos = 0;
        m_pendingSize = n - fits;
    }
    if (written == 0 && m_failed)
        return -1;
    return static_cast<long>(written);
}

std::int64_t Utf16Decoder::fileOffset(std::int64_t decoded) const
{
    const auto after = std::upper_bound(m_runs.begin(), m_runs.end(), decoded,
                                        [](std::int64_t d, const Run &run) { return d < run.decoded; });
    if (after == m_runs.begin())
        return MarkSize;
    const Run &run = *(after - 1);
    return run.file + (decoded - run.decoded) / run.out * run.in;
}

} // namespace search
