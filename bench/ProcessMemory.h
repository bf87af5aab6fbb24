#pragma once

#include <QByteArray>
#include <QFile>

namespace bench {

// A figure of /proc/<process>/status in MB, such as "VmRSS" (resident now) or "VmHWM" (the
// most resident since the start or the last ResetPeakMemory).
inline double StatusMegabytes(const char* name, const QByteArray& process = "self") {
    QFile status(QStringLiteral("/proc/%1/status").arg(QString::fromLatin1(process)));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray key = QByteArray(name) + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

inline double ResidentMegabytes() {
    return StatusMegabytes("VmRSS");
}

// From here on VmHWM counts from what is resident now.
inline void ResetPeakMemory() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

inline double PeakMegabytes() {
    return StatusMegabytes("VmHWM");
}

}  // namespace bench
