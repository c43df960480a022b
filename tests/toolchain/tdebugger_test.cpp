#include "toolchain/childprocess.h"
#include "toolchain/debugtarget.h"
#include "toolchain/kitcommands.h"
#include "toolchain/tdebugger.h"

#include "common/processes.h"
#include "common/shellscript.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

using Kind = JdbItem::Kind;

namespace {

// A kit whose jdb is a script: it notes its arguments, folder and every byte
// it reads, and answers the debugger's commands as jdb does.
class FakeJdbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(bin()));
        ASSERT_TRUE(QDir().mkpath(m_dir.filePath("src")));
        writeJdb("");
    }
    QString bin() const { return m_dir.filePath("bin"); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    QByteArray read(const QString& name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // `extra` holds case branches tried before the usual ones.
    void writeJdb(const QString& extra)
    {
        writeShellScript(bin() + "/jdb", QString(R"(echo "$@" > '@DIR@/args'; pwd > '@DIR@/folder'
echo $$ > '@DIR@/pid'
printf 'Initializing jdb ...\n> \nVM Started: No frames on the current call stack\n\nmain[1] '
while IFS= read -r line; do
  printf '%s\n' "$line" >> '@DIR@/stdin'
  case "$line" in
    @EXTRA@
    exit) exit 0;;
    "stop at "*) printf 'Deferring breakpoint %s.\n> ' "${line#stop at }";;
    run) printf '\nBreakpoint hit: "thread=main", Hello.main(), line=7 bci=0\n\nmain[1] ';;
    "dump "*) printf ' %s = 3\nmain[1] ' "${line#dump }";;
    cont) printf '> \nThe application exited\n'; exit 0;;
    *) printf 'main[1] ';;
  esac
done)")
                                             .replace("@DIR@", m_dir.path())
                                             .replace("@EXTRA@", extra));
    }
    std::unique_ptr<TDebugger> start(QStringList watches, std::vector<int> marks)
    {
        TDebugger::Session s;
        s.kit.javaBinDir = bin();
        s.documentPath = file("src/Hello.java");
        s.mainClass = "Hello";
        s.watches = std::move(watches);
        s.marks = std::move(marks);
        auto debugger = std::make_unique<TDebugger>(s, m_target);
        m_target->output("Listening for transport dt_socket at address: 12345\n");
        debugger->Wake();
        return debugger;
    }
    // Items until one of `kind` (or 10 s); all of them.
    std::vector<JdbItem> until(TDebugger& d, Kind kind)
    {
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            for (JdbItem& item : d.takeEvents()) {
                m_items.push_back(item);
                if (item.kind == kind)
                    return m_items;
            }
            QThread::msleep(5);
        }
        ADD_FAILURE() << "no item of the kind looked for";
        return m_items;
    }
    QTemporaryDir m_dir;
    std::shared_ptr<DebugTarget> m_target = std::make_shared<DebugTarget>();
    std::vector<JdbItem> m_items;
};

TEST_F(FakeJdbTest, OpeningDumpsWatchesThenStopsAtEachMarkAndRuns)
{
    auto d = start({"Hello.count"}, {7, 12});
    const auto items = until(*d, Kind::Stopped);
    EXPECT_EQ(items.back().className, "Hello");
    EXPECT_EQ(items.back().line, 7);
    EXPECT_EQ(read("stdin"), "dump Hello.count\nstop at Hello:7\nstop at Hello:12\nrun\n");
    // English messages, written in UTF-8.
    QStringList args{"-J-Duser.language=en"};
    for (const QString& s : KitCommands::utf8Switches())
        args << "-J" + s;
    EXPECT_EQ(read("args"), (args << "-attach 127.0.0.1:12345\n").join(' ').toUtf8());
    EXPECT_EQ(QString(read("folder")).trimmed(), QDir(file("src")).canonicalPath());
    d->SendCommand("  where  ");
    d->SendCommand("cont");
    until(*d, Kind::Ended);
    EXPECT_TRUE(read("stdin").endsWith("run\nwhere\ncont\n"));
    EXPECT_TRUE(d->SessionOver);
    d->SendCommand("lost"); // after the end: dropped
}

// Next instruction sends cont once the dumps are answered; a dump that gets
// no answer holds it back for the wait.
TEST_F(FakeJdbTest, NextInstructionContinuesAfterTheAnswers)
{
    auto d = start({}, {7});
    until(*d, Kind::Stopped);
    QElapsedTimer clock;
    clock.start();
    d->nextInstruction({"Hello.count", "Hello.name"});
    until(*d, Kind::Ended);
    EXPECT_LT(clock.elapsed(), NextInstruction::AnswerWaitMs);
    EXPECT_TRUE(read("stdin").endsWith("run\ndump Hello.count\ndump Hello.name\ncont\n"));
}

