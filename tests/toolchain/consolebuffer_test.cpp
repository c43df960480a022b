#include "toolchain/consolebuffer.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <variant>
#include <vector>

namespace {

// One step of a fake child run: a chunk the child writes, or a timer tick.
struct Tick {};
using Step = std::variant<QByteArray, Tick>;

// Feeds the steps and returns every entry the pane receives, in order.
QStringList run(ConsoleBuffer& console, const std::vector<Step>& steps)
{
    QStringList shown;
    for (const Step& step : steps) {
        std::optional<QString> entry;
        if (const auto* chunk = std::get_if<QByteArray>(&step))
            entry = console.addChunk(*chunk);
        else
            entry = console.timerTick();
        if (entry)
            shown << *entry;
    }
    return shown;
}

struct DisplayCase {
    const char* name;
    std::vector<Step> steps;
    QStringList shown;
    QString pending;
};

class ConsoleDisplay : public testing::TestWithParam<DisplayCase> {};

TEST_P(ConsoleDisplay, ShowsEntries)
{
    ConsoleBuffer console;
    EXPECT_EQ(run(console, GetParam().steps), GetParam().shown);
    EXPECT_EQ(console.pendingOutput(), GetParam().pending);
}

const DisplayCase displayCases[] = {
    {"ThreeLinesInOneBurstAreOneEntry", {QByteArray("a\nb\nc\n")}, {"a\nb\nc"}, ""},
    {"EachBurstEndingInLineEndIsOneEntry", {QByteArray("one\n"), QByteArray("two\r\n")}, {"one", "two"}, ""},
    {"PartialLineWaitsForItsEnd", {QByteArray("hel"), QByteArray("lo\nwor"), QByteArray("ld\n")}, {"hello", "world"}, ""},
    {"PromptAfterOutputWaitsForTimer", {QByteArray("Result 42\nName: "), Tick{}}, {"Result 42", "Name: "}, ""},
    {"PartialLineStaysPendingWithoutTick", {QByteArray("Name: ")}, {}, "Name: "},
    {"TickShowsPromptUntrimmed", {QByteArray("Name: "), Tick{}}, {"Name: "}, ""},
    {"TickWithNothingPendingShowsNothing", {Tick{}, QByteArray("x\n")}, {"x"}, ""},
    {"TickIgnoresBlankPending", {QByteArray(" \t"), Tick{}}, {}, " \t"},
    {"BlankLinesShowNothing", {QByteArray("\n\n  \n")}, {}, ""},
    // Blank lines before and blanks after go; the indentation the program
    // wrote stays (a stack trace's "\tat ..." lines).
    {"EntryKeepsItsIndentation", {QByteArray("\n \n\t  x y \n\n")}, {"\t  x y"}, ""},
    {"StackTraceKeepsItsTabs",
     {QByteArray("Exception in thread \"main\" java.lang.RuntimeException: x\n"), QByteArray("\tat A.main(A.java:3)\n")},
     {"Exception in thread \"main\" java.lang.RuntimeException: x", "\tat A.main(A.java:3)"},
     ""},
    {"RepeatedOutputIsNotHeldBack",
     {QByteArray("same\n"), QByteArray("same\n"), QByteArray("same again\n")},
     {"same", "same", "same again"},
     ""},
    {"TimerStaysOffAfterFlush", {QByteArray("> "), Tick{}, QByteArray("> "), Tick{}}, {"> "}, "> "},
    {"LineEndAfterFlushShowsTheRest", {QByteArray("> "), Tick{}, QByteArray("> more\n")}, {"> ", "> more"}, ""},
    {"EndlessLineIsShownInPiecesAsItStands",
     {QByteArray(ConsoleBuffer::MaxPendingChars - 1, 'x'), QByteArray(" y"), QByteArray("z")},
     {QString(ConsoleBuffer::MaxPendingChars - 1, u'x') + " y"},
     "z"},
    {"Utf8SplitBetweenChunksStaysWhole",
     {QByteArray("gr\xc3"), QByteArray("\xb8nn\n")},
     {QString::fromUtf8("gr\xc3\xb8nn")},
     ""},
};

INSTANTIATE_TEST_SUITE_P(Chunks, ConsoleDisplay, testing::ValuesIn(displayCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConsoleTimer, EnterEnablesTimerAgain)
{
    ConsoleBuffer console;
    EXPECT_TRUE(console.timerEnabled());
    console.addChunk("Number: ");
    EXPECT_EQ(console.timerTick(), QString("Number: "));
    EXPECT_FALSE(console.timerEnabled());

    EXPECT_EQ(console.enterPressed(u"Number: 42"), QByteArray("Number: 42\r\n"));
    EXPECT_TRUE(console.timerEnabled());
    console.addChunk("Again: ");
    EXPECT_EQ(console.timerTick(), QString("Again: "));
}

// A last line without a line end is the program's last word: it shows
// before "Done!", whether the timer is on or not, and never after it.
TEST(ConsoleTimer, PendingAtEndIsTakenBeforeDone)
{
    ConsoleBuffer on;
    on.addChunk("bye");
    EXPECT_EQ(on.takeRest(), QString("bye"));
    EXPECT_EQ(on.finish(), QString("Done!"));
    EXPECT_TRUE(on.finished());
    EXPECT_EQ(on.timerTick(), std::nullopt);

    ConsoleBuffer off;
    off.addChunk("? ");
    off.timerTick();
    off.addChunk("bye");
    EXPECT_EQ(off.takeRest(), QString("bye"));
    EXPECT_EQ(off.pendingOutput(), QString());
}

TEST(ConsoleTexts, AreTheSystemsOwn)
{
    EXPECT_EQ(ConsoleBuffer::DoneText, QString("Done!"));
    EXPECT_EQ(ConsoleBuffer::FinishedCaption, QString("Finished!"));
    EXPECT_EQ(ConsoleBuffer::RunningCaption + "Hello.java", QString("Running file from: Hello.java"));
    EXPECT_EQ(ConsoleBuffer::TimerIntervalMs, 1000);
    ConsoleBuffer fresh;
    EXPECT_FALSE(fresh.finished());
}

struct SendCase {
    const char* name;
    QString line;
    QByteArray sent;
};

class SendLine : public testing::TestWithParam<SendCase> {};

TEST_P(SendLine, WritesTrimmedLineAndCrLf)
{
    EXPECT_EQ(ConsoleBuffer::lineToSend(GetParam().line), GetParam().sent);
}

const SendCase sendCases[] = {
    {"TwoDigits", "42", QByteArray("42\r\n")},
    {"WholeLineWithPrompt", "Number: 42", QByteArray("Number: 42\r\n")},
    {"TrimmedAtBothEnds", "\t 42  ", QByteArray("42\r\n")},
    {"EmptyLineIsJustTheLineEnd", "", QByteArray("\r\n")},
    {"LongerThan255IsSentWhole", QString(1000, u'x'), QByteArray(1000, 'x') + "\r\n"},
    {"Utf8WhateverTheLocale", QString::fromUtf8("\xC3\xB8 \xE2\x98\x83"), QByteArray("\xC3\xB8 \xE2\x98\x83\r\n")},
};

INSTANTIATE_TEST_SUITE_P(Lines, SendLine, testing::ValuesIn(sendCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
