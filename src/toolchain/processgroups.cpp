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
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QMutex g_mutex;
std::vector<qint64> g_groups;
// This process's end of the socket to the watchdog, and its process id.
int g_watchdogSocket = -1;
pid_t g_watchdogPid = 0;

// One record per change: the group id, negative when it is gone. Called
// with g_mutex held, so records keep their order.
void tellWatchdog(qint64 record)
{
    if (g_watchdogSocket < 0)
        return;
    // MSG_NOSIGNAL: a watchdog that is gone must not take this process
    // with it by SIGPIPE.
    [[maybe_unused]] const ssize_t n = ::send(g_watchdogSocket, &record, sizeof record, MSG_NOSIGNAL);
}

[[noreturn]] void runWatchdog(int socket)
{
    std::vector<qint64> groups;
    for (;;) {
        qint64 record = 0;
        const ssize_t n = ::recv(socket, &record, sizeof record, MSG_WAITALL);
        if (n == ssize_t(sizeof record)) {
            if (record > 0)
                groups.push_back(record);
            else
                std::erase(groups, -record);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // end of file: the program is gone
    }
    for (qint64 g : groups)
        ::kill(pid_t(-g), SIGKILL);
    ::_exit(0);
}

} // namespace

namespace ProcessGroups {

void add(qint64 groupId)
{
    if (groupId <= 0)
        return;
    QMutexLocker lock(&g_mutex);
    if (std::find(g_groups.begin(), g_groups.end(), groupId) == g_groups.end()) {
        g_groups.push_back(groupId);
        tellWatchdog(groupId);
    }
}

void remove(qint64 groupId)
{
    QMutexLocker lock(&g_mutex);
    if (std::erase(g_groups, groupId) > 0)
        tellWatchdog(-groupId);
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

bool startWatchdog()
{
    int sockets[2];
    if (g_watchdogSocket >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0)
        return false;
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(sockets[0]);
        ::close(sockets[1]);
        return false;
    }
    if (pid == 0) {
        // Nothing of the program's but the socket: no file, lock or
        // display connection stays open for longer than the program.
        if (::dup2(sockets[1], 3) < 0)
            ::_exit(1);
        ::close_range(4, ~0U, 0);
        // Out of the program's group and deaf to the terminal's and the
        // session's signals: it goes when the program has gone, not before.
        ::setpgid(0, 0);
        ::signal(SIGINT, SIG_IGN);
        ::signal(SIGHUP, SIG_IGN);
        ::signal(SIGQUIT, SIG_IGN);
        ::prctl(PR_SET_NAME, "vornic-watchdog");
        runWatchdog(3);
    }
    ::close(sockets[1]);
    ::fcntl(sockets[0], F_SETFL, ::fcntl(sockets[0], F_GETFL) | O_NONBLOCK);
    QMutexLocker lock(&g_mutex);
    g_watchdogSocket = sockets[0];
    g_watchdogPid = pid;
    for (qint64 g : g_groups)
        tellWatchdog(g);
    return true;
}

void stopWatchdog()
{
    pid_t pid = 0;
    {
        QMutexLocker lock(&g_mutex);
        if (g_watchdogSocket < 0)
            return;
        ::close(g_watchdogSocket);
        g_watchdogSocket = -1;
        pid = g_watchdogPid;
        g_watchdogPid = 0;
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

} // namespace ProcessGroups
