#include "assist/typelookup.h"

#include "assist/documentlines.h"
#include "assist/scannertext.h"
#include "editor/tsynjavasyn.h"

#include <array>
#include <string>
#include <vector>

using ScannerText::has;

namespace {

struct Declaration {
    std::string type;
    int depth = 0;
};

// The declaration stack: pushed per declaration, popped as braces close.
class Scopes {
public:
    void push(std::string type, int depth) { m_stack.push_back({std::move(type), depth}); }
    void closed(int newDepth)
    {
        // One declaration per closing brace; when a member body ends, every
        // declaration of that body.
        if (!m_stack.empty() && newDepth < m_stack.back().depth)
            m_stack.pop_back();
        if (newDepth == 1)
            while (!m_stack.empty() && m_stack.back().depth >= 2)
                m_stack.pop_back();
    }
    const std::string* top() const { return m_stack.empty() ? nullptr : &m_stack.back().type; }

private:
    std::vector<Declaration> m_stack;
};

bool mayPrecedeDeclaration(std::string_view twoBack)
{
    static constexpr std::array<std::string_view, 12> kExcluded = {
        "<", ">", "=", ";", "{", "int", "boolean", "long", "double", "byte", "short", "char"};
    if (ScannerText::trimmed(twoBack).empty())
        return false;
    for (std::string_view part : kExcluded)
        if (has(twoBack, part))
            return false;
    return true;
}

// The last significant tokens (no spaces or comments), for reading a type
// with arguments backwards from its closing ">".
class RecentWords {
public:
    void add(TokenKind kind, std::string_view token)
    {
        m_words[m_next % kSize] = {kind, token};
        ++m_next;
    }
    // The raw type when the words before the name are "Type < ... >".
    std::string_view rawTypeBeforeName() const
    {
        int balance = 0;
        for (std::size_t back = 1; back <= std::min(m_next, kSize); ++back) {
            const auto& [kind, token] = m_words[(m_next - back) % kSize];
            if (back == 1 && (kind != TokenKind::Symbol || token.find_first_not_of('>') != std::string_view::npos))
                return {};
            if (kind == TokenKind::Symbol && token.find_first_not_of('>') == std::string_view::npos) {
                balance += int(token.size());
            } else if (kind == TokenKind::Symbol && token == "<") {
                if (--balance == 0) {
                    if (back + 1 > std::min(m_next, kSize))
                        return {};
                    const auto& [typeKind, type] = m_words[(m_next - back - 1) % kSize];
                    return typeKind == TokenKind::Identifier ? type : std::string_view();
                }
            } else if (kind != TokenKind::Identifier && kind != TokenKind::Keyword && token != "," && token != "?" &&
                       token != "." && token != "[" && token != "]" && token != "&") {
                return {};
            }
        }
        return {};
    }

private:
    static constexpr std::size_t kSize = 32;
    std::array<std::pair<TokenKind, std::string_view>, kSize> m_words{};
    std::size_t m_next = 0;
};

} // namespace

DeclaredType lookUpDeclaredType(const DocumentLines& lines, int classStart, int caretLine, std::string_view objectName)
{
    DeclaredType result;
    if (classStart < 0 || objectName.empty())
        return result;
    TSynJavaSyn lexer;
    int depth = 0;
    bool inParentheses = false;
    bool closedBeforeCaret = false;
    // Tokens are views into the document, which outlives the scan.
    std::string_view before, twoBack;
    std::string lastIdentifier, identifierBefore, pendingType;
    Scopes scopes, genericScopes;
    RecentWords recent;
    for (int i = classStart; i < lines.count() && i <= caretLine; ++i) {
        for (lexer.SetLine(lines.line(i), i); !lexer.GetEol(); lexer.Next()) {
            const TokenKind kind = lexer.GetTokenKind();
            const std::string_view token = lexer.GetToken();
            if (kind == TokenKind::Symbol) {
                if (has(token, '('))
                    inParentheses = true;
                else if (has(token, ')'))
                    inParentheses = false;
                if (has(token, ',') && pendingType.empty())
                    pendingType = identifierBefore;
                if (has(token, '=') || has(token, ')') || has(token, ';'))
                    pendingType.clear();
                if (has(token, '{')) {
                    ++depth;
                } else if (has(token, '}')) {
                    // The brace that closes the class itself ends the scan
                    // with its line.
                    if (depth == 1)
                        closedBeforeCaret = true;
                    --depth;
                    scopes.closed(depth);
                    genericScopes.closed(depth);
                }
            } else if (kind == TokenKind::Identifier) {
                if (i != caretLine && token == objectName) {
                    const int scopeDepth = (inParentheses && depth == 1) ? 2 : depth;
                    if (mayPrecedeDeclaration(twoBack) && !has(before, '(')) {
                        if (has(twoBack, ',') || has(before, ',')) {
                            if (!inParentheses)
                                scopes.push(pendingType, scopeDepth);
                        } else {
                            scopes.push(std::string(ScannerText::trimmed(lastIdentifier)), scopeDepth);
                        }
                    } else if (const std::string_view raw = recent.rawTypeBeforeName(); !raw.empty()) {
                        genericScopes.push(std::string(raw), scopeDepth);
                    }
                }
                identifierBefore = std::move(lastIdentifier);
                lastIdentifier.assign(token);
            }
            if (kind != TokenKind::Space && kind != TokenKind::Comment && kind != TokenKind::Documentation)
                recent.add(kind, token);
            twoBack = before;
            before = token;
        }
        if (closedBeforeCaret)
            return result;
    }
    // An empty type (a list whose type word was not found) is no type.
    if (const std::string* type = scopes.top(); type && !ScannerText::trimmed(*type).empty())
        result.type = ScannerText::decode(*type);
    else if (const std::string* raw = genericScopes.top())
        result.rawGenericType = ScannerText::decode(*raw);
    return result;
}
