#include "workspace/documentnames.h"

#include <gtest/gtest.h>

namespace {

TEST(DocumentNames, SameNameIsExactIgnoringLetterCaseAndBlanks)
{
    EXPECT_TRUE(sameDocumentName(u"data.java", u"data.java"));
    EXPECT_TRUE(sameDocumentName(u"Test.java", u"test.JAVA"));
    EXPECT_TRUE(sameDocumentName(u" a.java ", u"a.java"));
    // A name inside another is another document.
    EXPECT_FALSE(sameDocumentName(u"data.java", u"a.java"));
    EXPECT_FALSE(sameDocumentName(u"a.java", u"data.java"));
    EXPECT_FALSE(sameDocumentName(u"", u"a.java"));
}

struct UntitledCase {
    const char* name;
    QStringList open;
    int openCount;
    int next;
};

class NextUntitled : public testing::TestWithParam<UntitledCase> {};

TEST_P(NextUntitled, IsAboveEveryOpenUntitledDocument)
{
    const UntitledCase& c = GetParam();
    EXPECT_EQ(nextUntitledNumber(c.open, c.openCount), c.next);
}

const UntitledCase untitledCases[] = {
    {"FirstDocument", {}, 0, 1},
    {"CountsOpenWindows", {"a.java", "b.html"}, 2, 3},
    {"FirstClosedOfThree", {"Untitled2.java", "Untitled3.java"}, 2, 4},
    {"OtherExtensionsCountToo", {"Untitled7.html"}, 1, 8},
    {"LetterCaseIgnored", {"untitled4.txt"}, 1, 5},
    {"NoExtension", {"Untitled9"}, 1, 10},
    {"NotUntitledNumbers", {"Untitled.java", "UntitledX.java", "MyUntitled5.java", "Untitled5x.java"}, 4, 5},
    {"HugeNumberDoesNotOverflow", {"Untitled99999999999999999999.java"}, 1, 2},
};

INSTANTIATE_TEST_SUITE_P(Cases, NextUntitled, testing::ValuesIn(untitledCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
