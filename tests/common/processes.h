#pragma once

#include <QFile>
#include <QString>

// True while the process runs: it exists and is no zombie waiting to be reaped.
inline bool processAlive(qint64 pid)
{
    if (pid <= 0)
        return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    // "pid (name) S ...": the state follows the last ')'.
    const qsizetype close = text.lastIndexOf(')');
    return close >= 0 && close + 2 < text.size() && text.at(close + 2) != 'Z' && text.at(close + 2) != 'X';
}
