#include "workspace/editingcommands.h"

#include <gtest/gtest.h>

#include <ostream>

namespace EditingCommands {
inline void PrintTo(const TextPoint& p, std::ostream* os)
{
    *os << "(" << p.column << "," << p.line << ")";
}
} // namespace EditingCommands

namespace {

using namespace EditingCommands;

// Applies the edits the way the edit control does, over the whole text
// rather than line by line, so a result whose edits and lines disagree shows.
QStringList applyToText(const QStringList& lines, const std::vector<Replacement>& edits)
{
    QString text = lines.join(u'\n');
    for (const Replacement& edit : edits) {
        const QStringList current = text.split(u'\n');
        const auto offsetNow = [&](TextPoint p) {
            qsizetype at = 0;
            for (int i = 0; i < p.line - 1; ++i)
                at += current.value(i).size() + 1;
            return at + p.column - 1;
        };
        const qsizetype from = offsetNow(edit.from), to = offsetNow(edit.to);
        EXPECT_LE(edit.from.column, current.value(edit.from.line - 1).size() + 1) << "edit point beyond line end";
        EXPECT_LE(edit.to.column, current.value(edit.to.line - 1).size() + 1) << "edit point beyond line end";
        text.replace(from, to - from, edit.text);
    }
    return text.isEmpty() ? QStringList{} : text.split(u'\n');
}

enum class Command { Write, Intit, Comment, Uncomment, Indent, Unindent };

EditResult run(Command command, const Document& document, const QString& text)
{
    switch (command) {
    case Command::Write:
        return SkrivTekstenTilEditor(document, text);
    case Command::Intit:
        return intit(document);
    case Command::Comment:
        return comment(document);
    case Command::Uncomment:
        return uncomment(document);
    case Command::Indent:
        return indent(document);
    case Command::Unindent:
        return unindent(document);
    }
    return {};
}

constexpr TextPoint none{0, 0};

struct EditCase {
    const char* name;
    Command command;
    QStringList lines;
    TextPoint selBegin, selEnd; // none: nothing selected
    TextPoint caret;            // none: at the selection's end
    QString text;               // what Write writes
    Message message;
    QStringList expected; // the lines after; for a message, the lines as they were
    TextPoint expectedCaret;
    TextPoint expectedSelBegin = none, expectedSelEnd = none; // none: no selection after
};

const EditCase editCases[] = {
    {"CommentPutsMarkersRightAroundSelection",
     Command::Comment,
     {"int a = b;"},
     {5, 1},
     {6, 1},
     none,
     {},
     Message::None,
     {"int /*a*/ = b;"},
     {10, 1}},
    {"CommentAcrossLines",
     Command::Comment,
     {"  x = 1;", "  y = 2;"},
     {3, 1},
     {9, 2},
     none,
     {},
     Message::None,
     {"  /*x = 1;", "  y = 2;*/"},
     {11, 2}},
    {"CommentWithoutSelection",
     Command::Comment,
     {"int a;"},
     none,
     none,
     {3, 1},
     {},
     Message::NothingToComment,
     {"int a;"},
     {3, 1}},
    {"CommentWithEmptySelection",
     Command::Comment,
     {"int a;"},
     {3, 1},
     {3, 1},
     none,
     {},
     Message::NothingToComment,
     {"int a;"},
     {3, 1},
     {3, 1},
     {3, 1}},

    {"UncommentBlockKeepsMultiplyAndDivide",
     Command::Uncomment,
     {"/* a * b / c */"},
     {1, 1},
     {16, 1},
     none,
     {},
     Message::None,
     {" a * b / c "},
     {12, 1}},
    {"UncommentLineCommentLosesOnlyItsSlashes",
     Command::Uncomment,
     {"x; // half a/b"},
     {4, 1},
     {15, 1},
     none,
     {},
     Message::None,
     {"x;  half a/b"},
     {13, 1}},
    {"UncommentKeepsLeadingStarsOfBody",
     Command::Uncomment,
     {"/* first", " * second */"},
     {1, 1},
     {13, 2},
     none,
     {},
     Message::None,
     {" first", " * second "},
     {11, 2}},
    {"UncommentTakesPairsLeftToRight",
     Command::Uncomment,
     {"/*/x"},
     {1, 1},
     {5, 1},
     none,
     {},
     Message::None,
     {"/x"},
     {3, 1}},
    {"UncommentWithoutSelection",
     Command::Uncomment,
     {"// x"},
     none,
     none,
     {1, 1},
     {},
     Message::NothingToUncomment,
     {"// x"},
     {1, 1}},

    {"IndentInsideLineIndentsSelectedPartOnly",
     Command::Indent,
     {"int a;"},
     {5, 1},
     {6, 1},
     none,
     {},
     Message::None,
     {"int   a;"},
     {8, 1}},
    {"IndentLines3To5EndingAtStartOfLine6",
     Command::Indent,
     {"a", "b", "c", "d", "e", "f"},
     {1, 3},
     {1, 6},
     none,
     {},
     Message::None,
     {"a", "b", "  c", "  d", "  e", "f"},
     {1, 6}},
    {"IndentFromMidLineIndentsEachSelectedPiece",
     Command::Indent,
     {"ab", "cd"},
     {2, 1},
     {2, 2},
     none,
     {},
     Message::None,
     {"a  b", "  cd"},
     {4, 2}},
    {"IndentWithoutSelection", Command::Indent, {"a"}, none, none, {1, 1}, {}, Message::NothingToIndent, {"a"}, {1, 1}},

    {"UnindentInsideLineUnindentsWholeLine",
     Command::Unindent,
     {"    foo();"},
     {7, 1},
     {9, 1},
     none,
     {},
     Message::None,
     {"  foo();"},
     {7, 1},
     {5, 1},
     {7, 1}},
    {"UnindentLinesBlankBecomesEmptyTabCounts",
     Command::Unindent,
     {"    a", "   ", "\t b", "x"},
     {1, 1},
     {1, 4},
     none,
     {},
     Message::None,
     {"  a", "", "b", "x"},
     {1, 4}},
    {"UnindentRefusedWhenALineHasOneBlank",
     Command::Unindent,
     {"  a", " b"},
     {1, 1},
     {3, 2},
     none,
     {},
     Message::CannotUnindent,
     {"  a", " b"},
     {3, 2},
     {1, 1},
     {3, 2}},
    {"UnindentRefusedForUnindentedLine",
     Command::Unindent,
     {"foo"},
     {1, 1},
     {2, 1},
     none,
     {},
     Message::CannotUnindent,
     {"foo"},
     {2, 1},
     {1, 1},
     {2, 1}},
    {"UnindentWithoutSelection",
     Command::Unindent,
     {"    a"},
     none,
     none,
     {5, 1},
     {},
     Message::NothingToUnindent,
     {"    a"},
     {5, 1}},
    // The selection is line 1 and its line break; the caret sits on line 2,
    // which the user did not select and which must stay as it is.
    {"UnindentSelectedLineWithItsBreakLeavesNextLine",
     Command::Unindent,
     {"    a", "    b"},
     {1, 1},
     {1, 2},
     none,
     {},
     Message::None,
     {"  a", "    b"},
     {1, 2},
     {1, 1},
     {1, 2}},

    {"WriteReplacesSelectionEveryBreakStartsLine",
     Command::Write,
     {"int x;"},
     {5, 1},
     {6, 1},
     none,
     "a\rb\r\nc\nd",
     Message::None,
     {"int a", "b", "c", "d;"},
     {2, 4}},
    {"WriteBeyondLineEndFillsWithBlanks",
     Command::Write,
     {"ab"},
     none,
     none,
     {5, 1},
     "x",
     Message::None,
     {"ab  x"},
     {6, 1}},
    {"WriteIntoEmptyDocument", Command::Write, {}, none, none, {1, 1}, "hi", Message::None, {"hi"}, {3, 1}},
    {"IntitDeletesSelection", Command::Intit, {"abcdef"}, {4, 1}, {2, 1}, {2, 1}, {}, Message::None, {"adef"}, {2, 1}},
    {"IntitOfWholeTextLeavesNoLines",
     Command::Intit,
     {"ab", "cd"},
     {1, 1},
     {3, 2},
     none,
     {},
     Message::None,
     {},
     {1, 1}},
};

class EditingCommandsEdit : public testing::TestWithParam<EditCase> {};

TEST_P(EditingCommandsEdit, Result)
{
    const EditCase& c = GetParam();
    Document document{c.lines, c.caret};
    if (c.selBegin != none) {
        document.hasSelection = true;
        document.selBegin = c.selBegin;
        document.selEnd = c.selEnd;
        if (c.caret == none)
            document.caret = c.selEnd;
    }
    const EditResult result = run(c.command, document, c.text);

    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(result.document.lines, c.expected);
    EXPECT_EQ(result.document.caret, c.expectedCaret);
    EXPECT_EQ(result.document.hasSelection, c.expectedSelBegin != none);
    if (c.expectedSelBegin != none) {
        EXPECT_EQ(result.document.selBegin, c.expectedSelBegin);
        EXPECT_EQ(result.document.selEnd, c.expectedSelEnd);
    }
    if (c.message != Message::None) {
        EXPECT_TRUE(result.edits.empty());
    }
    EXPECT_EQ(applyToText(c.lines, result.edits), result.document.lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, EditingCommandsEdit, testing::ValuesIn(editCases),
                         [](const testing::TestParamInfo<EditCase>& info) { return info.param.name; });

// Deleting the selection and inserting are two edits, so undo takes them
// back one at a time; without a selection only the insertion is made.
TEST(EditingCommands, WriteIsDeleteThenInsert)
{
    Document document{{"int x;"}, {6, 1}, true, {5, 1}, {6, 1}};
    const EditResult replaced = SkrivTekstenTilEditor(document, "y");
    ASSERT_EQ(replaced.edits.size(), 2u);
    EXPECT_EQ(replaced.edits[0].text, QString());
    EXPECT_EQ(replaced.edits[1].from, (TextPoint{5, 1}));

    document.hasSelection = false;
    EXPECT_EQ(SkrivTekstenTilEditor(document, "y").edits.size(), 1u);
    EXPECT_TRUE(intit(document).edits.empty());
}

// The control may report points beyond a line's end (scrolling past it is
// on) and in either order; every command must stay inside the text, and its
// edits must give the lines it reports.
TEST(EditingCommands, AnySelectionPointsStayInsideText)
{
    const QStringList lines{"    a/*b", "", "  */c", QString(1, QChar(0)) + "x"};
    const Command commands[] = {Command::Write,     Command::Intit,  Command::Comment,
                                Command::Uncomment, Command::Indent, Command::Unindent};
    for (const Command command : commands) {
        for (int l1 = 0; l1 <= 5; ++l1) {
            for (int c1 = -1; c1 <= 10; c1 += 3) {
                for (int l2 = 0; l2 <= 5; ++l2) {
                    for (int c2 = 0; c2 <= 10; c2 += 2) {
                        const Document document{lines, {c2, l2}, true, {c1, l1}, {c2, l2}};
                        const EditResult result = run(command, document, "q\rr");
                        ASSERT_EQ(applyToText(lines, result.edits), result.document.lines)
                            << int(command) << " (" << c1 << "," << l1 << ")-(" << c2 << "," << l2 << ")";
                    }
                }
            }
        }
    }
}

TEST(EditingCommands, FindWhitespaceInFront)
{
    const struct {
        const char* name;
        QStringList lines;
        int caretLine;
        QString expected;
    } cases[] = {
        {"FourBlanks", {"x", "    foo"}, 2, "    "},
        {"OnlyBlanks", {"   "}, 1, "   "},
        {"TabIsNotABlank", {"\t  foo"}, 1, ""},
        {"NoLeadingBlank", {"foo  "}, 1, ""},
        {"NoLines", {}, 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindWhitespaceInFront(Document{c.lines, {3, c.caretLine}}), c.expected) << c.name;
}

TEST(EditingCommands, MessageTexts)
{
    EXPECT_EQ(messageText(Message::NothingToComment), "You have to select the text you want to comment out!");
    EXPECT_EQ(messageText(Message::CannotUnindent),
              "Can't unindent this code because one of the lines in the code does not contain enought empty "
              "characters to perform the unindentation.");
    EXPECT_EQ(messageText(Message::None), QString());
}

struct StripCase {
    const char* name;
    QStringList page;
    QStringList expected;
};

const StripCase stripCases[] = {
    {"TitleAndParagraph",
     {"<html><head><title>Demo</title></head>", "<body>", "<p>Hello</p>", "</body></html>"},
     {"Title: Demo", "Hello"}},
    {"LinkShowsTextThenTarget", {"<p><a href=\"index.htm\">Home</a></p>"}, {"(Home) index.htm"}},
    {"TwoOrderedListsNumberOn",
     {"<ol>", "<li>One", "<li>Two", "</ol>", "<OL>", "<LI>Three</LI>", "<LI>Four</LI>", "</OL>"},
     {"1.One", "2.Two", "3.Three", "4.Four"}},
    {"UnorderedListItems", {"<ul>", "<li>Tea", "<li>Milk", "</ul>"}, {"-Tea", "-Milk"}},
    {"OrderedListInUnordered", {"<ul><li>A", "<ol><li>B</ol></ul>"}, {"-A", "1.-B"}},
    // Markers go where their tags stand, not all in front of the line.
    {"SeveralItemsOnOneLine", {"<ol><li>One<li>Two</ol><ul><li>Tea<li>Milk</ul>"}, {"1.One2.Two-Tea-Milk"}},
    {"TitleAfterTextOnItsLine", {"<b>Site</b> <title>Demo</title>"}, {"SiteTitle: Demo"}},
    {"StyleSheetDropped", {"<style>", "p { color: red }", "</style>", "<p>Shown</p>"}, {"Shown"}},
    {"CommentOverLinesDropped", {"<!-- hidden", "still hidden -->Seen"}, {"Seen"}},
    {"TagOverLinesStillALink", {"<a", "href=\"x.htm\">X</a>"}, {"(X) x.htm"}},
    {"EntitiesDropped", {"Tom &amp; Jerry"}, {"Tom  Jerry"}},
    {"LinkWithoutHref", {"<a name=\"top\">Top</a>"}, {"(Top) "}},
    {"OnlyMarkupLeavesNoLines", {"<html>", "  ", "</html>"}, {}},
    // A stylesheet's href is no link target.
    {"HrefOutsideLinkIgnored",
     {"<link rel=\"stylesheet\" href=\"site.css\">", "<a href=\"index.htm\">Home</a>"},
     {"(Home) index.htm"}},
    // Only quotes that are there are taken off.
    {"UnquotedHrefKeptWhole", {"<a href=index.htm>Home</a>", "<a href=b>B</a>"}, {"(Home) index.htm", "(B) b"}},
    // Text outside Latin-1 comes through as it is, never as "?".
    {"TextOutsideLatin1Kept",
     {QString::fromUtf8("<p>Gr\xC3\xBC\xC3\x9F" "e \xE2\x98\x83 \xE2\x82\xAC</p>"),
      QString::fromUtf8("<a href=\"\xCF\x80.htm\">\xCF\x80</a>")},
     {QString::fromUtf8("Gr\xC3\xBC\xC3\x9F" "e \xE2\x98\x83 \xE2\x82\xAC"),
      QString::fromUtf8("(\xCF\x80) \xCF\x80.htm")}},
};

class EditingCommandsStrip : public testing::TestWithParam<StripCase> {};

TEST_P(EditingCommandsStrip, Lines)
{
    const StripCase& c = GetParam();
    const Document page{c.page, {4, int(c.page.size())}, true, {1, 1}, {2, 1}};
    const EditResult result = stripHtml(page);
    EXPECT_EQ(result.document.lines, c.expected);
    EXPECT_EQ(result.document.caret, (TextPoint{1, 1}));
    EXPECT_FALSE(result.document.hasSelection);
    EXPECT_EQ(applyToText(c.page, result.edits), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, EditingCommandsStrip, testing::ValuesIn(stripCases),
                         [](const testing::TestParamInfo<StripCase>& info) { return info.param.name; });

TEST(EditingCommands, StrippedPageBecomesTextDocument)
{
    const struct {
        const char* name;
        DocumentName before;
        DocumentName after;
    } cases[] = {
        {"UntitledCaptionOnly", {"Untitled1.htm", "", false}, {"Untitled1.txt", "", false}},
        {"SavedFileAndCaption",
         {"index.html", "/home/u/site/index.html", true},
         {"index.txt", "/home/u/site/index.txt", true}},
        {"DotInFolderNameOnly", {"page", "/home/u/my.site/page", true}, {"page.txt", "/home/u/my.site/page.txt", true}},
    };
    for (const auto& c : cases) {
        const DocumentName after = asTextDocument(c.before);
        EXPECT_EQ(after.caption, c.after.caption) << c.name;
        EXPECT_EQ(after.fileName, c.after.fileName) << c.name;
        EXPECT_EQ(after.hasFile, c.after.hasFile) << c.name;
    }
}

} // namespace
