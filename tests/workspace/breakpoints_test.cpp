#include "workspace/breakpoints.h"

#include "editor/tsyneditmarklist.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

using Breakpoints::Caret;

TSynEditMarkList breakpointsOn(std::initializer_list<int> lines)
{
    TSynEditMarkList marks;
    for (int line : lines)
        Breakpoints::SetBreakpoint(marks, {1, line});
    return marks;
}

std::vector<int> breakpointLines(const TSynEditMarkList& marks)
{
    std::vector<int> out;
    for (const TSynEditMark& m : marks.items())
        if (!m.IsBookmark)
            out.push_back(m.Line);
    return out;
}

TEST(Breakpoints, SetBreakpointMakesPlainMarkAtCaret)
{
    TSynEditMarkList marks;
    Breakpoints::SetBreakpoint(marks, {7, 4});
    ASSERT_EQ(marks.count(), 1);
    const TSynEditMark& m = marks.at(0);
    EXPECT_EQ(m.Line, 4);
    EXPECT_EQ(m.Char, 7);
    EXPECT_EQ(m.ImageIndex, 0);
    EXPECT_TRUE(m.Visible);
    EXPECT_FALSE(m.InternalImage);
    EXPECT_FALSE(m.IsBookmark);
    EXPECT_EQ(m.BookmarkNumber, -1);
}

TEST(Breakpoints, BreakPointChangeUsesCaretLineNotItsLineArgument)
{
    TSynEditMarkList marks;
    Breakpoints::BreakPointChange(marks, {2, 9}, 40, 3);
    ASSERT_EQ(marks.count(), 1);
    EXPECT_EQ(marks.at(0).Line, 9);
    EXPECT_EQ(marks.at(0).ImageIndex, 3);
}

TEST(Breakpoints, SettingTwiceLeavesOneMarkAtSecondColumn)
{
    TSynEditMarkList marks = breakpointsOn({3});
    Breakpoints::SetBreakpoint(marks, {5, 6});
    Breakpoints::SetBreakpoint(marks, {12, 6});
    ASSERT_EQ(marks.count(), 2);
    EXPECT_EQ(marks.at(0).Line, 3);
    EXPECT_EQ(marks.at(1).Line, 6);
    EXPECT_EQ(marks.at(1).Char, 12);
}

TEST(Breakpoints, SorterBreakPointsSortsNumericallyKeepingDuplicates)
{
    TSynEditMarkList marks = breakpointsOn({30, 5, 100, 12});
    marks.setBookmark(2, 12, 1, true);
    marks.setBookmark(0, 9, 1, true);
    EXPECT_EQ(Breakpoints::SorterBreakPoints(marks), (QStringList{"5", "9", "12", "12", "30", "100"}));
    EXPECT_EQ(Breakpoints::SorterBreakPoints(TSynEditMarkList{}), QStringList{});
}

TEST(Breakpoints, IsBookmarkAtLineCountsEveryKindOfMark)
{
    TSynEditMarkList marks = breakpointsOn({5});
    marks.setBookmark(1, 8, 1, true);
    EXPECT_TRUE(Breakpoints::IsBookmarkAtLine(marks, 5));
    EXPECT_TRUE(Breakpoints::IsBookmarkAtLine(marks, 8));
    EXPECT_FALSE(Breakpoints::IsBookmarkAtLine(marks, 6));
}

TEST(Breakpoints, NextAndPreviousJumpWithoutWrap)
{
    const TSynEditMarkList marks = breakpointsOn({30, 5, 12});
    const struct {
        const char* name;
        bool next;
        int caretLine;
        std::optional<int> target;
    } cases[] = {
        {"NextFrom12", true, 12, 30},
        {"NextFromLast", true, 30, std::nullopt},
        {"NextFromAbove", true, 1, 5},
        {"NextFromBetween", true, 6, 12},
        {"PreviousFrom30", false, 30, 12},
        {"PreviousFromBelow", false, 50, 30},
        {"PreviousFromFirst", false, 5, std::nullopt},
        {"PreviousFrom3", false, 3, std::nullopt},
    };
    for (const auto& c : cases) {
        const Caret caret{4, c.caretLine};
        const std::optional<int> got =
            c.next ? Breakpoints::NextBreakPointJump(marks, caret) : Breakpoints::PreviousBreakPointJump(marks, caret);
        EXPECT_EQ(got, c.target) << c.name;
    }
    EXPECT_EQ(Breakpoints::NextBreakPointJump(TSynEditMarkList{}, {1, 1}), std::nullopt);
}

