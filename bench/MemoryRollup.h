#pragma once

#include <QByteArray>
#include <QFile>
#include <QTextStream>

// This process's anonymous and private dirty kilobytes, printed for the
// parent benchmark that started it; 1 when the kernel does not tell.
inline int printPrivateMemory()
{
    QFile file(QStringLiteral("/proc/self/smaps_rollup"));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray rollup = '\n' + file.readAll();
    const auto kilobytes = [&rollup](const QByteArray& key) -> qint64 {
        const qsizetype at = rollup.indexOf('\n' + key + ':');
        if (at < 0)
            return -1;
        return rollup.mid(at + key.size() + 2).trimmed().split(' ').value(0).toLongLong();
    };
    QTextStream(stdout) << kilobytes("Anonymous") << ' ' << kilobytes("Private_Dirty");
    return 0;
}

// The peak resident set of this process in kilobytes, after a space: what a
// run held at its worst, shared library pages included; 0 when not told.
inline void printPeakResident()
{
    QFile file(QStringLiteral("/proc/self/status"));
    qint64 kilobytes = 0;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                kilobytes = line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    QTextStream(stdout) << ' ' << kilobytes;
}
