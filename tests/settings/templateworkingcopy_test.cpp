#include "settings/templateworkingcopy.h"

#include "common/programfolderfixture.h"

namespace {

const QStringList kFile = {"%for", "for (i = 0; i < n; i++) {", "  |", "}", "#",
                           "%foreach", "for (T x : xs) {", "}", "#", "%if", "if (|) {", "}", "#"};

TEST(TemplateWorkingCopyTest, NamesMatchWholeAndBodiesEndAtTheirMark)
{
    TemplateWorkingCopy copy(kFile, true);
    EXPECT_EQ(copy.names(), QStringList({"for", "foreach", "if"}));
    EXPECT_EQ(copy.FindElementCode("foreach"), QStringList({"for (T x : xs) {", "}"}));
    EXPECT_EQ(copy.BodyStart, 6);
    EXPECT_EQ(copy.BodyEnd, 7);
    EXPECT_EQ(copy.FindElementCode("fo"), QStringList());
    EXPECT_EQ(copy.BodyStart, -1);

    // A template without its "#" ends at the next name line.
    TemplateWorkingCopy broken({"%a", "x", "%b", "y", "#"}, true);
    EXPECT_EQ(broken.FindElementCode("a"), QStringList({"x"}));
    broken.deleteTemplate("a");
    EXPECT_EQ(broken.lines(), QStringList({"%b", "y", "#"}));
    // A line holding "%" and "#" names a template, as the file is read.
    TemplateWorkingCopy both({"%a", "x", "#%b", "y", "#"}, true);
    EXPECT_EQ(both.names(), QStringList({"a", "%b"}));
    both.deleteTemplate("a");
    EXPECT_EQ(both.lines(), QStringList({"#%b", "y", "#"}));
}

TEST(TemplateWorkingCopyTest, EditsGoBackWhereTheBodyWas)
{
    TemplateWorkingCopy copy(kFile, true);
    copy.FindElementCode("for");
    copy.putBack({"for (;;) {", "}"});
    EXPECT_EQ(copy.FindElementCode("if"), QStringList({"if (|) {", "}"}));
    EXPECT_EQ(copy.lines().mid(0, 4), QStringList({"%for", "for (;;) {", "}", "#"}));
    copy.UpdateKewordCode("if", {});
    EXPECT_EQ(copy.lines().mid(8), QStringList({"%if", "#"}));
    copy.UpdateKewordCode("if", {"if (x) {", "}"});
    EXPECT_EQ(copy.lines().mid(8), QStringList({"%if", "if (x) {", "}", "#"}));
}

TEST(TemplateWorkingCopyTest, NewAndDelete)
{
    TemplateWorkingCopy copy(kFile, true);
    // A name found in any line, body lines too, is taken.
    EXPECT_EQ(copy.addTemplate("xs"), TemplateWorkingCopy::NewOutcome::Exists);
    EXPECT_EQ(copy.addTemplate(""), TemplateWorkingCopy::NewOutcome::Empty);
    ASSERT_EQ(copy.addTemplate("fori"), TemplateWorkingCopy::NewOutcome::Added);
    EXPECT_EQ(copy.BodyStart, int(kFile.size()) + 1);
    EXPECT_EQ(copy.BodyEnd, -1);
    // The code typed next goes before the new "#".
    copy.putBack({"for (int i = 0; i < n; i++) {", "}"});
    EXPECT_EQ(copy.lines().mid(kFile.size()),
              QStringList({"%fori", "for (int i = 0; i < n; i++) {", "}", "#"}));
    copy.deleteTemplate("foreach");
    EXPECT_EQ(copy.names(), QStringList({"for", "if", "fori"}));
    EXPECT_EQ(copy.BodyStart, -1);
    // Nothing being edited: the code box goes nowhere.
    const QStringList before = copy.lines();
    copy.putBack({"stray"});
    EXPECT_EQ(copy.lines(), before);
}

TEST(TemplateWorkingCopyTest, CodeLinesWithPercentOrHashAreNamed)
{
    EXPECT_FALSE(TemplateWorkingCopy::forbiddenLine({"int x;", ""}));
    EXPECT_EQ(TemplateWorkingCopy::forbiddenLine({"a", "printf(\"%d\");", "# b"}).value(), "printf(\"%d\");");
    EXPECT_EQ(TemplateWorkingCopy::forbiddenLine({"x = y # z"}).value(), "x = y # z");
    EXPECT_TRUE(TemplateWorkingCopy::forbiddenLineMessage("a % b").startsWith("The line \"a % b\""));
}

class TemplateFileTest : public ProgramFolderTest {};

TEST_F(TemplateFileTest, SavedOnlyOverAnExistingFile)
{
    TemplateWorkingCopy missing = TemplateWorkingCopy::load().value();
    EXPECT_FALSE(missing.fileExists());
    missing.addTemplate("x");
    ASSERT_TRUE(missing.save());
    EXPECT_FALSE(exists("completion/auto.cmp"));

    write("completion/auto.cmp", "%if\r\nif () {\r\n}\r\n#\r\n");
    TemplateWorkingCopy copy = TemplateWorkingCopy::load().value();
    ASSERT_EQ(copy.addTemplate("fori"), TemplateWorkingCopy::NewOutcome::Added);
    copy.UpdateKewordCode("fori", {"for (;;) {", "}"});
    ASSERT_TRUE(copy.save());
    EXPECT_EQ(read("completion/auto.cmp"), "%if\r\nif () {\r\n}\r\n#\r\n%fori\r\nfor (;;) {\r\n}\r\n#\r\n");
}

} // namespace
