// Reads the mount table to list the volumes the drive boxes offer.
#include "platform/volumes.h"

#include <QFile>
#include <QSet>
#include <QTextStream>

#include <algorithm>

namespace platform {

namespace {

// File systems that hold no user files: never offered as a drive.
bool isPseudoFileSystem(const QString &type)
{
    static const QSet<QString> pseudo = {
        "proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "securityfs", "pstore",
        "debugfs", "tracefs", "configfs", "fusectl", "mqueue", "hugetlbfs", "bpf", "autofs",
        "binfmt_misc", "rpc_pipefs", "nsfs", "efivarfs", "selinuxfs", "overlay", "squashfs",
        "ramfs", "fuse.gvfsd-fuse", "fuse.portal", "nfsd"};
    return pseudo.contains(type);
}

// Mount table fields escape blanks and a few other bytes as \ooo octal.
QString unescapeMountField(const QString &field)
{
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += QChar(code);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

} // namespace

QList<Volume> mountedVolumes()
{
    QList<Volume> volumes;
    QSet<QString> seen;
    QFile table(QStringLiteral("/proc/self/mounts"));
    if (table.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&table);
        for (QString line = in.readLine(); !line.isNull(); line = in.readLine()) {
            const QStringList fields = line.split(' ');
            if (fields.size() < 3 || isPseudoFileSystem(fields[2]))
                continue;
            const QString root = unescapeMountField(fields[1]);
            // Tmpfs mounts other than /tmp are run-time plumbing (/run, /dev/shm).
            if (fields[2] == QLatin1String("tmpfs") && root != QLatin1String("/tmp"))
                continue;
            if (root.startsWith(QLatin1String("/proc")) || root.startsWith(QLatin1String("/sys"))
                || seen.contains(root))
                continue;
            seen.insert(root);
            volumes.append({root, unescapeMountField(fields[0])});
        }
    }
    if (!seen.contains(QStringLiteral("/")))
        volumes.append({QStringLiteral("/"), QString()});
    std::stable_sort(volumes.begin(), volumes.end(), [](const Volume &a, const Volume &b) {
        if (a.root == QLatin1String("/") || b.root == QLatin1String("/"))
            return a.root == QLatin1String("/") && b.root != QLatin1String("/");
        return a.root < b.root;
    });
    return volumes;
}

QString volumeRootOf(const QString &path, const QList<Volume> &volumes)
{
    QString best = QStringLiteral("/");
    for (const Volume &v : volumes) {
        const bool inside = path == v.root
            || (path.startsWith(v.root) && (v.root.endsWith('/') || path.at(v.root.size()) == '/'));
        if (inside && v.root.size() > best.size())
            best = v.root;
    }
    return best;
}

} // namespace platform
