#include "workspace/commenttests.h"

#include "editor/tsynhtmlsyn.h"
#include "editor/tsynjavasyn.h"
#include "editor/tsynxmlsyn.h"

#include <algorithm>
#include <string_view>

namespace CommentTests {
namespace {

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// Calls visit(kind, text, lineIndex) for every token from the first line up
// to the caret, in order, with the highlighter's state carried from line to
// line. On the caret line a token that starts at or after the caret is not
// visited, and the one the caret splits is cut at the caret: a marker counts
// only when all of it lies before the caret.
template <class Visit>
void walkToCaret(TSynCustomHighlighter& highlighter, const LineSource& lineAt, int caretColumn, int caretLine,
                 Visit visit)
{
    for (int index = 0; index < caretLine; ++index) {
        const QByteArray bytes = lineAt(index);
        const bool onCaretLine = index == caretLine - 1;
        const std::size_t caret = onCaretLine ? std::size_t(std::max(caretColumn - 1, 0)) : std::string_view::npos;
        highlighter.SetLine(std::string_view(bytes.constData(), std::size_t(bytes.size())), index);
        for (; !highlighter.GetEol(); highlighter.Next()) {
            const std::size_t start = std::size_t(highlighter.GetTokenPos());
            if (start >= caret)
                break;
            visit(highlighter.GetTokenKind(), highlighter.GetToken().substr(0, caret - start), index);
        }
    }
}

// A comment is open once a token holds "<!--" and closed by one holding
// "-->"; tested in that order, so "<!-- x -->" leaves it closed.
bool markupCommentTest(TSynCustomHighlighter& highlighter, TokenKind markerKind, const LineSource& lineAt,
                       int caretColumn, int caretLine)
{
    bool inComment = false;
    walkToCaret(highlighter, lineAt, caretColumn, caretLine, [&](TokenKind kind, std::string_view text, int) {
        if (kind != markerKind)
            return;
        if (contains(text, "<!--"))
            inComment = true;
        if (contains(text, "-->"))
            inComment = false;
    });
    return inComment;
}

} // namespace

bool isCaretXYInCommentHTMLv(const LineSource& lineAt, int caretColumn, int caretLine)
{
    TSynHTMLSyn highlighter;
    return markupCommentTest(highlighter, TokenKind::Comment, lineAt, caretColumn, caretLine);
}

bool isCaretXYInCommentXMLv(const LineSource& lineAt, int caretColumn, int caretLine)
{
    TSynXMLSyn highlighter;
    return markupCommentTest(highlighter, TokenKind::Symbol, lineAt, caretColumn, caretLine);
}

// Java comments go by their markers, read from the comment and documentation
// tokens (a "//" or "/*" inside a string is a String token and never seen):
// - while a block comment is open, a comment token continues it and closes
//   it when it holds "*/";
// - otherwise a token starting with "/*" opens a block, closed at once when
//   "*/" follows the opener ("/*/" is still open, "/**/" is closed);
// - otherwise a token starting with "//" is a line comment, open up to the
//   end of its line ("*/" inside it means nothing).
// The caret is inside when, after the text before it, a block is open or a
// line comment on the caret line has begun. So the caret is in a comment
// right after "//" or "/*" and anywhere up to and including the "*" of the
// closing "*/", not in front of "//" nor right after "*/"; a caret beyond
// the end of a line comment is inside it, since text typed there joins it.
bool isCaretXYInComment(const LineSource& lineAt, int caretColumn, int caretLine)
{
    TSynJavaSyn highlighter;
    bool inBlock = false;
    int lineCommentLine = -1;
    walkToCaret(highlighter, lineAt, caretColumn, caretLine, [&](TokenKind kind, std::string_view text, int index) {
        if (kind != TokenKind::Comment && kind != TokenKind::Documentation)
            return;
        if (inBlock)
            inBlock = !contains(text, "*/");
        else if (text.starts_with("/*"))
            inBlock = text.find("*/", 2) == std::string_view::npos;
        else if (text.starts_with("//"))
            lineCommentLine = index;
    });
    return inBlock || (lineCommentLine >= 0 && lineCommentLine == caretLine - 1);
}

} // namespace CommentTests
