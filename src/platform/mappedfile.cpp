#include "platform/mappedfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Closes the descriptor on every way out of open().
struct FdCloser {
    int fd;
    ~FdCloser() { ::close(fd); }
};

} // namespace

MappedFile::~MappedFile()
{
    close();
}

MappedFile::Status MappedFile::open(const QByteArray &path)
{
    close();
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return Status::CannotOpen;
    const FdCloser closer{fd};
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return Status::CannotOpen;
    if (st.st_size <= 0)
        return Status::CannotMap;
    const auto length = static_cast<std::size_t>(st.st_size);
    void *view = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (view == MAP_FAILED)
        return Status::CannotView;

    // The file may shrink while it is read: the view then holds what could still be read.
    std::size_t filled = 0;
    while (filled < length) {
        const ssize_t got = pread(fd, static_cast<char *>(view) + filled, length - filled,
                                  static_cast<off_t>(filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            munmap(view, length);
            return Status::CannotView;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    if (filled == 0) {
        munmap(view, length);
        return Status::CannotMap;
    }
    mprotect(view, length, PROT_READ);
    m_view = view;
    m_mapped = length;
    m_size = filled;
    return Status::Ok;
}

void MappedFile::close()
{
    if (m_view) {
        munmap(m_view, m_mapped);
        m_view = nullptr;
        m_mapped = 0;
        m_size = 0;
    }
}

} // namespace platform
