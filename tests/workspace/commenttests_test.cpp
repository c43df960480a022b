#include "workspace/commenttests.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct CommentCase {
    const char* name;
    std::vector<std::string> lines;
    int column; // caret, 1-based
    int line;
    bool inComment;
};

std::string caseName(const testing::TestParamInfo<CommentCase>& info) { return info.param.name; }

// Serves the lines as the edit control does (outside the list: empty), and
// counts the reads so a test can see that nothing past the caret is read.
struct Document {
    std::vector<std::string> lines;
    int highestRead = -1;
    CommentTests::LineSource source()
    {
        return [this](int index) {
            highestRead = std::max(highestRead, index);
            if (index < 0 || index >= int(lines.size()))
                return QByteArray();
            return QByteArray(lines[std::size_t(index)].data(), qsizetype(lines[std::size_t(index)].size()));
        };
    }
};

using TestFunction = bool (*)(const CommentTests::LineSource&, int, int);

void expectCase(TestFunction test, const CommentCase& c)
{
    Document doc{c.lines};
    EXPECT_EQ(test(doc.source(), c.column, c.line), c.inComment);
    EXPECT_LT(doc.highestRead, c.line);
}

const CommentCase htmlCases[] = {
    {"NoComment", {"<b>x</b>"}, 5, 1, false},
    {"InsideOnCaretLine", {"<p><!-- abc"}, 12, 1, true},
    {"InsideClosedCommentOnCaretLine", {"<!-- abc -->"}, 7, 1, true},
    {"InsideClosingMarker", {"<!-- abc -->"}, 12, 1, true},
    {"RightAfterClosingMarker", {"<!-- a -->"}, 11, 1, false},
    {"AfterCommentEndedOnLine", {"<!-- a --> <b"}, 14, 1, false},
    {"BeforeOpeningMarker", {"ab <!-- c"}, 4, 1, false},
    {"InsideOpeningMarker", {"<!-- c"}, 3, 1, false},
    {"RightAfterOpeningMarker", {"<!--"}, 5, 1, true},
    {"BegunOnEarlierLine", {"<!--", "<b"}, 3, 2, true},
    {"ColumnOneOfContinuedComment", {"<!--", "x"}, 1, 2, true},
    {"EndedOnCaretLineBeforeCaret", {"<!-- a", "b --> <i"}, 9, 2, false},
    {"EndsOnCaretLineAfterCaret", {"<!-- a", "b --> <i"}, 2, 2, true},
    {"RightAfterContinuedClosingMarker", {"<!--", "x -->"}, 6, 2, false},
    {"ClosedOnEarlierLine", {"<!-- a -->", "<b"}, 3, 2, false},
    {"OpenedAgainAfterClosing", {"<!-- a --> x <!--", "<b"}, 3, 2, true},
    {"MarkerInAttributeValue", {"<a title=\"<!--\">", "<b"}, 3, 2, false},
    {"CaretBeyondLineEnd", {"<!-- a"}, 20, 1, true},
    {"LaterLinesNotRead", {"<b", "<!--"}, 3, 1, false},
    {"NoCaretLine", {"<!--"}, 1, 0, false},
};

class CommentTestsHTML : public testing::TestWithParam<CommentCase> {};
TEST_P(CommentTestsHTML, CaretInComment) { expectCase(&CommentTests::isCaretXYInCommentHTMLv, GetParam()); }
INSTANTIATE_TEST_SUITE_P(Cases, CommentTestsHTML, testing::ValuesIn(htmlCases), caseName);

const CommentCase xmlCases[] = {
    {"NoComment", {"<a>x</a>"}, 5, 1, false},
    {"InsideOnCaretLine", {"<a><!-- x"}, 10, 1, true},
    {"RightAfterOpeningMarker", {"<!--"}, 5, 1, true},
    {"InsideOpeningMarker", {"<!--"}, 4, 1, false},
    {"InsideClosingMarker", {"<!-- x -->"}, 10, 1, true},
    {"RightAfterClosingMarker", {"<!-- x -->"}, 11, 1, false},
    {"BegunOnEarlierLine", {"<!--", "<b"}, 3, 2, true},
    {"RightAfterContinuedClosingMarker", {"<!--", "x -->"}, 6, 2, false},
    {"ClosedOnEarlierLine", {"<!-- x -->", "<b"}, 3, 2, false},
    {"MarkerInCData", {"<![CDATA[ <!-- ]]>", "<b"}, 3, 2, false},
    {"MarkerInAttributeValue", {"<a b=\"<!--\">", "<c"}, 3, 2, false},
    {"CaretBeyondLineEnd", {"<!-- x"}, 30, 1, true},
};

