// Mounted volumes stand in for drive letters: each real file system is a "drive"
// whose root path plays the part of "X:\".
#pragma once

#include <QList>
#include <QString>

namespace platform {

struct Volume {
    QString root;   ///< mount point, "/" for the root file system
    QString device; ///< what is mounted there (for display)
};

/// Real file systems from the mount table, "/" first, then by mount point.
/// Pseudo file systems (proc, sysfs, cgroup, ...) are left out.
QList<Volume> mountedVolumes();

/// The mount point of the volume that holds \a path (the longest matching root).
QString volumeRootOf(const QString &path, const QList<Volume> &volumes);

} // namespace platform
