#pragma once

#include <QByteArray>
#include <QFile>

// Resident memory of this process in KiB, from /proc; -1 where /proc does not tell.
inline long ResidentKib() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}
