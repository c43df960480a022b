#include "generators/javasnippets.h"

#include <gtest/gtest.h>

namespace {

using JavaSnippets::Caret;
using JavaSnippets::Snippet;

struct SnippetCase {
    const char* name;
    Snippet snippet;
    const char* text; // with Ind = four blanks
    Caret caret;      // after an insertion that ended at column 20, line 10
};

const SnippetCase kCases[] = {
    {"Println", Snippet::Println, "System.out.println(\"\");", {17, 10}},
    {"PublicFunction", Snippet::PublicFunction, "public void () {\r\r    }", {17, 8}},
    {"MainFunction", Snippet::MainFunction, "public static void main(String args[]) {\r\r    }", {9, 9}},
    {"Switch", Snippet::Switch, "switch() {\r       case :\r    }", {12, 8}},
    {"Class", Snippet::Class, "class  {\r\r    }", {11, 8}},
    {"Panel", Snippet::Panel, "class  extends JPanel {\r\r    }", {11, 8}},
    {"Button", Snippet::Button, "private JButton ;", {19, 10}},
    {"Checkbox", Snippet::Checkbox, "private JCheckBox ;", {19, 10}},
    {"RadioButton", Snippet::RadioButton, "private JRadioButton ;", {19, 10}},
    {"Textfield", Snippet::Textfield, "private JTextField ;", {19, 10}},
    {"Label", Snippet::Label, "private JLabel ;", {19, 10}},
    {"Listbox", Snippet::Listbox, "private JList ;", {19, 10}},
    {"FontIsTheAwtClass", Snippet::Font, "private Font ;", {19, 10}},
};

class SnippetTest : public ::testing::TestWithParam<SnippetCase> {};

TEST_P(SnippetTest, TextAndCaretUnderFourBlanks)
{
    const SnippetCase& c = GetParam();
    EXPECT_EQ(JavaSnippets::text(c.snippet, QStringLiteral("    ")), QString::fromLatin1(c.text));
    EXPECT_EQ(JavaSnippets::caretAfter(c.snippet, QStringLiteral("    "), {20, 10}), c.caret);
}

INSTANTIATE_TEST_SUITE_P(All, SnippetTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SnippetTest, WithoutIndentationTheClosingBraceStartsTheLine)
{
    EXPECT_EQ(JavaSnippets::text(Snippet::Switch, {}), QStringLiteral("switch() {\r   case :\r}"));
    EXPECT_EQ(JavaSnippets::caretAfter(Snippet::Switch, {}, {2, 3}), (Caret{8, 1}));
    EXPECT_EQ(JavaSnippets::caretAfter(Snippet::MainFunction, {}, {2, 3}), (Caret{5, 2}));
}

} // namespace