class CommentTestsXML : public testing::TestWithParam<CommentCase> {};
TEST_P(CommentTestsXML, CaretInComment) { expectCase(&CommentTests::isCaretXYInCommentXMLv, GetParam()); }
INSTANTIATE_TEST_SUITE_P(Cases, CommentTestsXML, testing::ValuesIn(xmlCases), caseName);

const CommentCase javaCases[] = {
    {"Code", {"int a = b;"}, 5, 1, false},
    {"InsideLineComment", {"int a; // x"}, 12, 1, true},
    {"RightAfterLineCommentMarker", {"a //"}, 5, 1, true},
    {"BeforeLineComment", {"a // x"}, 3, 1, false},
    {"BetweenTheSlashes", {"a // x"}, 4, 1, false},
    {"ColumnOneBeforeLineComment", {"// x"}, 1, 1, false},
    {"BeyondEndOfLineComment", {"a // x"}, 20, 1, true},
    {"BeyondEndOfCode", {"a = b;"}, 20, 1, false},
    {"LineCommentDoesNotCarry", {"// a", "b"}, 2, 2, false},
    {"BlockOpenerInLineComment", {"// a /*", "b"}, 2, 2, false},
    {"BlockCloserInLineComment", {"// */ x"}, 8, 1, true},
    {"InsideOneLineBlock", {"x /* a */ y"}, 7, 1, true},
    {"RightAfterBlockOpener", {"x /*"}, 5, 1, true},
    {"InsideBlockOpener", {"x /*"}, 4, 1, false},
    {"BetweenStarAndSlashOfCloser", {"/* a */"}, 7, 1, true},
    {"JustAfterBlockCloser", {"x /* a */ y"}, 10, 1, false},
    {"CodeAfterBlockEndedOnLine", {"/* a */ int b"}, 14, 1, false},
    {"BlockSpanningLinesMiddle", {"/* a", " b", " c */"}, 2, 2, true},
    {"BlockSpanningLinesLastLine", {"/* a", " b", " c */"}, 4, 3, true},
    {"ColumnOneInsideBlock", {"/*", "x"}, 1, 2, true},
    {"JustAfterCloserOnLaterLine", {"/* a", " c */ x"}, 6, 2, false},
    {"CodeAfterBlockEndedOnCaretLine", {"/* a", "b */ int c"}, 11, 2, false},
    {"LineCommentMarkerInsideBlock", {"/* a", "// b */ c"}, 10, 2, false},
    {"SlashStarSlashStaysOpen", {"/*/ x"}, 6, 1, true},
    {"EmptyBlockIsClosed", {"/**/ x"}, 7, 1, false},
    {"Documentation", {"/** doc", " * more"}, 5, 2, true},
    {"AfterDocumentation", {"/** doc */", "int x;"}, 4, 2, false},
    {"StringHoldingLineMarker", {"s = \"// no\";"}, 9, 1, false},
    {"StringHoldingBlockMarker", {"s = \"/*\";", "x"}, 2, 2, false},
    {"LineCommentAfterString", {"s = \"//\"; // yes"}, 16, 1, true},
    {"CharHoldingSlash", {"c = '/'; x"}, 11, 1, false},
    {"NoCaretLine", {"// x"}, 3, 0, false},
};

class CommentTestsJava : public testing::TestWithParam<CommentCase> {};
TEST_P(CommentTestsJava, CaretInComment) { expectCase(&CommentTests::isCaretXYInComment, GetParam()); }
INSTANTIATE_TEST_SUITE_P(Cases, CommentTestsJava, testing::ValuesIn(javaCases), caseName);

// Every byte value and carets far past the end must neither crash nor hang.
TEST(CommentTestsRobustness, AnyByteAnyColumn)
{
    std::string garbage;
    for (int b = 0; b < 256; ++b)
        garbage += char(b);
    for (TestFunction test : {&CommentTests::isCaretXYInCommentHTMLv, &CommentTests::isCaretXYInCommentXMLv,
                              &CommentTests::isCaretXYInComment}) {
        for (int column : {-3, 0, 1, 128, 257, 1000000}) {
            Document doc{{garbage, garbage, garbage}};
            (void)test(doc.source(), column, 3);
            EXPECT_EQ(doc.highestRead, 2);
        }
    }
}

} // namespace
