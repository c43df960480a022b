#include "workspace/breakpoints.h"

#include "editor/tsyneditmarklist.h"

#include <algorithm>
#include <vector>

namespace Breakpoints {

namespace {

std::vector<int> sortedLines(const TSynEditMarkList& marks)
{
    std::vector<int> lines;
    lines.reserve(std::size_t(marks.count()));
    for (const TSynEditMark& m : marks.items())
        lines.push_back(m.Line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

} // namespace

void BreakPointChange(TSynEditMarkList& marks, Caret caret, int /*line*/, int imageIndex)
{
    marks.clearLine(caret.Line);
    TSynEditMark mark;
    mark.Line = caret.Line;
    mark.Char = caret.Char;
    mark.ImageIndex = imageIndex;
    mark.Visible = true;
    mark.InternalImage = false;
    mark.IsBookmark = false;
    mark.BookmarkNumber = -1;
    marks.place(mark);
}

void SetBreakpoint(TSynEditMarkList& marks, Caret caret)
{
    BreakPointChange(marks, caret, caret.Line, BreakpointImage);
}

void ClearBreakPoint(TSynEditMarkList& marks, Caret caret)
{
    marks.clearLine(caret.Line);
}

QStringList SorterBreakPoints(const TSynEditMarkList& marks)
{
    QStringList out;
    for (int line : sortedLines(marks))
        out.append(QString::number(line));
    return out;
}

bool IsBookmarkAtLine(const TSynEditMarkList& marks, int line)
{
    const auto& items = marks.items();
    return std::any_of(items.begin(), items.end(), [line](const TSynEditMark& m) { return m.Line == line; });
}

std::optional<int> NextBreakPointJump(const TSynEditMarkList& marks, Caret caret)
{
    for (int line : sortedLines(marks))
        if (line > caret.Line)
            return line;
    return std::nullopt;
}

std::optional<int> PreviousBreakPointJump(const TSynEditMarkList& marks, Caret caret)
{
    const std::vector<int> lines = sortedLines(marks);
    for (auto it = lines.rbegin(); it != lines.rend(); ++it)
        if (*it < caret.Line)
            return *it;
    return std::nullopt;
}

bool SynEdit1KeyUp(TSynEditMarkList& marks, Caret caret)
{
    if (!IsBookmarkAtLine(marks, caret.Line))
        return false;
    SetBreakpoint(marks, caret);
    return true;
}

Caret ClearAllBreakpoints(TSynEditMarkList& marks, Caret caret)
{
    const Caret remembered = caret;
    const int rounds = marks.count();
    // A line holds at most one breakpoint, so a round removes at most one
    // mark and the list only runs dry early when marks placed some other way
    // share a line.
    for (int i = 0; i < rounds && marks.count() > 0; ++i) {
        caret.Line = marks.at(0).Line;
        ClearBreakPoint(marks, caret);
    }
    return remembered;
}

} // namespace Breakpoints
