#include "platform/textcodec.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace platform {

namespace {

// Windows-1252 for 0x80..0x9F; the five holes of the code page map to themselves.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t cp1252(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return kCp1252High[byte - 0x80];
    return byte;
}

// Length of the valid UTF-8 sequence at p (1 to 4), or 0 when the bytes there are not one.
int utf8SequenceLength(const unsigned char *p, const unsigned char *end, char32_t &code)
{
    const unsigned char b = p[0];
    int length;
    char32_t min;
    if (b < 0x80) {
        code = b;
        return 1;
    } else if ((b & 0xE0) == 0xC0) {
        length = 2; code = b & 0x1F; min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        length = 3; code = b & 0x0F; min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        length = 4; code = b & 0x07; min = 0x10000;
    } else {
        return 0;
    }
    if (end - p < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (p[i] & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

std::size_t writeUtf8(char *out, char32_t code)
{
    if (code < 0x80) {
        out[0] = static_cast<char>(code);
        return 1;
    }
    if (code < 0x800) {
        out[0] = static_cast<char>(0xC0 | (code >> 6));
        out[1] = static_cast<char>(0x80 | (code & 0x3F));
        return 2;
    }
    if (code < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (code >> 12));
        out[1] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (code & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (code >> 18));
    out[1] = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (code & 0x3F));
    return 4;
}

std::size_t validUtf8Prefix(const char *data, std::size_t size)
{
    const auto *const begin = reinterpret_cast<const unsigned char *>(data);
    const unsigned char *const end = begin + size;
    const unsigned char *p = begin + asciiPrefix(data, size);
    char32_t code;
    while (p < end) {
        const int length = utf8SequenceLength(p, end, code);
        if (length == 0)
            break;
        p += length;
    }
    return static_cast<std::size_t>(p - begin);
}


std::size_t asciiPrefix(const char *data, std::size_t size)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    std::size_t n = 0;
    for (; n + 8 <= size; n += 8) {
        std::uint64_t word;
        std::memcpy(&word, p + n, 8);
        if (word & 0x8080808080808080ULL)
            break;
    }
    while (n < size && p[n] < 0x80)
        ++n;
    return n;
}

std::size_t writeShownText(char *out, const char *data, std::size_t size, std::size_t maxUnits)
{
    const std::size_t ascii = asciiPrefix(data, std::min(size, maxUnits));
    std::memcpy(out, data, ascii);
    char *o = out + ascii;
    std::size_t units = ascii;
    const auto *q = reinterpret_cast<const unsigned char *>(data) + ascii;
    const auto *const end = reinterpret_cast<const unsigned char *>(data) + size;
    while (q < end && units < maxUnits) {
        char32_t code;
        const int length = utf8SequenceLength(q, end, code);
        if (length == 0) {
            o += writeUtf8(o, cp1252(*q));
            ++q;
            ++units;
            continue;
        }
        const std::size_t width = code >= 0x10000 ? 2 : 1;
        if (units + width > maxUnits)
            break; // a surrogate pair is never split
        std::memcpy(o, q, static_cast<std::size_t>(length));
        o += length;
        q += length;
        units += width;
    }
    return static_cast<std::size_t>(o - out);
}

void appendShownText(std::string &out, const char *data, std::size_t size, std::size_t maxUnits)
{
    const std::size_t at = out.size();
    out.resize(at + shownTextBound(size, maxUnits));
    out.resize(at + writeShownText(out.data() + at, data, size, maxUnits));
}

QChar windows1252(unsigned char byte)
{
    return QChar(cp1252(byte));
}

QString decodeText(const char *data, qsizetype size)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    const auto *end = p + size;
    // Plain ASCII is by far the most common case.
    const std::size_t ascii = asciiPrefix(data, std::size_t(size));
    if (qsizetype(ascii) == size)
        return QString::fromLatin1(data, size);

    // Never more UTF-16 units than bytes: written in place, then cut to size.
    QString out(size, Qt::Uninitialized);
    char16_t *o = reinterpret_cast<char16_t *>(out.data());
    for (std::size_t i = 0; i < ascii; ++i)
        *o++ = p[i];
    const unsigned char *q = p + ascii;
    while (q < end) {
        if (*q < 0x80) {
            *o++ = *q++;
            continue;
        }
        char32_t code;
        const int length = utf8SequenceLength(q, end, code);
        if (length == 0) {
            *o++ = cp1252(*q);
            ++q;
        } else {
            if (code >= 0x10000) {
                *o++ = QChar::highSurrogate(code);
                *o++ = QChar::lowSurrogate(code);
            } else {
                *o++ = static_cast<char16_t>(code);
            }
            q += length;
        }
    }
    const qsizetype units = o - reinterpret_cast<const char16_t *>(out.constData());
    out.resize(units);
    if (units < size - size / 8)
        out.squeeze(); // much text beyond ASCII: give back what it did not need
    return out;
}

QByteArray encodePath(const QString &path)
{
    return QFile::encodeName(path);
}

} // namespace platform
