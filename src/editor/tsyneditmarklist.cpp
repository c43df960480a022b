#include "editor/tsyneditmarklist.h"

#include <algorithm>

void TSynEditMarkList::clearLine(int line)
{
    m_marks.erase(std::remove_if(m_marks.begin(), m_marks.end(),
                                 [line](const TSynEditMark& m) { return m.Line == line && !m.IsBookmark; }),
                  m_marks.end());
}

void TSynEditMarkList::remove(int index)
{
    if (index >= 0 && index < count())
        m_marks.erase(m_marks.begin() + index);
}

std::vector<TSynEditMark> TSynEditMarkList::marksOfLine(int line) const
{
    std::vector<TSynEditMark> out;
    for (const TSynEditMark& m : m_marks)
        if (m.Line == line)
            out.push_back(m);
    return out;
}

int TSynEditMarkList::findBookmark(int number) const
{
    for (int i = 0; i < count(); ++i)
        if (m_marks[std::size_t(i)].IsBookmark && m_marks[std::size_t(i)].BookmarkNumber == number)
            return i;
    return -1;
}

void TSynEditMarkList::setBookmark(int number, int line, int column, bool haveImageList)
{
    clearBookmark(number);
    TSynEditMark m;
    m.Line = line;
    m.Char = column;
    m.ImageIndex = number;
    m.Visible = true;
    m.InternalImage = !haveImageList;
    m.IsBookmark = true;
    m.BookmarkNumber = number;
    place(m);
}

void TSynEditMarkList::clearBookmark(int number)
{
    remove(findBookmark(number));
}

void TSynEditMarkList::linesInserted(int firstLine, int count)
{
    for (TSynEditMark& m : m_marks)
        if (m.Line >= firstLine)
            m.Line += count;
}

void TSynEditMarkList::linesDeleted(int firstLine, int count)
{
    for (TSynEditMark& m : m_marks) {
        if (m.Line >= firstLine + count)
            m.Line -= count;
        else if (m.Line > firstLine)
            m.Line = firstLine;
    }
}
