#include "assist/caretcontext.h"

#include "editor/tsynjavasyn.h"

namespace CaretContext {
namespace {

bool contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

// A quoted literal that ends on its line with its own closing quote (not an
// escaped one).
bool closedLiteral(std::string_view token)
{
    if (token.size() < 2 || token.back() != token.front())
        return false;
    std::size_t backslashes = 0;
    for (std::size_t i = token.size() - 1; i > 1 && token[i - 1] == '\\'; --i)
        ++backslashes;
    return backslashes % 2 == 0;
}

} // namespace

bool inCommentOrString(int startRange, std::string_view line, int caretColumn)
{
    using Range = TSynJavaSyn::Range;
    const std::size_t caret = std::size_t(std::max(caretColumn - 1, 0));
    TSynJavaSyn lexer;
    lexer.SetRange(startRange);
    bool inBlock = startRange == int(Range::Comment) || startRange == int(Range::Documentation);
    bool lineComment = false;
    bool inString = startRange == int(Range::TextBlock);
    for (lexer.SetLine(line, 0); !lexer.GetEol(); lexer.Next()) {
        const std::size_t start = std::size_t(lexer.GetTokenPos());
        if (start >= caret)
            break;
        const std::string_view whole = lexer.GetToken();
        const std::string_view text = whole.substr(0, caret - start);
        const std::size_t end = start + whole.size();
        switch (lexer.GetTokenKind()) {
        case TokenKind::Comment:
        case TokenKind::Documentation:
            if (inBlock)
                inBlock = !contains(text, "*/");
            else if (text.starts_with("/*"))
                inBlock = text.find("*/", 2) == std::string_view::npos;
            else if (text.starts_with("//"))
                lineComment = true;
            break;
        case TokenKind::String:
            if (end > caret) {
                inString = true; // the caret splits the literal
            } else if (inString || whole.starts_with("\"\"\"")) {
                // A text block goes on while the lexer is still inside it.
                inString = lexer.GetRange() == int(Range::TextBlock);
            } else {
                inString = !closedLiteral(whole);
            }
            break;
        default:
            inString = false;
            break;
        }
    }
    return inBlock || lineComment || inString;
}

} // namespace CaretContext
