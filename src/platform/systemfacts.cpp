#include "platform/systemfacts.h"

#include <QFile>
#include <QList>
#include <QRegularExpression>

#include <pwd.h>
#include <sys/resource.h>
#include <sys/utsname.h>
#include <sched.h>
#include <unistd.h>

#include <algorithm>

namespace platform {

namespace {

QByteArray readSystemFile(const char *path)
{
    // Files under /proc report a size of 0: read until the end.
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The value of "Key: value" (/proc) or "KEY=value" (os-release) lines.
QByteArray fieldValue(const QByteArray &line, char separator, const QByteArray &key)
{
    const qsizetype at = line.indexOf(separator);
    if (at < 0 || line.left(at).trimmed() != key)
        return {};
    return line.mid(at + 1).trimmed();
}

quint64 kilobytes(const QByteArray &text, const QByteArray &key, bool *found = nullptr)
{
    for (const QByteArray &line : text.split('\n')) {
        const QByteArray value = fieldValue(line, ':', key);
        if (value.isEmpty())
            continue;
        bool ok = false;
        const quint64 number = value.split(' ').value(0).toULongLong(&ok);
        if (found)
            *found = ok;
        // Anything that would overflow once in bytes is not a real figure.
        return ok && number < (quint64(1) << 53) ? number * 1024 : 0;
    }
    if (found)
        *found = false;
    return 0;
}

QString unquoted(QByteArray value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return QString::fromUtf8(value);
}

// The user part of the address space, when no limit is set on the process: the kernel puts the
// main stack at its top, so the end of the stack rounded up to a power of two is its size.
quint64 userAddressSpace()
{
    for (const QByteArray &line : readSystemFile("/proc/self/maps").split('\n')) {
        if (!line.endsWith("[stack]"))
            continue;
        bool ok = false;
        const quint64 end = line.mid(line.indexOf('-') + 1).split(' ').value(0).toULongLong(&ok, 16);
        if (!ok || end == 0)
            break;
        quint64 size = 1;
        while (size < end && size < (quint64(1) << 63))
            size <<= 1;
        return size;
    }
    return sizeof(void *) == 8 ? quint64(1) << 47 : quint64(3) << 30;
}

} // namespace

KernelVersion parseKernelRelease(const QByteArray &release)
{
    const QRegularExpression numbers(QStringLiteral("^(\\d{1,6})(?:\\.(\\d{1,6}))?(?!\\d)"));
    const QRegularExpressionMatch match = numbers.match(QString::fromLatin1(release));
    if (!match.hasMatch())
        return {};
    return {match.captured(1).toInt(), match.captured(2).toInt()};
}

QString parseOsRelease(const QByteArray &text)
{
    QString name;
    for (const QByteArray &line : text.split('\n')) {
        if (const QByteArray pretty = fieldValue(line, '=', "PRETTY_NAME"); !pretty.isEmpty())
            return unquoted(pretty);
        if (const QByteArray plain = fieldValue(line, '=', "NAME"); !plain.isEmpty())
            name = unquoted(plain);
    }
    return name;
}

MemoryStatus parseMeminfo(const QByteArray &text)
{
    MemoryStatus status;
    status.totalPhysical = kilobytes(text, "MemTotal");
    bool hasAvailable = false;
    status.availablePhysical = kilobytes(text, "MemAvailable", &hasAvailable);
    if (!hasAvailable)
        status.availablePhysical = kilobytes(text, "MemFree");
    status.availablePhysical = std::min(status.availablePhysical, status.totalPhysical);
    if (status.totalPhysical > 0)
        status.load = int((status.totalPhysical - status.availablePhysical) * 100 / status.totalPhysical);
    return status;
}

ProcessorInfo parseCpuinfo(const QByteArray &text)
{
    ProcessorInfo info;
    bool flagsSeen = false;
    for (const QByteArray &line : text.split('\n')) {
        if (info.name.isEmpty())
            info.name = QString::fromUtf8(fieldValue(line, ':', "model name"));
        if (flagsSeen)
            continue;
        // x86 says "fpu" among its flags; ARM says "fp" or "vfp..." among its features.
        QByteArray flags = fieldValue(line, ':', "flags");
        if (flags.isEmpty())
            flags = fieldValue(line, ':', "Features");
        if (flags.isEmpty())
            continue;
        flagsSeen = true;
        for (const QByteArray &flag : flags.split(' ')) {
            if (flag == "fpu" || flag == "fp" || flag.startsWith("vfp"))
                info.hasFpu = true;
        }
    }
    return info;
}

KernelVersion kernelVersion()
{
    utsname names{};
    if (uname(&names) != 0)
        return {};
    return parseKernelRelease(QByteArray(names.release));
}

QString systemName()
{
    QByteArray text = readSystemFile("/etc/os-release");
    if (text.isEmpty())
        text = readSystemFile("/usr/lib/os-release");
    return parseOsRelease(text);
}

QString userFullName()
{
    const passwd *account = getpwuid(getuid());
    if (!account)
        return {};
    const QString fullName = QString::fromUtf8(account->pw_gecos ? account->pw_gecos : "").section(QLatin1Char(','), 0, 0);
    return fullName.trimmed().isEmpty() ? QString::fromUtf8(account->pw_name) : fullName.trimmed();
}

MemoryStatus memoryStatus()
{
    MemoryStatus status = parseMeminfo(readSystemFile("/proc/meminfo"));
    rlimit limit{};
    status.totalVirtual = getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
        ? quint64(limit.rlim_cur) : userAddressSpace();
    const quint64 used = kilobytes(readSystemFile("/proc/self/status"), "VmSize");
    status.availableVirtual = status.totalVirtual > used ? status.totalVirtual - used : 0;
    return status;
}

ProcessorInfo processorInfo()
{
    return parseCpuinfo(readSystemFile("/proc/cpuinfo"));
}

int processorCount()
{
    return int(std::max(1L, sysconf(_SC_NPROCESSORS_ONLN)));
}

int usableProcessors()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0)
        return std::max(1, CPU_COUNT(&set));
    return processorCount();
}

} // namespace platform
