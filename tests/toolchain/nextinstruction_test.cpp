#include "toolchain/nextinstruction.h"

#include <gtest/gtest.h>

namespace {

// jdb's lines after each dump, and what may go out then. jdb answers dumps
// sent together on threads of their own, mixed into each other's lines and
// now and then with the wrong value: each dump waits for the last answer.
TEST(NextInstruction, EachDumpWaitsForTheAnswerBeforeIt)
{
    NextInstruction next;
    EXPECT_EQ(next.start({"Hello.count", "Hello.origin", "Hello.name", "Hello.count"}, 0),
              QStringList({"dump Hello.count"}));
    EXPECT_TRUE(next.pending());
    const struct {
        const char16_t* line;
        QStringList sent;
    } steps[] = {
        {u"main[1] ", {}},
        {u"Hello.countdown = 3", {}},
        {u"Hello.name = \"a{b\"", {}}, // not the awaited watch
        {u"Hello.count = 3", {"dump Hello.origin"}},
        {u"Hello.origin = {", {}}, // an object: its lines up to the brace
        {u"x: 3", {}},
        {u"Hello.name = \"x\"", {}},
        {u"}", {"dump Hello.name"}},
        {u"Hello.name = \"a{b\"", {"dump Hello.count"}}, // a brace in a string opens nothing
        {u"com.sun.tools.example.debug.expr.ParseException: Name unknown: Hello.count", {}},
        {u"Hello.count = null", {"cont"}},
        {u"Hello.count = 3", {}},
    };
    for (const auto& step : steps)
        EXPECT_EQ(next.lineSeen(step.line, 10), step.sent) << QString::fromUtf16(step.line).toStdString();
    EXPECT_FALSE(next.pending());
}

// A dump unanswered for the wait gives up the rest: "cont" then. The wait
// starts again with each dump sent.
TEST(NextInstruction, ContComesAfterTheWaitWhenAnAnswerIsMissing)
{
    NextInstruction next;
    next.start({"Hello.count", "Hello.gone", "Hello.name"}, 1000);
    EXPECT_EQ(next.lineSeen(u"Hello.count = 1", 1500), QStringList({"dump Hello.gone"}));
    EXPECT_EQ(next.expired(1500 + NextInstruction::AnswerWaitMs - 1), QStringList());
    EXPECT_EQ(next.expired(1500 + NextInstruction::AnswerWaitMs), QStringList({"cont"}));
    EXPECT_FALSE(next.pending());
    EXPECT_EQ(next.expired(1500 + 2 * NextInstruction::AnswerWaitMs), QStringList());
    EXPECT_EQ(next.lineSeen(u"Hello.gone = 1", 9000), QStringList());
}

TEST(NextInstruction, WithoutWatchesContIsSentAtOnce)
{
    NextInstruction next;
    EXPECT_EQ(next.start({}, 0), QStringList({"cont"}));
    EXPECT_FALSE(next.pending());
}

} // namespace
