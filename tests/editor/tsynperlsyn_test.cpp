#include "editor/tsynperlsyn.h"

#include "editor/lexertesthelpers.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>

namespace {

using namespace std::string_literals;

constexpr TokenKind Com = TokenKind::Comment, Id = TokenKind::Identifier, Kw = TokenKind::Keyword,
                    Num = TokenKind::Number, Op = TokenKind::Operator, Pr = TokenKind::Pragma,
                    Sp = TokenKind::Space, Str = TokenKind::String, Sym = TokenKind::Symbol,
                    Var = TokenKind::Variable, Bad = TokenKind::Unknown;

// ---------------------------------------------------------------- one line

const LineCase kLineCases[] = {
    {"LineComment", "$x = 1; # note",
     {{Var, "$x"}, {Sp, " "}, {Op, "="}, {Sp, " "}, {Num, "1"}, {Sym, ";"}, {Sp, " "}, {Com, "# note"}}},
    {"KeywordsAndIdentifiers", "return foo unless defined $x;",
     {{Kw, "return"}, {Sp, " "}, {Id, "foo"}, {Sp, " "}, {Kw, "unless"}, {Sp, " "}, {Kw, "defined"},
      {Sp, " "}, {Var, "$x"}, {Sym, ";"}}},
    {"KeywordsAreCaseSensitive", "Print",
     {{Id, "Print"}}},
    {"PragmaAfterUse", "use strict; use\twarnings;",
     {{Kw, "use"}, {Sp, " "}, {Pr, "strict"}, {Sym, ";"}, {Sp, " "}, {Kw, "use"}, {Sp, "\t"},
      {Pr, "warnings"}, {Sym, ";"}}},
    {"PragmaAfterNo", "no strict 'refs';",
     {{Kw, "no"}, {Sp, " "}, {Pr, "strict"}, {Sp, " "}, {Str, "'refs'"}, {Sym, ";"}}},
    {"ModuleAfterUseIsIdentifier", "use CGI::Carp qw(fatalsToBrowser);",
     {{Kw, "use"}, {Sp, " "}, {Id, "CGI::Carp"}, {Sp, " "}, {Str, "qw(fatalsToBrowser)"}, {Sym, ";"}}},
    {"PragmaWordElsewhereIsIdentifier", "strict(1);",
     {{Id, "strict"}, {Sym, "("}, {Num, "1"}, {Sym, ")"}, {Sym, ";"}}},
    {"VersionAfterUse", "use v5.10.1;",
     {{Kw, "use"}, {Sp, " "}, {Num, "v5.10.1"}, {Sym, ";"}}},
    {"ScalarForms", "$_ $0 $10 ${name} $#list $$ref $::main $Foo::bar $^W $& $$",
     {{Var, "$_"}, {Sp, " "}, {Var, "$0"}, {Sp, " "}, {Var, "$10"}, {Sp, " "}, {Var, "${name}"}, {Sp, " "},
      {Var, "$#list"}, {Sp, " "}, {Var, "$$ref"}, {Sp, " "}, {Var, "$::main"}, {Sp, " "}, {Var, "$Foo::bar"},
      {Sp, " "}, {Var, "$^W"}, {Sp, " "}, {Var, "$&"}, {Sp, " "}, {Var, "$$"}}},
    {"DereferenceBlocks", "${ $r }{k} $#{$a}",
     {{Var, "$"}, {Sym, "{"}, {Sp, " "}, {Var, "$r"}, {Sp, " "}, {Sym, "}"}, {Sym, "{"}, {Id, "k"},
      {Sym, "}"}, {Sp, " "}, {Var, "$#"}, {Sym, "{"}, {Var, "$a"}, {Sym, "}"}}},
    {"ArraysAndHashes", "my @list = (@$ref, %h, @{$x});",
     {{Kw, "my"}, {Sp, " "}, {Var, "@list"}, {Sp, " "}, {Op, "="}, {Sp, " "}, {Sym, "("}, {Var, "@$ref"},
      {Sym, ","}, {Sp, " "}, {Var, "%h"}, {Sym, ","}, {Sp, " "}, {Var, "@"}, {Sym, "{"}, {Var, "$x"},
      {Sym, "}"}, {Sym, ")"}, {Sym, ";"}}},
    {"PercentAfterTermIsModulo", "$a % $b + $c%2",
     {{Var, "$a"}, {Sp, " "}, {Op, "%"}, {Sp, " "}, {Var, "$b"}, {Sp, " "}, {Op, "+"}, {Sp, " "},
      {Var, "$c"}, {Op, "%"}, {Num, "2"}}},
    {"Numbers", ".5 + 0x1F + 0b101 + 1_000 + 3.14 + 1e-5 + 1.5E3",
     {{Num, ".5"}, {Sp, " "}, {Op, "+"}, {Sp, " "}, {Num, "0x1F"}, {Sp, " "}, {Op, "+"}, {Sp, " "},
      {Num, "0b101"}, {Sp, " "}, {Op, "+"}, {Sp, " "}, {Num, "1_000"}, {Sp, " "}, {Op, "+"}, {Sp, " "},
      {Num, "3.14"}, {Sp, " "}, {Op, "+"}, {Sp, " "}, {Num, "1e-5"}, {Sp, " "}, {Op, "+"}, {Sp, " "},
      {Num, "1.5E3"}}},
    {"RangeIsNotAFraction", "1..10",
     {{Num, "1"}, {Op, ".."}, {Num, "10"}}},
    {"Operators", "$a->[0] <=> $b **= 2 && !$c",
     {{Var, "$a"}, {Op, "->"}, {Sym, "["}, {Num, "0"}, {Sym, "]"}, {Sp, " "}, {Op, "<=>"}, {Sp, " "},
      {Var, "$b"}, {Sp, " "}, {Op, "**="}, {Sp, " "}, {Num, "2"}, {Sp, " "}, {Op, "&&"}, {Sp, " "},
      {Op, "!"}, {Var, "$c"}}},
    {"PatternAfterBindingOperator", "$s =~ /a\\/b/i;",
     {{Var, "$s"}, {Sp, " "}, {Op, "=~"}, {Sp, " "}, {Str, "/a\\/b/i"}, {Sym, ";"}}},
    {"SlashAfterTermDivides", "$x / $y / 2",
     {{Var, "$x"}, {Sp, " "}, {Op, "/"}, {Sp, " "}, {Var, "$y"}, {Sp, " "}, {Op, "/"}, {Sp, " "},
      {Num, "2"}}},
    {"EmptyPatternAfterSplit", "split //, $x;",
     {{Kw, "split"}, {Sp, " "}, {Str, "//"}, {Sym, ","}, {Sp, " "}, {Var, "$x"}, {Sym, ";"}}},
    {"QuoteOperatorsNestBrackets", "q{a{b}c} . qq<x>",
     {{Str, "q{a{b}c}"}, {Sp, " "}, {Op, "."}, {Sp, " "}, {Str, "qq<x>"}}},
    {"SubstitutionHidesQuotes", "s/'//g;",
     {{Str, "s/'//g"}, {Sym, ";"}}},
    {"SubstitutionWithBracketParts", "s{a} {b}gx;",
     {{Str, "s{a} {b}gx"}, {Sym, ";"}}},
    {"Transliteration", "tr/a-z/A-Z/ + y(a)[b]",
     {{Str, "tr/a-z/A-Z/"}, {Sp, " "}, {Op, "+"}, {Sp, " "}, {Str, "y(a)[b]"}}},
    {"QuoteWordsUsedAsNames", "$h{s} = (q => 1, y => 2);",
     {{Var, "$h"}, {Sym, "{"}, {Id, "s"}, {Sym, "}"}, {Sp, " "}, {Op, "="}, {Sp, " "}, {Sym, "("},
      {Id, "q"}, {Sp, " "}, {Op, "=>"}, {Sp, " "}, {Num, "1"}, {Sym, ","}, {Sp, " "}, {Id, "y"}, {Sp, " "},
      {Op, "=>"}, {Sp, " "}, {Num, "2"}, {Sym, ")"}, {Sym, ";"}}},
    {"MethodNamedLikeQuoteOperator", "$obj->s(1);",
     {{Var, "$obj"}, {Op, "->"}, {Id, "s"}, {Sym, "("}, {Num, "1"}, {Sym, ")"}, {Sym, ";"}}},
    {"SubNamedLikeQuoteOperator", "sub y {",
     {{Kw, "sub"}, {Sp, " "}, {Id, "y"}, {Sp, " "}, {Sym, "{"}}},
    {"FileTestIsNotSubstitution", "-s $file",
     {{Op, "-"}, {Id, "s"}, {Sp, " "}, {Var, "$file"}}},
    {"HashAfterBlankIsComment", "q #x#",
     {{Id, "q"}, {Sp, " "}, {Com, "#x#"}}},
    {"StringsWithEscapes", "\"a\\\"b\" 'it\\'s' `ls`",
     {{Str, "\"a\\\"b\""}, {Sp, " "}, {Str, "'it\\'s'"}, {Sp, " "}, {Str, "`ls`"}}},
    {"HereDocMarkerAndShift", "print <<\"EOF\", 1 << 2, $n<<EOF;",
     {{Kw, "print"}, {Sp, " "}, {Str, "<<\"EOF\""}, {Sym, ","}, {Sp, " "}, {Num, "1"}, {Sp, " "},
      {Op, "<<"}, {Sp, " "}, {Num, "2"}, {Sym, ","}, {Sp, " "}, {Var, "$n"}, {Op, "<<"}, {Id, "EOF"},
      {Sym, ";"}}},
    {"RepetitionOperator", "\"-\" x 10",
     {{Str, "\"-\""}, {Sp, " "}, {Op, "x"}, {Sp, " "}, {Num, "10"}}},
    {"EndMarkerEndsCode", "__END__ trailing",
     {{Kw, "__END__"}, {Com, " trailing"}}},
    {"ControlBytesAreIllegal", "\x01\x7f",
     {{Bad, "\x01"}, {Bad, "\x7f"}}},
    {"NulIsIllegal", "a\0b"s,
     {{Id, "a"}, {Bad, "\0"s}, {Id, "b"}}},
    // "$größe": a UTF-8 name is one token, as under "use utf8".
    {"HighBytesAreNameCharacters", "$gr\xc3\xb6\xc3\x9f" "e \xff\"\xff\"#\xff",
     {{Var, "$gr\xc3\xb6\xc3\x9f" "e"}, {Sp, " "}, {Id, "\xff"}, {Str, "\"\xff\""}, {Com, "#\xff"}}},
};

class TSynPerlSynLine : public testing::TestWithParam<LineCase> {};

TEST_P(TSynPerlSynLine, Tokens)
{
    TSynPerlSyn hl;
    EXPECT_EQ(tokenizeLine(hl, GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(TSynPerlSyn, TSynPerlSynLine, testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- over lines

const MultiCase kMultiCases[] = {
    {"PodBlock",
     {"=head1 NAME", "my $x = 'not code';", "=cut", "print 1;"},
     {{{Com, "=head1 NAME"}}, {{Com, "my $x = 'not code';"}}, {{Com, "=cut"}},
      {{Kw, "print"}, {Sp, " "}, {Num, "1"}, {Sym, ";"}}}},
    {"LoneCutIsOneCommentLine",
     {"=cut", "$x"},
     {{{Com, "=cut"}}, {{Var, "$x"}}}},
    {"EqualsAtLineStartIsNoPod",
     {"$x", "== 2"},
     {{{Var, "$x"}}, {{Op, "=="}, {Sp, " "}, {Num, "2"}}}},
    {"DoubleQuotedOverLines",
     {"print \"one", "two", "three\";"},
     {{{Kw, "print"}, {Sp, " "}, {Str, "\"one"}}, {{Str, "two"}}, {{Str, "three\""}, {Sym, ";"}}}},
    {"EmptyLineInsideString",
     {"'a", "", "b';"},
     {{{Str, "'a"}}, {}, {{Str, "b'"}, {Sym, ";"}}}},
    {"BackslashAtLineEnd",
     {"\"a\\", "\";"},
     {{{Str, "\"a\\"}}, {{Str, "\""}, {Sym, ";"}}}},
    {"PodMarkerInsideStringIsText",
     {"\"a", "=head1 b\";"},
     {{{Str, "\"a"}}, {{Str, "=head1 b\""}, {Sym, ";"}}}},
    {"QuoteWordsOverLines",
     {"my @w = qw(", "  alpha (beta)", ");"},
     {{{Kw, "my"}, {Sp, " "}, {Var, "@w"}, {Sp, " "}, {Op, "="}, {Sp, " "}, {Str, "qw("}},
      {{Str, "  alpha (beta)"}},
      {{Str, ")"}, {Sym, ";"}}}},
    {"SubstitutionPartsOverLines",
     {"s{a}", "  # why", "  {b}e;"},
     {{{Str, "s{a}"}}, {{Sp, "  "}, {Com, "# why"}}, {{Sp, "  "}, {Str, "{b}e"}, {Sym, ";"}}}},
    {"SubstitutionCommentAfterFirstPart",
     {"s(a) # why", "[b];"},
     {{{Str, "s(a)"}, {Sp, " "}, {Com, "# why"}}, {{Str, "[b]"}, {Sym, ";"}}}},
    {"SubstitutionSameDelimiterOverLines",
     {"s/a/", "b/g;"},
     {{{Str, "s/a/"}}, {{Str, "b/g"}, {Sym, ";"}}}},
    {"HereDoc",
     {"print <<EOF;", "text $x", "", "EOF", "1;"},
     {{{Kw, "print"}, {Sp, " "}, {Str, "<<EOF"}, {Sym, ";"}},
      {{Str, "text $x"}}, {}, {{Str, "EOF"}}, {{Num, "1"}, {Sym, ";"}}}},
    {"HereDocTerminatorMustBeTheWholeLine",
     {"$s = <<'STOP';", "STOP ", " STOP", "STOP", "STOP"},
     {{{Var, "$s"}, {Sp, " "}, {Op, "="}, {Sp, " "}, {Str, "<<'STOP'"}, {Sym, ";"}},
      {{Str, "STOP "}}, {{Str, " STOP"}}, {{Str, "STOP"}}, {{Id, "STOP"}}}},
    {"IndentedHereDoc",
     {"my $t = <<~EOT;", "    body", "    EOT", "$t"},
     {{{Kw, "my"}, {Sp, " "}, {Var, "$t"}, {Sp, " "}, {Op, "="}, {Sp, " "}, {Str, "<<~EOT"}, {Sym, ";"}},
      {{Str, "    body"}}, {{Str, "    EOT"}}, {{Var, "$t"}}}},
    {"OnlyFirstHereDocOfALineIsFollowed",
     {"f(<<A, <<B);", "a", "A", "b"},
     {{{Id, "f"}, {Sym, "("}, {Str, "<<A"}, {Sym, ","}, {Sp, " "}, {Str, "<<B"}, {Sym, ")"}, {Sym, ";"}},
      {{Str, "a"}}, {{Str, "A"}}, {{Id, "b"}}}},
    {"MarkerBeforeUnclosedTextIsNotFollowed",
     {"f(<<A, \"x", "y\");", "A"},
     {{{Id, "f"}, {Sym, "("}, {Str, "<<A"}, {Sym, ","}, {Sp, " "}, {Str, "\"x"}},
      {{Str, "y\""}, {Sym, ")"}, {Sym, ";"}}, {{Id, "A"}}}},
    {"DataSection",
     {"__DATA__", "anything 'goes", "=cut"},
     {{{Kw, "__DATA__"}}, {{Com, "anything 'goes"}}, {{Com, "=cut"}}}},
};

class TSynPerlSynLines : public testing::TestWithParam<MultiCase> {};

TEST_P(TSynPerlSynLines, CarriedOnOneInstance)
{
    TSynPerlSyn hl;
    EXPECT_EQ(tokenizeLines(hl, GetParam().lines), GetParam().expected);
}

// The edit control restyles from any line with the range stored for the
// line before; a fresh instance given that range must continue identically.
TEST_P(TSynPerlSynLines, ResumesFromStoredRange)
{
    expectResumesFromStoredRange<TSynPerlSyn>(GetParam());
}

INSTANTIATE_TEST_SUITE_P(TSynPerlSyn, TSynPerlSynLines, testing::ValuesIn(kMultiCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TSynPerlSynRange, FreshInstanceStartsOutside)
{
    TSynPerlSyn carried;
    tokenizeLine(carried, "print \"one");
    EXPECT_NE(carried.GetRange(), TSynPerlSyn().GetRange());

    TSynPerlSyn fresh;
    EXPECT_EQ(tokenizeLine(fresh, "two $x"), (std::vector<Tok>{{Id, "two"}, {Sp, " "}, {Var, "$x"}}));
}

TEST(TSynPerlSynRange, ResetRangeLeavesTextAndHereDoc)
{
    const std::vector<Tok> code{{Kw, "my"}, {Sp, " "}, {Var, "$x"}, {Sym, ";"}};
    for (const char* opener : {"print \"one", "=pod", "print <<EOF;", "s{a}", "__END__"}) {
        TSynPerlSyn hl;
        tokenizeLine(hl, opener);
        hl.ResetRange();
        EXPECT_EQ(tokenizeLine(hl, "my $x;"), code) << opener;
    }
}

TEST(TSynPerlSynRange, RangesItDidNotMakeStartInCode)
{
    const std::vector<Tok> code{{Kw, "my"}, {Sp, " "}, {Var, "$x"}, {Sym, ";"}};
    // -1 and INT_MAX carry no known state; 3 is a quote without delimiter;
    // the here-document index was never interned.
    for (int range : {-1, INT_MIN, INT_MAX, 3, 5 | (60000 << 4), 6, 7}) {
        TSynPerlSyn hl;
        hl.SetRange(range);
        EXPECT_EQ(tokenizeLine(hl, "my $x;"), code) << range;
    }
}

// ---------------------------------------------------------------- sample

TEST(TSynPerlSynSample, IsThePerlTemplate)
{
    TSynPerlSyn hl;
    EXPECT_EQ(hl.sampleSource(), QStringLiteral("#!/bin/perl\r\nrequire \"cgi-lib.pl\";\r\nuse sigtrap;\r\n"
                                                "do 'envars.pl';\r\n$_ = $password1;\r\nsub WriteBack {\r\n"
                                                "        while ($_ ne \"fred\")    {\r\n"
                                                "                sleep 5;\r\n        }\r\n}"));
}

TEST(TSynPerlSynSample, Tokens)
{
    const std::vector<std::vector<Tok>> expected{
        {{Com, "#!/bin/perl"}},
        {{Kw, "require"}, {Sp, " "}, {Str, "\"cgi-lib.pl\""}, {Sym, ";"}},
        {{Kw, "use"}, {Sp, " "}, {Pr, "sigtrap"}, {Sym, ";"}},
        {{Kw, "do"}, {Sp, " "}, {Str, "'envars.pl'"}, {Sym, ";"}},
        {{Var, "$_"}, {Sp, " "}, {Op, "="}, {Sp, " "}, {Var, "$password1"}, {Sym, ";"}},
        {{Kw, "sub"}, {Sp, " "}, {Id, "WriteBack"}, {Sp, " "}, {Sym, "{"}},
        {{Sp, "        "}, {Kw, "while"}, {Sp, " "}, {Sym, "("}, {Var, "$_"}, {Sp, " "}, {Kw, "ne"}, {Sp, " "},
         {Str, "\"fred\""}, {Sym, ")"}, {Sp, "    "}, {Sym, "{"}},
        {{Sp, "                "}, {Kw, "sleep"}, {Sp, " "}, {Num, "5"}, {Sym, ";"}},
        {{Sp, "        "}, {Sym, "}"}},
        {{Sym, "}"}},
    };
    expectSampleTokens<TSynPerlSyn>(expected);
}

// ---------------------------------------------------------------- attributes

TEST(TSynPerlSynAttributes, NamesSorted)
{
    TSynPerlSyn hl;
    const QStringList expected{"Comment", "Identifier", "Illegal char", "Number", "Operator", "Pragma",
                               "Reserved word", "Space", "String", "Symbol", "Variable"};
    EXPECT_EQ(attributeNames(hl), expected);
}

TEST(TSynPerlSynAttributes, EachKindPaintsWithItsAttribute)
{
    TSynPerlSyn hl;
    const std::map<TokenKind, QString> expected{
        {Com, "Comment"}, {Id, "Identifier"}, {Bad, "Illegal char"}, {Num, "Number"},  {Op, "Operator"},
        {Pr, "Pragma"},   {Kw, "Reserved word"}, {Sp, "Space"},     {Str, "String"}, {Sym, "Symbol"},
        {Var, "Variable"},
    };
    const std::string line = "use strict; my $x = f(1) . \"s\" \x01# c";
    EXPECT_EQ(attributesByKind(hl, line), expected);
}

TEST(TSynPerlSynAttributes, LanguageAndFilter)
{
    TSynPerlSyn hl;
    EXPECT_EQ(hl.languageName(), QStringLiteral("Perl"));
    EXPECT_EQ(hl.defaultFilter(), QStringLiteral("Perl Files (*.pl,*.pm,*.cgi)|*.pl;*.pm;*.cgi"));
}

// ---------------------------------------------------------------- bad input

TEST(TSynPerlSynInput, EmptyLineHasNoTokens)
{
    TSynPerlSyn hl;
    hl.SetLine("", 0);
    EXPECT_TRUE(hl.GetEol());
    EXPECT_EQ(hl.GetTokenAttribute(), nullptr);
}

// Every byte after every prefix that switches the scanner into a special
// path: the tokens must cover the line exactly, none empty.
TEST(TSynPerlSynInput, EveryByteAfterEveryOpener)
{
    expectEveryByteCoveredAfter<TSynPerlSyn>({"",     "$", "$#", "@",  "%", "q",  "s{a}", "s/a", "<<",      "<<~",
                                              "<<\"", "=", "-",  "\"", "/", "v1", "0x",   "1e",  "__END__", "use "});
}

TEST(TSynPerlSynInput, MegabyteLinesFinish)
{
    const std::size_t mb = kMegabyte;
    const std::string random = randomBytes(mb, 7);
    auto repeat = [&](std::string_view unit) { return repeated(unit, mb); };
    const std::vector<std::string> lines{
        std::string(mb, 'a'), "\"" + std::string(mb, 'x'), repeat("<<\""), repeat("<<"), repeat("$"),
        "q(" + std::string(mb, '('), repeat("s{a}"), repeat("$::"), repeat("a::"), repeat(".5"),
        std::string(mb, '\xff'), std::string(mb, '\0'), random,
    };
    expectLinesCovered<TSynPerlSyn>(lines);
}

} // namespace
