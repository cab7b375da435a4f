// Reading and atomic rewriting of a hive file, serialised between writers by a lock file.
#include "platform/registrystore.h"

#include "platform/registrywriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace platform {

namespace {

// A writer holds the lock for milliseconds; a longer wait means something is badly stuck.
constexpr int kLockTimeoutMs = 10000;
// Names tried for keeping damaged files before giving up.
constexpr int kMaxDamagedCopies = 1000;

// An exclusive lock on a file that stays in place. The system drops it when its holder ends,
// however it ends, so a writer killed while holding it never locks the others out.
class WriterLock {
public:
    explicit WriterLock(const QString &path)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
    }
    ~WriterLock()
    {
        if (m_fd >= 0)
            ::close(m_fd); // releases the lock
    }
    WriterLock(const WriterLock &) = delete;
    WriterLock &operator=(const WriterLock &) = delete;

    bool acquire(int timeoutMs)
    {
        if (m_fd < 0)
            return false;
        QElapsedTimer timer;
        timer.start();
        auto pause = std::chrono::milliseconds(1);
        for (;;) {
            if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
                return true;
            if ((errno != EWOULDBLOCK && errno != EINTR) || timer.hasExpired(timeoutMs))
                return false;
            std::this_thread::sleep_for(pause);
            pause = std::min(pause * 2, std::chrono::milliseconds(10));
        }
    }

private:
    int m_fd;
};

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t done = ::write(fd, data, size_t(size));
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += done;
        size -= done;
    }
    return true;
}

// Makes the rename itself durable; a failure here loses nothing already written.
void syncDirectory(const QString &dir)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

RegistryStore::RegistryStore(const QString &path, const QString &rootName)
    : m_path(path), m_rootName(rootName)
{
}

QString RegistryStore::userHivePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/vorlane/user.reg");
}

RegistryStore RegistryStore::userHive()
{
    return RegistryStore(userHivePath(), QStringLiteral("HKEY_CURRENT_USER"));
}

RegistryKey RegistryStore::read(RegistryReadReport *report) const
{
    RegistryKey root(m_rootName);
    const RegistryReadReport result = readRegistryFile(fileToWrite(), m_rootName, root);
    if (report)
        *report = result;
    return root;
}

// A store file that is a symbolic link (a managed dotfile) is rewritten where it points.
QString RegistryStore::fileToWrite() const
{
    const QFileInfo info(m_path);
    return info.isSymLink() ? info.symLinkTarget() : m_path;
}

bool RegistryStore::update(const std::function<void(RegistryKey &root)> &change)
{
    m_error.clear();
    const QString file = fileToWrite();
    const QString dir = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(dir) || !QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        m_error = QStringLiteral("Impossible de créer le dossier %1").arg(dir);
        return false;
    }
    WriterLock lock(m_path + QStringLiteral(".lock"));
    if (!lock.acquire(kLockTimeoutMs)) {
        m_error = QStringLiteral("Impossible de verrouiller %1").arg(m_path);
        return false;
    }

    RegistryKey root(m_rootName);
    const RegistryReadReport report = readRegistryFile(file, m_rootName, root);
    change(root);

    const QString temporary = file + QStringLiteral(".new");
    if (!writeTemporary(temporary, writeRegedit4(root, m_rootName)))
        return false;
    if (report.damaged() && !keepDamaged(file)) {
        ::unlink(QFile::encodeName(temporary).constData());
        return false;
    }
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(file).constData())
        != 0) {
        m_error = QStringLiteral("Impossible de remplacer %1 : %2").arg(file, systemError());
        ::unlink(QFile::encodeName(temporary).constData());
        return false;
    }
    syncDirectory(dir);
    return true;
}

// The bytes on disk before the rename: a crash at any point leaves the old file whole.
bool RegistryStore::writeTemporary(const QString &temporary, const QByteArray &bytes)
{
    const QByteArray name = QFile::encodeName(temporary);
    // Left over by a writer that died: we hold the lock, so no one else is writing it.
    ::unlink(name.constData());
    // The hive holds the FTP credentials: readable by the user alone.
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        m_error = QStringLiteral("Impossible de créer %1 : %2").arg(temporary, systemError());
        return false;
    }
    bool written = writeAll(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 && written)
        written = false;
    else if (!written)
        errno = writeError;
    if (written)
        return true;
    m_error = QStringLiteral("Impossible d'écrire %1 : %2").arg(temporary, systemError());
    ::unlink(name.constData());
    return false;
}

// A second name for the damaged file, so the rename that follows does not take it away.
bool RegistryStore::keepDamaged(const QString &file)
{
    const QByteArray source = QFile::encodeName(file);
    for (int n = 1; n <= kMaxDamagedCopies; ++n) {
        QString copy = file + QStringLiteral(".damaged");
        if (n > 1)
            copy += QStringLiteral(".%1").arg(n);
        const QByteArray target = QFile::encodeName(copy);
        if (::link(source.constData(), target.constData()) == 0)
            return true;
        if (errno == EEXIST)
            continue;
        if (errno == ENOENT)
            return true; // nothing there to keep
        // File systems without hard links: a copy does as well.
        struct stat st;
        if (::lstat(target.constData(), &st) == 0)
            continue;
        if (QFile::copy(file, copy))
            return true;
        m_error = QStringLiteral("Impossible de garder %1 : %2").arg(file, systemError());
        return false;
    }
    m_error = QStringLiteral("Impossible de garder %1").arg(file);
    return false;
}

} // namespace platform
