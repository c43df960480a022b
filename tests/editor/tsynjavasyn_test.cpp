#include "editor/tsynjavasyn.h"

#include "editor/lexertesthelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using K = TokenKind;
using Lines = std::vector<std::vector<Tok>>;

const Tok sp{K::Space, " "};

struct LineCase {
    const char* name;
    std::string line;
    std::vector<Tok> tokens;
};

std::ostream& operator<<(std::ostream& os, const LineCase& c) { return os << c.name; }

const LineCase kLineCases[] = {
    {"EmptyLine", "", {}},
    {"ClassHead", "public class Hello extends Object {",
     {{K::Keyword, "public"}, sp, {K::Keyword, "class"}, sp, {K::Identifier, "Hello"}, sp,
      {K::Keyword, "extends"}, sp, {K::Identifier, "Object"}, sp, {K::Symbol, "{"}}},
    {"StringTypeIsIdentifier", "String s = \"a\\\"b\";",
     {{K::Identifier, "String"}, sp, {K::Identifier, "s"}, sp, {K::Symbol, "="}, sp, {K::String, "\"a\\\"b\""},
      {K::Symbol, ";"}}},
    {"PunctuationIsSingleBytes", "f(a,b)[0].x;{{}}",
     {{K::Identifier, "f"}, {K::Symbol, "("}, {K::Identifier, "a"}, {K::Symbol, ","}, {K::Identifier, "b"},
      {K::Symbol, ")"}, {K::Symbol, "["}, {K::Number, "0"}, {K::Symbol, "]"}, {K::Symbol, "."},
      {K::Identifier, "x"}, {K::Symbol, ";"}, {K::Symbol, "{"}, {K::Symbol, "{"}, {K::Symbol, "}"},
      {K::Symbol, "}"}}},
    {"ComparisonAndLogicOperatorsGroup", "a==b!=c<=d>=e&&f||!g",
     {{K::Identifier, "a"}, {K::Symbol, "=="}, {K::Identifier, "b"}, {K::Symbol, "!="}, {K::Identifier, "c"},
      {K::Symbol, "<="}, {K::Identifier, "d"}, {K::Symbol, ">="}, {K::Identifier, "e"}, {K::Symbol, "&&"},
      {K::Identifier, "f"}, {K::Symbol, "||"}, {K::Symbol, "!"}, {K::Identifier, "g"}}},
    {"ArithmeticLambdaAndReferenceOperators", "i++ --j x+=1 y/=2 p->q X::y a?b:c~d",
     {{K::Identifier, "i"}, {K::Symbol, "++"}, sp, {K::Symbol, "--"}, {K::Identifier, "j"}, sp,
      {K::Identifier, "x"}, {K::Symbol, "+="}, {K::Number, "1"}, sp, {K::Identifier, "y"}, {K::Symbol, "/="},
      {K::Number, "2"}, sp, {K::Identifier, "p"}, {K::Symbol, "->"}, {K::Identifier, "q"}, sp,
      {K::Identifier, "X"}, {K::Symbol, "::"}, {K::Identifier, "y"}, sp, {K::Identifier, "a"}, {K::Symbol, "?"},
      {K::Identifier, "b"}, {K::Symbol, ":"}, {K::Identifier, "c"}, {K::Symbol, "~"}, {K::Identifier, "d"}}},
    {"ShiftOperators", "a>>>=1<<=2>>b<<c>>>d",
     {{K::Identifier, "a"}, {K::Symbol, ">>>="}, {K::Number, "1"}, {K::Symbol, "<<="}, {K::Number, "2"},
      {K::Symbol, ">>"}, {K::Identifier, "b"}, {K::Symbol, "<<"}, {K::Identifier, "c"}, {K::Symbol, ">>>"},
      {K::Identifier, "d"}}},
    {"AnnotationIsAtThenIdentifier", "@Override",
     {{K::Symbol, "@"}, {K::Identifier, "Override"}}},
    {"LineCommentToLineEnd", "x; // note { \"q",
     {{K::Identifier, "x"}, {K::Symbol, ";"}, sp, {K::Comment, "// note { \"q"}}},
    {"BlockCommentWithinLine", "a /* b */ c",
     {{K::Identifier, "a"}, sp, {K::Comment, "/* b */"}, sp, {K::Identifier, "c"}}},
    {"SlashStarSlashDoesNotClose", "/*/ x */y", {{K::Comment, "/*/ x */"}, {K::Identifier, "y"}}},
    {"EmptyCommentIsNotDocumentation", "/**/x", {{K::Comment, "/**/"}, {K::Identifier, "x"}}},
    {"DocumentationWithinLine", "/** doc */ int",
     {{K::Documentation, "/** doc */"}, sp, {K::Keyword, "int"}}},
    {"DocumentationClosedAtOnce", "/***/", {{K::Documentation, "/***/"}}},
    {"DecimalNumbers", "3.14 017 10L 1_000 2.0d 1e10 .5 5.",
     {{K::Number, "3.14"}, sp, {K::Number, "017"}, sp, {K::Number, "10L"}, sp, {K::Number, "1_000"}, sp,
      {K::Number, "2.0d"}, sp, {K::Number, "1e10"}, sp, {K::Number, ".5"}, sp, {K::Number, "5."}}},
    {"ExponentsAndSuffixes", "1.5e-3f 6.02E+23 1e+x",
     {{K::Number, "1.5e-3f"}, sp, {K::Number, "6.02E+23"}, sp, {K::Number, "1"}, {K::Identifier, "e"},
      {K::Symbol, "+"}, {K::Identifier, "x"}}},
    {"HexBinaryAndHexFloat", "0x1F 0XffL 0b1010 0x1.8p3",
     {{K::Number, "0x1F"}, sp, {K::Number, "0XffL"}, sp, {K::Number, "0b1010"}, sp, {K::Number, "0x1.8p3"}}},
    {"NumberThenMemberAccessDot", "a[1].b", {{K::Identifier, "a"}, {K::Symbol, "["}, {K::Number, "1"},
                                             {K::Symbol, "]"}, {K::Symbol, "."}, {K::Identifier, "b"}}},
    {"CharacterLiterals", "'a' '\\'' '\\\\'",
     {{K::String, "'a'"}, sp, {K::String, "'\\''"}, sp, {K::String, "'\\\\'"}}},
    {"UnterminatedStringEndsAtLineEnd", "s = \"abc", {{K::Identifier, "s"}, sp, {K::Symbol, "="}, sp,
                                                      {K::String, "\"abc"}}},
    {"StringEndingInBackslash", "\"ab\\", {{K::String, "\"ab\\"}}},
    {"EmptyStringThenIdentifier", "\"\"x", {{K::String, "\"\""}, {K::Identifier, "x"}}},
    {"TextBlockOnOneLine", "\"\"\"a\"b\"\"\";", {{K::String, "\"\"\"a\"b\"\"\""}, {K::Symbol, ";"}}},
    // Every byte from 0x80 up: UTF-8 "Grüße" and "π" and 8-bit "\xE9t" alike.
    {"IdentifierCharacters", "$x _y a1 \xC0\xFF\xE9t Gr\xC3\xBC\xC3\x9F" "e \xCF\x80\x80\xD7",
     {{K::Identifier, "$x"}, sp, {K::Identifier, "_y"}, sp, {K::Identifier, "a1"}, sp,
      {K::Identifier, "\xC0\xFF\xE9t"}, sp, {K::Identifier, "Gr\xC3\xBC\xC3\x9F" "e"}, sp,
      {K::Identifier, "\xCF\x80\x80\xD7"}}},
    {"WordsLikeKeywordsAreIdentifiers", "Class classes goto_ enum var record Int",
     {{K::Identifier, "Class"}, sp, {K::Identifier, "classes"}, sp, {K::Identifier, "goto_"}, sp,
      {K::Identifier, "enum"}, sp, {K::Identifier, "var"}, sp, {K::Identifier, "record"}, sp,
      {K::Identifier, "Int"}}},
    {"InvalidBytes", "#`\\\x7F",
     {{K::Unknown, "#"}, {K::Unknown, "`"}, {K::Unknown, "\\"}, {K::Unknown, "\x7F"}}},
    {"ControlBytesAndNulAreSpace", std::string("a\t\0\x1F b", 6),
     {{K::Identifier, "a"}, {K::Space, std::string("\t\0\x1F ", 4)}, {K::Identifier, "b"}}},
    {"NulInsideStringAndComment", std::string("\"a\0\" /*\0*/", 10),
     {{K::String, std::string("\"a\0\"", 4)}, sp, {K::Comment, std::string("/*\0*/", 5)}}},
};

