#include "utilities/documentstatistics.h"

#include <gtest/gtest.h>

namespace {

struct StatisticsCase {
    const char* name;
    StatisticsKind kind;
    QStringList lines;
    DocumentStatistics expected;
};

void PrintTo(const StatisticsCase& c, std::ostream* os) { *os << c.name; }

DocumentStatistics java(int words, int letters, int lines, int ids, int keywords, int comments, int numbers,
                        int strings)
{
    DocumentStatistics s;
    s.words = words, s.letters = letters, s.lines = lines, s.identifiers = ids, s.keywords = keywords;
    s.comments = comments, s.numbers = numbers, s.strings = strings;
    return s;
}

DocumentStatistics html(int words, int letters, int lines, int comments, int undefined, int ampersands, int tags,
                        int parameters)
{
    DocumentStatistics s;
    s.words = words, s.letters = letters, s.lines = lines, s.comments = comments, s.undefinedTags = undefined;
    s.ampersands = ampersands, s.tags = tags, s.tagParameters = parameters;
    return s;
}

DocumentStatistics general(int words, int letters, int lines)
{
    DocumentStatistics s;
    s.words = words, s.letters = letters, s.lines = lines;
    return s;
}

class Statistics : public ::testing::TestWithParam<StatisticsCase> {};

TEST_P(Statistics, CountsTheTokens)
{
    EXPECT_EQ(countStatistics(GetParam().lines, GetParam().kind), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Statistics,
    ::testing::Values(
        StatisticsCase{"EmptyJava", StatisticsKind::Java, {}, java(0, 0, 0, 0, 0, 0, 0, 0)},
        // x, =, 5 and ; are four words; the blanks count as letters only.
        StatisticsCase{"Assignment", StatisticsKind::Java, {"x = 5;"}, java(4, 6, 1, 1, 0, 0, 1, 0)},
        StatisticsCase{"BlockCommentCountsOnce", StatisticsKind::Java, {"/* one", "two", "three */"},
                       java(3, 17, 3, 0, 0, 1, 0, 0)},
        StatisticsCase{"DocumentationIsNoComment", StatisticsKind::Java, {"/** doc */", "// line"},
                       java(2, 17, 2, 0, 0, 1, 0, 0)},
        StatisticsCase{"KeywordsAndStrings", StatisticsKind::Java, {"\tpublic String s = \"a b\";"},
                       java(6, 25, 1, 2, 1, 0, 0, 1)},
        // <, b, class, =, "x", >, "A ", &amp;, " B", <, /b and >: text keeps its blanks.
        StatisticsCase{"BoldTagCountsOnce", StatisticsKind::Html, {"<b class=\"x\">A &amp; B</b>"},
                       html(12, 26, 1, 0, 0, 1, 1, 1)},
        StatisticsCase{"HtmlCommentAndUnknownTag", StatisticsKind::Html, {"<!-- a", "b --><foo>"},
                       html(5, 16, 2, 1, 1, 0, 0, 0)},
        StatisticsCase{"General", StatisticsKind::General, {"Hello, world", ""}, general(3, 12, 2)},
        // NUL bytes, bytes 0x80-0xFF and a 1 MB line are counted too: the NUL
        // is a blank, 0x80 an invalid symbol, 0xFF a letter.
        // Bytes from 0x80 up belong to Java names: "\x80\xff" is one.
        StatisticsCase{"HostileBytes", StatisticsKind::Java,
                       {QString::fromLatin1("a\0\x80\xff", 4), QString(1 << 20, u'y')},
                       java(3, (1 << 20) + 4, 2, 3, 0, 0, 0, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StatisticsKind, ChosenByTheExtensionOfTheName)
{
    const std::pair<const char*, StatisticsKind> cases[] = {
        {"Hello.java", StatisticsKind::Java},     {"page.HTML", StatisticsKind::Html},
        {"page.htm", StatisticsKind::Html},       {"notes.txt", StatisticsKind::General},
        {"Makefile", StatisticsKind::General},    {"my.java.bak", StatisticsKind::General},
        {"Untitled1.java", StatisticsKind::Java},
    };
    for (const auto& [name, kind] : cases)
        EXPECT_EQ(statisticsKindOf(QLatin1String(name)), kind) << name;
}

} // namespace
