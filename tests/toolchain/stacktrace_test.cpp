#include "toolchain/stacktrace.h"

#include <gtest/gtest.h>

namespace {

TEST(StackTrace, FramesGiveClassFileAndLine)
{
    const struct {
        const char* line;
        std::optional<StackFrameLocation> expected;
    } cases[] = {
        {"\tat Foo.bar(Foo.java:12)", StackFrameLocation{"Foo", "Foo.java", 12}},
        {"        at a.b.Main$Inner.run(Main.java:7)", StackFrameLocation{"a.b.Main$Inner", "Main.java", 7}},
        {"\tat java.base/java.lang.Thread.run(Thread.java:833)", StackFrameLocation{"java.lang.Thread", "Thread.java", 833}},
        {"\tat app//Main.<init>(Main.java:3)", StackFrameLocation{"Main", "Main.java", 3}},
        {"\tat Big.main(Big.java:1,203)", StackFrameLocation{"Big", "Big.java", 1203}}, // as jdb writes it
        {"\tat jdk.internal.reflect.NativeMethodAccessorImpl.invoke0(Native Method)", std::nullopt},
        {"\tat Foo.bar(Unknown Source)", std::nullopt},
        {"\tat Foo.bar(Foo.java)", std::nullopt},
        {"\tat Foo.bar(Foo.java:0)", std::nullopt},
        {"at Foo.bar(../Foo.java:3)", std::nullopt},
        {"the cat sat at Foo.bar(Foo.java:3) today", std::nullopt},
        {"Exception in thread \"main\" java.lang.IllegalStateException: x", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StackTrace::parseFrame(QString::fromUtf8(c.line)), c.expected) << c.line;
}

TEST(StackTrace, AHeadingLeadsToTheFirstFrameBelowItThatHasALine)
{
    const QStringList trace = {
        "Exception in thread \"main\" java.lang.RuntimeException: outer",
        "\tat Main.main(Main.java:9)",
        "Caused by: java.lang.IllegalStateException: inner",
        "\tat jdk.internal.Native.call(Native Method)",
        "\tat a.Helper.work(Helper.java:21)",
        "\t... 1 more",
    };
    EXPECT_EQ(StackTrace::locationAt(trace), (StackFrameLocation{"Main", "Main.java", 9}));
    EXPECT_EQ(StackTrace::locationAt(trace.mid(2)), (StackFrameLocation{"a.Helper", "Helper.java", 21}));
    EXPECT_EQ(StackTrace::locationAt(trace.mid(4)), (StackFrameLocation{"a.Helper", "Helper.java", 21}));
    EXPECT_EQ(StackTrace::locationAt({"java.lang.ArithmeticException: / by zero", "\tat Calc.div(Calc.java:4)"}),
              (StackFrameLocation{"Calc", "Calc.java", 4}));
    // A heading whose frames have no line, or plain output, lead nowhere.
    EXPECT_EQ(StackTrace::locationAt(trace.mid(5)), std::nullopt);
    EXPECT_EQ(StackTrace::locationAt({"Caused by: x.Y", "some output", "\tat A.b(A.java:1)"}), std::nullopt);
    EXPECT_EQ(StackTrace::locationAt({"Hello, world"}), std::nullopt);
    EXPECT_EQ(StackTrace::locationAt({}), std::nullopt);
}

TEST(StackTrace, SourceIsLookedForUnderTheClassRootThenBesideTheRunSource)
{
    const StackFrameLocation inPackage{"a.b.Main", "Main.java", 3};
    EXPECT_EQ(StackTrace::candidatePaths(inPackage, "/p/src", "/p/src/a/b"),
              QStringList({"/p/src/a/b/Main.java"}));
    const StackFrameLocation plain{"Other", "Other.java", 3};
    EXPECT_EQ(StackTrace::candidatePaths(plain, "/p/src", "/p/src/a/b"),
              QStringList({"/p/src/Other.java", "/p/src/a/b/Other.java"}));
}

} // namespace
