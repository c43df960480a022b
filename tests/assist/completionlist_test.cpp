#include "assist/completionlist.h"

#include <gtest/gtest.h>

namespace {

using namespace CompletionList;

const QStringList kStringEntries = {"int length()",
                                    "String substring(int beginIndex, int endIndex)",
                                    "String substring(int beginIndex)",
                                    "static String valueOf(int i)",
                                    "static final int MAX",
                                    "int size"};

TEST(CompletionFilter, KeepsEntriesWhoseNameBeginsWithThePrefix)
{
    struct Case {
        const char* prefix;
        QStringList rows;
    } cases[] = {
        {"",
         {"int length() : function", "String substring(int beginIndex, int endIndex) : function",
          "String substring(int beginIndex) : function", "static String valueOf(int i) : function",
          "static final int MAX : datamember", "int size : datamember"}},
        {"su",
         {"String substring(int beginIndex, int endIndex) : function", "String substring(int beginIndex) : function"}},
        {"Su", {}},                                             // letter case counts
        {"size", {"int size : datamember"}},                    // a field's whole name keeps it
        {"length(", {"int length() : function"}},               // the "(" belongs to the name
        {"  va ", {"static String valueOf(int i) : function"}}, // the prefix is trimmed
        {"lengthy", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(filterRows(kStringEntries, QString::fromUtf8(c.prefix)), c.rows) << c.prefix;
    EXPECT_EQ(memberName("static double PI"), "PI");
    EXPECT_EQ(memberName("String substring(int a, int b)"), "substring(");
}

TEST(CompletionRows, MethodsAreTheLinesWithAClosingParenthesis)
{
    EXPECT_EQ(rowsFor({"int length()", "static double PI", "", "broken(int a"}),
              (QStringList{"int length() : function", "static double PI : datamember", " : datamember",
                           "broken(int a : datamember"}));
}

TEST(InsertChoice, WritesTheNameWithParenthesesOrSemicolon)
{
    struct Case {
        const char* row;
        const char* text;
        int caretBack;
        const char* lastChosenMethod;
        const char* parameters;
    } cases[] = {
        {"String substring(int beginIndex, int endIndex) : function", "substring()", 1, " SUBSTRING",
         "int beginIndex, int endIndex"},
        {"int length() : function", "length();", 0, " LENGTH", ""},
        {"static double PI : datamember", "PI;", 0, "", ""},
        {"grow() : function", "grow();", 0, "GROW", ""},
        {"void add(int x : datamember", "add()", 1, " ADD", "int x"}, // no ")": the entry ends the parameters
        {"size : datamember", "size;", 0, "", ""},
    };
    for (const Case& c : cases) {
        const Insertion got = InsertChoice(QString::fromUtf8(c.row));
        EXPECT_EQ(got.text, c.text) << c.row;
        EXPECT_EQ(got.caretBack, c.caretBack) << c.row;
        EXPECT_EQ(got.lastChosenMethod, c.lastChosenMethod) << c.row;
        EXPECT_EQ(got.parameters, c.parameters) << c.row;
    }
}

TEST(QuoteParameters, QuotesEachParameter)
{
    EXPECT_EQ(QuoteParameters("int a, int b"), "\"int a\", \" int b\"");
    EXPECT_EQ(QuoteParameters("double x"), "\"double x\"");
    EXPECT_EQ(QuoteParameters(""), "\"\"");
}

// Typing while the popup is open goes before the first ")" at or after the
// column where it opened, never into an earlier parenthesis.
TEST(CompletionTyping, TypesAfterTheDotOnly)
{
    struct Case {
        const char* line;
        int popupColumn;
        const char* typed; // characters, "\b" for Backspace
        const char* result;
        const char* prefix;
    } cases[] = {
        {"s.", 3, "len", "s.len", "len"},        {"if (a) s.", 10, "len", "if (a) s.len", "len"},
        {"if (a) s.", 10, "\b", "if (a) s", ""}, {"if (a) s.", 10, "le\b", "if (a) s.l", "l"},
        {"foo(s.)", 7, "x", "foo(s.x)", "x"},    {"foo(s.);", 7, "ab\b\b", "foo(s.);", ""},
        {"foo(s.)", 7, "\b", "foo(s)", ""},
    };
    for (const Case& c : cases) {
        QString line = QString::fromUtf8(c.line);
        for (const char* p = c.typed; *p; ++p)
            line = *p == '\b' ? withBackspace(line, c.popupColumn) : withCharacterTyped(line, c.popupColumn, QChar(*p));
        EXPECT_EQ(line, c.result) << c.line << " + " << c.typed;
        EXPECT_EQ(typedPrefix(line, c.popupColumn), c.prefix) << c.line;
    }
}

TEST(CompletionListNames, NeverTheTableOfContentsTheTemplatesOrNothing)
{
    EXPECT_EQ(listFilePath("/c", "Math"), "/c/Math.cmp");
    for (const char* bad : {"", "toc", "auto", ".", "..", "a/b", "a\\b"})
        EXPECT_EQ(listFilePath("/c", QString::fromUtf8(bad)), QString()) << bad;
    EXPECT_EQ(listFilePath("/c", "Auto"), "/c/Auto.cmp");
}

} // namespace
