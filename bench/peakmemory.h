// Peak resident memory of a benchmark program, as the kernel counts it.
#pragma once

#include <QByteArray>
#include <QFile>

/// The process's peak resident bytes (VmHWM), or -1 when it cannot be read.
inline long long peakResidentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    return -1;
}
