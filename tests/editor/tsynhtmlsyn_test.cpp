#include "editor/tsynhtmlsyn.h"

#include "editor/lexertesthelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

constexpr TokenKind Sym = TokenKind::Symbol, Tag = TokenKind::KnownTag, Unk = TokenKind::UnknownTag,
                    Name = TokenKind::AttributeName, Val = TokenKind::AttributeValue, Sp = TokenKind::Space,
                    Txt = TokenKind::Text, Ent = TokenKind::Entity, Com = TokenKind::Comment,
                    Asp = TokenKind::ServerScript;

struct LineCase {
    const char* name;
    std::string line;
    std::vector<Tok> tokens;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

const LineCase kLineCases[] = {
    {"KnownTagWithUnquotedValue", "<table border=1>",
     {{Sym, "<"}, {Tag, "table"}, {Sp, " "}, {Name, "border"}, {Sym, "="}, {Val, "1"}, {Sym, ">"}}},
    {"BareAttributeAtLineEnd", "<td nowrap", {{Sym, "<"}, {Tag, "td"}, {Sp, " "}, {Name, "nowrap"}}},
    {"EndTagNameKeepsItsSlash", "</td>", {{Sym, "<"}, {Tag, "/td"}, {Sym, ">"}}},
    {"UnknownTag", "<foo>", {{Sym, "<"}, {Unk, "foo"}, {Sym, ">"}}},
    {"UnknownEndTag", "</foo>", {{Sym, "<"}, {Unk, "/foo"}, {Sym, ">"}}},
    {"SlashBeforeCloseIsOwnSymbol", "<br/>", {{Sym, "<"}, {Tag, "br"}, {Sym, "/"}, {Sym, ">"}}},
    {"SlashAtLineEndIsOwnSymbol", "<br /", {{Sym, "<"}, {Tag, "br"}, {Sp, " "}, {Sym, "/"}}},
    {"UpperCaseNameIsKnown", "<BR>", {{Sym, "<"}, {Tag, "BR"}, {Sym, ">"}}},
    {"MixedCaseEndTagIsKnown", "</BlockQuote>", {{Sym, "<"}, {Tag, "/BlockQuote"}, {Sym, ">"}}},
    {"EndFormOfSingleTagIsUnknown", "</br>", {{Sym, "<"}, {Unk, "/br"}, {Sym, ">"}}},
    {"FramesetEndKnownFrameEndNot", "</frameset></frame>",
     {{Sym, "<"}, {Tag, "/frameset"}, {Sym, ">"}, {Sym, "<"}, {Unk, "/frame"}, {Sym, ">"}}},
    {"HeadingNameWithDigit", "<h6><h7>", {{Sym, "<"}, {Tag, "h6"}, {Sym, ">"}, {Sym, "<"}, {Unk, "h7"}, {Sym, ">"}}},
    {"DoctypeIsKnown", "<!DOCTYPE html>", {{Sym, "<"}, {Tag, "!DOCTYPE"}, {Sp, " "}, {Name, "html"}, {Sym, ">"}}},
    {"DoctypeHasNoEndForm", "</!DOCTYPE>", {{Sym, "<"}, {Unk, "/!DOCTYPE"}, {Sym, ">"}}},
    {"SlashWithoutNameIsSymbol", "</>", {{Sym, "<"}, {Sym, "/"}, {Sym, ">"}}},
    {"QuotedValuesKeepTheirQuotes", "<a href=\"index.htm\" target='_top'>",
     {{Sym, "<"}, {Tag, "a"}, {Sp, " "}, {Name, "href"}, {Sym, "="}, {Val, "\"index.htm\""}, {Sp, " "},
      {Name, "target"}, {Sym, "="}, {Val, "'_top'"}, {Sym, ">"}}},
    {"ValueAfterBlanksAndCloseInsideQuotes", "<img src = a.gif alt=\"x > y\">",
     {{Sym, "<"}, {Tag, "img"}, {Sp, " "}, {Name, "src"}, {Sp, " "}, {Sym, "="}, {Sp, " "}, {Val, "a.gif"},
      {Sp, " "}, {Name, "alt"}, {Sym, "="}, {Val, "\"x > y\""}, {Sym, ">"}}},
    {"UnquotedValueRunsToClose", "<a href=/x/y.htm>",
     {{Sym, "<"}, {Tag, "a"}, {Sp, " "}, {Name, "href"}, {Sym, "="}, {Val, "/x/y.htm"}, {Sym, ">"}}},
    {"EqualsWithoutValue", "<td width=>",
     {{Sym, "<"}, {Tag, "td"}, {Sp, " "}, {Name, "width"}, {Sym, "="}, {Sym, ">"}}},
    {"TextKeepsInnerBlanks", "<p>Hello world</p>",
     {{Sym, "<"}, {Tag, "p"}, {Sym, ">"}, {Txt, "Hello world"}, {Sym, "<"}, {Tag, "/p"}, {Sym, ">"}}},
    {"TextKeepsBlankAfterTag", "<b>bold</b> text",
     {{Sym, "<"}, {Tag, "b"}, {Sym, ">"}, {Txt, "bold"}, {Sym, "<"}, {Tag, "/b"}, {Sym, ">"}, {Txt, " text"}}},
    {"IndentIsSpace", "  <p>", {{Sp, "  "}, {Sym, "<"}, {Tag, "p"}, {Sym, ">"}}},
    {"IndentBeforeTextIsSpace", "\tsome text", {{Sp, "\t"}, {Txt, "some text"}}},
    {"BlanksBetweenTagsAreSpace", "</td> <td>",
     {{Sym, "<"}, {Tag, "/td"}, {Sym, ">"}, {Sp, " "}, {Sym, "<"}, {Tag, "td"}, {Sym, ">"}}},
    {"BlanksBeforeLineEndAreSpace", "<p>  ", {{Sym, "<"}, {Tag, "p"}, {Sym, ">"}, {Sp, "  "}}},
    {"Entities", "a&nbsp;b &#160;&#xA0;&amp c",
     {{Txt, "a"}, {Ent, "&nbsp;"}, {Txt, "b "}, {Ent, "&#160;"}, {Ent, "&#xA0;"}, {Ent, "&amp"}, {Txt, " c"}}},
    {"AmpersandWithoutNameIsText", "fish & chips &#; &#x;", {{Txt, "fish & chips &#; &#x;"}}},
    {"CommentTokenHoldsBothMarkers", "<!-- note -->after", {{Com, "<!-- note -->"}, {Txt, "after"}}},
    {"TagsInsideCommentAreComment", "a<!-- <b> -->", {{Txt, "a"}, {Com, "<!-- <b> -->"}}},
    {"EmptyComments", "<!----><!-->x", {{Com, "<!---->"}, {Com, "<!-->"}, {Txt, "x"}}},
    {"ServerScriptOnOneLine", "<%= user %><b>", {{Asp, "<%= user %>"}, {Sym, "<"}, {Tag, "b"}, {Sym, ">"}}},
    {"LessThanOpensATag", "a < b", {{Txt, "a "}, {Sym, "<"}, {Sp, " "}, {Name, "b"}}},
    {"LessThanInsideTagStartsAnother", "<a <b>",
     {{Sym, "<"}, {Tag, "a"}, {Sp, " "}, {Sym, "<"}, {Tag, "b"}, {Sym, ">"}}},
    {"NulAndHighBytes", std::string("<a\0b\xff>\xff\0", 8),
     {{Sym, "<"}, {Tag, "a"}, {Sym, std::string(1, '\0')}, {Name, "b\xff"}, {Sym, ">"},
      {Txt, std::string("\xff\0", 2)}}},
};

class TSynHTMLSynLine : public testing::TestWithParam<LineCase> {};

TEST_P(TSynHTMLSynLine, Tokens)
{
    TSynHTMLSyn hl;
    EXPECT_EQ(tokenizeLine(hl, GetParam().line), GetParam().tokens);
}

INSTANTIATE_TEST_SUITE_P(TSynHTMLSyn, TSynHTMLSynLine, testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct LinesCase {
    const char* name;
    std::vector<std::string> lines;
    std::vector<std::vector<Tok>> tokens;
};

void PrintTo(const LinesCase& c, std::ostream* os) { *os << c.name; }

const LinesCase kLinesCases[] = {
    {"CommentOverLines", {"x<!-- one", "two", "three -->y"},
     {{{Txt, "x"}, {Com, "<!-- one"}}, {{Com, "two"}}, {{Com, "three -->"}, {Txt, "y"}}}},
    {"EmptyLineInsideComment", {"<!--", "", "--><p>"},
     {{{Com, "<!--"}}, {}, {{Com, "-->"}, {Sym, "<"}, {Tag, "p"}, {Sym, ">"}}}},
    {"ServerScriptOverLines", {"<% if x then", "  y %>z"}, {{{Asp, "<% if x then"}}, {{Asp, "  y %>"}, {Txt, "z"}}}},
    {"TagSpansLines", {"<table", "  border=1", "  width=\"50%\">", "cell"},
     {{{Sym, "<"}, {Tag, "table"}},
      {{Sp, "  "}, {Name, "border"}, {Sym, "="}, {Val, "1"}},
      {{Sp, "  "}, {Name, "width"}, {Sym, "="}, {Val, "\"50%\""}, {Sym, ">"}},
      {{Txt, "cell"}}}},
    {"ValueOnTheLineAfterEquals", {"<td width=", "40>"},
     {{{Sym, "<"}, {Tag, "td"}, {Sp, " "}, {Name, "width"}, {Sym, "="}}, {{Val, "40"}, {Sym, ">"}}}},
    {"DoubleQuotedValueSpansLines", {"<a title=\"first", "second\" href=x>"},
     {{{Sym, "<"}, {Tag, "a"}, {Sp, " "}, {Name, "title"}, {Sym, "="}, {Val, "\"first"}},
      {{Val, "second\""}, {Sp, " "}, {Name, "href"}, {Sym, "="}, {Val, "x"}, {Sym, ">"}}}},
    {"SingleQuotedValueSpansLines", {"<p class='a", "", "b'>t"},
     {{{Sym, "<"}, {Tag, "p"}, {Sp, " "}, {Name, "class"}, {Sym, "="}, {Val, "'a"}}, {},
      {{Val, "b'"}, {Sym, ">"}, {Txt, "t"}}}},
    {"NameOnTheLineAfterLessThan", {"<", "p>"}, {{{Sym, "<"}}, {{Tag, "p"}, {Sym, ">"}}}},
};

class TSynHTMLSynLines : public testing::TestWithParam<LinesCase> {};

TEST_P(TSynHTMLSynLines, StateCarriesOnOneInstance)
{
    TSynHTMLSyn hl;
    EXPECT_EQ(tokenizeLines(hl, GetParam().lines), GetParam().tokens);
}

// The edit control restyles from any line with the range stored for the line
// before it: a fresh instance given that range must see what the running one saw.
TEST_P(TSynHTMLSynLines, RangeResumesAtEveryLine)
{
    const auto& lines = GetParam().lines;
    TSynHTMLSyn running;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        TSynHTMLSyn resumed;
        resumed.SetRange(running.GetRange());
        EXPECT_EQ(tokenizeLine(resumed, lines[i]), tokenizeLine(running, lines[i])) << "line " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(TSynHTMLSyn, TSynHTMLSynLines, testing::ValuesIn(kLinesCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TSynHTMLSynRange, FreshInstanceStartsOutside)
{
    TSynHTMLSyn first;
    tokenizeLine(first, "<!-- open");
    TSynHTMLSyn fresh;
    EXPECT_EQ(tokenizeLine(fresh, "<p>"), (std::vector<Tok>{{Sym, "<"}, {Tag, "p"}, {Sym, ">"}}));
    first.ResetRange();
    EXPECT_EQ(tokenizeLine(first, "text"), (std::vector<Tok>{{Txt, "text"}}));
}

TEST(TSynHTMLSynRange, SetRangeResumesMidComment)
{
    TSynHTMLSyn first;
    tokenizeLine(first, "<p><!-- a");
    TSynHTMLSyn second;
    second.SetRange(first.GetRange());
    EXPECT_EQ(tokenizeLine(second, "b --> <p>"),
              (std::vector<Tok>{{Com, "b -->"}, {Sp, " "}, {Sym, "<"}, {Tag, "p"}, {Sym, ">"}}));
}

TEST(TSynHTMLSynRange, OutOfRangeValueStartsOutside)
{
    for (int bad : {-1, 8, 1 << 20}) {
        TSynHTMLSyn hl;
        hl.SetRange(bad);
        EXPECT_EQ(tokenizeLine(hl, "a"), (std::vector<Tok>{{Txt, "a"}})) << bad;
    }
}

TEST(TSynHTMLSynRange, EmptyLineHasNoTokenAndKeepsState)
{
    TSynHTMLSyn hl;
    tokenizeLine(hl, "<a title=\"x");
    const int before = hl.GetRange();
    hl.SetLine("", 1);
    EXPECT_TRUE(hl.GetEol());
    EXPECT_EQ(hl.GetRange(), before);
}

const char* const kKnownTags[] = {
    "A", "ABBR", "ACRONYM", "ADDRESS", "APPLET", "AREA", "B", "BASE", "BASEFONT", "BGSOUND", "BIG",
    "BLINK", "BLOCKQUOTE", "BODY", "BR", "BUTTON", "CAPTION", "CENTER", "CITE", "CODE", "COL",
    "COLGROUP", "COMMENT", "DD", "DEL", "DFN", "DIR", "DIV", "DL", "DT", "EM", "EMBED", "FIELDSET",
    "FONT", "FORM", "FRAME", "FRAMESET", "H1", "H2", "H3", "H4", "H5", "H6", "HEAD", "HR", "HTML", "I",
    "IFRAME", "ILAYER", "IMG", "INPUT", "INS", "ISINDEX", "KBD", "KEYGEN", "LABEL", "LAYER", "LEGEND",
    "LI", "LINK", "LISTING", "MAP", "MARQUEE", "MENU", "META", "MULTICOL", "NEXTID", "NOBR", "NOEMBED",
    "NOFRAMES", "NOLAYER", "NOSCRIPT", "OBJECT", "OL", "OPTION", "P", "PARAM", "PLAINTEXT", "PRE", "Q",
    "S", "SAMP", "SCRIPT", "SELECT", "SERVER", "SMALL", "SPACER", "SPAN", "STRIKE", "STRONG", "STYLE",
    "SUB", "SUP", "TABLE", "TBODY", "TD", "TEXTAREA", "TFOOT", "TH", "THEAD", "TITLE", "TR", "TT", "U",
    "UL", "VAR", "WBR", "XMP", "!DOCTYPE"};
const std::vector<std::string> kWithoutEndTag = {
    "AREA", "BASE", "BASEFONT", "BGSOUND", "BR", "COL", "FRAME", "HR", "IMG", "INPUT",
    "ISINDEX", "KEYGEN", "LINK", "META", "NEXTID", "PARAM", "PLAINTEXT", "SPACER", "WBR", "!DOCTYPE"};

TokenKind nameKind(const std::string& name)
{
    TSynHTMLSyn hl;
    const std::vector<Tok> toks = tokenizeLine(hl, "<" + name + ">");
    return toks.size() == 3 && toks[1].text == name ? toks[1].kind : TokenKind::Null;
}

TEST(TSynHTMLSynKnownTags, EveryListedNameInBothCasesAndItsEndForm)
{
    for (const char* upper : kKnownTags) {
        std::string lower = upper;
        for (char& c : lower)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(nameKind(upper), Tag) << upper;
        EXPECT_EQ(nameKind(lower), Tag) << lower;
        const bool noEnd = std::find(kWithoutEndTag.begin(), kWithoutEndTag.end(), upper) != kWithoutEndTag.end();
        EXPECT_EQ(nameKind(std::string("/") + upper), noEnd ? Unk : Tag) << "/" << upper;
    }
}

TEST(TSynHTMLSynKnownTags, NearMissesAreUnknown)
{
    for (const char* name : {"tab", "tables", "h0", "h7", "blockquotes", "!doctypes", "doctype", "spa", "_p", "/h7"})
        EXPECT_EQ(nameKind(name), Unk) << name;
}

// Lines in every start state, with every byte value: the tokens must be
// non-empty, contiguous and cover the line, each with an attribute.
TEST(TSynHTMLSynRobustness, EveryByteInEveryStateIsCovered)
{
    std::string allBytes;
    for (int c = 0; c < 256; ++c)
        allBytes += char(c);
    const std::vector<std::string> prefixes = {"", "<", "<a ", "<a b=", "<a b=\"", "<a b='", "<!--", "<%"};
    for (const std::string& prefix : prefixes) {
        for (const std::string& line : {allBytes, std::string(allBytes.rbegin(), allBytes.rend()), prefix + allBytes}) {
            TSynHTMLSyn hl;
            tokenizeLine(hl, prefix);
            std::size_t pos = 0;
            for (hl.SetLine(line, 1); !hl.GetEol(); hl.Next()) {
                ASSERT_EQ(std::size_t(hl.GetTokenPos()), pos) << "after \"" << prefix << "\"";
                ASSERT_FALSE(hl.GetToken().empty());
                ASSERT_NE(hl.GetTokenAttribute(), nullptr);
                pos += hl.GetToken().size();
            }
            EXPECT_EQ(pos, line.size()) << "after \"" << prefix << "\"";
        }
    }
}

TEST(TSynHTMLSynRobustness, MegabyteLinesFinish)
{
    const std::vector<std::string> lines = {
        repeated("word ", kMegabyte), repeated("<", kMegabyte), repeated("&", kMegabyte), repeated("&a", kMegabyte), repeated("&#", kMegabyte),
        repeated("<a x=1 ", kMegabyte), "<!--" + repeated("-", kMegabyte), "<a b=\"" + repeated("x", kMegabyte), repeated("<!-", kMegabyte),
        "<%" + repeated("%", kMegabyte), repeated(" ", kMegabyte) + "x"};
    for (const std::string& line : lines) {
        TSynHTMLSyn hl;
        std::size_t covered = 0;
        for (hl.SetLine(line, 0); !hl.GetEol(); hl.Next())
            covered += hl.GetToken().size();
        EXPECT_EQ(covered, line.size()) << line.substr(0, 8);
    }
}

TEST(TSynHTMLSynAttributes, NamesInSortedOrder)
{
    TSynHTMLSyn hl;
    std::vector<QString> names;
    for (int i = 0; i < hl.attrCount(); ++i)
        names.push_back(hl.attribute(i)->name());
    EXPECT_EQ(names, (std::vector<QString>{"Asp", "Comment", "Escape ampersand", "Identifier", "Reserved word",
                                           "Space", "Symbol", "Text", "Unknown word", "Value"}));
}

TEST(TSynHTMLSynAttributes, EachKindPaintsWithItsAttribute)
{
    const std::vector<std::pair<TokenKind, QString>> expected = {
        {Com, "Comment"}, {Sym, "Symbol"}, {Tag, "Reserved word"}, {Unk, "Unknown word"}, {Name, "Identifier"},
        {Val, "Value"},   {Sp, "Space"},   {Txt, "Text"},          {Ent, "Escape ampersand"}, {Asp, "Asp"}};
    TSynHTMLSyn hl;
    std::vector<TokenKind> seen;
    for (hl.SetLine("<%x%><!--c--><p a=1><q>x&lt;</foo>", 0); !hl.GetEol(); hl.Next()) {
        seen.push_back(hl.GetTokenKind());
        for (const auto& [kind, name] : expected) {
            if (kind == hl.GetTokenKind()) {
                EXPECT_EQ(hl.GetTokenAttribute()->name(), name) << hl.GetToken();
            }
        }
    }
    for (const auto& [kind, name] : expected)
        EXPECT_NE(std::find(seen.begin(), seen.end(), kind), seen.end()) << tokenKindName(kind);
}

TEST(TSynHTMLSynAttributes, NamesAndFilter)
{
    TSynHTMLSyn hl;
    EXPECT_EQ(hl.languageName(), "HTML");
    EXPECT_EQ(hl.defaultFilter(), "HTML Document (*.htm,*.html)|*.htm;*.html");
}

} // namespace
