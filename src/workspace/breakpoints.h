#pragma once

#include <QStringList>

#include <optional>

class TSynEditMarkList;

// Breakpoints of an editor window. They have no list of their own: they are
// the edit control's marks, shared with the numbered bookmarks, so they move
// with the text. These functions work on that mark list and the caret; the
// window applies the caret they return and repaints the gutter.
namespace Breakpoints {

// The caret, 1-based, with the same fields as the edit control's BufferCoord.
struct Caret {
    int Char = 1;
    int Line = 1;
    bool operator==(const Caret&) const = default;
};

// Image 0 of the window's gutter images (imglGutterGlyphs), shared with bookmark 0.
inline constexpr int BreakpointImage = 0;

// Removes every mark on the caret line that is not a bookmark, then appends a
// mark at the caret with imageIndex: visible, not internal, not a bookmark.
// line is not used: the caret line always wins.
void BreakPointChange(TSynEditMarkList& marks, Caret caret, int line, int imageIndex);
void SetBreakpoint(TSynEditMarkList& marks, Caret caret);
// Removes the caret line's marks that are not bookmarks; bookmarks stay.
void ClearBreakPoint(TSynEditMarkList& marks, Caret caret);

// SorterBreakPoints: sort breakpoints. The line of every mark, bookmarks
// included, as decimal texts in ascending numeric order, duplicates kept.
QStringList SorterBreakPoints(const TSynEditMarkList& marks);
// True when any mark, breakpoint or bookmark, sits on line.
bool IsBookmarkAtLine(const TSynEditMarkList& marks, int line);

// The new caret line (the column stays), or nothing at the last or first
// marked line: there is no wrap-around.
std::optional<int> NextBreakPointJump(const TSynEditMarkList& marks, Caret caret);
std::optional<int> PreviousBreakPointJump(const TSynEditMarkList& marks, Caret caret);

// After any key is released in the edit control: a marked caret line gets its
// breakpoint re-made at the caret column, which is also how releasing
// Ctrl+Shift+digit puts a breakpoint beside the new bookmark. True when a
// breakpoint was set.
bool SynEdit1KeyUp(TSynEditMarkList& marks, Caret caret);

// "Clear all breakpoints" (Fjernallbokmerker1Click). Once per mark counted at
// the start, the caret goes to the first mark's line and that line's
// breakpoints are removed. A bookmark first in the list therefore pins the
// walk to its own line, so the command only clears everything when there are
// no bookmarks. Returns the caret to put back: where it was before.
Caret ClearAllBreakpoints(TSynEditMarkList& marks, Caret caret);

} // namespace Breakpoints
