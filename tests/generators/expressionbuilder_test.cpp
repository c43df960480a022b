#include "generators/expressionbuilder.h"

#include <gtest/gtest.h>

namespace {

using namespace ExpressionBuilder;

struct PickCase {
    const char* entry;
    const char* inserted;
};

const PickCase kPicks[] = {
    {"public void paint(Graphics g)", "paint( "},
    {"public void init()", "init() "},
    {"int count", "count "},
    {"count", "count "},
    {"run()", "run() "},
    {"public static int max(int a, int b)", "max( "},
    {"static", "static "},
};

class MemberPickTest : public ::testing::TestWithParam<PickCase> {};

TEST_P(MemberPickTest, NameWithParenthesesAndABlank)
{
    EXPECT_EQ(memberPickText(QString::fromLatin1(GetParam().entry)), QString::fromLatin1(GetParam().inserted));
}

INSTANTIATE_TEST_SUITE_P(All, MemberPickTest, ::testing::ValuesIn(kPicks));

TEST(MemberEntriesTest, MainAndEmptyEntriesAreLeftOut)
{
    EXPECT_EQ(memberEntries({QStringLiteral("int x"), QString(), QStringLiteral("public static void main(String[] a)"),
                             QStringLiteral("void run()")}),
              (QStringList{QStringLiteral("int x"), QStringLiteral("void run()")}));
}

TEST(MemberEntriesTest, NothingLeftShowsNoneFound)
{
    EXPECT_EQ(memberEntries({QStringLiteral("public static void main(String args[])")}),
              QStringList{QStringLiteral("None found!")});
    EXPECT_EQ(memberEntries({}), QStringList{QStringLiteral("None found!")});
}

TEST(ColumnWidthTest, ListsNarrowForTheirScrollBars)
{
    EXPECT_EQ(classColumnWidth(9), 187);
    EXPECT_EQ(classColumnWidth(10), 170);
    EXPECT_EQ(memberColumnWidth(9), 261);
    EXPECT_EQ(memberColumnWidth(10), 244);
}

TEST(InsertionPiecesTest, OneLineGoesInAsItIs)
{
    EXPECT_EQ(insertionPieces({QStringLiteral("x = 1;")}, QStringLiteral("    ")),
              QStringList{QStringLiteral("x = 1;")});
}

TEST(InsertionPiecesTest, LaterLinesGetIndAndNoBreakAfterTheLast)
{
    EXPECT_EQ(insertionPieces({QStringLiteral("if (a)"), QStringLiteral("  b();"), QStringLiteral("c();")},
                              QStringLiteral("    ")),
              (QStringList{QStringLiteral("if (a)\r"), QStringLiteral("      b();\r"), QStringLiteral("    c();")}));
}

TEST(InsertionPiecesTest, TrailingBlanksAreTrimmedAndAnEmptyBoxWritesNothing)
{
    EXPECT_EQ(insertionPieces({QStringLiteral("a && ")}, {}), QStringList{QStringLiteral("a &&")});
    EXPECT_TRUE(insertionPieces({}, QStringLiteral("  ")).isEmpty());
}

TEST(InsertButtonsTest, ForPutsTheCaretWhereTheVariableGoes)
{
    for (const InsertButton& b : insertButtons())
        if (QLatin1String(b.caption) == QLatin1String("for")) {
            const QString text = QString::fromLatin1(b.text);
            EXPECT_EQ(text, QStringLiteral("for (int  = 0; < ; ++) {}"));
            EXPECT_EQ(text.left(text.size() + b.caretMove), QStringLiteral("for (int "));
            return;
        }
    FAIL() << "no for button";
}

} // namespace