TEST(Breakpoints, BreakpointFollowsInsertedLines)
{
    TSynEditMarkList marks = breakpointsOn({10});
    marks.linesInserted(4, 3);
    EXPECT_EQ(breakpointLines(marks), std::vector<int>{13});
    EXPECT_EQ(Breakpoints::NextBreakPointJump(marks, {1, 1}), 13);
}

TEST(Breakpoints, KeyUpOnlyActsOnMarkedLines)
{
    TSynEditMarkList marks = breakpointsOn({5});
    EXPECT_FALSE(Breakpoints::SynEdit1KeyUp(marks, {3, 6}));
    EXPECT_EQ(marks.count(), 1);

    // Typing on a breakpoint line re-makes the mark at the new column.
    EXPECT_TRUE(Breakpoints::SynEdit1KeyUp(marks, {9, 5}));
    ASSERT_EQ(marks.count(), 1);
    EXPECT_EQ(marks.at(0).Char, 9);
}

TEST(Breakpoints, BookmarkKeyReleaseAddsBreakpointThatClearsAlone)
{
    TSynEditMarkList marks;
    marks.setBookmark(1, 8, 3, true); // Ctrl+Shift+1 on line 8
    EXPECT_TRUE(Breakpoints::SynEdit1KeyUp(marks, {3, 8}));

    std::vector<TSynEditMark> onLine = marks.marksOfLine(8);
    ASSERT_EQ(onLine.size(), 2u);
    EXPECT_TRUE(onLine[0].IsBookmark);
    EXPECT_EQ(onLine[0].BookmarkNumber, 1);
    EXPECT_FALSE(onLine[1].IsBookmark);

    Breakpoints::ClearBreakPoint(marks, {3, 8});
    onLine = marks.marksOfLine(8);
    ASSERT_EQ(onLine.size(), 1u);
    EXPECT_TRUE(onLine[0].IsBookmark);
    EXPECT_EQ(onLine[0].BookmarkNumber, 1);
}

// "Clear all breakpoints" walks to the first mark's line once per mark, so a
// bookmark early in the list stops it from reaching later breakpoints.
TEST(Breakpoints, ClearAllBreakpoints)
{
    struct Mark {
        int line;
        int bookmark; // -1 for a breakpoint
    };
    const struct {
        const char* name;
        std::vector<Mark> marks;
        std::vector<int> breakpointsLeft;
    } cases[] = {
        {"NoMarks", {}, {}},
        {"OnlyBreakpoints", {{5, -1}, {12, -1}, {30, -1}}, {}},
        {"BookmarkFirstPinsWalk", {{8, 1}, {5, -1}, {12, -1}}, {5, 12}},
        {"BookmarkInMiddle", {{5, -1}, {8, 1}, {12, -1}}, {12}},
        {"BookmarkLast", {{5, -1}, {12, -1}, {8, 1}}, {}},
        {"BreakpointBesideFirstBookmark", {{8, 1}, {8, -1}, {12, -1}}, {12}},
    };
    for (const auto& c : cases) {
        TSynEditMarkList marks;
        int bookmarks = 0;
        for (const Mark& m : c.marks) {
            if (m.bookmark < 0) {
                Breakpoints::SetBreakpoint(marks, {1, m.line});
            } else {
                marks.setBookmark(m.bookmark, m.line, 1, true);
                ++bookmarks;
            }
        }
        const Caret caret{6, 20};
        EXPECT_EQ(Breakpoints::ClearAllBreakpoints(marks, caret), caret) << c.name;
        EXPECT_EQ(breakpointLines(marks), c.breakpointsLeft) << c.name;
        EXPECT_EQ(marks.count() - int(c.breakpointsLeft.size()), bookmarks) << c.name;
    }
}

} // namespace
