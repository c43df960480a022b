#include "toolchain/processgroups.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <csignal>

namespace {

QMutex g_mutex;
std::vector<qint64> g_groups;

} // namespace

namespace ProcessGroups {

void add(qint64 groupId)
{
    if (groupId <= 0)
        return;
    QMutexLocker lock(&g_mutex);
    if (std::find(g_groups.begin(), g_groups.end(), groupId) == g_groups.end())
        g_groups.push_back(groupId);
}

void remove(qint64 groupId)
{
    QMutexLocker lock(&g_mutex);
    std::erase(g_groups, groupId);
}

std::vector<qint64> all()
{
    QMutexLocker lock(&g_mutex);
    return g_groups;
}

bool alive(qint64 groupId)
{
    // EPERM: a process is there, only not ours to signal.
    if (groupId <= 0 || (::kill(pid_t(-groupId), 0) != 0 && errno != EPERM))
        return false;
    // A process that has ended but was not yet reaped (its parent died
    // too, and nobody has reaped it yet) still counts for kill(); it runs
    // no more.
    QDirIterator it(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        bool isPid = false;
        it.next().mid(6).toLongLong(&isPid);
        if (!isPid)
            continue;
        QFile stat(it.filePath() + QStringLiteral("/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (comm) state ppid pgrp ...": the name may hold blanks and
        // parentheses, so the fields are counted from the last ')'.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 2 && fields[2].toLongLong() == groupId && fields[0] != "Z")
            return true;
    }
    return false;
}

bool signal(qint64 groupId, int signalNumber)
{
    return groupId > 0 && ::kill(pid_t(-groupId), signalNumber) == 0;
}

int endAll(int graceMs)
{
    const std::vector<qint64> groups = all();
    for (qint64 g : groups)
        signal(g, SIGTERM);
    QDeadlineTimer deadline(graceMs);
    const auto anyAlive = [&] { return std::any_of(groups.begin(), groups.end(), alive); };
    while (anyAlive() && !deadline.hasExpired())
        QThread::msleep(10);
    int killed = 0;
    for (qint64 g : groups)
        if (alive(g) && signal(g, SIGKILL))
            ++killed;
    return killed;
}

} // namespace ProcessGroups
