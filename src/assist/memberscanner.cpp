#include "assist/memberscanner.h"

#include "assist/scannertext.h"

#include <array>

using ScannerText::has;
using ScannerText::trimmed;

namespace {

bool isPrimitiveType(std::string_view keyword)
{
    static constexpr std::array<std::string_view, 8> kTypes = {"boolean", "byte", "char",  "short",
                                                               "int",     "long", "float", "double"};
    for (std::string_view t : kTypes)
        if (keyword == t)
            return true;
    return false;
}

} // namespace

MemberScanner::MemberScanner(const NamePattern& name, bool includePrivateMembers)
    : className(name), includePrivate(includePrivateMembers)
{
}

void MemberScanner::feed(TokenKind kind, std::string_view token)
{
    switch (kind) {
    case TokenKind::Symbol:
        symbol(token);
        previousWordKeyword = {};
        break;
    case TokenKind::Keyword:
        keyword(token);
        previousWordKeyword = isPrimitiveType(token) ? token : std::string_view();
        break;
    case TokenKind::Identifier:
        identifier(token);
        previousWordKeyword = {};
        break;
    case TokenKind::Space:
        if (atMemberLevel() && !skipping)
            buffer += ' ';
        break;
    case TokenKind::Comment:
    case TokenKind::Documentation:
        break;
    default:
        // Numbers, strings and stray bytes change nothing but end a word.
        previousWordKeyword = {};
        break;
    }
}

void MemberScanner::append(std::string_view entry)
{
    result.emplace_back(trimmed(entry));
}

// Listed unless private (when those are left out), the main method or a
// constructor, whose head has a blank before the class name.
void MemberScanner::acceptBuffer()
{
    if ((!has(buffer, "private") || includePrivate) && !has(buffer, " main(") && !className.foundIn(buffer, " ", "("))
        append(buffer);
}

void MemberScanner::symbol(std::string_view token)
{
    if (atMemberLevel()) {
        if (has(token, '('))
            inParentheses = true;
        else if (has(token, ')'))
            inParentheses = false;
        if (has(token, ',') && pendingType.empty() && !inParentheses) {
            // The first name of "Type a, b"; the type is remembered for the others.
            const std::string type = keywordTypeOfLast.empty() ? identifierBefore : keywordTypeOfLast;
            append(type + ' ' + lastIdentifier);
            buffer.clear();
            pendingType = type;
        }
        if (has(token, '=') || has(token, ')') || has(token, ';'))
            pendingType.clear();
        if (has(token, '=') || has(token, ';') || has(token, '{')) {
            if (has(token, '='))
                skipping = true;
            if (has(token, '{'))
                skipping = false;
            if (skipping && has(token, ';')) {
                skipping = false;
                buffer.clear();
            }
            if (!trimmed(buffer).empty()) {
                acceptBuffer();
                buffer.clear();
            }
        } else if (!skipping) {
            buffer += token;
        }
    }
    if (has(token, '{'))
        ++depth;
    else if (has(token, '}'))
        --depth;
}

void MemberScanner::keyword(std::string_view token)
{
    lastKeywordIsClass = has(token, "class");
    if (insideClass && has(token, "throws")) {
        skipping = true;
        if ((!has(buffer, "private") || includePrivate) && depth == 1 && !className.foundIn(buffer, "", "("))
            append(buffer);
        buffer.clear();
    }
    if (atMemberLevel() && !skipping)
        buffer += token;
}

void MemberScanner::identifier(std::string_view token)
{
    if (atMemberLevel() && !skipping)
        buffer += token;
    if (depth == 0 && lastKeywordIsClass)
        insideClass = className.foundIn(token);
    if (insideClass && !inParentheses && !skipping && !trimmed(pendingType).empty()) {
        append(pendingType + ' ' + std::string(token));
        buffer.clear();
    }
    identifierBefore = std::move(lastIdentifier);
    lastIdentifier.assign(token);
    keywordTypeOfLast.assign(previousWordKeyword);
}
