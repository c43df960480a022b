#include "assist/parameterhints.h"

#include <gtest/gtest.h>

namespace {

using ParameterHints::currentParameter;

TEST(ParameterHint, CurrentParameterCountsCommasBackToTheMethod)
{
    struct Case {
        const char* line;
        int caret;
        const char* lastChosenMethod;
        std::optional<int> expected;
    } cases[] = {
        {"s.substring(", 13, " SUBSTRING", 0},
        {"s.substring(1, ", 16, " SUBSTRING", 1},
        {"s.substring(f(a, b), ", 22, " SUBSTRING", 1}, // the inner group's commas do not count
        {"s.substring(1, 2", 17, " SUBSTRING", 1},
        {"s.substring(1, 2", 40, " SUBSTRING", 1},             // beyond the line: from its last character
        {"s.substring(1, 2)", 18, " SUBSTRING", std::nullopt}, // after the closing ")"
        {"x = s.charAt(", 14, " SUBSTRING", std::nullopt},     // another method
        {"s.substring(max(1, ", 20, " SUBSTRING", 1},          // max( does not match, the search goes on
        {"(", 2, " SUBSTRING", std::nullopt},                  // nothing left of the "("
        {"s.length(", 10, "", std::nullopt},                   // a field was chosen last
        {"s.SubString(", 13, " SUBSTRING", 0},                 // compared in capitals
        {"", 1, " SUBSTRING", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(currentParameter(QString::fromUtf8(c.line), c.caret, QString::fromUtf8(c.lastChosenMethod)),
                  c.expected)
            << c.line << " @" << c.caret;
}

TEST(ParameterHint, ParametersOfAQuotedItem)
{
    EXPECT_EQ(ParameterHints::parametersOf("\"int beginIndex\", \" int endIndex\""),
              (QStringList{"int beginIndex", "int endIndex"}));
    EXPECT_EQ(ParameterHints::parametersOf("\"double a\""), QStringList{"double a"});
}

} // namespace
