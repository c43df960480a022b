#include "editor/tsyncsssyn.h"

#include "editor/lexertesthelpers.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <random>
#include <set>
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
    {"RuleWithColour", "body { color: #fff; }",
     {{K::Identifier, "body"}, sp, {K::Symbol, "{"}, sp, {K::Identifier, "color"}, {K::Symbol, ":"}, sp,
      {K::Number, "#fff"}, {K::Symbol, ";"}, sp, {K::Symbol, "}"}}},
    {"SelectorsAndCombinators", "#bad .note:hover, h1 > a + b ~ c",
     {{K::Identifier, "#bad"}, sp, {K::Identifier, ".note"}, {K::Symbol, ":"}, {K::Identifier, "hover"},
      {K::Symbol, ","}, sp, {K::Identifier, "h1"}, sp, {K::Symbol, ">"}, sp, {K::Identifier, "a"}, sp,
      {K::Symbol, "+"}, sp, {K::Identifier, "b"}, sp, {K::Symbol, "~"}, sp, {K::Identifier, "c"}}},
    {"AttributeSelector", "a[href=\"x\"]",
     {{K::Identifier, "a"}, {K::Symbol, "["}, {K::Identifier, "href"}, {K::Symbol, "="}, {K::String, "\"x\""},
      {K::Symbol, "]"}}},
    {"NumbersWithUnits", "p{margin:12pt 1.5em -2px .5em 50% 0}",
     {{K::Identifier, "p"}, {K::Symbol, "{"}, {K::Identifier, "margin"}, {K::Symbol, ":"}, {K::Number, "12pt"},
      sp, {K::Number, "1.5em"}, sp, {K::Number, "-2px"}, sp, {K::Number, ".5em"}, sp, {K::Number, "50%"}, sp,
      {K::Number, "0"}, {K::Symbol, "}"}}},
    {"DashedNames", "a{font-family:sans-serif;-moz-box-sizing:border-box}",
     {{K::Identifier, "a"}, {K::Symbol, "{"}, {K::Identifier, "font-family"}, {K::Symbol, ":"},
      {K::Identifier, "sans-serif"}, {K::Symbol, ";"}, {K::Identifier, "-moz-box-sizing"}, {K::Symbol, ":"},
      {K::Identifier, "border-box"}, {K::Symbol, "}"}}},
    {"FunctionsInValue", "a{color:rgb(255,0,0);background:url(back.gif)}",
     {{K::Identifier, "a"}, {K::Symbol, "{"}, {K::Identifier, "color"}, {K::Symbol, ":"}, {K::Identifier, "rgb"},
      {K::Symbol, "("}, {K::Number, "255"}, {K::Symbol, ","}, {K::Number, "0"}, {K::Symbol, ","}, {K::Number, "0"},
      {K::Symbol, ")"}, {K::Symbol, ";"}, {K::Identifier, "background"}, {K::Symbol, ":"}, {K::Identifier, "url"},
      {K::Symbol, "("}, {K::Identifier, "back"}, {K::Symbol, "."}, {K::Identifier, "gif"}, {K::Symbol, ")"},
      {K::Symbol, "}"}}},
    {"Strings", "a{content:\"a\\\"b\" 'c'}",
     {{K::Identifier, "a"}, {K::Symbol, "{"}, {K::Identifier, "content"}, {K::Symbol, ":"},
      {K::String, "\"a\\\"b\""}, sp, {K::String, "'c'"}, {K::Symbol, "}"}}},
    {"UnterminatedStringEndsAtLineEnd", "@import 'x.css", {{K::Identifier, "@import"}, sp, {K::String, "'x.css"}}},
    {"AtRuleAndImportant", "@media print{a{color:red !important}}",
     {{K::Identifier, "@media"}, sp, {K::Identifier, "print"}, {K::Symbol, "{"}, {K::Identifier, "a"},
      {K::Symbol, "{"}, {K::Identifier, "color"}, {K::Symbol, ":"}, {K::Identifier, "red"}, sp, {K::Symbol, "!"},
      {K::Identifier, "important"}, {K::Symbol, "}"}, {K::Symbol, "}"}}},
    {"CommentWithinLine", "a /* x */ b", {{K::Identifier, "a"}, sp, {K::Comment, "/* x */"}, sp, {K::Identifier, "b"}}},
    {"LoneSignsAndHashAreSymbols", "a - # / @",
     {{K::Identifier, "a"}, sp, {K::Symbol, "-"}, sp, {K::Symbol, "#"}, sp, {K::Symbol, "/"}, sp, {K::Symbol, "@"}}},
    {"NulAndHighBytes", std::string("\xFF\xE9t\0b", 5),
     {{K::Identifier, "\xFF\xE9t"}, {K::Space, std::string(1, '\0')}, {K::Identifier, "b"}}},
};

