#pragma once

#include "editor/tsyncustomhighlighter.h"

#include <ostream>
#include <string>
#include <vector>

// A token as tests compare it: kind and text.
struct Tok {
    TokenKind kind;
    std::string text;
    bool operator==(const Tok& o) const { return kind == o.kind && text == o.text; }
};

inline std::ostream& operator<<(std::ostream& os, const Tok& t)
{
    return os << "{" << tokenKindName(t.kind) << ", \"" << t.text << "\"}";
}

// All tokens of the lines, fed in order to one highlighter instance, so the
// state carries from line to line.
inline std::vector<std::vector<Tok>> tokenizeLines(TSynCustomHighlighter& hl, const std::vector<std::string>& lines)
{
    std::vector<std::vector<Tok>> out;
    int n = 0;
    for (const std::string& line : lines) {
        std::vector<Tok> toks;
        for (hl.SetLine(line, n++); !hl.GetEol(); hl.Next())
            toks.push_back({hl.GetTokenKind(), std::string(hl.GetToken())});
        out.push_back(std::move(toks));
    }
    return out;
}

inline std::vector<Tok> tokenizeLine(TSynCustomHighlighter& hl, const std::string& line)
{
    return tokenizeLines(hl, {line}).front();
}