class TSynJavaSynLine : public testing::TestWithParam<LineCase> {};

TEST_P(TSynJavaSynLine, Tokens)
{
    TSynJavaSyn hl;
    EXPECT_EQ(GetParam().tokens, tokenizeLine(hl, GetParam().line));
    EXPECT_EQ(int(TSynJavaSyn::Range::Normal), hl.GetRange());
}

INSTANTIATE_TEST_SUITE_P(TSynJavaSyn, TSynJavaSynLine, testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TSynJavaSynKeywords, ExactlyTheReservedWords)
{
    const char* words[] = {"abstract", "assert", "boolean", "break", "byte", "case", "catch", "char",
                           "class", "const", "continue", "default", "do", "double", "else", "extends",
                           "false", "final", "finally", "float", "for", "goto", "if", "implements",
                           "import", "instanceof", "int", "interface", "long", "native", "new", "null",
                           "package", "private", "protected", "public", "return", "short", "static",
                           "strictfp", "super", "switch", "synchronized", "this", "throw", "throws",
                           "transient", "true", "try", "void", "volatile", "while"};
    ASSERT_EQ(52u, std::size(words));
    TSynJavaSyn hl;
    for (std::string w : words) {
        EXPECT_EQ((std::vector<Tok>{{K::Keyword, w}}), tokenizeLine(hl, w));
        // Neither a longer word nor another letter case is a keyword.
        EXPECT_EQ((std::vector<Tok>{{K::Identifier, w + "x"}}), tokenizeLine(hl, w + "x"));
        // A prefix is a keyword only when it is one itself ("do" of "double").
        const std::string prefix = w.substr(0, w.size() - 1);
        const bool prefixIsKeyword = std::find(std::begin(words), std::end(words), prefix) != std::end(words);
        EXPECT_EQ((std::vector<Tok>{{prefixIsKeyword ? K::Keyword : K::Identifier, prefix}}),
                  tokenizeLine(hl, prefix));
        std::string upper = w;
        upper[0] = char(upper[0] - 'a' + 'A');
        EXPECT_EQ((std::vector<Tok>{{K::Identifier, upper}}), tokenizeLine(hl, upper));
    }
}

