#include "editor/tokenwalker.h"
#include "editor/tsynjavasyn.h"

#include <gtest/gtest.h>

namespace {

struct Token {
    QString text;
    TokenKind kind;
};

std::vector<Token> walk(const QString& line)
{
    TSynJavaSyn java;
    TokenWalker walker(java);
    std::vector<Token> tokens;
    int next = 0;
    for (walker.setLine(line, 0); !walker.eol(); walker.next()) {
        EXPECT_EQ(walker.start(), next) << "tokens must tile the line";
        next = walker.start() + walker.length();
        tokens.push_back({walker.text().toString(), walker.kind()});
    }
    EXPECT_EQ(next, line.size());
    return tokens;
}

// Lines of 8-bit characters are scanned as the edit control scans them;
// wider characters go through UTF-8 and come back as whole characters, a
// surrogate pair included.
TEST(TokenWalker, TokensAreCharacterRangesOfTheLine)
{
    const std::vector<Token> latin = walk(QString::fromLatin1("int caf\xe9 = 1;"));
    ASSERT_EQ(latin.size(), 8u);
    EXPECT_EQ(latin[2].text, QString::fromLatin1("caf\xe9"));
    EXPECT_EQ(latin[2].kind, TokenKind::Identifier);

    const QString wide = QStringLiteral("s = \"\u20ac \U0001F600\"; // caf\u00e9 \u4e2d");
    const std::vector<Token> tokens = walk(wide);
    QString joined;
    for (const Token& t : tokens)
        joined += t.text;
    EXPECT_EQ(joined, wide);
    EXPECT_EQ(tokens[4].text, QStringLiteral("\"\u20ac \U0001F600\""));
    EXPECT_EQ(tokens[4].kind, TokenKind::String);
    EXPECT_EQ(tokens.back().text, QStringLiteral("// caf\u00e9 \u4e2d"));
    EXPECT_EQ(tokens.back().kind, TokenKind::Comment);
}

} // namespace
