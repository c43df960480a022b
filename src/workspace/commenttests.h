#pragma once

#include <QByteArray>

#include <functional>

// Whether the caret lies inside a comment, asked before the assistance keys
// ("." and Space in Java, ">" in HTML and XML) do their work. Each test
// tokenizes the document from its first line to the caret line with a
// highlighter of its own, so the one painting the window is not disturbed;
// the cost grows with the caret's line number.
//
// All three look at the text before the caret: the tokens that end at or
// before the caret column, and of the token the caret splits only the part
// in front of it. A caret beyond the line's end sees the whole line.
namespace CommentTests {

// The bytes of line index (0-based), as the edit control's lineBytes() gives
// them; asked for 0 .. caretLine - 1 in order.
using LineSource = std::function<QByteArray(int index)>;

// HTML: inside <!-- ... --> begun on an earlier line or earlier on the caret
// line and not ended before the caret. Caret column and line are 1-based.
bool isCaretXYInCommentHTMLv(const LineSource& lineAt, int caretColumn, int caretLine);

// XML: the same, going by the "<!--" and "-->" symbols.
bool isCaretXYInCommentXMLv(const LineSource& lineAt, int caretColumn, int caretLine);

// Java: inside a line comment or a block (or documentation) comment that is
// still open at the caret.
bool isCaretXYInComment(const LineSource& lineAt, int caretColumn, int caretLine);

} // namespace CommentTests
