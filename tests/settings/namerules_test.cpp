#include "settings/namerules.h"

#include "common/programfolderfixture.h"
#include "settings/colorschemes.h"
#include "settings/completionlists.h"
#include "settings/customlanguageedits.h"

namespace {

struct NameCase {
    const char* label;
    QString name;
    bool language; // accepted as a new language name (with lisp and Forth listed)
    bool preset;
    bool javaClass;
};

const NameCase kNames[] = {
    {"empty", "", false, false, false},
    {"blanks", "   ", false, false, false},
    {"dot", ".", false, false, false},
    {"dot dot", "..", false, false, false},
    {"parent path", "../evil", false, false, false},
    {"slash", "a/b", false, false, false},
    {"backslash", "a\\b", false, false, false},
    {"nul", QString::fromUtf8("a\0b", 3), false, false, false},
    {"tab", "a\tb", false, false, false},
    {"line break", "a\nb", false, false, false},
    {"plain", "Scheme", true, true, true},
    {"listed, other case", "LISP", false, true, true},
    {"bar", "Lisp|x", false, true, false},
    {"parentheses", "C (new)", false, true, false},
    {"toc", "toc", false, true, false},
    {"toc upper case", "TOC", false, true, false},
    {"built-in java", "java", false, true, true},
    {"built-in perl", "Perl", false, true, true},
    {"built-in txt", "TXT", false, true, true},
    {"auto", "auto", true, true, false},
    {"dotted class", "java.util.Vector", true, true, true},
    {"digit first", "1abc", true, true, false},
    {"empty part", "java..util", true, true, false},
    {"blank inside", "My Lang", true, true, false},
    {"letters of any script", "Δelta", true, true, true},
};

class NameRulesTest : public ProgramFolderTest {};

TEST_F(NameRulesTest, NamesAreCheckedAndRefusedNamesTouchNoFile)
{
    write("customlang/toc.ini", "[CustomLanguages]\nCount=2\n1=lisp\n2=Forth\n");
    write("customlang/lisp.ini", "[FileInfo]\nFileExt=*.lsp\n");
    write("customlang/Forth.ini", "[FileInfo]\nFileExt=*.fs\n");
    write("colors/lang/Java.ini", "[Comment]\nForeground=1\n");
    write("completion/toc.cmp", "String\n");
    write("completion/auto.cmp", "%for\nfor () {\n#\n");
    // Sentinels beside the program folder and in each folder's parent.
    for (const char* sentinel : {"../evil.ini", "../evil.cmp", "../b.ini", "../b.cmp", "a.ini", "evil.ini"})
        write(sentinel, "sentinel");

    for (const NameCase& c : kNames) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(!NameRules::checkLanguageName(c.name, {"lisp", "Forth"}), c.language);
        EXPECT_EQ(!NameRules::checkPresetName(c.name), c.preset);
        EXPECT_EQ(!NameRules::checkClassName(c.name), c.javaClass);
        EXPECT_EQ(ColorSchemes::presetFile(c.name).has_value(), c.preset);

        const QStringList before = snapshot();
        if (!c.language) {
            EXPECT_FALSE(CustomLanguageEdits::addLanguage(c.name, "*.x", {}).ok());
            EXPECT_FALSE(CustomLanguageEdits::renameLanguage("Forth", c.name).ok());
        }
        if (!c.javaClass) {
            EXPECT_FALSE(CompletionLists::addClass(c.name).ok());
        }
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_F(NameRulesTest, NamesFromHandEditedListsReachNoFileOutsideTheirFolder)
{
    write("customlang/toc.ini", "[CustomLanguages]\nCount=3\n1=../../evil\n2=toc\n3=Java\n");
    write("../evil.ini", "sentinel");
    write("colors/lang/Java.ini", "[Comment]\nForeground=1\n");
    write("completion/toc.cmp", "../../evil\nauto\ntoc\n");
    write("completion/auto.cmp", "%for\nfor (|) {\n}\n");
    write("../evil.cmp", "sentinel");
    const QStringList before = snapshot();
    for (const char* name : {"../../evil", "toc"})
        EXPECT_FALSE(CustomLanguageEdits::writeKeywords(name, {"x"})) << name;
    // Deleting a listed built-in name takes it off the list, never the
    // built-in colour file.
    EXPECT_TRUE(CustomLanguageEdits::deleteLanguage("Java"));
    EXPECT_EQ(read("colors/lang/Java.ini"), "[Comment]\nForeground=1\n");
    EXPECT_TRUE(CompletionLists::deleteClass("../../evil"));
    EXPECT_FALSE(CompletionLists::addMember("../../evil", "x"));
    // The class list and the templates are no class's members.
    for (const char* name : {"auto", "toc"}) {
        EXPECT_FALSE(CompletionLists::readMembers(name)) << name;
        EXPECT_FALSE(CompletionLists::addMember(name, "x")) << name;
        EXPECT_TRUE(CompletionLists::deleteClass(name)) << name;
    }
    EXPECT_EQ(read("completion/auto.cmp"), "%for\nfor (|) {\n}\n");
    EXPECT_TRUE(exists("completion/toc.cmp"));
    EXPECT_EQ(read("completion/toc.cmp"), "");
    EXPECT_EQ(read("../evil.ini"), "sentinel");
    EXPECT_EQ(read("../evil.cmp"), "sentinel");
    EXPECT_EQ(read("customlang/toc.ini"), "[CustomLanguages]\nCount=2\n1=../../evil\n2=toc\n");
    EXPECT_NE(snapshot(), before);
}

struct MaskCase {
    const char* typed;
    const char* stored; // null: refused
};

TEST(FileMaskTest, MasksAreStarDotItemsJoinedBySemicolons)
{
    const MaskCase cases[] = {
        {"*.lsp", "*.lsp"},
        {"*.lsp;*.lisp", "*.lsp;*.lisp"},
        {" *.lsp ; *.lisp ", "*.lsp;*.lisp"},
        {"lsp", "*.lsp"},
        {".lsp;html", "*.lsp;*.html"},
        {"*.c++", "*.c++"},
        {"", nullptr},
        {"*.*", nullptr},
        {"*.l sp", nullptr},
        {"*.lsp;", nullptr},
        {"*.a|b", nullptr},
        {"*.(x)", nullptr},
        {"*.a/b", nullptr},
    };
    for (const MaskCase& c : cases) {
        const Result<QString> r = NameRules::checkFileMask(c.typed);
        EXPECT_EQ(r.ok(), c.stored != nullptr) << c.typed;
        if (r && c.stored) {
            EXPECT_EQ(r.value(), c.stored) << c.typed;
        }
    }
}

} // namespace
