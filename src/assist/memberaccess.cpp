#include "assist/memberaccess.h"

#include "assist/scannertext.h"
#include "editor/tsynjavasyn.h"

#include <string>

MemberAccess findMemberAccess(std::string_view caretLine, int caretColumn)
{
    std::string line(caretLine);
    line += '.';
    std::string_view lastIdentifier, objectName, qualifier;
    // The identifier before the last identifier's dot, when "x.y" led to it.
    std::string_view qualifierOfLast, identifierBeforeDot;
    bool dotAfterIdentifier = false;
    TSynJavaSyn lexer;
    int column = 1;
    for (lexer.SetLine(line, 0); !lexer.GetEol(); lexer.Next()) {
        const std::string_view token = lexer.GetToken();
        switch (lexer.GetTokenKind()) {
        case TokenKind::Identifier:
            qualifierOfLast = dotAfterIdentifier ? identifierBeforeDot : std::string_view();
            lastIdentifier = token;
            dotAfterIdentifier = false;
            break;
        case TokenKind::Symbol:
            if (ScannerText::has(token, '.')) {
                objectName = lastIdentifier;
                qualifier = qualifierOfLast;
                dotAfterIdentifier = !lastIdentifier.empty();
                identifierBeforeDot = lastIdentifier;
            } else {
                dotAfterIdentifier = false;
            }
            break;
        case TokenKind::Number:
            if (ScannerText::has(token, '.'))
                objectName = {};
            dotAfterIdentifier = false;
            break;
        case TokenKind::Space:
            break;
        default:
            dotAfterIdentifier = false;
            break;
        }
        column += std::max<int>(int(token.size()), 1);
        if (column >= caretColumn + 1)
            break;
    }
    if (objectName.empty())
        objectName = lastIdentifier;
    return {std::string(lastIdentifier), std::string(objectName), std::string(qualifier)};
}
