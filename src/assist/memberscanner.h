#pragma once

#include "assist/namepattern.h"
#include "editor/tokenkind.h"

#include <string>
#include <string_view>
#include <vector>

// The member scanner of FinnAlleDatamedlemmer (find all data members), fed
// one token at a time in document order. It lists the declarations it finds
// at the top level of every class whose name contains the wanted one:
// fields up to their "=" or ";", methods up to their "{", ";" or "throws".
//
// Its state is public so that a scan can resume at a class declaration with
// the state a scan from the first line would have there (JavaDocumentIndex).
class MemberScanner {
public:
    MemberScanner(const NamePattern& className, bool includePrivate);

    void feed(TokenKind kind, std::string_view token);

    const NamePattern& className;
    bool includePrivate;

    int depth = 0;
    bool insideClass = false;
    bool inParentheses = false;
    bool skipping = false; // an initializer or a throws clause
    bool lastKeywordIsClass = false;
    std::string buffer;      // the words of the declaration being read
    std::string pendingType; // the type of a "Type a, b" list
    std::string lastIdentifier;
    std::string identifierBefore; // the identifier before the last one
    // The primitive type keyword standing right before the last identifier,
    // if one does: "int a, b" lists "int a" and "int b".
    std::string keywordTypeOfLast;
    std::string_view previousWordKeyword; // the last keyword, while no other word followed
    std::vector<std::string> result;

private:
    bool atMemberLevel() const { return depth == 1 && insideClass; }
    void symbol(std::string_view token);
    void keyword(std::string_view token);
    void identifier(std::string_view token);
    void acceptBuffer();
    void append(std::string_view entry);
};
