#include "editor/tsyngeneralsyn.h"

#include "editor/lexertesthelpers.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using K = TokenKind;
using G = TSynGeneralSyn;
using Lines = std::vector<std::vector<Tok>>;

const Tok sp{K::Space, " "};

// What the editor windows give a custom language: every character from "!" up.
G::CharSet everyPrintableChar()
{
    G::CharSet set;
    for (int c = '!'; c <= 255; ++c)
        set.set(std::size_t(c));
    return set;
}

struct Settings {
    int comments = 0;
    G::StringDelimiter delimiter = G::StringDelimiter::DoubleQuote;
    bool wideIdentifiers = false;
    bool preprocessor = false;
};

void configure(G& hl, const Settings& s)
{
    hl.setKeywords({"begin", "End", "IF"});
    hl.setCommentStyles(s.comments);
    hl.setStringDelimiter(s.delimiter);
    if (s.wideIdentifiers)
        hl.setIdentifierChars(everyPrintableChar());
    hl.setDetectPreprocessor(s.preprocessor);
}

struct LineCase {
    const char* name;
    Settings settings;
    std::string line;
    std::vector<Tok> tokens;
};

std::ostream& operator<<(std::ostream& os, const LineCase& c) { return os << c.name; }

const Settings plain{};
const Settings allComments{G::AnsiComment | G::PascalComment | G::CComment | G::AsmComment | G::BasComment};
const Settings wide{allComments.comments, G::StringDelimiter::DoubleQuote, true};
const Settings wideNoComments{0, G::StringDelimiter::DoubleQuote, true};
const Settings withPreprocessor{0, G::StringDelimiter::DoubleQuote, false, true};

