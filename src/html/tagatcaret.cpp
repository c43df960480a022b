#include "html/tagatcaret.h"

#include "editor/tsynhtmlsyn.h"

#include <algorithm>
#include <string_view>

namespace TagAtCaret {

namespace {

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// A quoted token whose quote is still open at its end runs on past the caret.
bool quoteOpenAtEnd(std::string_view token)
{
    return std::count(token.begin(), token.end(), '"') % 2 == 1;
}

// line(index) gives a line as a string_view that stays valid until the
// next call.
template <class Line>
QString findTag(Line line, int caretColumn, int caretLine)
{
    if (caretLine < 1)
        return {};
    TSynHTMLSyn lexer;
    bool inComment = false;
    // Comments may open or close on the lines above; only comment tokens
    // hold the markers (a quoted "<!--" is no comment).
    for (int index = 0; index < caretLine - 1; ++index) {
        lexer.SetLine(line(index), index);
        for (; !lexer.GetEol(); lexer.Next()) {
            if (lexer.GetTokenKind() != TokenKind::Comment)
                continue;
            const std::string_view token = lexer.GetToken();
            if (contains(token, "<!--"))
                inComment = true;
            if (contains(token, "-->"))
                inComment = false;
        }
    }

    const int X = caretColumn;
    const std::string_view caretText = line(caretLine - 1);
    lexer.SetLine(caretText, caretLine - 1);
    bool inTag = false;
    std::string_view tagName;
    int column = 1;
    for (; !lexer.GetEol(); lexer.Next()) {
        if (column >= X + 1)
            break;
        const std::string_view token = lexer.GetToken();
        const int start = column;
        const int end = start + std::max(int(token.size()), 1); // first column after the token
        column = end;
        const TokenKind kind = lexer.GetTokenKind();
        if (kind == TokenKind::Comment) {
            if (contains(token, "<!--"))
                inComment = true;
            if (contains(token, "-->"))
                inComment = false;
        }
        // The caret inside a quoted value.
        if (contains(token, "\"") && start <= X && (end > X || (end == X && quoteOpenAtEnd(token))))
            return {};
        if (kind == TokenKind::Symbol) {
            if (inComment && end <= X)
                return {};
            if (contains(token, "<")) {
                inTag = true;
                tagName = {};
            } else if (contains(token, ">")) {
                if (start == X)
                    break; // the caret stands just before the ">"
                inTag = false;
                tagName = {};
            }
        } else if (kind == TokenKind::KnownTag) {
            if (inComment && end <= X)
                return {};
            // An end tag's name comes with its "/": no start tag.
            if (inTag && !inComment)
                tagName = token.starts_with('/') ? std::string_view() : token;
        }
    }
    return QString::fromLatin1(tagName.data(), qsizetype(tagName.size())).toLower();
}

} // namespace

QString FindKeyWordInNow(const LineSource& lineAt, int caretColumn, int caretLine)
{
    QByteArray current;
    return findTag(
        [&](int index) {
            current = lineAt(index);
            return std::string_view(current.constData(), std::size_t(current.size()));
        },
        caretColumn, caretLine);
}

QString FindKeyWordInNow(std::string_view document, int caretColumn, int caretLine)
{
    // Lines are asked for in order: walk the text once.
    std::size_t next = 0;
    return findTag(
        [&](int) {
            if (next > document.size())
                return std::string_view();
            const std::size_t end = std::min(document.find('\n', next), document.size());
            const std::string_view line = document.substr(next, end - next);
            next = end + 1;
            return line;
        },
        caretColumn, caretLine);
}

} // namespace TagAtCaret
