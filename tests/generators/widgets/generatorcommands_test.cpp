// The snippet commands on a real edit control: indentation, selection,
// caret and one undo step.
#include "editorhost.h"

#include "generators/widgets/generatorcommands.h"

#include <gtest/gtest.h>

namespace {

using JavaSnippets::Snippet;

struct LineCase {
    const char* name;
    Snippet snippet;
    const char* before; // one line
    int caretColumn;    // before the command
    int selectionEnd;   // 0: no selection; else the selection runs from the caret to here
    const char* after;  // lines joined by "\n"
    int column, line;   // caret afterwards
};

const LineCase kCases[] = {
    {"MainUnderFourBlanks", Snippet::MainFunction, "    ", 5, 0,
     "    public static void main(String args[]) {\n\n    }", 9, 2},
    {"MainUnderATab", Snippet::MainFunction, "\t", 2, 0, "\tpublic static void main(String args[]) {\n\n}", 5, 2},
    {"SwitchUnindented", Snippet::Switch, "", 1, 0, "switch() {\n   case :\n}", 8, 1},
    {"PublicFunctionIndented", Snippet::PublicFunction, "  ", 3, 0, "  public void () {\n\n  }", 15, 1},
    {"ClassReplacesSelection", Snippet::Class, "  old", 3, 6, "  class  {\n\n  }", 9, 1},
    {"PanelUnindented", Snippet::Panel, "", 1, 0, "class  extends JPanel {\n\n}", 7, 1},
    {"PrintlnBetweenQuotes", Snippet::Println, "  x", 4, 0, "  xSystem.out.println(\"\");", 24, 1},
    {"ButtonReplacesSelection", Snippet::Button, "  old;", 3, 7, "  private JButton ;", 19, 1},
    {"FontBeforeSemicolon", Snippet::Font, "", 1, 0, "private Font ;", 14, 1},
};

class SnippetCommandTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(SnippetCommandTest, WritesTheSnippetAndPlacesTheCaret)
{
    const LineCase& c = GetParam();
    EditorGeneratorHost host;
    host.setDocument(QString::fromLatin1(c.before), c.caretColumn, 1);
    if (c.selectionEnd)
        host.edit->setSelection({c.caretColumn, 1}, {c.selectionEnd, 1});
    const QString before = host.text();

    GeneratorCommands::insertSnippet(host, c.snippet);

    EXPECT_EQ(host.text(), QString::fromLatin1(c.after));
    EXPECT_EQ(host.edit->caretXY(), (BufferCoord{c.column, c.line}));
    EXPECT_TRUE(host.undoOnceGivesBack(before));
}

INSTANTIATE_TEST_SUITE_P(All, SnippetCommandTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SnippetCommandTest, WithoutAnEditorNothingHappens)
{
    EditorGeneratorHost host(false);
    GeneratorCommands::insertSnippet(host, Snippet::MainFunction);
    EXPECT_FALSE(GeneratorCommands::insertPieces(host, {QStringLiteral("x")}));
}

} // namespace