const LineCase kLineCases[] = {
    {"EmptyLine", plain, "", {}},
    {"KeywordsIgnoreCase", plain, "BEGIN begin bEgIn beginx end if",
     {{K::Keyword, "BEGIN"}, sp, {K::Keyword, "begin"}, sp, {K::Keyword, "bEgIn"}, sp, {K::Identifier, "beginx"}, sp,
      {K::Keyword, "end"}, sp, {K::Keyword, "if"}}},
    {"SymbolsAndNumbers", plain, "x:=3.14+42abc;",
     {{K::Identifier, "x"}, {K::Symbol, ":"}, {K::Symbol, "="}, {K::Number, "3.14"}, {K::Symbol, "+"},
      {K::Number, "42abc"}, {K::Symbol, ";"}}},
    {"DefaultIdentifierChars", plain, "a_1 \xE9t\xFF $x",
     {{K::Identifier, "a_1"}, sp, {K::Identifier, "\xE9t\xFF"}, sp, {K::Symbol, "$"}, {K::Identifier, "x"}}},
    {"DoubleSlashAlwaysComments", plain, "x // y (* z", {{K::Identifier, "x"}, sp, {K::Comment, "// y (* z"}}},
    {"OpenersOffAreSymbols", plain, "(*a*) {b} /*c*/ ;",
     {{K::Symbol, "("}, {K::Symbol, "*"}, {K::Identifier, "a"}, {K::Symbol, "*"}, {K::Symbol, ")"}, sp,
      {K::Symbol, "{"}, {K::Identifier, "b"}, {K::Symbol, "}"}, sp, {K::Symbol, "/"}, {K::Symbol, "*"},
      {K::Identifier, "c"}, {K::Symbol, "*"}, {K::Symbol, "/"}, sp, {K::Symbol, ";"}}},
    {"AnsiComment", {G::AnsiComment}, "a (* b *) c (x)",
     {{K::Identifier, "a"}, sp, {K::Comment, "(* b *)"}, sp, {K::Identifier, "c"}, sp, {K::Symbol, "("},
      {K::Identifier, "x"}, {K::Symbol, ")"}}},
    {"AnsiCommentNeedsStarParen", {G::AnsiComment}, "(* a *b ) *)x",
     {{K::Comment, "(* a *b ) *)"}, {K::Identifier, "x"}}},
    {"PascalComment", {G::PascalComment}, "a { b } c", {{K::Identifier, "a"}, sp, {K::Comment, "{ b }"}, sp,
                                                     {K::Identifier, "c"}}},
    {"CComment", {G::CComment}, "a /* b */ c /x",
     {{K::Identifier, "a"}, sp, {K::Comment, "/* b */"}, sp, {K::Identifier, "c"}, sp, {K::Symbol, "/"},
      {K::Identifier, "x"}}},
    {"AsmComment", {G::AsmComment}, "mov ax ; note", {{K::Identifier, "mov"}, sp, {K::Identifier, "ax"}, sp,
                                                      {K::Comment, "; note"}}},
    {"BasComment", {G::BasComment}, "x;y", {{K::Identifier, "x"}, {K::Comment, ";y"}}},
    {"DoubleQuoteString", plain, "\"a 'b\" 'c",
     {{K::String, "\"a 'b\""}, sp, {K::Symbol, "'"}, {K::Identifier, "c"}}},
    {"SingleQuoteString", {0, G::StringDelimiter::SingleQuote}, "'a \"b' \"c",
     {{K::String, "'a \"b'"}, sp, {K::Symbol, "\""}, {K::Identifier, "c"}}},
    {"StringHasNoEscapes", plain, "\"a\\\"b", {{K::String, "\"a\\\""}, {K::Identifier, "b"}}},
    {"UnterminatedStringEndsAtLineEnd", plain, "x \"abc", {{K::Identifier, "x"}, sp, {K::String, "\"abc"}}},
    {"CommentInsideStringIsString", allComments, "\"{ // ;\"", {{K::String, "\"{ // ;\""}}},
    {"WideSetTakesPunctuationIntoWords", wideNoComments, "x:=y+1; (a) a/b",
     {{K::Identifier, "x:=y+1;"}, sp, {K::Identifier, "(a)"}, sp, {K::Identifier, "a/b"}}},
    {"WideSetWordEndsAtSemicolonComment", wide, "x:=1;c {d}", {{K::Identifier, "x:=1"}, {K::Comment, ";c {d}"}}},
    {"WideSetKeywordsBesideComments", wide, "begin{c}end(*d*)if/*e*/IF//f",
     {{K::Keyword, "begin"}, {K::Comment, "{c}"}, {K::Keyword, "end"}, {K::Comment, "(*d*)"}, {K::Keyword, "if"},
      {K::Comment, "/*e*/"}, {K::Keyword, "IF"}, {K::Comment, "//f"}}},
    {"WideSetWordEndsAtDelimiter", wide, "say\"hi\"done 3.5\"x\"",
     {{K::Identifier, "say"}, {K::String, "\"hi\""}, {K::Identifier, "done"}, sp, {K::Number, "3.5"},
      {K::String, "\"x\""}}},
    {"WideSetNumbersAndHash", wideNoComments, "42;x #define",
     {{K::Number, "42;x"}, sp, {K::Identifier, "#define"}}},
    {"WideSetPunctuationGluedToKeywordIsNoKeyword", wideNoComments, "begin; end",
     {{K::Identifier, "begin;"}, sp, {K::Keyword, "end"}}},
    {"PreprocessorLine", withPreprocessor, "  #include <x> // y",
     {{K::Space, "  "}, {K::Preprocessor, "#include <x> // y"}}},
    {"PreprocessorOnlyAtLineStart", withPreprocessor, "x #y",
     {{K::Identifier, "x"}, sp, {K::Symbol, "#"}, {K::Identifier, "y"}}},
    {"PreprocessorOff", plain, "#x", {{K::Symbol, "#"}, {K::Identifier, "x"}}},
    {"NulAndControlBytesAreSpace", plain, std::string("a\0\t\x01", 4) + "b",
     {{K::Identifier, "a"}, {K::Space, std::string("\0\t\x01", 3)}, {K::Identifier, "b"}}},
    // A UTF-8 character (here U+00D7 and U+20AC) stays whole in one token.
    {"HighBytesAreIdentifierChars", plain, "\xC3\x97 \xE2\x82\xAC" "1",
     {{K::Identifier, "\xC3\x97"}, sp, {K::Identifier, "\xE2\x82\xAC" "1"}}},
};

class TSynGeneralSynLine : public testing::TestWithParam<LineCase> {};

TEST_P(TSynGeneralSynLine, Tokens)
{
    G hl;
    configure(hl, GetParam().settings);
    EXPECT_EQ(GetParam().tokens, tokenizeLine(hl, GetParam().line));
    EXPECT_EQ(0, hl.GetRange());
}