struct MultiLineCase {
    const char* name;
    std::vector<std::string> lines;
    Lines tokens;
    TSynJavaSyn::Range rangeAtEnd;
};

std::ostream& operator<<(std::ostream& os, const MultiLineCase& c) { return os << c.name; }

const MultiLineCase kMultiLineCases[] = {
    {"BlockCommentOverLines",
     {"int a; /* start {", "", "still }", "end */ int b;"},
     {{{K::Keyword, "int"}, sp, {K::Identifier, "a"}, {K::Symbol, ";"}, sp, {K::Comment, "/* start {"}},
      {},
      {{K::Comment, "still }"}},
      {{K::Comment, "end */"}, sp, {K::Keyword, "int"}, sp, {K::Identifier, "b"}, {K::Symbol, ";"}}},
     TSynJavaSyn::Range::Normal},
    {"DocumentationOverLines",
     {"/**", " * Returns x. */", "int x;"},
     {{{K::Documentation, "/**"}},
      {{K::Documentation, " * Returns x. */"}},
      {{K::Keyword, "int"}, sp, {K::Identifier, "x"}, {K::Symbol, ";"}}},
     TSynJavaSyn::Range::Normal},
    {"CommentOpenAtEnd", {"x /* a", "b"}, {{{K::Identifier, "x"}, sp, {K::Comment, "/* a"}}, {{K::Comment, "b"}}},
     TSynJavaSyn::Range::Comment},
    {"TextBlockOverLines",
     {"s = \"\"\"", "  say \"hi\" \\\"\"\"", "  \"\"\";"},
     {{{K::Identifier, "s"}, sp, {K::Symbol, "="}, sp, {K::String, "\"\"\""}},
      {{K::String, "  say \"hi\" \\\"\"\""}},
      {{K::String, "  \"\"\""}, {K::Symbol, ";"}}},
     TSynJavaSyn::Range::Normal},
    {"UnterminatedStringDoesNotCarry",
     {"\"abc /*", "int"},
     {{{K::String, "\"abc /*"}}, {{K::Keyword, "int"}}},
     TSynJavaSyn::Range::Normal},
    {"LineCommentDoesNotCarry",
     {"// a /*", "int"},
     {{{K::Comment, "// a /*"}}, {{K::Keyword, "int"}}},
     TSynJavaSyn::Range::Normal},
};

class TSynJavaSynLines : public testing::TestWithParam<MultiLineCase> {};

TEST_P(TSynJavaSynLines, StateCarriesOnOneInstance)
{
    TSynJavaSyn hl;
    EXPECT_EQ(GetParam().tokens, tokenizeLines(hl, GetParam().lines));
    EXPECT_EQ(int(GetParam().rangeAtEnd), hl.GetRange());
}

