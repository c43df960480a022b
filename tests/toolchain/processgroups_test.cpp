// Stopping a program and what it started, ending its input, and ending
// every program at quit: with real processes and real signals.
#include "toolchain/childprocess.h"
#include "toolchain/processgroups.h"
#include "toolchain/trunnerthread.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool processExists(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0;
}

// Reads until End (or 30 s): the output and whether the end came.
std::pair<QByteArray, bool> readToEnd(ChildProcess& child, const std::function<void(const QByteArray&)>& seen = {})
{
    QByteArray all;
    QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        const Chunk chunk = child.read(50);
        if (chunk.kind == Chunk::Kind::End)
            return {all, true};
        all += chunk.bytes;
        if (seen && chunk.kind == Chunk::Kind::Data)
            seen(all);
    }
    return {all, false};
}

// A shell that starts a `sleep` of its own, says its pid, then waits.
QString parentAndChild(const QString& traps)
{
    return traps + "; sleep 1000 & echo \"child $!\"; while :; do sleep 0.05; done";
}

qint64 childPid(const QByteArray& output)
{
    const qsizetype at = output.indexOf("child ");
    return at < 0 ? 0 : output.mid(at + 6, output.indexOf('\n', at) - at - 6).toLongLong();
}

TEST(ProcessGroups, StopSendsInterruptThenTerminateAndReachesWhatTheProgramStarted)
{
    ChildProcess child(ChildUser::ConsoleRun);
    // Deaf to SIGINT, it reports both signals; SIGTERM ends it. Perl, not a
    // shell: a shell runs its traps only between commands, and under load
    // a signal that comes while it starts one can be missed.
    const QString script = "$| = 1; $SIG{INT} = sub { print \"got INT\\n\" };"
                           "$SIG{TERM} = sub { print \"got TERM\\n\"; exit 3 };"
                           "my $c = fork(); if (!$c) { exec 'sleep', '1000' }"
                           "print \"child $c\\n\"; sleep 1 while 1;";
    ASSERT_TRUE(child.start({"/usr/bin/perl", {"-e", script}, QDir::tempPath()}));
    bool stopped = false;
    qint64 grandchild = 0;
    const auto [output, ended] = readToEnd(child, [&](const QByteArray& all) {
        grandchild = childPid(all);
        if (grandchild && !stopped) {
            stopped = true;
            child.stop();
        }
    });
    ASSERT_TRUE(ended) << output.toStdString();
    const qsizetype interrupt = output.indexOf("got INT"), terminate = output.indexOf("got TERM");
    EXPECT_TRUE(interrupt >= 0 && terminate > interrupt) << output.toStdString();
    EXPECT_EQ(child.exitCode(), 3);
    ASSERT_GT(grandchild, 0);
    QDeadlineTimer gone(5000);
    while (processExists(grandchild) && !gone.hasExpired())
        QThread::msleep(10);
    EXPECT_FALSE(processExists(grandchild));
}

TEST(ProcessGroups, AProgramDeafToInterruptAndTerminateIsKilled)
{
    ChildProcess child(ChildUser::ConsoleRun);
    ASSERT_TRUE(child.start({"/bin/sh", {"-c", parentAndChild("trap '' INT TERM")}, QDir::tempPath()}));
    bool stopped = false;
    const auto [output, ended] = readToEnd(child, [&](const QByteArray& all) {
        if (childPid(all) && !stopped) {
            stopped = true;
            child.stop();
        }
    });
    EXPECT_TRUE(ended) << output.toStdString();
    // The output closes as the last process exits, a moment before the
    // system stops counting it.
    QDeadlineTimer gone(5000);
    while (ProcessGroups::alive(child.processId()) && !gone.hasExpired())
        QThread::msleep(10);
    EXPECT_FALSE(ProcessGroups::alive(child.processId()));
}

