#include "search/core/filescanner.h"

#include "platform/regularfile.h"
#include "search/core/lineends.h"

#include <algorithm>
#include <cstring>

namespace search {

namespace {

constexpr char CtrlZ = 26;
constexpr std::ptrdiff_t CtrlZStretch = 4096;

} // namespace

FileScanner::FileScanner(const QByteArray &needle, bool caseSensitive, bool firstOccurrenceOnly,
                         std::size_t blockSize)
    : m_finder(needle, caseSensitive),
      m_searchable(!needle.contains('\r') && !needle.contains('\n') && !needle.contains(CtrlZ)),
      m_firstOnly(firstOccurrenceOnly)
{
    // A block must hold a carried partial line plus fresh bytes, and the string several times.
    m_blockSize = std::max({blockSize, 4 * m_finder.size(), 4 * ScanHeadBytes});
    m_carryLimit = m_blockSize / 4;
    m_buffer.resize(m_blockSize + 1);
}

FileScanner::Result FileScanner::scan(platform::RegularFile &file, ScanListener &listener)
{
    return start([&file](char *to, std::size_t room) { return file.read(to, room); }, listener);
}

FileScanner::Result FileScanner::scan(const char *data, std::size_t size, ScanListener &listener)
{
    std::size_t offset = 0;
    return start(
        [&](char *to, std::size_t room) {
            const std::size_t n = std::min(room, size - offset);
            std::memcpy(to, data + offset, n);
            offset += n;
            return static_cast<long>(n);
        },
        listener);
}

std::int64_t FileScanner::matchOffset() const
{
    return m_decoder ? m_decoder->fileOffset(m_matchAt) : m_matchAt;
}

template <typename ReadFn>
FileScanner::Result FileScanner::start(ReadFn &&read, ScanListener &listener)
{
    m_decoder = nullptr;
    if (!m_utf16)
        return run(read, listener, 0);
    // The first block is read as the scan would read it, and looked at for a byte-order mark.
    char *const buffer = m_buffer.data();
    std::size_t filled = 0;
    while (filled < m_blockSize) {
        const long got = read(buffer + filled, m_blockSize - filled);
        if (got < 0) {
            Result failed;
            failed.outcome = Outcome::ReadError;
            return failed;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    const std::optional<Utf16Decoder::Order> order = Utf16Decoder::byteOrder(buffer, filled);
    if (!order)
        return run(read, listener, filled);
    Utf16Decoder decoder(*order, read, buffer + Utf16Decoder::MarkSize, filled - Utf16Decoder::MarkSize, m_blockSize);
    m_decoder = &decoder;
    const Result result = run([&decoder](char *to, std::size_t room) { return decoder.read(to, room); }, listener, 0);
    m_decoder = nullptr;
    return result;
}

// The buffer always starts at the start of the current line, except for a line longer than the
// carry limit: then only its first bytes (head) are kept aside and the buffer starts with the
// last size-1 bytes of it, so an occurrence cut by the block boundary is still seen.
template <typename ReadFn>
FileScanner::Result FileScanner::run(ReadFn &&read, ScanListener &listener, std::size_t preloaded)
{
    Result result;
    std::int64_t &lines = result.linesRead; // line ends consumed so far
    std::size_t carried = preloaded;        // bytes at the buffer's start kept from the last block
    std::int64_t bufferAt = 0;              // where the buffer's start lies in the text
    bool lineMatched = false;               // the line at the buffer's start is already reported
    bool continued = false;                 // the line at the buffer's start began before it
    QByteArray head;                        // first bytes of a continued line
    const std::size_t needleSize = m_finder.size();
    char *const buffer = m_buffer.data();

    for (;;) {
        // Fill the block.
        std::size_t filled = carried;
        bool final = false;
        while (filled < m_blockSize) {
            const long got = read(buffer + filled, m_blockSize - filled);
            if (got < 0) {
                result.outcome = Outcome::ReadError;
                return result;
            }
            if (got == 0) {
                final = true;
                break;
            }
            filled += static_cast<std::size_t>(got);
        }
        // A CR at the end of a block may be the first half of a CR LF: keep it for the next one.
        std::size_t end = filled;
        if (!final && end > 0 && buffer[end - 1] == '\r')
            --end;

        const char *const begin = buffer;
        const char *stopAt = buffer + end; // moves back to a Ctrl-Z once one is seen
        const char *pos = begin;      // start of the current line (or of the continued bytes)
        const char *from = begin;     // where the next search starts
        bool deferred = false;        // a match in an unfinished short line waits for more bytes

        // A Ctrl-Z ends the text. Rather than looking for it in every byte up front, the line
        // count looks for it as it goes, and a match is only taken once the bytes up to the end
        // of its line are known to hold none. Those bytes are looked at a stretch ahead at a
        // time, so that lines matching one after the other cost no call each.
        const char *clean = begin;   // [begin, clean) holds no Ctrl-Z
        const char *ctrlZ = nullptr; // the first Ctrl-Z, once seen (then clean stops there)
        const auto cutAtCtrlZ = [&](const char *upTo) {
            if (upTo <= clean)
                return false;
            if (!ctrlZ) {
                const char *reach = std::min(stopAt, std::max(upTo, clean + CtrlZStretch));
                ctrlZ = static_cast<const char *>(std::memchr(clean, CtrlZ, static_cast<std::size_t>(reach - clean)));
                clean = ctrlZ ? ctrlZ : reach;
                if (upTo <= clean)
                    return false;
            }
            stopAt = ctrlZ;
            final = true;
            return true;
        };

        while (m_searchable) {
            const char *hit = m_finder.find(from, stopAt);
            if (!hit)
                break;
            const char *lineEnd = findLineEnd(hit + needleSize, stopAt);
            if (cutAtCtrlZ(lineEnd ? lineEnd : stopAt))
                continue;
            if (const char *lineStart = afterLastLineEnd(pos, hit)) {
                lines += static_cast<std::int64_t>(countLineEnds(pos, lineStart));
                pos = lineStart;
                lineMatched = false;
                continued = false;
            }
            if (!lineMatched) {
                m_matchAt = bufferAt + (hit - begin);
                const std::size_t known = static_cast<std::size_t>((lineEnd ? lineEnd : stopAt) - pos);
                if (continued) {
                    listener.matchedLine(lines + 1, head.constData(), static_cast<std::size_t>(head.size()));
                } else if (lineEnd || final || known >= ScanHeadBytes) {
                    listener.matchedLine(lines + 1, pos, std::min(known, ScanHeadBytes));
                } else {
                    deferred = true;
                    break;
                }
                result.matched = true;
                if (m_firstOnly) {
                    ++lines;
                    return result;
                }
                lineMatched = true;
            }
            if (!lineEnd)
                break;
            from = lineEnd + 1;
            if (*lineEnd == '\r' && from < stopAt && *from == '\n')
                ++from;
            ++lines;
            pos = from;
            lineMatched = false;
            continued = false;
        }

        // Count the complete lines left in the block; what follows the last line end is the
        // start of a line that goes on in the next block.
        const char *partial = pos;
        if (!deferred) {
            const char *z = nullptr;
            const std::size_t ends = countLineEnds(pos, stopAt, &z);
            if (z) {
                stopAt = z;
                final = true;
            }
            if (ends > 0) {
                lines += static_cast<std::int64_t>(ends);
                partial = afterLastLineEnd(pos, stopAt);
                lineMatched = false;
                continued = false;
            }
        }

        if (final) {
            if (partial < stopAt || continued)
                ++lines;
            return result;
        }
        if (!listener.checkpoint(lines)) {
            result.outcome = Outcome::Stopped;
            return result;
        }

        // Carry the unfinished line (and a kept CR) to the front of the buffer.
        const std::size_t partialSize = static_cast<std::size_t>(filled - (partial - begin));
        const std::size_t lineBytes = static_cast<std::size_t>(stopAt - partial);
        if (partialSize <= m_carryLimit) {
            std::memmove(buffer, partial, partialSize);
            bufferAt += partial - begin;
            carried = partialSize;
        } else {
            if (!continued) {
                head = QByteArray(partial, static_cast<qsizetype>(std::min(lineBytes, ScanHeadBytes)));
                continued = true;
            }
            // Keep size-1 bytes of the line so that an occurrence across the boundary is found.
            const std::size_t keepLine = std::min(lineBytes, needleSize > 0 ? needleSize - 1 : 0);
            const std::size_t keep = keepLine + (filled - end);
            std::memmove(buffer, stopAt - keepLine, keep);
            bufferAt += (stopAt - keepLine) - begin;
            carried = keep;
        }
    }
}

} // namespace search
