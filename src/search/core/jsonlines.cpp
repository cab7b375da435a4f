#include "search/core/jsonlines.h"

#include "platform/textcodec.h"
#include "search/core/filescanner.h"

#include <charconv>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace search {

namespace {

void appendLiteral(TextBuffer &out, const char *text)
{
    out.append(text, std::strlen(text));
}

void appendNumber(TextBuffer &out, std::int64_t n)
{
    char *const at = out.grow(24);
    out.commit(static_cast<std::size_t>(std::to_chars(at, at + 24, n).ptr - at));
}

// The bytes that a valid sequence led by \a lead holds, or 0 for a byte that cannot lead one.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// Whether [data, data + size) is the valid beginning of a character cut short.
bool cutCharacter(const char *data, std::size_t size)
{
    if (size == 0)
        return false;
    const std::size_t length = sequenceLength(static_cast<unsigned char>(data[0]));
    if (length <= size)
        return false;
    for (std::size_t i = 1; i < size; ++i)
        if ((static_cast<unsigned char>(data[i]) & 0xC0) != 0x80)
            return false;
    return true;
}

// Bytes at the start of [data, data + size) that go into a JSON string as they are.
std::size_t plainPrefix(const char *data, std::size_t size)
{
    std::size_t n = 0;
#if defined(__SSE2__)
    const __m128i control = _mm_set1_epi8(0x1F);
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i backslash = _mm_set1_epi8('\\');
    for (; n + 16 <= size; n += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + n));
        const __m128i special = _mm_or_si128(_mm_cmpeq_epi8(_mm_min_epu8(v, control), v),
                                             _mm_or_si128(_mm_cmpeq_epi8(v, quote), _mm_cmpeq_epi8(v, backslash)));
        if (const int mask = _mm_movemask_epi8(special))
            return n + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
#endif
    for (; n < size; ++n) {
        const auto c = static_cast<unsigned char>(data[n]);
        if (c < 0x20 || c == '"' || c == '\\')
            break;
    }
    return n;
}

void appendEscaped(TextBuffer &out, const char *data, std::size_t size)
{
    static const char hex[] = "0123456789abcdef";
    char *const start = out.grow(6 * size + 2);
    char *o = start;
    *o++ = '"';
    // Most text needs no escape: it is copied in runs.
    for (std::size_t i = 0; i < size; ++i) {
        const std::size_t plain = plainPrefix(data + i, size - i);
        std::memcpy(o, data + i, plain);
        o += plain;
        i += plain;
        if (i == size)
            break;
        const auto c = static_cast<unsigned char>(data[i]);
        if (c == '"' || c == '\\') {
            *o++ = '\\';
            *o++ = static_cast<char>(c);
        } else if (c == '\n') {
            *o++ = '\\';
            *o++ = 'n';
        } else if (c == '\r') {
            *o++ = '\\';
            *o++ = 'r';
        } else if (c == '\t') {
            *o++ = '\\';
            *o++ = 't';
        } else {
            std::memcpy(o, "\\u00", 4);
            o[4] = hex[c >> 4];
            o[5] = hex[c & 15];
            o += 6;
        }
    }
    *o++ = '"';
    out.commit(static_cast<std::size_t>(o - start));
}

} // namespace

void appendJsonText(TextBuffer &out, const char *data, std::size_t size)
{
    if (platform::validUtf8Prefix(data, size) == size) {
        appendEscaped(out, data, size);
        return;
    }
    const QByteArray base64 = QByteArray::fromRawData(data, static_cast<qsizetype>(size)).toBase64();
    appendLiteral(out, "{\"bytes\":\"");
    out.append(base64.constData(), static_cast<std::size_t>(base64.size()));
    appendLiteral(out, "\"}");
}

void appendJsonFile(TextBuffer &out, const QByteArray &path)
{
    appendLiteral(out, "{\"type\":\"file\",\"path\":");
    appendJsonText(out, path.constData(), static_cast<std::size_t>(path.size()));
    appendLiteral(out, "}\n");
}

void appendJsonMatch(TextBuffer &out, const QByteArray &path, std::int64_t line, const char *text,
                     std::size_t size, std::int64_t offset)
{
    // Only a line the scanner cut can end inside a character; that piece is no part of the text.
    if (size >= ScanHeadBytes) {
        const std::size_t valid = platform::validUtf8Prefix(text, size);
        if (cutCharacter(text + valid, size - valid))
            size = valid;
    }
    appendLiteral(out, "{\"type\":\"match\",\"path\":");
    appendJsonText(out, path.constData(), static_cast<std::size_t>(path.size()));
    appendLiteral(out, ",\"line\":");
    appendNumber(out, line);
    appendLiteral(out, ",\"text\":");
    appendJsonText(out, text, size);
    appendLiteral(out, ",\"offset\":");
    appendNumber(out, offset);
    appendLiteral(out, "}\n");
}

} // namespace search
