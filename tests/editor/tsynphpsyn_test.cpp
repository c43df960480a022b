#include "editor/tsynphpsyn.h"

#include "editor/lexertesthelpers.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>

namespace {

using namespace std::string_literals;

constexpr TokenKind Com = TokenKind::Comment, Id = TokenKind::Identifier, Kw = TokenKind::Keyword,
                    Num = TokenKind::Number, Sp = TokenKind::Space, Str = TokenKind::String,
                    Sym = TokenKind::Symbol, Var = TokenKind::Variable, Bad = TokenKind::Unknown;

// ---------------------------------------------------------------- one line

const LineCase kLineCases[] = {
    {"SlashComment", "$a = 1; // note",
     {{Var, "$a"}, {Sp, " "}, {Sym, "="}, {Sp, " "}, {Num, "1"}, {Sym, ";"}, {Sp, " "}, {Com, "// note"}}},
    {"HashComment", "# note 'x",
     {{Com, "# note 'x"}}},
    {"CloseTagEndsLineComment", "// a ?> b",
     {{Com, "// a "}, {Sym, "?>"}, {Sp, " "}, {Id, "b"}}},
    {"BlockCommentOnOneLine", "/* c */$x/**/",
     {{Com, "/* c */"}, {Var, "$x"}, {Com, "/**/"}}},
    {"SlashStarSlashIsNoClose", "/*/ x",
     {{Com, "/*/ x"}}},
    {"AttributeIsNoComment", "#[Pure]",
     {{Sym, "#"}, {Sym, "["}, {Id, "Pure"}, {Sym, "]"}}},
    {"KeywordsIgnoreCase", "FUNCTION Foo() { Return TRUE; }",
     {{Kw, "FUNCTION"}, {Sp, " "}, {Id, "Foo"}, {Sym, "("}, {Sym, ")"}, {Sp, " "}, {Sym, "{"}, {Sp, " "},
      {Kw, "Return"}, {Sp, " "}, {Kw, "TRUE"}, {Sym, ";"}, {Sp, " "}, {Sym, "}"}}},
    {"KeywordPrefixIsIdentifier", "classes echo_it",
     {{Id, "classes"}, {Sp, " "}, {Id, "echo_it"}}},
    {"MemberNamedLikeKeyword", "$q->list(); Foo::class;",
     {{Var, "$q"}, {Sym, "-"}, {Sym, ">"}, {Id, "list"}, {Sym, "("}, {Sym, ")"}, {Sym, ";"}, {Sp, " "},
      {Id, "Foo"}, {Sym, ":"}, {Sym, ":"}, {Id, "class"}, {Sym, ";"}}},
    {"Variables", "$this $$name $_x $\xc3\xa9",
     {{Var, "$this"}, {Sp, " "}, {Var, "$$name"}, {Sp, " "}, {Var, "$_x"}, {Sp, " "}, {Var, "$\xc3\xa9"}}},
    {"LoneDollarBeforeExpression", "${'a'} $1",
     {{Var, "$"}, {Sym, "{"}, {Str, "'a'"}, {Sym, "}"}, {Sp, " "}, {Var, "$"}, {Num, "1"}}},
    {"Numbers", "0x1F 0b101 0o17 1_000 3.14 .5 1e-5 2E3",
     {{Num, "0x1F"}, {Sp, " "}, {Num, "0b101"}, {Sp, " "}, {Num, "0o17"}, {Sp, " "}, {Num, "1_000"},
      {Sp, " "}, {Num, "3.14"}, {Sp, " "}, {Num, ".5"}, {Sp, " "}, {Num, "1e-5"}, {Sp, " "}, {Num, "2E3"}}},
    {"ConcatenationIsNoFraction", "1.$x",
     {{Num, "1"}, {Sym, "."}, {Var, "$x"}}},
    {"StringsWithEscapes", "'it\\'s' \"a\\\"b\" `ls`",
     {{Str, "'it\\'s'"}, {Sp, " "}, {Str, "\"a\\\"b\""}, {Sp, " "}, {Str, "`ls`"}}},
    {"OpenAndCloseTags", "<?php echo 1; ?><?= $x ?><?PHP<?",
     {{Sym, "<?php"}, {Sp, " "}, {Kw, "echo"}, {Sp, " "}, {Num, "1"}, {Sym, ";"}, {Sp, " "}, {Sym, "?>"},
      {Sym, "<?="}, {Sp, " "}, {Var, "$x"}, {Sp, " "}, {Sym, "?>"}, {Sym, "<?PHP"}, {Sym, "<?"}}},
    {"SymbolsAreSingleCharacters", "$a === $b ?? $c;",
     {{Var, "$a"}, {Sp, " "}, {Sym, "="}, {Sym, "="}, {Sym, "="}, {Sp, " "}, {Var, "$b"}, {Sp, " "},
      {Sym, "?"}, {Sym, "?"}, {Sp, " "}, {Var, "$c"}, {Sym, ";"}}},
    {"HereDocMarkers", "<<<EOT <<< \"A\" <<<'B'",
     {{Str, "<<<EOT"}, {Sp, " "}, {Str, "<<< \"A\""}, {Sp, " "}, {Str, "<<<'B'"}}},
    {"ShiftIsNoHereDoc", "1 << 2 <<< 3",
     {{Num, "1"}, {Sp, " "}, {Sym, "<"}, {Sym, "<"}, {Sp, " "}, {Num, "2"}, {Sp, " "}, {Sym, "<"},
      {Sym, "<"}, {Sym, "<"}, {Sp, " "}, {Num, "3"}}},
    {"ControlBytesAreInvalid", "\x01\x7f\x0b",
     {{Bad, "\x01"}, {Bad, "\x7f"}, {Bad, "\x0b"}}},
    {"NulIsInvalid", "a\0b"s,
     {{Id, "a"}, {Bad, "\0"s}, {Id, "b"}}},
    {"HighBytesAreNameCharacters", "\xff\xfe $\xff",
     {{Id, "\xff\xfe"}, {Sp, " "}, {Var, "$\xff"}}},
};

class TSynPHPSynLine : public testing::TestWithParam<LineCase> {};

TEST_P(TSynPHPSynLine, Tokens)
{
    TSynPHPSyn hl;
    EXPECT_EQ(tokenizeLine(hl, GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(TSynPHPSyn, TSynPHPSynLine, testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- over lines

const MultiCase kMultiCases[] = {
    {"BlockComment",
     {"/* one", "two $x", "three */ $x"},
     {{{Com, "/* one"}}, {{Com, "two $x"}}, {{Com, "three */"}, {Sp, " "}, {Var, "$x"}}}},
    {"EmptyLineInsideComment",
     {"/*", "", "*/"},
     {{{Com, "/*"}}, {}, {{Com, "*/"}}}},
    {"SingleQuotedOverLines",
     {"echo 'a", "b';"},
     {{{Kw, "echo"}, {Sp, " "}, {Str, "'a"}}, {{Str, "b'"}, {Sym, ";"}}}},
    {"EscapedQuoteAtLineEnd",
     {"\"a\\\"", "b\";"},
     {{{Str, "\"a\\\""}}, {{Str, "b\""}, {Sym, ";"}}}},
    {"CommentOpenerInsideStringIsText",
     {"'/*", "*/'"},
     {{{Str, "'/*"}}, {{Str, "*/'"}}}},
    {"HereDoc",
     {"$s = <<<EOT", "Hello $name", "", "  EOT;", "echo $s;"},
     {{{Var, "$s"}, {Sp, " "}, {Sym, "="}, {Sp, " "}, {Str, "<<<EOT"}},
      {{Str, "Hello $name"}}, {}, {{Str, "  EOT"}, {Sym, ";"}},
      {{Kw, "echo"}, {Sp, " "}, {Var, "$s"}, {Sym, ";"}}}},
    {"NowDocTerminatorMustEndTheName",
     {"<<<'EOT'", "EOTX", "EOT"},
     {{{Str, "<<<'EOT'"}}, {{Str, "EOTX"}}, {{Str, "EOT"}}}},
    {"MarkerBeforeUnclosedCommentIsNotFollowed",
     {"f(<<<A); /* c", "A */"},
     {{{Id, "f"}, {Sym, "("}, {Str, "<<<A"}, {Sym, ")"}, {Sym, ";"}, {Sp, " "}, {Com, "/* c"}},
      {{Com, "A */"}}}},
};

class TSynPHPSynLines : public testing::TestWithParam<MultiCase> {};

TEST_P(TSynPHPSynLines, CarriedOnOneInstance)
{
    TSynPHPSyn hl;
    EXPECT_EQ(tokenizeLines(hl, GetParam().lines), GetParam().expected);
}

// The edit control restyles from any line with the range stored for the
// line before; a fresh instance given that range must continue identically.
TEST_P(TSynPHPSynLines, ResumesFromStoredRange)
{
    expectResumesFromStoredRange<TSynPHPSyn>(GetParam());
}

INSTANTIATE_TEST_SUITE_P(TSynPHPSyn, TSynPHPSynLines, testing::ValuesIn(kMultiCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TSynPHPSynRange, FreshInstanceStartsOutside)
{
    TSynPHPSyn carried;
    tokenizeLine(carried, "/* open");
    EXPECT_NE(carried.GetRange(), TSynPHPSyn().GetRange());

    TSynPHPSyn fresh;
    EXPECT_EQ(tokenizeLine(fresh, "echo $x"), (std::vector<Tok>{{Kw, "echo"}, {Sp, " "}, {Var, "$x"}}));
}

TEST(TSynPHPSynRange, ResetRangeLeavesCommentStringAndHereDoc)
{
    const std::vector<Tok> code{{Kw, "echo"}, {Sp, " "}, {Var, "$x"}};
    for (const char* opener : {"/* open", "\"open", "<<<EOT"}) {
        TSynPHPSyn hl;
        tokenizeLine(hl, opener);
        hl.ResetRange();
        EXPECT_EQ(tokenizeLine(hl, "echo $x"), code) << opener;
    }
}

TEST(TSynPHPSynRange, RangesItDidNotMakeStartInCode)
{
    const std::vector<Tok> code{{Kw, "echo"}, {Sp, " "}, {Var, "$x"}};
    // 2 is a string without delimiter; the heredoc index was never interned.
    for (int range : {-1, INT_MIN, INT_MAX, 2, 2 | ('x' << 2), 3 | (60000 << 2)}) {
        TSynPHPSyn hl;
        hl.SetRange(range);
        EXPECT_EQ(tokenizeLine(hl, "echo $x"), code) << range;
    }
}

// ---------------------------------------------------------------- sample

TEST(TSynPHPSynSample, Tokens)
{
    const std::vector<std::vector<Tok>> expected{
        {{Sym, "<?php"}},
        {{Com, "// Syntax highlighting"}},
        {{Kw, "class"}, {Sp, " "}, {Id, "Greeter"}, {Sp, " "}, {Sym, "{"}},
        {{Sp, "    "}, {Kw, "private"}, {Sp, " "}, {Var, "$name"}, {Sp, " "}, {Sym, "="}, {Sp, " "},
         {Str, "'World'"}, {Sym, ";"}},
        {{Sp, "    "}, {Com, "/* Says hello"}},
        {{Com, "       a few times */"}},
        {{Sp, "    "}, {Kw, "public"}, {Sp, " "}, {Kw, "function"}, {Sp, " "}, {Id, "greet"}, {Sym, "("},
         {Var, "$times"}, {Sp, " "}, {Sym, "="}, {Sp, " "}, {Num, "3"}, {Sym, ")"}, {Sp, " "}, {Sym, "{"}},
        {{Sp, "        "}, {Kw, "for"}, {Sp, " "}, {Sym, "("}, {Var, "$i"}, {Sp, " "}, {Sym, "="}, {Sp, " "},
         {Num, "0"}, {Sym, ";"}, {Sp, " "}, {Var, "$i"}, {Sp, " "}, {Sym, "<"}, {Sp, " "}, {Var, "$times"},
         {Sym, ";"}, {Sp, " "}, {Var, "$i"}, {Sym, "+"}, {Sym, "+"}, {Sym, ")"}},
        {{Sp, "            "}, {Kw, "echo"}, {Sp, " "}, {Str, "\"Hello, {$this->name}!\\n\""}, {Sym, ";"}},
        {{Sp, "        "}, {Kw, "return"}, {Sp, " "}, {Num, "0x1F"}, {Sym, ";"}},
        {{Sp, "    "}, {Sym, "}"}},
        {{Sym, "}"}},
        {{Sym, "?>"}},
    };
    expectSampleTokens<TSynPHPSyn>(expected);
}

// ---------------------------------------------------------------- attributes

TEST(TSynPHPSynAttributes, NamesSorted)
{
    TSynPHPSyn hl;
    const QStringList expected{"Comment", "Identifier", "Invalid symbol", "Number", "Reserved word",
                               "Space",   "String",     "Symbol",         "Variable"};
    EXPECT_EQ(attributeNames(hl), expected);
}

TEST(TSynPHPSynAttributes, EachKindPaintsWithItsAttribute)
{
    TSynPHPSyn hl;
    const std::map<TokenKind, QString> expected{
        {Com, "Comment"}, {Id, "Identifier"}, {Bad, "Invalid symbol"}, {Num, "Number"}, {Kw, "Reserved word"},
        {Sp, "Space"},    {Str, "String"},    {Sym, "Symbol"},         {Var, "Variable"},
    };
    const std::string line = "echo f($x, 1, 's')\x01; # c";
    EXPECT_EQ(attributesByKind(hl, line), expected);
}

TEST(TSynPHPSynAttributes, LanguageAndFilter)
{
    TSynPHPSyn hl;
    EXPECT_EQ(hl.languageName(), QStringLiteral("PHP"));
    EXPECT_EQ(hl.defaultFilter(), QStringLiteral("PHP Files (*.php,*.php3,*.phtml,*.inc)|*.php;*.php3;*.phtml;*.inc"));
}

// ---------------------------------------------------------------- bad input

TEST(TSynPHPSynInput, EmptyLineHasNoTokens)
{
    TSynPHPSyn hl;
    hl.SetLine("", 0);
    EXPECT_TRUE(hl.GetEol());
    EXPECT_EQ(hl.GetTokenAttribute(), nullptr);
}

TEST(TSynPHPSynInput, EveryByteAfterEveryOpener)
{
    expectEveryByteCoveredAfter<TSynPHPSyn>(
        {"", "$", "/", "/*", "#", "'", "\"", "<", "<?", "<<<", "<<<'", "<<< \"", "?", ".", "0x", "1e"});
}

TEST(TSynPHPSynInput, MegabyteLinesFinish)
{
    const std::size_t mb = kMegabyte;
    const std::string random = randomBytes(mb, 11);
    auto repeat = [&](std::string_view unit) { return repeated(unit, mb); };
    const std::vector<std::string> lines{
        std::string(mb, 'a'), "'" + std::string(mb, 'x'), "/*" + std::string(mb, '*'), repeat("<<<"),
        "<<<" + std::string(mb, 'E'), repeat("//?>"), repeat("$"), repeat("<?"), std::string(mb, '\xff'),
        std::string(mb, '\0'), random,
    };
    expectLinesCovered<TSynPHPSyn>(lines);
}

} // namespace
