// Directory enumeration for the search walk and the file lists: names as the file system
// stores them (bytes), with the kind of each entry. Symbolic links to directories are
// reported as Other so that nobody follows them by mistake.
#pragma once

#include <QByteArray>

#include <vector>

namespace platform {

struct DirEntry {
    enum Kind { File, Directory, Other };
    QByteArray name;
    Kind kind;
};

/// Appends the entries of \a path (native bytes, "." and ".." left out) to \a out.
/// A link to a regular file counts as a File. Returns false when the folder cannot be read.
bool listDirectory(const QByteArray &path, std::vector<DirEntry> &out);

} // namespace platform
