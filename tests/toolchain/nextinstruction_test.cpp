#include "toolchain/nextinstruction.h"

#include <gtest/gtest.h>

namespace {

TEST(NextInstruction, ContComesOnceEveryDumpIsAnswered)
{
    NextInstruction next;
    EXPECT_EQ(next.start({"Hello.count", "Hello.name", "Hello.count"}, 0),
              QStringList({"dump Hello.count", "dump Hello.name", "dump Hello.count"}));
    EXPECT_TRUE(next.pending());
    EXPECT_FALSE(next.lineSeen(u"Hello.count = 3"));
    EXPECT_FALSE(next.lineSeen(u"Hello.countdown = 3"));
    EXPECT_FALSE(next.lineSeen(u"main[1] "));
    EXPECT_FALSE(next.lineSeen(u"Hello.name = null"));
    EXPECT_TRUE(next.lineSeen(u"Hello.count = 3"));
    EXPECT_FALSE(next.pending());
    EXPECT_FALSE(next.lineSeen(u"Hello.count = 3"));
}

TEST(NextInstruction, ContComesAfterTheWaitWhenAnAnswerIsMissing)
{
    NextInstruction next;
    next.start({"Hello.gone"}, 1000);
    EXPECT_FALSE(next.expired(1000 + NextInstruction::AnswerWaitMs - 1));
    EXPECT_TRUE(next.expired(1000 + NextInstruction::AnswerWaitMs));
    EXPECT_FALSE(next.expired(1000 + 2 * NextInstruction::AnswerWaitMs));
    EXPECT_FALSE(next.lineSeen(u"Hello.gone = 1"));
}

TEST(NextInstruction, WithoutWatchesContIsSentAtOnce)
{
    NextInstruction next;
    EXPECT_EQ(next.start({}, 0), QStringList({"cont"}));
    EXPECT_FALSE(next.pending());
}

} // namespace
