// Scans one file for the search string, a block at a time, with the results of reading it line
// by line: each line that holds the string is reported once with its number, every line read is
// counted, a Ctrl-Z byte ends the text, and with the first-occurrence rule reading stops at the
// first matching line. Memory stays bounded whatever the length of the file or of its lines.
// When asked, a file that begins with a UTF-16 byte-order mark is decoded first and its
// decoded text scanned.
#pragma once

#include "search/core/substringfinder.h"
#include "search/core/utf16decoder.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace platform {
class RegularFile;
}

namespace search {

class ScanListener {
public:
    virtual ~ScanListener() = default;
    /// A matching line: its number (from 1) and its first bytes (at least the first
    /// ScanHeadBytes of the line, or the whole line when shorter).
    virtual void matchedLine(std::int64_t lineNumber, const char *text, std::size_t size) = 0;
    /// Called after each block with the lines read so far; false stops the scan of this file.
    virtual bool checkpoint(std::int64_t linesRead) = 0;
};

/// Bytes of a matching line kept for its result line: enough for 255 characters of UTF-8.
constexpr std::size_t ScanHeadBytes = 1024;

class FileScanner {
public:
    enum class Outcome { Finished, Stopped, ReadError };

    struct Result {
        Outcome outcome = Outcome::Finished;
        std::int64_t linesRead = 0;
        bool matched = false;
    };

    FileScanner(const QByteArray &needle, bool caseSensitive, bool firstOccurrenceOnly,
                std::size_t blockSize = 256 * 1024);

    /// Scans \a file from its current position to its end (or its Ctrl-Z).
    Result scan(platform::RegularFile &file, ScanListener &listener);

    /// The same over bytes in memory, read as the file would be in blocks of the scanner's size.
    Result scan(const char *data, std::size_t size, ScanListener &listener);

    /// Files beginning with a UTF-16 byte-order mark are decoded (off at first).
    void setUtf16(bool on) { m_utf16 = on; }
    /// While ScanListener::matchedLine() runs: the offset in the file of the first byte of the
    /// line's first occurrence of the string.
    std::int64_t matchOffset() const;

private:
    template <typename ReadFn>
    Result start(ReadFn &&read, ScanListener &listener);
    /// Scans from a buffer holding \a preloaded bytes already read.
    template <typename ReadFn>
    Result run(ReadFn &&read, ScanListener &listener, std::size_t preloaded);

    SubstringFinder m_finder;
    bool m_searchable; ///< false when the string holds a line end or Ctrl-Z: it can never match
    bool m_firstOnly;
    std::size_t m_blockSize;
    std::size_t m_carryLimit;
    std::vector<char> m_buffer;
    bool m_utf16 = false;
    const Utf16Decoder *m_decoder = nullptr; ///< the decoder of the file being scanned, if any
    std::int64_t m_matchAt = 0;              ///< the reported occurrence, in the text scanned
};

} // namespace search