// Dumps go out one at a time: jdb answers dumps sent together on threads of
// its own, mixing their lines and now and then their values.
TEST_F(FakeJdbTest, NextInstructionSendsEachDumpAfterTheAnswerBefore)
{
    writeJdb(QString(R"("dump Hello.slow") (sleep 0.3; : > '%1'; printf ' Hello.slow = {\n    x: 1\n}\nmain[1] ') & ;;
    "dump Hello.name") [ -e '%1' ] || echo early >> '%2'; printf ' Hello.name = 2\nmain[1] ';;)")
                 .arg(file("answered"), file("stdin")));
    auto d = start({}, {7});
    until(*d, Kind::Stopped);
    d->nextInstruction({"Hello.slow", "Hello.name"});
    until(*d, Kind::Ended);
    EXPECT_TRUE(read("stdin").endsWith("run\ndump Hello.slow\ndump Hello.name\ncont\n")) << read("stdin").toStdString();
}

TEST_F(FakeJdbTest, NextInstructionWaitsForAMissingAnswer)
{
    writeJdb("\"dump Hello.gone\") ;;");
    auto d = start({}, {7});
    until(*d, Kind::Stopped);
    QElapsedTimer clock;
    clock.start();
    d->nextInstruction({"Hello.gone"});
    until(*d, Kind::Ended);
    EXPECT_GE(clock.elapsed(), NextInstruction::AnswerWaitMs - 100);
    EXPECT_TRUE(read("stdin").endsWith("dump Hello.gone\ncont\n"));
}

// Stop: exit to jdb and the program's group killed at once; a jdb that
// stays is killed a second later.
TEST_F(FakeJdbTest, StopEndsTheProgramGroupAndAJdbThatStays)
{
    writeJdb("exit) ;;");
    ChildProcess program(ChildUser::ConsoleRun);
    ASSERT_TRUE(program.start({"/bin/sh", {"-c", "sleep 60 & echo $!; wait"}, QDir::tempPath()}));
    m_target->started(program.processId());
    QByteArray childPid;
    for (QDeadlineTimer t(5000); !childPid.contains('\n') && !t.hasExpired();)
        childPid += program.read(100).bytes;
    auto d = start({}, {7});
    until(*d, Kind::Stopped);
    const qint64 jdb = read("pid").trimmed().toLongLong();
    ASSERT_TRUE(processAlive(jdb));
    d->Stop();
    until(*d, Kind::Ended);
    EXPECT_TRUE(read("stdin").endsWith("exit\n"));
    QDeadlineTimer gone(5000);
    while ((processAlive(jdb) || processAlive(childPid.trimmed().toLongLong())) && !gone.hasExpired())
        QThread::msleep(20);
    EXPECT_FALSE(processAlive(jdb));
    EXPECT_FALSE(processAlive(childPid.trimmed().toLongLong()));
}

// jdb takes the program's start event on a thread of its own: a "run" read
// before it is answered "Nothing suspended." and the program never starts
// (seen with jdb 25). This jdb takes the event half a second after its
// start; run must come after it.
TEST_F(FakeJdbTest, RunWaitsForTheStartEvent)
{
    QFile jdb(bin() + "/jdb");
    ASSERT_TRUE(jdb.open(QIODevice::WriteOnly | QIODevice::Truncate));
    jdb.write(QString(R"(#!/bin/bash
printf 'Initializing jdb ...\n> '
while IFS= read -r -t 0.5 line; do
  printf '%s\n' "$line" >> '@DIR@/stdin'
  [ "$line" = run ] && printf 'Nothing suspended.\n> ' && echo early > '@DIR@/early'
done
printf '\nVM Started: No frames on the current call stack\n\nmain[1] '
while IFS= read -r line; do
  printf '%s\n' "$line" >> '@DIR@/stdin'
  case "$line" in
    run) printf '> \nBreakpoint hit: "thread=main", Hello.main(), line=7 bci=0\n\nmain[1] ';;
    exit) exit 0;;
  esac
done
)")
                  .replace("@DIR@", m_dir.path())
                  .toUtf8());
    jdb.close();
    auto d = start({}, {7});
    until(*d, Kind::Stopped);
    EXPECT_EQ(read("stdin"), "stop at Hello:7\nrun\n");
    EXPECT_FALSE(QFile::exists(file("early")));
}

TEST_F(FakeJdbTest, AJdbThatCannotStartIsNamed)
{
    QFile::remove(bin() + "/jdb");
    auto d = start({}, {});
    const auto items = until(*d, Kind::Ended);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_TRUE(items[0].text.startsWith("Could not start " + bin() + "/jdb: ")) << items[0].text.toStdString();
    EXPECT_TRUE(d->SessionOver);
}

TEST_F(FakeJdbTest, AProgramThatCannotStartIsNamed)
{
    TDebugger::Session s;
    s.kit.javaBinDir = bin();
    s.documentPath = file("src/Hello.java");
    TDebugger d(s, m_target);
    m_target->ended("Could not start /nonexistent/java: No such file or directory");
    d.Wake();
    const auto items = until(d, Kind::Ended);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].text, "Could not start /nonexistent/java: No such file or directory");
}

} // namespace
