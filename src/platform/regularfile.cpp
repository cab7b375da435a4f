#include "platform/regularfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

RegularFile::~RegularFile()
{
    close();
}

bool RegularFile::open(const QByteArray &path)
{
    close();
    // O_NONBLOCK keeps a FIFO swapped in after the walk looked at the entry from blocking the open.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    // Read-ahead advice costs a call per file: worth it for large files only.
    if (st.st_size > (4 << 20))
        posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    m_fd = fd;
    // Files of the kernel's own file systems show a size of 0 and still hold text.
    m_left = st.st_size > 0 ? st.st_size : -1;
    return true;
}

void RegularFile::close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

long RegularFile::read(char *buffer, std::size_t size)
{
    if (m_left == 0)
        return 0;
    if (m_left > 0 && static_cast<long long>(size) > m_left)
        size = static_cast<std::size_t>(m_left);
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer, size);
        if (got > 0 && m_left > 0)
            m_left -= got;
        else if (got == 0)
            m_left = 0; // the file was cut short since it was opened
        if (got >= 0 || errno != EINTR)
            return static_cast<long>(got);
    }
}

} // namespace platform
