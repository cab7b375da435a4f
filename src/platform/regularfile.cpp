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
    posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    m_fd = fd;
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
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer, size);
        if (got >= 0 || errno != EINTR)
            return static_cast<long>(got);
    }
}

} // namespace platform
