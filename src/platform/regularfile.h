// Read-only access to a regular file. Anything else (FIFO, device, socket, folder) is refused at
// open time, so a reader can never block on a file that is not one.
#pragma once

#include <QByteArray>

#include <cstddef>

namespace platform {

class RegularFile {
public:
    RegularFile() = default;
    ~RegularFile();
    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;

    /// Opens \a path (native bytes) for sequential reading. False when it is missing, not
    /// allowed, or not a regular file.
    bool open(const QByteArray &path);
    void close();
    bool isOpen() const { return m_fd >= 0; }

    /// Reads up to \a size bytes; 0 at the end of the file, -1 on a read error (errno is set).
    /// The end is the size the file had when it was opened: bytes appended later are not read,
    /// and reading a small file takes a single call.
    long read(char *buffer, std::size_t size);

private:
    int m_fd = -1;
    long long m_left = 0; ///< bytes up to the size seen at open; -1 when the size is unknown
};

} // namespace platform
