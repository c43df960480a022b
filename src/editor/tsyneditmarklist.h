#pragma once

#include <vector>

// A mark in the gutter: a bookmark or a breakpoint.
struct TSynEditMark {
    int Line = 1;          // 1-based
    int Char = 1;          // column, 1-based
    int ImageIndex = 0;    // index into the gutter's image list
    bool Visible = true;
    bool InternalImage = false; // drawn with the control's own glyph, not the image list
    bool IsBookmark = false;
    int BookmarkNumber = -1;    // 0 to 9, or -1
};

// The marks of one edit control in the order they were placed. Moves marks
// when lines are inserted or deleted, so a mark stays with its text.
class TSynEditMarkList {
public:
    const std::vector<TSynEditMark>& items() const { return m_marks; }
    int count() const { return int(m_marks.size()); }
    const TSynEditMark& at(int i) const { return m_marks[std::size_t(i)]; }
    TSynEditMark& at(int i) { return m_marks[std::size_t(i)]; }

    void place(const TSynEditMark& mark) { m_marks.push_back(mark); }
    // Removes every mark of the line that is not a bookmark.
    void clearLine(int line);
    void remove(int index);
    void clear() { m_marks.clear(); }
    std::vector<TSynEditMark> marksOfLine(int line) const;

    // Index of bookmark n, or -1.
    int findBookmark(int number) const;
    // Removes an earlier bookmark n, then places it on the line.
    void setBookmark(int number, int line, int column, bool haveImageList);
    void clearBookmark(int number);

    // count lines were inserted so that they begin at firstLine: marks at or
    // below it move down.
    void linesInserted(int firstLine, int count);
    // count lines beginning at firstLine were deleted: marks below the block
    // move up, marks inside it go to the block's first line.
    void linesDeleted(int firstLine, int count);

private:
    std::vector<TSynEditMark> m_marks;
};
