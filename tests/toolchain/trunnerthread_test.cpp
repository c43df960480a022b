#include "toolchain/trunnerthread.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTemporaryDir>

using Kind = TRunnerThread::Event::Kind;

namespace {

// A runner whose program is a shell script, and what it hands the console.
class Runner {
public:
    explicit Runner(const QString& script, const QString& folder = QDir::tempPath())
        : thread({"/bin/sh", {"-c", script}, folder})
    {
    }

    // Takes events until one of `kind` arrives (or 10 s pass); returns all.
    std::vector<TRunnerThread::Event> until(Kind kind)
    {
        std::vector<TRunnerThread::Event> all;
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            for (auto& e : thread.takeEvents()) {
                all.push_back(e);
                if (e.kind == kind)
                    return all;
            }
            QThread::msleep(5);
        }
        ADD_FAILURE() << "no event of the kind looked for";
        return all;
    }

    TRunnerThread thread;
};

QStringList entries(const std::vector<TRunnerThread::Event>& events)
{
    QStringList shown;
    for (const auto& e : events)
        if (e.kind == Kind::Entry)
            shown << e.text;
    return shown;
}

TEST(RunnerThread, BurstsBecomeEntriesAndTheEndFollowsThemInOrder)
{
    Runner r("printf 'one\\ntwo\\nthree\\n'; sleep 0.3; echo four");
    r.thread.Wake();
    const auto events = r.until(Kind::Ended);
    EXPECT_EQ(entries(events), QStringList({"one\ntwo\nthree", "four"}));
    EXPECT_EQ(events.back().kind, Kind::Ended);
}

TEST(RunnerThread, RunsInTheFolderGiven)
{
    QTemporaryDir folder;
    Runner r("pwd", folder.path());
    r.thread.Wake();
    EXPECT_EQ(entries(r.until(Kind::Ended)), QStringList({QDir(folder.path()).canonicalPath()}));
}

// A prompt without a line end waits for the timer; the line typed reaches
// the program with CR LF, also when typed before the program has started.
TEST(RunnerThread, PromptWaitsForTimerAndTypedLineReachesProgram)
{
    Runner r("printf 'Name: '; read name; printf 'Hello %s|\\n' \"$name\"");
    r.thread.SendLine("  early  ");
    r.thread.Wake();
    const auto events = r.until(Kind::Ended);
    EXPECT_EQ(entries(events), QStringList({"Name: Hello early\r|"}));

    Runner later("printf 'Name: '; read name; printf 'Hello %s\\n' \"$name\"");
    later.thread.Wake();
    QDeadlineTimer deadline(5000);
    std::optional<QString> prompt;
    while (!prompt && !deadline.hasExpired()) {
        QThread::msleep(20);
        prompt = later.thread.console().timerTick();
    }
    EXPECT_EQ(prompt, "Name: ");
    EXPECT_TRUE(later.thread.takeEvents().empty());
    later.thread.SendLine(QString(300, u'b'));
    EXPECT_EQ(entries(later.until(Kind::Ended)), QStringList({"Hello " + QString(300, u'b')}));
    later.thread.SendLine("after the end"); // dropped without harm
}

TEST(RunnerThread, ProgramThatCannotStartIsNamedBeforeTheEnd)
{
    TRunnerThread thread({"/nonexistent/jdk/bin/java", {"Hello"}, QDir::tempPath()});
    thread.Wake();
    QDeadlineTimer deadline(5000);
    std::vector<TRunnerThread::Event> events;
    while (events.size() < 2 && !deadline.hasExpired())
        for (auto& e : thread.takeEvents())
            events.push_back(e);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].kind, Kind::StartFailed);
    EXPECT_TRUE(events[0].text.contains("/nonexistent/jdk/bin/java")) << events[0].text.toStdString();
    EXPECT_EQ(events[1].kind, Kind::Ended);
}

// A console that does not keep up holds the program back instead of
// queueing without end; nothing is lost.
TEST(RunnerThread, QueueStaysBoundedWhileConsoleLags)
{
    constexpr int Lines = 200000; // 20 MB
    Runner r(QString("i=0; yes 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx'"
                     " | head -n %1")
                 .arg(Lines));
    r.thread.Wake();
    QThread::msleep(1500);
    qsizetype chars = 0, lines = 0;
    const auto first = r.thread.takeEvents();
    for (const auto& e : first)
        chars += e.text.size();
    EXPECT_LE(chars, TRunnerThread::MaxQueuedChars + 2 * 1500);
    for (const auto& e : first)
        lines += e.text.count(u'\n') + (e.kind == Kind::Entry);
    for (const auto& e : r.until(Kind::Ended))
        lines += e.text.count(u'\n') + (e.kind == Kind::Entry);
    EXPECT_EQ(lines, Lines);
}

TEST(RunnerThread, DestroyingTheRunnerStopsTheProgram)
{
    QElapsedTimer clock;
    clock.start();
    {
        Runner r("echo started; sleep 30");
        r.thread.Wake();
        EXPECT_EQ(entries(r.until(Kind::Entry)), QStringList({"started"}));
    }
    EXPECT_LT(clock.elapsed(), 10000);
}

TEST(RunnerThread, WakesOnlyOnce)
{
    Runner r("echo once");
    r.thread.Wake();
    r.thread.Wake();
    EXPECT_EQ(entries(r.until(Kind::Ended)), QStringList({"once"}));
    r.thread.Wake();
    r.thread.wait(2000);
    EXPECT_TRUE(r.thread.takeEvents().empty());
}

} // namespace
