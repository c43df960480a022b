#include "assist/caretcontext.h"

#include "editor/tsynjavasyn.h"

#include <gtest/gtest.h>

namespace {

using Range = TSynJavaSyn::Range;

TEST(CaretContext, CommentsStringsAndLiterals)
{
    struct Case {
        const char* name;
        Range start;
        const char* line;
        int caret;
        bool inside;
    } cases[] = {
        {"Code", Range::Normal, "s.", 3, false},
        {"LineComment", Range::Normal, "x = 1; // s.", 13, true},
        {"BeforeLineComment", Range::Normal, "s // x", 2, false},
        {"BlockCommentOpen", Range::Normal, "/* s.", 6, true},
        {"AfterBlockComment", Range::Normal, "/* a */ s.", 11, false},
        {"CommentFromLineAbove", Range::Comment, "  still s.", 11, true},
        {"CommentEndsOnLine", Range::Documentation, " end */ s.", 11, false},
        {"InsideString", Range::Normal, "setText(\"Total. \")", 16, true},
        {"StringStillOpen", Range::Normal, "setText(\"Total.", 16, true},
        {"AfterClosedString", Range::Normal, "f(\"a\").", 8, false},
        {"EscapedQuoteKeepsItOpen", Range::Normal, "x = \"a\\\".", 10, true},
        {"RightAfterOpeningQuote", Range::Normal, "x = \"", 6, true},
        {"BeforeOpeningQuote", Range::Normal, "x = \"a\"", 5, false},
        {"CharLiteral", Range::Normal, "c = '.", 7, true},
        {"ClosedCharLiteral", Range::Normal, "c = '.'; s.", 12, false},
        {"TextBlockGoesOn", Range::TextBlock, "  more text s.", 15, true},
        {"TextBlockEnds", Range::TextBlock, "  end\"\"\"; s.", 13, false},
        {"TextBlockOpens", Range::Normal, "s = \"\"\"", 8, true},
        {"BeyondTheLineEnd", Range::Normal, "// note", 20, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CaretContext::inCommentOrString(int(c.start), c.line, c.caret), c.inside) << c.name;
}

} // namespace