TEST(ProcessGroups, EndingInputEndsAProgramThatReadsToTheEnd)
{
    TRunnerThread runner({"/bin/cat", {}, QDir::tempPath()});
    runner.Wake();
    runner.SendLine("one");
    runner.sendBytes("two"); // typed and not ended by Enter
    runner.closeInput();
    runner.SendLine("after the end"); // dropped
    QStringList shown;
    QDeadlineTimer deadline(30000);
    bool ended = false;
    while (!ended && !deadline.hasExpired()) {
        for (const TRunnerThread::Event& e : runner.takeEvents()) {
            if (e.kind == TRunnerThread::Event::Kind::Ended)
                ended = true;
            else
                shown << e.text;
        }
        QThread::msleep(5);
    }
    ASSERT_TRUE(ended);
    EXPECT_EQ(shown, QStringList({"one"}));
    EXPECT_EQ(runner.console().takeRest(), "two");
}

TEST(ProcessGroups, EndAllEndsEveryProgramStillRunning)
{
    ChildProcess polite(ChildUser::ConsoleRun), deaf(ChildUser::ConsoleRun);
    ASSERT_TRUE(polite.start({"/bin/sh", {"-c", parentAndChild("true")}, QDir::tempPath()}));
    ASSERT_TRUE(deaf.start({"/bin/sh", {"-c", "trap '' TERM; echo ready; while :; do sleep 0.05; done"}, QDir::tempPath()}));
    // Both run and have said so.
    bool pr = false, dr = false;
    QDeadlineTimer deadline(30000);
    while (!(pr && dr) && !deadline.hasExpired()) {
        pr = pr || polite.read(20).bytes.contains("child");
        dr = dr || deaf.read(20).bytes.contains("ready");
    }
    ASSERT_TRUE(pr && dr);
    const std::vector<qint64> groups = ProcessGroups::all();
    EXPECT_NE(std::find(groups.begin(), groups.end(), polite.processId()), groups.end());
    EXPECT_EQ(ProcessGroups::endAll(300), 1); // the deaf one needed SIGKILL
    EXPECT_FALSE(ProcessGroups::alive(polite.processId()));
    // SIGKILL is sent, not waited for: the group goes once the system has
    // ended each of its processes, which a loaded machine may take a while.
    QDeadlineTimer killed(10000);
    while (ProcessGroups::alive(deaf.processId()) && !killed.hasExpired())
        QThread::msleep(10);
    EXPECT_FALSE(ProcessGroups::alive(deaf.processId()));
}

TEST(ProcessGroups, AProgramKilledOutrightTakesWhatItStartedWithIt)
{
    // A stand-in for this program: it starts the watchdog and a group, and
    // is then killed with SIGKILL, which no handler of its own can answer.
    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    const pid_t program = ::fork();
    if (program == 0) {
        ::close(report[0]);
        if (!ProcessGroups::startWatchdog())
            ::_exit(1);
        const pid_t group = ::fork();
        if (group == 0) {
            ::setsid();
            ::execl("/bin/sleep", "sleep", "1000", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ProcessGroups::add(group);
        [[maybe_unused]] const ssize_t n = ::write(report[1], &group, sizeof group);
        for (;;)
            ::pause();
    }
    ::close(report[1]);
    pid_t group = 0;
    const ssize_t n = ::read(report[0], &group, sizeof group);
    ::close(report[0]);
    ASSERT_EQ(n, ssize_t(sizeof group));
    QDeadlineTimer started(10000);
    while (!ProcessGroups::alive(group) && !started.hasExpired())
        QThread::msleep(10);
    ASSERT_TRUE(ProcessGroups::alive(group));

    ::kill(program, SIGKILL);
    ::waitpid(program, nullptr, 0);
    QDeadlineTimer ended(10000);
    while (ProcessGroups::alive(group) && !ended.hasExpired())
        QThread::msleep(10);
    const bool survived = ProcessGroups::alive(group);
    if (survived)
        ::kill(-group, SIGKILL);
    EXPECT_FALSE(survived);
}

} // namespace