INSTANTIATE_TEST_SUITE_P(TSynJavaSyn, TSynJavaSynLines, testing::ValuesIn(kMultiLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TSynJavaSynRange, NewInstanceStartsOutsideComment)
{
    TSynJavaSyn first;
    tokenizeLine(first, "/* open");
    ASSERT_EQ(int(TSynJavaSyn::Range::Comment), first.GetRange());
    TSynJavaSyn second;
    EXPECT_EQ(int(TSynJavaSyn::Range::Normal), second.GetRange());
    EXPECT_EQ((std::vector<Tok>{{K::Keyword, "int"}}), tokenizeLine(second, "int"));
}

TEST(TSynJavaSynRange, ResumesOnFreshInstance)
{
    struct Case {
        const char* opener;
        std::string next;
        std::vector<Tok> tokens;
    } cases[] = {
        {"/* a", "b */ c", {{K::Comment, "b */"}, sp, {K::Identifier, "c"}}},
        {"/** a", "b */ c", {{K::Documentation, "b */"}, sp, {K::Identifier, "c"}}},
        {"x = \"\"\"", "b\"\"\" c", {{K::String, "b\"\"\""}, sp, {K::Identifier, "c"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opener);
        TSynJavaSyn writer;
        tokenizeLine(writer, c.opener);
        const int range = writer.GetRange();
        EXPECT_NE(0, range);
        TSynJavaSyn reader;
        reader.SetRange(range);
        EXPECT_EQ(range, reader.GetRange());
        EXPECT_EQ(c.tokens, tokenizeLine(reader, c.next));
    }
}

TEST(TSynJavaSynRange, UnknownRangeAndResetGiveNormalState)
{
    TSynJavaSyn hl;
    hl.SetRange(-1);
    EXPECT_EQ(0, hl.GetRange());
    hl.SetRange(99);
    EXPECT_EQ((std::vector<Tok>{{K::Keyword, "int"}}), tokenizeLine(hl, "int"));
    tokenizeLine(hl, "/*");
    hl.ResetRange();
    EXPECT_EQ((std::vector<Tok>{{K::Keyword, "int"}}), tokenizeLine(hl, "int"));
}

TEST(TSynJavaSynAttributes, NamesSortedIgnoringCase)
{
    TSynJavaSyn hl;
    std::vector<QString> names;
    for (int i = 0; i < hl.attrCount(); ++i)
        names.push_back(hl.attribute(i)->name());
    EXPECT_EQ((std::vector<QString>{"Comment", "Documentation", "Identifier", "Invalid symbol", "Number",
                                    "Reserved word", "Space", "String", "Symbol"}),
              names);
    EXPECT_EQ(QStringLiteral("Java files (*.java)|*.java"), hl.defaultFilter());
}

TEST(TSynJavaSynAttributes, EachKindPaintsWithItsAttribute)
{
    struct Case {
        std::string line;
        const char* attribute;
    } cases[] = {
        {"// c", "Comment"}, {"/** d */", "Documentation"}, {"x", "Identifier"}, {"#", "Invalid symbol"},
        {"1", "Number"},     {"while", "Reserved word"},    {" ", "Space"},      {"\"s\"", "String"},
        {";", "Symbol"},
    };
    TSynJavaSyn hl;
    for (const Case& c : cases) {
        hl.SetLine(c.line, 0);
        ASSERT_NE(nullptr, hl.GetTokenAttribute()) << c.line;
        EXPECT_EQ(QString(c.attribute), hl.GetTokenAttribute()->name()) << c.line;
    }
    hl.SetLine("", 0);
    EXPECT_EQ(nullptr, hl.GetTokenAttribute());
}

TEST(TSynJavaSynRobustness, MegabyteLinesEndWithSaneTokenCounts)
{
    const std::size_t mb = 1 << 20;
    std::string code;
    const std::string unit = "foo(bar, 3.14) + \"s\"; "; // 13 tokens
    while (code.size() + unit.size() <= mb)
        code += unit;
    struct Case {
        const char* name;
        std::string line;
        std::size_t tokens;
    } cases[] = {
        {"code", code, code.size() / unit.size() * 13},
        {"identifier", std::string(mb, 'a'), 1},
        {"blanks", std::string(mb, ' '), 1},
        {"nul", std::string(mb, '\0'), 1},
        {"unclosed comment", "/*" + std::string(mb, '*'), 1},
        {"unclosed string", "\"" + std::string(mb, '\\'), 1},
        {"backslashes", std::string(mb, '\\'), mb},
        {"slashes", std::string(mb, '/'), 1},
        {"quotes", std::string(mb, '\''), mb / 2},
        {"high bytes", std::string(mb, '\xFF'), 1},
        {"digits and dots", std::string(mb, '.'), mb},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TSynJavaSyn hl;
        EXPECT_EQ(c.tokens, countTilingTokens(hl, c.line));
    }
}

TEST(TSynJavaSynRobustness, RandomBytesTileTheLine)
{
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> byte(0, 255);
    TSynJavaSyn hl;
    for (int round = 0; round < 200; ++round) {
        std::string line(std::size_t(random() % 200), '\0');
        for (char& c : line)
            c = char(byte(random));
        countTilingTokens(hl, line);
    }
}

} // namespace