INSTANTIATE_TEST_SUITE_P(TSynGeneralSyn, TSynGeneralSynLine, testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct MultiLineCase {
    const char* name;
    Settings settings;
    std::vector<std::string> lines;
    Lines tokens;
};

std::ostream& operator<<(std::ostream& os, const MultiLineCase& c) { return os << c.name; }

const MultiLineCase kMultiLineCases[] = {
    {"AnsiOverLines", {G::AnsiComment}, {"a (* b", "", "c } */", "*) end"},
     {{{K::Identifier, "a"}, sp, {K::Comment, "(* b"}}, {}, {{K::Comment, "c } */"}},
      {{K::Comment, "*)"}, sp, {K::Keyword, "end"}}}},
    {"PascalOverLines", {G::PascalComment}, {"{ a", "*) b } end"},
     {{{K::Comment, "{ a"}}, {{K::Comment, "*) b }"}, sp, {K::Keyword, "end"}}}},
    {"COverLines", {G::CComment}, {"x /* a", "} b */ end"},
     {{{K::Identifier, "x"}, sp, {K::Comment, "/* a"}}, {{K::Comment, "} b */"}, sp, {K::Keyword, "end"}}}},
    {"WideSetOverLines", wide, {"begin{", "x;y", "}end"},
     {{{K::Keyword, "begin"}, {K::Comment, "{"}}, {{K::Comment, "x;y"}}, {{K::Comment, "}"}, {K::Keyword, "end"}}}},
    {"LineCommentsAndStringsDoNotCarry", allComments, {"; a {", "\"b {", "// c (*", "end"},
     {{{K::Comment, "; a {"}}, {{K::String, "\"b {"}}, {{K::Comment, "// c (*"}}, {{K::Keyword, "end"}}}},
    {"PreprocessorNotInsideComment", {G::CComment, G::StringDelimiter::DoubleQuote, false, true},
     {"/* a", "#b */", "#c"},
     {{{K::Comment, "/* a"}}, {{K::Comment, "#b */"}}, {{K::Preprocessor, "#c"}}}},
};

class TSynGeneralSynLines : public testing::TestWithParam<MultiLineCase> {};

TEST_P(TSynGeneralSynLines, StateCarriesOnOneInstance)
{
    G hl;
    configure(hl, GetParam().settings);
    EXPECT_EQ(GetParam().tokens, tokenizeLines(hl, GetParam().lines));
}

INSTANTIATE_TEST_SUITE_P(TSynGeneralSyn, TSynGeneralSynLines, testing::ValuesIn(kMultiLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TSynGeneralSynKeywords, StoredInUpperCaseAndReplaceable)
{
    G hl;
    EXPECT_TRUE(hl.keywords().isEmpty());
    EXPECT_EQ((std::vector<Tok>{{K::Identifier, "begin"}}), tokenizeLine(hl, "begin"));

    hl.addKeyword(QStringLiteral("Begin"));
    hl.addKeyword(QString::fromLatin1("gr\xF6\xDF" "e"));
    EXPECT_EQ((QStringList{"BEGIN", QString::fromLatin1("GR\xD6\xDF" "E")}), hl.keywords());
    EXPECT_EQ((std::vector<Tok>{{K::Keyword, "gr\xF6\xDF" "e"}, sp, {K::Keyword, "GR\xD6\xDF" "E"}}),
              tokenizeLine(hl, "gr\xF6\xDF" "e GR\xD6\xDF" "E"));

    hl.setKeywords({"while", "do"});
    EXPECT_EQ((QStringList{"WHILE", "DO"}), hl.keywords());
    EXPECT_EQ((std::vector<Tok>{{K::Identifier, "begin"}, sp, {K::Keyword, "Do"}}), tokenizeLine(hl, "begin Do"));

    hl.clearKeywords();
    EXPECT_TRUE(hl.keywords().isEmpty());
    EXPECT_EQ((std::vector<Tok>{{K::Identifier, "do"}}), tokenizeLine(hl, "do"));
}

TEST(TSynGeneralSynKeywords, WordsLongerThanAnyStackBufferStillMatch)
{
    G hl;
    const std::string longWord(300, 'q');
    hl.addKeyword(QString::fromStdString(std::string(300, 'Q')));
    EXPECT_EQ((std::vector<Tok>{{K::Keyword, longWord}}), tokenizeLine(hl, longWord));
    EXPECT_EQ((std::vector<Tok>{{K::Identifier, longWord + "q"}}), tokenizeLine(hl, longWord + "q"));
}

TEST(TSynGeneralSynSettings, DefaultsAndFilter)
{
    G hl;
    EXPECT_EQ(0, hl.commentStyles());
    EXPECT_FALSE(hl.detectPreprocessor());
    EXPECT_TRUE(hl.identifierChars().test('a') && hl.identifierChars().test('Z') && hl.identifierChars().test('7')
                && hl.identifierChars().test('_'));
    EXPECT_FALSE(hl.identifierChars().test('!') || hl.identifierChars().test(' '));
    EXPECT_EQ(QString(), hl.defaultFilter());
    hl.setDefaultFilter(QStringLiteral("Lisp (*.lsp)|*.lsp"));
    EXPECT_EQ(QStringLiteral("Lisp (*.lsp)|*.lsp"), hl.defaultFilter());
    hl.setCommentStyles(0xFF);
    EXPECT_EQ(31, hl.commentStyles());
}

TEST(TSynGeneralSynRange, NewInstanceStartsOutsideComment)
{
    G first;
    first.setCommentStyles(G::CComment);
    tokenizeLine(first, "/* open");
    EXPECT_NE(0, first.GetRange());
    G second;
    second.setCommentStyles(G::CComment);
    EXPECT_EQ(0, second.GetRange());
    EXPECT_EQ((std::vector<Tok>{{K::Identifier, "x"}}), tokenizeLine(second, "x"));
}

TEST(TSynGeneralSynRange, ResumesOnFreshInstance)
{
    struct Case {
        const char* opener;
        std::string next;
        std::vector<Tok> tokens;
    } cases[] = {
        {"(* a", "} */ *) x", {{K::Comment, "} */ *)"}, sp, {K::Identifier, "x"}}},
        {"{ a", "*) */ } x", {{K::Comment, "*) */ }"}, sp, {K::Identifier, "x"}}},
        {"/* a", "} *) */ x", {{K::Comment, "} *) */"}, sp, {K::Identifier, "x"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opener);
        G writer;
        configure(writer, allComments);
        tokenizeLine(writer, c.opener);
        G reader;
        configure(reader, allComments);
        reader.SetRange(writer.GetRange());
        EXPECT_EQ(writer.GetRange(), reader.GetRange());
        EXPECT_EQ(c.tokens, tokenizeLine(reader, c.next));
    }
    G hl;
    hl.SetRange(42);
    EXPECT_EQ(0, hl.GetRange());
    hl.setCommentStyles(G::CComment);
    tokenizeLine(hl, "/*");
    hl.ResetRange();
    EXPECT_EQ((std::vector<Tok>{{K::Identifier, "x"}}), tokenizeLine(hl, "x"));
}

TEST(TSynGeneralSynAttributes, NamesSortedIgnoringCase)
{
    G hl;
    std::vector<QString> names;
    for (int i = 0; i < hl.attrCount(); ++i)
        names.push_back(hl.attribute(i)->name());
    EXPECT_EQ((std::vector<QString>{"Comment", "Identifier", "Number", "Preprocessor", "Reserved word", "Space",
                                    "String", "Symbol"}),
              names);
    configure(hl, withPreprocessor);
    hl.SetLine("#x", 0);
    EXPECT_EQ(QStringLiteral("Preprocessor"), hl.GetTokenAttribute()->name());
    hl.SetLine("end", 0);
    EXPECT_EQ(QStringLiteral("Reserved word"), hl.GetTokenAttribute()->name());
}

TEST(TSynGeneralSynRobustness, MegabyteLinesEndWithSaneTokenCounts)
{
    const std::size_t mb = 1 << 20;
    struct Case {
        const char* name;
        Settings settings;
        std::string line;
        std::size_t tokens;
    } cases[] = {
        {"wide word", wide, std::string(mb, '!'), 1},
        {"slashes", wide, std::string(mb, '/'), 1},
        {"unclosed ansi", wide, "(*" + std::string(mb, '*'), 1},
        {"open parens", wide, std::string(mb, '('), 1},
        {"quotes", wide, std::string(mb, '"'), mb / 2},
        {"semicolons as symbols", plain, std::string(mb, ';'), mb},
        {"hashes at line start", withPreprocessor, std::string(mb, '#'), 1},
        {"hashes after a word", withPreprocessor, "x" + std::string(mb, '#'), mb + 1},
        {"digits", plain, std::string(mb, '7'), 1},
        {"nul", plain, std::string(mb, '\0'), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        G hl;
        configure(hl, c.settings);
        EXPECT_EQ(c.tokens, countTilingTokens(hl, c.line));
    }
}

TEST(TSynGeneralSynRobustness, RandomBytesTileTheLine)
{
    std::mt19937 random(5);
    std::uniform_int_distribution<int> byte(0, 255);
    for (const Settings& s : {plain, wide, allComments, withPreprocessor}) {
        G hl;
        configure(hl, s);
        for (int round = 0; round < 100; ++round) {
            std::string line(std::size_t(random() % 200), '\0');
            for (char& c : line)
                c = char(byte(random));
            countTilingTokens(hl, line);
        }
    }
}

} // namespace
