#include "editor/tsyneditmarklist.h"

#include <gtest/gtest.h>

namespace {

TSynEditMark breakpoint(int line)
{
    TSynEditMark m;
    m.Line = line;
    return m;
}

std::vector<int> lines(const TSynEditMarkList& list)
{
    std::vector<int> out;
    for (const TSynEditMark& m : list.items())
        out.push_back(m.Line);
    return out;
}

TEST(TSynEditMarkList, InsertedLinesMoveMarksAtOrBelow)
{
    TSynEditMarkList list;
    for (int l : {3, 10, 12})
        list.place(breakpoint(l));
    list.linesInserted(10, 3);
    EXPECT_EQ(lines(list), (std::vector<int>{3, 13, 15}));
}

TEST(TSynEditMarkList, DeletedBlockSendsInsideMarksToItsFirstLine)
{
    TSynEditMarkList list;
    for (int l : {4, 5, 6, 7, 8, 20})
        list.place(breakpoint(l));
    list.linesDeleted(5, 3); // lines 5..7 gone
    EXPECT_EQ(lines(list), (std::vector<int>{4, 5, 5, 5, 5, 17}));
}

TEST(TSynEditMarkList, ClearLineKeepsBookmarksAndOrder)
{
    TSynEditMarkList list;
    list.place(breakpoint(8));
    list.setBookmark(1, 8, 3, true);
    list.place(breakpoint(9));
    list.clearLine(8);
    ASSERT_EQ(list.count(), 2);
    EXPECT_TRUE(list.at(0).IsBookmark);
    EXPECT_EQ(list.at(1).Line, 9);
}

TEST(TSynEditMarkList, SettingABookmarkAgainMovesIt)
{
    TSynEditMarkList list;
    list.setBookmark(2, 4, 1, true);
    list.setBookmark(2, 9, 5, true);
    ASSERT_EQ(list.count(), 1);
    const TSynEditMark& m = list.at(0);
    EXPECT_EQ(m.Line, 9);
    EXPECT_EQ(m.Char, 5);
    EXPECT_EQ(m.ImageIndex, 2);
    EXPECT_EQ(m.BookmarkNumber, 2);
    EXPECT_FALSE(m.InternalImage);
    list.setBookmark(3, 1, 1, false);
    EXPECT_TRUE(list.at(1).InternalImage);
}

} // namespace
