// Text of a file that begins with a UTF-16 byte-order mark, turned into UTF-8 as the scanner
// reads it: the search, its ASCII case folding and its line ends then work on it as on any
// other text, and its lines show as the user reads them. Units that are no character (a lone
// surrogate, an odd last byte) become U+FFFD. The decoder also tells where in the file a
// character of the decoded text lies, for the offsets of matches.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace search {

class Utf16Decoder {
public:
    enum class Order { LittleEndian, BigEndian };
    /// Reads up to n bytes of the file: 0 at its end, -1 on a read error.
    using Source = std::function<long(char *, std::size_t)>;

    /// Bytes of the byte-order mark.
    static constexpr std::size_t MarkSize = 2;
    /// The order of the byte-order mark [data, data + size) begins with, if it begins with one.
    static std::optional<Order> byteOrder(const char *data, std::size_t size);

    /// Decodes the bytes [start, start + size), already read just after the mark, then what
    /// \a source reads. Offsets are asked for at most \a keepBack bytes behind the decoded end.
    Utf16Decoder(Order order, Source source, const char *start, std::size_t size, std::size_t keepBack);

    /// Writes up to \a room bytes of UTF-8 at \a to: 0 at the end of the text, -1 on a read
    /// error of the source.
    long read(char *to, std::size_t room);

    /// The offset in the file of the character whose UTF-8 starts \a decoded bytes into the
    /// decoded text.
    std::int64_t fileOffset(std::int64_t decoded) const;

private:
    /// A run of characters of the same widths, decoded and in the file.
    struct Run {
        std::int64_t decoded; ///< where it starts in the decoded text
        std::int64_t file;    ///< where it starts in the file
        std::uint8_t out;     ///< UTF-8 bytes per character
        std::uint8_t in;      ///< file bytes per character
    };

    /// Reads more of the file behind what is left. False on a read error.
    bool refill();
    unsigned unitAt(std::size_t pos) const;
    /// The run of ASCII characters at \a from, up to \a most units, copied to \a to (see the source).
    std::size_t asciiUnits(const char *from, std::size_t most, char *to) const;
    void noteRun(unsigned out, unsigned in);

    bool m_bigEndian;
    Source m_source;
    std::size_t m_keepBack;
    std::vector<char> m_bytes; ///< file bytes read and not yet decoded from m_pos on
    std::size_t m_pos = 0;
    bool m_ended = false;
    bool m_failed = false;
    std::int64_t m_fileOffset = MarkSize; ///< offset in the file of m_bytes[m_pos]
    std::int64_t m_decoded = 0;           ///< UTF-8 bytes produced so far
    char m_pending[4] = {};               ///< the rest of a character cut by the end of a read
    std::size_t m_pendingPos = 0;
    std::size_t m_pendingSize = 0;
    std::deque<Run> m_runs;
};

} // namespace search