class TSynCssSynLine : public testing::TestWithParam<LineCase> {};

TEST_P(TSynCssSynLine, Tokens)
{
    TSynCssSyn hl;
    EXPECT_EQ(GetParam().tokens, tokenizeLine(hl, GetParam().line));
}

INSTANTIATE_TEST_SUITE_P(TSynCssSyn, TSynCssSynLine, testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct MultiLineCase {
    const char* name;
    std::vector<std::string> lines;
    Lines tokens;
};

std::ostream& operator<<(std::ostream& os, const MultiLineCase& c) { return os << c.name; }

const MultiLineCase kMultiLineCases[] = {
    {"CommentOverLines",
     {"a { /* one", "", "two } #x", "three */ color: red; }"},
     {{{K::Identifier, "a"}, sp, {K::Symbol, "{"}, sp, {K::Comment, "/* one"}},
      {},
      {{K::Comment, "two } #x"}},
      {{K::Comment, "three */"}, sp, {K::Identifier, "color"}, {K::Symbol, ":"}, sp, {K::Identifier, "red"},
       {K::Symbol, ";"}, sp, {K::Symbol, "}"}}}},
    {"ValueOverLines",
     {"a {", "  color:", "    #abc;", "}", "#abc {}"},
     {{{K::Identifier, "a"}, sp, {K::Symbol, "{"}},
      {{K::Space, "  "}, {K::Identifier, "color"}, {K::Symbol, ":"}},
      {{K::Space, "    "}, {K::Number, "#abc"}, {K::Symbol, ";"}},
      {{K::Symbol, "}"}},
      {{K::Identifier, "#abc"}, sp, {K::Symbol, "{"}, {K::Symbol, "}"}}}},
    {"NestedBlocks",
     {"@media print {", "  #nav { color: #000; }", "}", ".x:hover {}"},
     {{{K::Identifier, "@media"}, sp, {K::Identifier, "print"}, sp, {K::Symbol, "{"}},
      {{K::Space, "  "}, {K::Identifier, "#nav"}, sp, {K::Symbol, "{"}, sp, {K::Identifier, "color"},
       {K::Symbol, ":"}, sp, {K::Number, "#000"}, {K::Symbol, ";"}, sp, {K::Symbol, "}"}},
      {{K::Symbol, "}"}},
      {{K::Identifier, ".x"}, {K::Symbol, ":"}, {K::Identifier, "hover"}, sp, {K::Symbol, "{"},
       {K::Symbol, "}"}}}},
    {"UnbalancedCloseBraceStaysAtTop",
     {"}}", "#id { c: #fff }"},
     {{{K::Symbol, "}"}, {K::Symbol, "}"}},
      {{K::Identifier, "#id"}, sp, {K::Symbol, "{"}, sp, {K::Identifier, "c"}, {K::Symbol, ":"}, sp,
       {K::Number, "#fff"}, sp, {K::Symbol, "}"}}}},
};

class TSynCssSynLines : public testing::TestWithParam<MultiLineCase> {};

TEST_P(TSynCssSynLines, StateCarriesOnOneInstance)
{
    TSynCssSyn hl;
    EXPECT_EQ(GetParam().tokens, tokenizeLines(hl, GetParam().lines));
}

INSTANTIATE_TEST_SUITE_P(TSynCssSyn, TSynCssSynLines, testing::ValuesIn(kMultiLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TSynCssSynRange, NewInstanceStartsOutsideCommentAndBlock)
{
    TSynCssSyn first;
    tokenizeLines(first, {"a { color: /* open"});
    EXPECT_NE(0, first.GetRange());
    TSynCssSyn second;
    EXPECT_EQ(0, second.GetRange());
    EXPECT_EQ((std::vector<Tok>{{K::Identifier, "#a"}}), tokenizeLine(second, "#a"));
}

TEST(TSynCssSynRange, ResumesOnFreshInstance)
{
    struct Case {
        std::vector<std::string> before;
        std::string next;
        std::vector<Tok> tokens;
    } cases[] = {
        {{"/* a"}, "b */ #c", {{K::Comment, "b */"}, sp, {K::Identifier, "#c"}}},
        {{"a { color: /* a"}, "b */ #c", {{K::Comment, "b */"}, sp, {K::Number, "#c"}}},
        {{"@media x {", "a {"}, "} } #c", {{K::Symbol, "}"}, sp, {K::Symbol, "}"}, sp, {K::Identifier, "#c"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before.back());
        TSynCssSyn writer;
        tokenizeLines(writer, c.before);
        TSynCssSyn reader;
        reader.SetRange(writer.GetRange());
        EXPECT_EQ(writer.GetRange(), reader.GetRange());
        EXPECT_EQ(c.tokens, tokenizeLine(reader, c.next));
    }
    TSynCssSyn hl;
    hl.SetRange(-5);
    EXPECT_EQ(0, hl.GetRange());
    tokenizeLine(hl, "a { /*");
    hl.ResetRange();
    EXPECT_EQ(0, hl.GetRange());
}

TEST(TSynCssSynAttributes, NamesFilterAndSample)
{
    TSynCssSyn hl;
    std::vector<QString> names;
    for (int i = 0; i < hl.attrCount(); ++i)
        names.push_back(hl.attribute(i)->name());
    EXPECT_EQ((std::vector<QString>{"Comment", "Identifier", "Number", "Space", "String", "Symbol"}), names);
    EXPECT_EQ(QStringLiteral("Cascading Stylesheets (*.css)|*.css"), hl.defaultFilter());

    // The colour preview shows every attribute at work, so the sample should use them all.
    const QStringList sample = hl.sampleSource().split(QStringLiteral("\r\n"));
    EXPECT_GT(sample.size(), 3);
    std::vector<std::string> lines;
    for (const QString& l : sample) {
        EXPECT_FALSE(l.contains(QLatin1Char('\n')) || l.contains(QLatin1Char('\r')));
        lines.push_back(l.toStdString());
    }
    std::set<QString> used;
    int n = 0;
    for (const std::string& l : lines)
        for (hl.SetLine(l, n++); !hl.GetEol(); hl.Next())
            used.insert(hl.GetTokenAttribute()->name());
    EXPECT_EQ(std::set<QString>(names.begin(), names.end()), used);
    EXPECT_EQ(0, hl.GetRange());
}

TEST(TSynCssSynRobustness, MegabyteLinesEndWithSaneTokenCounts)
{
    const std::size_t mb = 1 << 20;
    std::string rules;
    const std::string unit = "a{b:1px #f} "; // 9 tokens
    while (rules.size() + unit.size() <= mb)
        rules += unit;
    struct Case {
        const char* name;
        std::string line;
        std::size_t tokens;
    } cases[] = {
        {"rules", rules, rules.size() / unit.size() * 9},
        {"name", std::string(mb, '-'), 1},
        {"unclosed comment", "/*" + std::string(mb, '*'), 1},
        {"unclosed string", "'" + std::string(mb, '\\'), 1},
        {"open braces", std::string(mb, '{'), mb},
        {"hashes", std::string(mb, '#'), mb},
        {"nul", std::string(mb, '\0'), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TSynCssSyn hl;
        EXPECT_EQ(c.tokens, countTilingTokens(hl, c.line));
    }
}

TEST(TSynCssSynRobustness, RandomBytesTileTheLine)
{
    std::mt19937 random(77);
    std::uniform_int_distribution<int> byte(0, 255);
    TSynCssSyn hl;
    for (int round = 0; round < 200; ++round) {
        std::string line(std::size_t(random() % 200), '\0');
        for (char& c : line)
            c = char(byte(random));
        countTilingTokens(hl, line);
    }
}

} // namespace
