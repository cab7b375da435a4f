// Facts about this machine and this process, as the system-information window shows them:
// the kernel release, the distribution, the user's name, memory and processor. The readers
// take what the system files say; the parsers are separate so that any text can be fed to them.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

struct KernelVersion {
    int major = 0;
    int minor = 0;
};

struct MemoryStatus {
    quint64 totalPhysical = 0;     ///< bytes of RAM (MemTotal)
    quint64 availablePhysical = 0; ///< bytes of RAM available to new work (MemAvailable, else MemFree)
    quint64 totalVirtual = 0;      ///< bytes of address space this process may use
    quint64 availableVirtual = 0;  ///< of which not yet mapped by this process
    int load = 0;                  ///< percentage of RAM in use
};

struct ProcessorInfo {
    QString name;     ///< "model name" of the first processor; empty when the system does not say
    bool hasFpu = false;
};

/// The major and minor numbers of a kernel release such as "6.1.0-18-amd64".
KernelVersion parseKernelRelease(const QByteArray &release);
/// PRETTY_NAME of an os-release file, else NAME; empty when it has neither.
QString parseOsRelease(const QByteArray &text);
/// Physical figures and load from /proc/meminfo text (the virtual figures are left at 0).
MemoryStatus parseMeminfo(const QByteArray &text);
ProcessorInfo parseCpuinfo(const QByteArray &text);

KernelVersion kernelVersion();
/// The distribution's name; empty when no os-release file can be read.
QString systemName();
/// The account's full name (first field of its GECOS entry), else its login name.
QString userFullName();
MemoryStatus memoryStatus();
ProcessorInfo processorInfo();
/// Processors online.
int processorCount();
/// Processors this process may run on (its affinity mask), at least 1.
int usableProcessors();

} // namespace platform
