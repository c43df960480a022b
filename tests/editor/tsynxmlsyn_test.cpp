#include "editor/tsynxmlsyn.h"

#include "editor/lexertesthelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr TokenKind Sym = TokenKind::Symbol, El = TokenKind::ElementName, Name = TokenKind::AttributeName,
                    Eq = TokenKind::EqualSign, Val = TokenKind::AttributeValue,
                    NsName = TokenKind::NamespaceAttributeName, NsVal = TokenKind::NamespaceAttributeValue,
                    Com = TokenKind::Comment, CData = TokenKind::CData, Doc = TokenKind::DocType,
                    PI = TokenKind::ProcessingInstruction, Ref = TokenKind::EntityReference, Txt = TokenKind::Text,
                    Sp = TokenKind::Space;

struct LineCase {
    const char* name;
    std::string line;
    std::vector<Tok> tokens;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

const LineCase kLineCases[] = {
    {"StartTag", "<root>", {{Sym, "<"}, {El, "root"}, {Sym, ">"}}},
    {"EndTagOpenerIsOneSymbol", "</root>", {{Sym, "</"}, {El, "root"}, {Sym, ">"}}},
    {"EmptyElementCloserIsOneSymbol", "<br/>", {{Sym, "<"}, {El, "br"}, {Sym, "/>"}}},
    {"SlashAtLineEndIsOwnSymbol", "<br /", {{Sym, "<"}, {El, "br"}, {Sp, " "}, {Sym, "/"}}},
    {"NameCharacters", "<a:b-c.d_e>", {{Sym, "<"}, {El, "a:b-c.d_e"}, {Sym, ">"}}},
    {"Attributes", "<a x='1' y = \"2\"/>",
     {{Sym, "<"}, {El, "a"}, {Sp, " "}, {Name, "x"}, {Eq, "="}, {Val, "'1'"}, {Sp, " "}, {Name, "y"}, {Sp, " "},
      {Eq, "="}, {Sp, " "}, {Val, "\"2\""}, {Sym, "/>"}}},
    {"CloseInsideQuotesStaysInValue", "<a t=\"x/>y\">",
     {{Sym, "<"}, {El, "a"}, {Sp, " "}, {Name, "t"}, {Eq, "="}, {Val, "\"x/>y\""}, {Sym, ">"}}},
    {"NamespaceAttributes", "<a xmlns=\"urn:x\" xmlns:p='urn:p' xmlnsfoo=\"v\">",
     {{Sym, "<"}, {El, "a"}, {Sp, " "}, {NsName, "xmlns"}, {Eq, "="}, {NsVal, "\"urn:x\""}, {Sp, " "},
      {NsName, "xmlns:p"}, {Eq, "="}, {NsVal, "'urn:p'"}, {Sp, " "}, {Name, "xmlnsfoo"}, {Eq, "="},
      {Val, "\"v\""}, {Sym, ">"}}},
    {"UnquotedValueIsShownAsValue", "<a b=1/>",
     {{Sym, "<"}, {El, "a"}, {Sp, " "}, {Name, "b"}, {Eq, "="}, {Val, "1"}, {Sym, "/>"}}},
    {"CommentMarkersAreSymbols", "<!-- c -->x", {{Sym, "<!--"}, {Com, " c "}, {Sym, "-->"}, {Txt, "x"}}},
    {"EmptyComment", "<!---->", {{Sym, "<!--"}, {Sym, "-->"}}},
    {"CData", "<![CDATA[a < b & c]]>x", {{CData, "<![CDATA[a < b & c]]>"}, {Txt, "x"}}},
    {"ProcessingInstruction", "<?xml version=\"1.0\"?><r>",
     {{PI, "<?xml version=\"1.0\"?>"}, {Sym, "<"}, {El, "r"}, {Sym, ">"}}},
    {"DocType", "<!DOCTYPE note SYSTEM \"note.dtd\">", {{Doc, "<!DOCTYPE note SYSTEM \"note.dtd\">"}}},
    {"DocTypeSubsetWithQuotedClose", "<!DOCTYPE a [<!ENTITY x \"]>\">]><a/>",
     {{Doc, "<!DOCTYPE a [<!ENTITY x \"]>\">]>"}, {Sym, "<"}, {El, "a"}, {Sym, "/>"}}},
    {"DtdDeclaration", "<!ELEMENT note (to,from)>", {{Doc, "<!ELEMENT note (to,from)>"}}},
    {"EntityReferences", "a &amp; b &#60;&#x3C;",
     {{Txt, "a "}, {Ref, "&amp;"}, {Txt, " b "}, {Ref, "&#60;"}, {Ref, "&#x3C;"}}},
    {"AmpersandWithoutNameIsText", "fish & chips &#;", {{Txt, "fish & chips &#;"}}},
    {"TextKeepsInnerBlanks", "<p>Hello world</p>",
     {{Sym, "<"}, {El, "p"}, {Sym, ">"}, {Txt, "Hello world"}, {Sym, "</"}, {El, "p"}, {Sym, ">"}}},
    {"IndentAndBlanksBetweenTagsAreWhitespace", "  <a/> <b/>",
     {{Sp, "  "}, {Sym, "<"}, {El, "a"}, {Sym, "/>"}, {Sp, " "}, {Sym, "<"}, {El, "b"}, {Sym, "/>"}}},
    {"LessThanInsideTagStartsAnother", "<a </b>",
     {{Sym, "<"}, {El, "a"}, {Sp, " "}, {Sym, "</"}, {El, "b"}, {Sym, ">"}}},
    {"NulAndHighBytes", std::string("<a\0\xff>\0", 6),
     {{Sym, "<"}, {El, "a"}, {Sym, std::string(1, '\0')}, {Name, "\xff"}, {Sym, ">"}, {Txt, std::string(1, '\0')}}},
};

class TSynXMLSynLine : public testing::TestWithParam<LineCase> {};

TEST_P(TSynXMLSynLine, Tokens)
{
    TSynXMLSyn hl;
    EXPECT_EQ(tokenizeLine(hl, GetParam().line), GetParam().tokens);
}

INSTANTIATE_TEST_SUITE_P(TSynXMLSyn, TSynXMLSynLine, testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct LinesCase {
    const char* name;
    std::vector<std::string> lines;
    std::vector<std::vector<Tok>> tokens;
};

void PrintTo(const LinesCase& c, std::ostream* os) { *os << c.name; }

const LinesCase kLinesCases[] = {
    {"CommentOverLines", {"<!-- a", "", "b", "c -->d"},
     {{{Sym, "<!--"}, {Com, " a"}}, {}, {{Com, "b"}}, {{Com, "c "}, {Sym, "-->"}, {Txt, "d"}}}},
    {"CDataOverLines", {"<x><![CDATA[one", "<two>", "]]></x>"},
     {{{Sym, "<"}, {El, "x"}, {Sym, ">"}, {CData, "<![CDATA[one"}}, {{CData, "<two>"}},
      {{CData, "]]>"}, {Sym, "</"}, {El, "x"}, {Sym, ">"}}}},
    {"ProcessingInstructionOverLines", {"<?target a", "b?>t"}, {{{PI, "<?target a"}}, {{PI, "b?>"}, {Txt, "t"}}}},
    {"DocTypeSubsetOverLines",
     {"<!DOCTYPE r [", "  <!ENTITY e \"v\">", "  <!-- ] > -->", "  <!ENTITY f 'it''s'>", "]>", "<r/>"},
     {{{Doc, "<!DOCTYPE r ["}}, {{Doc, "  <!ENTITY e \"v\">"}}, {{Doc, "  <!-- ] > -->"}},
      {{Doc, "  <!ENTITY f 'it''s'>"}},
      {{Doc, "]>"}}, {{Sym, "<"}, {El, "r"}, {Sym, "/>"}}}},
    {"QuoteInDocTypeOverLines", {"<!DOCTYPE r SYSTEM \"a", "]>b\">x"},
     {{{Doc, "<!DOCTYPE r SYSTEM \"a"}}, {{Doc, "]>b\">"}, {Txt, "x"}}}},
    {"TagSpansLines", {"<a", "  x=\"1", "2\" xmlns:p=", "'u'>t"},
     {{{Sym, "<"}, {El, "a"}},
      {{Sp, "  "}, {Name, "x"}, {Eq, "="}, {Val, "\"1"}},
      {{Val, "2\""}, {Sp, " "}, {NsName, "xmlns:p"}, {Eq, "="}},
      {{NsVal, "'u'"}, {Sym, ">"}, {Txt, "t"}}}},
    {"NamespaceValueSpansLines", {"<a xmlns=\"urn:", "x\" b='c", "d'>"},
     {{{Sym, "<"}, {El, "a"}, {Sp, " "}, {NsName, "xmlns"}, {Eq, "="}, {NsVal, "\"urn:"}},
      {{NsVal, "x\""}, {Sp, " "}, {Name, "b"}, {Eq, "="}, {Val, "'c"}},
      {{Val, "d'"}, {Sym, ">"}}}},
    {"NameOnTheLineAfterEndTagOpener", {"</", "a>"}, {{{Sym, "</"}}, {{El, "a"}, {Sym, ">"}}}},
};

class TSynXMLSynLines : public testing::TestWithParam<LinesCase> {};

TEST_P(TSynXMLSynLines, StateCarriesOnOneInstance)
{
    TSynXMLSyn hl;
    EXPECT_EQ(tokenizeLines(hl, GetParam().lines), GetParam().tokens);
}

// The edit control restyles from any line with the range stored for the line
// before it: a fresh instance given that range must see what the running one saw.
TEST_P(TSynXMLSynLines, RangeResumesAtEveryLine)
{
    const auto& lines = GetParam().lines;
    TSynXMLSyn running;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        TSynXMLSyn resumed;
        resumed.SetRange(running.GetRange());
        EXPECT_EQ(tokenizeLine(resumed, lines[i]), tokenizeLine(running, lines[i])) << "line " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(TSynXMLSyn, TSynXMLSynLines, testing::ValuesIn(kLinesCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TSynXMLSynRange, FreshInstanceStartsOutside)
{
    TSynXMLSyn first;
    tokenizeLine(first, "<![CDATA[open");
    TSynXMLSyn fresh;
    EXPECT_EQ(tokenizeLine(fresh, "<p>"), (std::vector<Tok>{{Sym, "<"}, {El, "p"}, {Sym, ">"}}));
    first.ResetRange();
    EXPECT_EQ(tokenizeLine(first, "text"), (std::vector<Tok>{{Txt, "text"}}));
}

TEST(TSynXMLSynRange, SetRangeResumesMidComment)
{
    TSynXMLSyn first;
    tokenizeLine(first, "<p><!-- a");
    TSynXMLSyn second;
    second.SetRange(first.GetRange());
    EXPECT_EQ(tokenizeLine(second, "b --><q/>"),
              (std::vector<Tok>{{Com, "b "}, {Sym, "-->"}, {Sym, "<"}, {El, "q"}, {Sym, "/>"}}));
}

// Ranges stored per line let the edit control stop restyling once a line ends
// in the state it had before; that needs one range per state.
TEST(TSynXMLSynRange, EqualStatesGiveEqualRanges)
{
    TSynXMLSyn plain, afterNamespace, afterDocType;
    tokenizeLine(plain, "<a>");
    tokenizeLine(afterNamespace, "<a xmlns='x'>");
    tokenizeLine(afterDocType, "<!DOCTYPE a [ <!ENTITY x 'y'> ]>");
    EXPECT_EQ(afterNamespace.GetRange(), plain.GetRange());
    EXPECT_EQ(afterDocType.GetRange(), plain.GetRange());
}

TEST(TSynXMLSynRange, OutOfRangeValueStartsOutside)
{
    for (int bad : {-1, 10, 15}) {
        TSynXMLSyn hl;
        hl.SetRange(bad);
        EXPECT_EQ(tokenizeLine(hl, "a"), (std::vector<Tok>{{Txt, "a"}})) << bad;
    }
}

TEST(TSynXMLSynRobustness, EveryByteInEveryStateIsCovered)
{
    std::string allBytes;
    for (int c = 0; c < 256; ++c)
        allBytes += char(c);
    const std::vector<std::string> prefixes = {"",      "<",        "</",          "<a ",   "<a b=", "<a b=\"",
                                               "<a b='", "<a xmlns=\"", "<!--", "<![CDATA[", "<?x", "<!DOCTYPE [ \"",
                                               "<!DOCTYPE [ <!--"};
    for (const std::string& prefix : prefixes) {
        for (const std::string& line : {allBytes, std::string(allBytes.rbegin(), allBytes.rend()), prefix + allBytes}) {
            TSynXMLSyn hl;
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

TEST(TSynXMLSynRobustness, MegabyteLinesFinish)
{
    const std::vector<std::string> lines = {
        repeated("word ", kMegabyte), repeated("<", kMegabyte), repeated("</", kMegabyte), repeated("&", kMegabyte), repeated("&a", kMegabyte),
        repeated("<a x='1' ", kMegabyte), "<!--" + repeated("-", kMegabyte), "<![CDATA[" + repeated("]]", kMegabyte),
        "<!DOCTYPE" + repeated("[", kMegabyte) + repeated("]", kMegabyte), "<!DOCTYPE" + repeated("<!--", kMegabyte), "<?" + repeated("?", kMegabyte),
        "<a b=\"" + repeated("x", kMegabyte), repeated(" ", kMegabyte) + "x"};
    for (const std::string& line : lines) {
        TSynXMLSyn hl;
        std::size_t covered = 0;
        for (hl.SetLine(line, 0); !hl.GetEol(); hl.Next())
            covered += hl.GetToken().size();
        EXPECT_EQ(covered, line.size()) << line.substr(0, 10);
    }
}

TEST(TSynXMLSynAttributes, NamesInSortedOrder)
{
    TSynXMLSyn hl;
    std::vector<QString> names;
    for (int i = 0; i < hl.attrCount(); ++i)
        names.push_back(hl.attribute(i)->name());
    EXPECT_EQ(names, (std::vector<QString>{"Attribute Name", "Attribute Value", "CDATA Section", "Comment",
                                           "DOCTYPE Section", "Element Name", "Entity Reference",
                                           "Namespace Attribute Name", "Namespace Attribute Value",
                                           "Processing Instruction", "Symbol", "Text", "Whitespace"}));
}

// The colour preview shows the sample: it should show every attribute, each
// on the kind it is meant for.
TEST(TSynXMLSynAttributes, SampleSourceShowsEveryAttribute)
{
    const std::vector<std::pair<TokenKind, QString>> expected = {
        {Name, "Attribute Name"}, {Val, "Attribute Value"}, {CData, "CDATA Section"}, {Com, "Comment"},
        {Doc, "DOCTYPE Section"}, {El, "Element Name"}, {Ref, "Entity Reference"}, {NsName, "Namespace Attribute Name"},
        {NsVal, "Namespace Attribute Value"}, {PI, "Processing Instruction"}, {Sym, "Symbol"}, {Eq, "Symbol"},
        {Txt, "Text"}, {Sp, "Whitespace"}};
    TSynXMLSyn hl;
    const QStringList lines = hl.sampleSource().split(QStringLiteral("\r\n"));
    ASSERT_GT(lines.size(), 1);
    std::set<QString> seen;
    int n = 0;
    for (const QString& text : lines) {
        const QByteArray bytes = text.toLatin1();
        for (hl.SetLine(std::string_view(bytes.constData(), std::size_t(bytes.size())), n++); !hl.GetEol(); hl.Next()) {
            const auto it = std::find_if(expected.begin(), expected.end(),
                                         [&](const auto& e) { return e.first == hl.GetTokenKind(); });
            ASSERT_NE(it, expected.end()) << tokenKindName(hl.GetTokenKind());
            EXPECT_EQ(hl.GetTokenAttribute()->name(), it->second) << hl.GetToken();
            seen.insert(hl.GetTokenAttribute()->name());
        }
    }
    EXPECT_EQ(int(seen.size()), hl.attrCount());
}

TEST(TSynXMLSynAttributes, NamesAndFilter)
{
    TSynXMLSyn hl;
    EXPECT_EQ(hl.languageName(), "XML");
    EXPECT_EQ(hl.defaultFilter(), "XML Document (*.xml,*.xsd,*.xsl,*.xslt,*.dtd)|*.xml;*.xsd;*.xsl;*.xslt;*.dtd");
}

} // namespace
