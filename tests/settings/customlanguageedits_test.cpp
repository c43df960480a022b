#include "settings/customlanguageedits.h"

#include "common/programfolderfixture.h"
#include "settings/inifile.h"

namespace {

using namespace CustomLanguageEdits;

class CustomLanguageEditsTest : public ProgramFolderTest {
protected:
    QStringList listed() const { return LoadCustomLanglistFromFile(); }
};

TEST_F(CustomLanguageEditsTest, AddWritesTheDefinitionThenTheList)
{
    CustomLanguageDefinition def;
    def.AsmComments = true;
    def.keywords = {"defun", "lambda"};
    const Result<QString> added = addLanguage("  Lisp ", "lsp;*.lisp", def);
    ASSERT_TRUE(added) << added.error().toStdString();
    EXPECT_EQ(added.value(), "Lisp");
    EXPECT_EQ(read("customlang/Lisp.ini"),
              "[FileInfo]\nFileExt=*.lsp;*.lisp\nLangName=Lisp\n"
              "[CommentTypes]\nPascalComments=0\nCComments=0\nAsmComments=1\nBasComments=0\nAnsiComments=0\n"
              "[Keywords]\nKeyWordsCount=2\n0=defun\n1=lambda\n[Code]\nCodeLines=0\n");
    EXPECT_EQ(read("customlang/toc.ini"), "[CustomLanguages]\nCount=1\n1=Lisp\n");
    ASSERT_TRUE(addLanguage("Asm", "*.asm", {}));
    EXPECT_EQ(listed(), QStringList({"Lisp", "Asm"}));

    // A name already listed, whatever its case, is refused.
    const Result<QString> again = addLanguage("LISP", "*.l", {});
    ASSERT_FALSE(again);
    EXPECT_EQ(again.error(), "There is already a language named \"LISP\".");
    EXPECT_FALSE(addLanguage("Scheme", "", {}));
    EXPECT_EQ(listed(), QStringList({"Lisp", "Asm"}));

    // Sample and keywords round-trip; the placeholder is never stored.
    ASSERT_TRUE(writeSample("Lisp", {"(defun f (x)", "  ; indented body ", "x)", "\"quoted\""}));
    EXPECT_TRUE(read("customlang/Lisp.ini")
                    .endsWith("[Code]\nCodeLines=4\n0=(defun f (x)\n1=\"  ; indented body \"\n2=x)\n3=\"\"quoted\"\"\n"));
    ASSERT_TRUE(writeSample("Lisp", {NoCodePlaceholder}));
    ASSERT_TRUE(writeKeywords("Lisp", {"let"}));
    const CustomLanguageDefinition read = readCustomLanguageDefinition("Lisp");
    EXPECT_EQ(read.codeLines, QStringList({"(defun f (x)", "  ; indented body ", "x)", "\"quoted\""}));
    EXPECT_EQ(read.keywords, QStringList({"let"}));
    EXPECT_TRUE(read.AsmComments);
}

// A list that cannot be written names no language: the new definition file
// is written first, the list after it, and the failure names the path.
TEST_F(CustomLanguageEditsTest, FailedListWriteNamesThePath)
{
    // A folder in the list's place makes every write of it fail.
    ASSERT_TRUE(QDir(home()).mkpath("customlang/toc.ini/inside"));
    const Result<QString> r = addLanguage("Lisp", "*.lsp", {});
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error(), "Unable to write to " + homeFile("customlang/toc.ini"));
    EXPECT_TRUE(exists("customlang/Lisp.ini"));
    EXPECT_TRUE(QFileInfo(homeFile("customlang/toc.ini")).isDir());
}

// Rename matches the old name whole: renaming C leaves CSharp alone.
TEST_F(CustomLanguageEditsTest, RenameMovesFilesAndMatchesTheWholeName)
{
    write("customlang/toc.ini", "[CustomLanguages]\nCount=2\n1=CSharp\n2=C\n");
    write("customlang/CSharp.ini", "[FileInfo]\nFileExt=*.cs\nLangName=CSharp\n");
    write("customlang/C.ini", "[FileInfo]\nFileExt=*.c\nLangName=C\n");
    write("colors/lang/C.ini", "[Comment]\nForeground=255\n");
    const Result<QString> r = renameLanguage("C", " Cee ");
    ASSERT_TRUE(r) << r.error().toStdString();
    EXPECT_EQ(r.value(), "Cee");
    EXPECT_EQ(listed(), QStringList({"CSharp", "Cee"}));
    EXPECT_EQ(read("customlang/Cee.ini"), "[FileInfo]\nFileExt=*.c\nLangName=Cee\n");
    EXPECT_FALSE(exists("customlang/C.ini"));
    EXPECT_EQ(read("colors/lang/Cee.ini"), "[Comment]\nForeground=255\n");
    EXPECT_FALSE(exists("colors/lang/C.ini"));
    EXPECT_EQ(read("customlang/CSharp.ini"), "[FileInfo]\nFileExt=*.cs\nLangName=CSharp\n");
    // Onto a listed name: refused, nothing overwritten. Only its own case
    // may change.
    EXPECT_FALSE(renameLanguage("Cee", "csharp"));
    EXPECT_EQ(read("customlang/CSharp.ini"), "[FileInfo]\nFileExt=*.cs\nLangName=CSharp\n");
    ASSERT_TRUE(renameLanguage("Cee", "CEE"));
    EXPECT_EQ(listed(), QStringList({"CSharp", "CEE"}));
}

TEST_F(CustomLanguageEditsTest, DeletingTheSecondOfThree)
{
    write("customlang/toc.ini", "[CustomLanguages]\nCount=3\n1=A\n2=B\n3=C\n");
    for (const char* name : {"A", "B", "C"}) {
        write(QString("customlang/%1.ini").arg(name), "[FileInfo]\nFileExt=*.x\n");
        write(QString("colors/lang/%1.ini").arg(name), "[Comment]\nStyle=1\n");
    }
    ASSERT_TRUE(deleteLanguage("B"));
    EXPECT_EQ(read("customlang/toc.ini"), "[CustomLanguages]\nCount=2\n1=A\n2=C\n");
    EXPECT_FALSE(exists("customlang/B.ini"));
    EXPECT_FALSE(exists("colors/lang/B.ini"));
    EXPECT_TRUE(exists("colors/lang/A.ini"));
    // A name not on the list lowers no count.
    ASSERT_TRUE(deleteLanguage("Z"));
    EXPECT_EQ(read("customlang/toc.ini"), "[CustomLanguages]\nCount=2\n1=A\n2=C\n");
}

TEST_F(CustomLanguageEditsTest, FileExtensionAndCommentKeys)
{
    write("customlang/toc.ini", "[CustomLanguages]\nCount=1\n1=Lisp\n");
    write("customlang/Lisp.ini", "[FileInfo]\nFileExt=*.lsp\n");
    EXPECT_FALSE(changeFileExt("Lisp", "lisp files"));
    const Result<QString> mask = changeFileExt("Lisp", "*.lsp;lisp");
    ASSERT_TRUE(mask);
    EXPECT_EQ(mask.value(), "*.lsp;*.lisp");
    ASSERT_TRUE(writeCommentKey("Lisp", "CComments", true));
    const CustomLanguageDefinition def = readCustomLanguageDefinition("Lisp");
    EXPECT_EQ(def.FileExt, "*.lsp;*.lisp");
    EXPECT_TRUE(def.CComments);
}

} // namespace
