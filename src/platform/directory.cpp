#include "platform/directory.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

DirEntry::Kind kindFromStat(int dirFd, const char *name, bool follow)
{
    struct stat st;
    if (fstatat(dirFd, name, &st, follow ? 0 : AT_SYMLINK_NOFOLLOW) != 0)
        return DirEntry::Other;
    if (S_ISREG(st.st_mode))
        return DirEntry::File;
    if (S_ISDIR(st.st_mode))
        return follow ? DirEntry::Other : DirEntry::Directory;
    return DirEntry::Other;
}

} // namespace

bool listDirectory(const QByteArray &path, std::vector<DirEntry> &out)
{
    DIR *dir = opendir(path.isEmpty() ? "/" : path.constData());
    if (!dir)
        return false;
    const int fd = dirfd(dir);
    while (const dirent *entry = readdir(dir)) {
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        DirEntry::Kind kind;
        switch (entry->d_type) {
        case DT_REG: kind = DirEntry::File; break;
        case DT_DIR: kind = DirEntry::Directory; break;
        case DT_LNK: kind = kindFromStat(fd, name, true); break;
        case DT_UNKNOWN: {
            kind = kindFromStat(fd, name, false);
            break;
        }
        default: kind = DirEntry::Other; break;
        }
        // A DT_UNKNOWN entry that is a link is resolved like DT_LNK.
        if (entry->d_type == DT_UNKNOWN && kind == DirEntry::Other)
            kind = kindFromStat(fd, name, true);
        out.push_back({QByteArray(name), kind});
    }
    closedir(dir);
    return true;
}

} // namespace platform
