// Bytes that arrive in pieces, handed out line by line. A line ends at CR LF, which is removed;
// what follows the last CR LF waits for the next piece.
#pragma once

#include <QByteArray>

namespace net {

class LineBuffer {
public:
    void append(const char *data, qsizetype size);
    /// The next complete line, if there is one.
    bool takeLine(QByteArray &line);
    /// Bytes received that do not end a line yet.
    qsizetype pendingSize() const { return m_bytes.size() - m_start; }
    void clear();

private:
    QByteArray m_bytes;
    qsizetype m_start = 0;
    // Where the search for the next CR LF resumes, so a long line is not scanned over and over.
    qsizetype m_scanned = 0;
};

} // namespace net
