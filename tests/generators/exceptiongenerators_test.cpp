#include "generators/exceptiongenerators.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace ExceptionGenerators;

struct LagKodeCase {
    const char* name;
    const char* exception;
    const char* base;
    const char* ind;
    const char* expected;
};

const LagKodeCase kLagKode[] = {
    {"BadInputUnindented", "BadInput", "Exception", "",
     "public class BadInput extends Exception {\r  public BadInput(String error) {\r    super(error);\r  }\r}"},
    {"IndentedByTwo", "E", "Error", "  ",
     "public class E extends Error {\r    public E(String error) {\r      super(error);\r    }\r  }"},
    {"EmptyBase", "Oops", "", "",
     "public class Oops extends  {\r  public Oops(String error) {\r    super(error);\r  }\r}"},
};

class LagKodeTest : public ::testing::TestWithParam<LagKodeCase> {};

TEST_P(LagKodeTest, Text)
{
    const LagKodeCase& c = GetParam();
    EXPECT_EQ(LagKode(QString::fromUtf8(c.exception), QString::fromUtf8(c.base), QString::fromUtf8(c.ind)),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(All, LagKodeTest, ::testing::ValuesIn(kLagKode),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TryCatchTest, TwoExceptionsNumberTheirVariables)
{
    EXPECT_EQ(tryCatchText(QStringLiteral("x = a / b;\r\n"),
                           {QStringLiteral("ArithmeticException"), QStringLiteral("Exception")},
                           QStringLiteral("    ")),
              QStringLiteral("try {\r      x = a / b;\r\n    }\r"
                             "    catch (ArithmeticException ex1) {\r    }\r"
                             "    catch (Exception ex2) {\r    }"));
}

TEST(TryCatchTest, NoExceptionsEndsWithTheClosingBraceAndABreak)
{
    EXPECT_EQ(tryCatchText(QStringLiteral("a();\r\n"), {}, {}), QStringLiteral("try {\r  a();\r\n}\r"));
}

TEST(TryCatchTest, OnlyTheFirstCodeLineGetsTheExtraBlanks)
{
    EXPECT_EQ(tryCatchText(QStringLiteral("a();\r\n  b();\r\n"), {QStringLiteral("IOException")}, {}),
              QStringLiteral("try {\r  a();\r\n  b();\r\n}\rcatch (IOException ex1) {\r}"));
}

TEST(TryCatchTest, EmptyCodeBox)
{
    EXPECT_EQ(tryCatchText({}, {QString()}, {}), QStringLiteral("try {\r  }\rcatch ( ex1) {\r}"));
}

TEST(TryCatchTest, OfferedExceptionsAreSortedAndCompile)
{
    const QStringList list = catchableExceptions();
    EXPECT_EQ(list.size(), 22);
    EXPECT_TRUE(list.contains(QStringLiteral("RuntimeException")));
    EXPECT_FALSE(list.contains(QStringLiteral("RunTimeException")));
    QStringList sorted = list;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(list, sorted);
}

TEST(TryCatchTest, ColumnNarrowsFromFiveEntries)
{
    EXPECT_EQ(exceptionColumnWidth(4), 365);
    EXPECT_EQ(exceptionColumnWidth(5), 348);
}

TEST(ExceptionBaseTest, TwelveBasesInOrder)
{
    const QStringList bases = baseClasses();
    ASSERT_EQ(bases.size(), 12);
    EXPECT_EQ(bases.front(), QStringLiteral("ArithmeticException"));
    EXPECT_EQ(bases[3], QStringLiteral("Exception"));
    EXPECT_EQ(bases.back(), QStringLiteral("RuntimeException"));
}

} // namespace
