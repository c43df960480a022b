#include "settings/customlanguages.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QByteArray kLisp = "[FileInfo]\r\nFileExt=*.lsp;*.lisp\r\nLangName=Lisp\r\n"
                         "[CommentTypes]\r\nPascalComments=0\r\nCComments=1\r\nAsmComments=1\r\n"
                         "[Keywords]\r\nKeyWordsCount=2\r\n0=defun\r\n1=lambda\r\n2=beyond the count\r\n"
                         "[Code]\r\nCodeLines=3\r\n0=(defun f (x)\r\n1=; body\r\n2=x)\r\n";
// No Keywords and no Code section.
const QByteArray kBasic = "[FileInfo]\nFileExt=*.bas\n[CommentTypes]\nBasComments=1\n";

// Every case runs in a program folder of its own.
class CustomLanguagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_home.isValid());
        m_hadHome = qEnvironmentVariableIsSet("VORNIC_HOME");
        m_oldHome = qgetenv("VORNIC_HOME");
        qputenv("VORNIC_HOME", QFile::encodeName(m_home.path()));
    }
    void TearDown() override
    {
        if (m_hadHome)
            qputenv("VORNIC_HOME", m_oldHome);
        else
            qunsetenv("VORNIC_HOME");
    }
    void write(const QString& relative, const QByteArray& bytes)
    {
        const QString path = m_home.filePath(relative);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void writeToc(const QByteArray& body) { write("customlang/toc.ini", "[CustomLanguages]\r\n" + body); }
    // Every file under the program folder with its contents.
    QStringList snapshot() const
    {
        QStringList files;
        QDirIterator it(m_home.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            files << f.fileName() + "=" + (f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : "?");
        }
        files.sort();
        return files;
    }

    QTemporaryDir m_home;
    bool m_hadHome = false;
    QByteArray m_oldHome;
};

const QList<FileFilterEntry> kBuiltIn = {
    {"Java (*.java)", "*.java"}, {"HTML (*.htm;*.html)", "*.htm;*.html"}, {"Perl (*.pl;*.perl)", "*.pl;*.perl"},
    {"PHP (*.php)", "*.php"},    {"XML (*.xml)", "*.xml"},         {"CSS (*.css)", "*.css"},
    {"TXT (*.txt)", "*.txt"},
};
const FileFilterEntry kAllFiles{"All files (*.*)", "*.*"};

// --- the table of contents ---

struct TocCase {
    const char* name;
    QByteArray toc; // without the section line; null: no toc.ini at all
    QStringList expected;
};

TEST_F(CustomLanguagesTest, ListReadsNumberedKeysInOrder)
{
    const TocCase cases[] = {
        {"no toc file", QByteArray(), {}},
        {"no count", "1=Lisp\r\n", {}},
        {"negative count", "Count=-2\r\n1=Lisp\r\n", {}},
        {"keys out of file order", "Count=3\r\n3=C\r\n1=A\r\n2=B\r\n", {"A", "B", "C"}},
        {"keys past the count ignored", "Count=1\r\n1=A\r\n2=B\r\n", {"A"}},
        {"missing keys read empty", "Count=3\r\n1=A\r\n3=C\r\n", {"A", "", "C"}},
        {"names keep inner blanks", "Count=1\r\n1=  My Lang  \r\n", {"My Lang"}},
    };
    for (const TocCase& c : cases) {
        QFile::remove(m_home.filePath("customlang/toc.ini"));
        if (!c.toc.isNull())
            writeToc(c.toc);
        EXPECT_EQ(LoadCustomLanglistFromFile(), c.expected) << c.name;
    }
}

TEST_F(CustomLanguagesTest, HugeCountIsBounded)
{
    writeToc("Count=2000000000\r\n1=A\r\n");
    const QStringList names = LoadCustomLanglistFromFile();
    ASSERT_EQ(names.size(), MaxCustomListEntries);
    EXPECT_EQ(names.front(), "A");
    EXPECT_EQ(names.back(), "");
}

TEST_F(CustomLanguagesTest, MenuNamesNeedAFileAndStopAtTheFirstRepeat)
{
    write("customlang/Lisp.ini", kLisp);
    write("customlang/Basic.ini", kBasic);
    write("customlang/Pascal.ini", "[FileInfo]\r\nFileExt=*.pas\r\n");
    write("customlang/LISP.ini", kLisp); // file names are case-sensitive here
    EXPECT_EQ(customLanguageMenuNames({"Lisp", "Ghost", "Basic"}), QStringList({"Lisp", "Basic"}));
    EXPECT_EQ(customLanguageMenuNames({"Lisp", "LISP", "Basic"}), QStringList({"Lisp"}));
    // A repeat without a file of its own is passed over, not a stop.
    EXPECT_EQ(customLanguageMenuNames({"Pascal", "Ghost", "ghost", "Basic"}), QStringList({"Pascal", "Basic"}));
}

// --- the file-type filter ---

TEST_F(CustomLanguagesTest, FilterWithoutCustomLanguages)
{
    QList<FileFilterEntry> expected = kBuiltIn;
    expected.append(kAllFiles);
    EXPECT_EQ(UpdateFilesFilter(), expected);
    EXPECT_EQ(joinFileFilter(UpdateFilesFilter()),
              "Java (*.java)|*.java|HTML (*.htm;*.html)|*.htm;*.html|Perl (*.pl;*.perl)|*.pl;*.perl|PHP (*.php)|*.php|"
              "XML (*.xml)|*.xml|CSS (*.css)|*.css|TXT (*.txt)|*.txt|All files (*.*)|*.*");
}

TEST_F(CustomLanguagesTest, FilterWithOneCustomLanguage)
{
    writeToc("Count=1\r\n1=Lisp\r\n");
    write("customlang/Lisp.ini", kLisp);
    QList<FileFilterEntry> expected = kBuiltIn;
    expected.append(FileFilterEntry{"Lisp (*.lsp;*.lisp)", "*.lsp;*.lisp"});
    expected.append(kAllFiles);
    EXPECT_EQ(UpdateFilesFilter(), expected);
    EXPECT_EQ(joinFileFilter(UpdateFilesFilter()),
              "Java (*.java)|*.java|HTML (*.htm;*.html)|*.htm;*.html|Perl (*.pl;*.perl)|*.pl;*.perl|PHP (*.php)|*.php|"
              "XML (*.xml)|*.xml|CSS (*.css)|*.css|TXT (*.txt)|*.txt|Lisp (*.lsp;*.lisp)|*.lsp;*.lisp|"
              "All files (*.*)|*.*");
}

TEST_F(CustomLanguagesTest, FilterListsLanguagesInTocOrderAndMissingFilesWithEmptyMask)
{
    writeToc("Count=3\r\n1=Lisp\r\n2=Ghost\r\n3=Basic\r\n");
    write("customlang/Lisp.ini", kLisp);
    write("customlang/Basic.ini", kBasic);
    const QList<FileFilterEntry> entries = UpdateFilesFilter();
    ASSERT_EQ(entries.size(), 11);
    EXPECT_EQ(entries.mid(7, 3), QList<FileFilterEntry>({{"Lisp (*.lsp;*.lisp)", "*.lsp;*.lisp"},
                                                         {"Ghost ()", ""},
                                                         {"Basic (*.bas)", "*.bas"}}));
    EXPECT_EQ(entries.back(), kAllFiles);
}

// A file dialog shows each filter as it stands and filters by the blank-
// separated patterns in its parentheses: the mask once, never beside itself.
TEST_F(CustomLanguagesTest, NameFiltersNameTheMaskOnce)
{
    const QList<FileFilterEntry> entries = {{"Java (*.java)", "*.java"},
                                            {"HTML (*.htm;*.html)", "*.htm;*.html"},
                                            {"Lisp (*.lsp;*.lisp)", "*.lsp;*.lisp"},
                                            {"Ghost ()", ""},
                                            {"All files (*.*)", "*.*"}};
    EXPECT_EQ(toNameFilters(entries), QStringList({"Java (*.java)", "HTML (*.htm *.html)", "Lisp (*.lsp *.lisp)",
                                                   "Ghost ()", "All files (*)"}));
}

// --- the language of an extension ---

TEST_F(CustomLanguagesTest, FindLangNameFromFilterString)
{
    writeToc("Count=2\r\n1=Lisp\r\n2=Hyper\r\n");
    write("customlang/Lisp.ini", kLisp);
    write("customlang/Hyper.ini", "[FileInfo]\r\nFileExt=*.h\r\n");
    const struct {
        const char* extension;
        const char* name;
    } cases[] = {
        {".perl", "Perl"}, {".pl", "Perl"}, {".java", "Java"}, {".lsp", "Lisp"}, {".lisp", "Lisp"},
        // The first description that contains it wins, built-in ones first.
        {".c", "CSS"}, {".h", "HTML"}, {".jav", "Java"},
        {".xyz", ""}, {"", ""},
        // Letter case counts.
        {".LSP", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindLangNameFromFilterString(c.extension), c.name) << c.extension;
}

TEST_F(CustomLanguagesTest, FirstAndLastEntryContaining)
{
    writeToc("Count=2\r\n1=Lisp\r\n2=Hyper\r\n");
    write("customlang/Lisp.ini", kLisp);
    write("customlang/Hyper.ini", "[FileInfo]\r\nFileExt=*.h\r\n");
    const QList<FileFilterEntry> entries = UpdateFilesFilter();
    EXPECT_EQ(firstFilterEntryContaining(entries, ".h"), 1);
    EXPECT_EQ(lastFilterEntryContaining(entries, ".h"), 8);
    EXPECT_EQ(lastFilterEntryContaining(entries, ".lsp"), 7);
    EXPECT_EQ(firstFilterEntryContaining(entries, ".xyz"), std::nullopt);
    // An empty extension (a language without a mask) selects nothing.
    EXPECT_EQ(firstFilterEntryContaining(entries, ""), std::nullopt);
    EXPECT_EQ(lastFilterEntryContaining(entries, ""), std::nullopt);
}

TEST_F(CustomLanguagesTest, NameOfDescriptionIsTheTextBeforeTheFirstParenLessOneCharacter)
{
    const struct {
        const char* description;
        const char* name;
    } cases[] = {
        {"Lisp (*.lsp)", "Lisp"}, {"My Lang (*.ml)", "My Lang"}, {"C (x) (*.cx)", "C"},
        {"Lisp(*.lsp)", "Lis"},   {"(*.lsp)", ""},                {"No paren", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(languageNameOfFilterDescription(c.description), c.name) << c.description;
}

// --- definition files ---

TEST_F(CustomLanguagesTest, ReadsADefinition)
{
    write("customlang/Lisp.ini", kLisp);
    CustomLanguageDefinition expected;
    expected.FileExt = "*.lsp;*.lisp";
    expected.CComments = true;
    expected.AsmComments = true;
    expected.keywords = {"defun", "lambda"};
    expected.codeLines = {"(defun f (x)", "; body", "x)"};
    EXPECT_EQ(readCustomLanguageDefinition("Lisp"), expected);
}

TEST_F(CustomLanguagesTest, AbsentKeysAndSectionsReadAsFalseZeroAndEmpty)
{
    write("customlang/Basic.ini", kBasic);
    CustomLanguageDefinition expected;
    expected.FileExt = "*.bas";
    expected.BasComments = true;
    EXPECT_EQ(readCustomLanguageDefinition("Basic"), expected);
    EXPECT_EQ(readCustomLanguageDefinition("Ghost"), CustomLanguageDefinition{});
}

TEST_F(CustomLanguagesTest, CountsAboveTheKeysGiveEmptyEntries)
{
    write("customlang/Short.ini", "[Keywords]\nKeyWordsCount=2\n0=a\n[Code]\nCodeLines=3\n0=x\n2=z\n");
    const CustomLanguageDefinition def = readCustomLanguageDefinition("Short");
    EXPECT_EQ(def.keywords, QStringList({"a", ""}));
    EXPECT_EQ(def.codeLines, QStringList({"x", "", "z"}));
}

TEST(CustomLanguageDefinitionTest, CommentBitsAndStringDelimiter)
{
    const struct {
        const char* name;
        bool CustomLanguageDefinition::*flag;
        int bit;
        QChar delimiter;
    } cases[] = {
        {"Ansi", &CustomLanguageDefinition::AnsiComments, 1, '\''},
        {"Pascal", &CustomLanguageDefinition::PascalComments, 2, '\''},
        {"C", &CustomLanguageDefinition::CComments, 4, '"'},
        {"Asm", &CustomLanguageDefinition::AsmComments, 8, '\''},
        {"Bas", &CustomLanguageDefinition::BasComments, 16, '\''},
    };
    for (const auto& c : cases) {
        CustomLanguageDefinition def;
        def.*c.flag = true;
        EXPECT_EQ(def.commentStyles(), c.bit) << c.name;
        EXPECT_EQ(def.stringDelimiter(), c.delimiter) << c.name;
    }
    CustomLanguageDefinition none;
    EXPECT_EQ(none.commentStyles(), 0);
    EXPECT_EQ(none.stringDelimiter(), QChar('\''));
}

TEST(FirstFileExtensionTest, TextAfterTheFirstStarUpToTheFirstSemicolon)
{
    const struct {
        const char* fileExt;
        const char* extension;
    } cases[] = {
        {"*.abc;*.def", ".abc"}, {"*.abc", ".abc"}, {"", ""},
        {"*.lsp;*.lisp", ".lsp"}, {";*.abc", ".abc"}, // a leading ";" counts as none
        {".abc", ".abc"},         {"abc;def", "abc"},  // no "*": from the first character
        {"x;*.abc", ""},          {"*", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(firstFileExtension(c.fileExt), c.extension) << c.fileExt;
}

// --- names that are no plain file names ---

TEST_F(CustomLanguagesTest, PathHelpersKeepNamesInsideTheirFolders)
{
    const QString home = QDir::cleanPath(m_home.path());
    EXPECT_EQ(customLanguageFile("Lisp"), home + "/customlang/Lisp.ini");
    EXPECT_EQ(languageColorFile("Lisp"), home + "/colors/lang/Lisp.ini");
    EXPECT_EQ(customLanguageFile("My Lang"), home + "/customlang/My Lang.ini");
    EXPECT_EQ(customLanguageFile("..."), home + "/customlang/....ini");
    for (const char* name : {"../x", "a/b", "..", ".", "", "a\\b", "..\\x", "/etc/passwd", "x/"}) {
        EXPECT_EQ(customLanguageFile(name), std::nullopt) << name;
        EXPECT_EQ(languageColorFile(name), std::nullopt) << name;
    }
    EXPECT_EQ(customLanguageFile(QString("a") + QChar(0) + "b"), std::nullopt);
}

TEST_F(CustomLanguagesTest, UnsafeNamesReadNoFileAndWriteNone)
{
    const QByteArray evil = "[FileInfo]\nFileExt=*.evil\n[CommentTypes]\nCComments=1\n[Keywords]\nKeyWordsCount=1\n0=x\n";
    // Where a naive name + ".ini" would land.
    write("x.ini", evil);                 // ../x
    write("customlang/a/b.ini", evil);    // a/b
    write("customlang/...ini", evil);     // ..
    write("customlang/..ini", evil);      // .
    write("customlang/.ini", evil);       // empty name
    write("colors/x.ini", evil);          // ../x as a colour file
    writeToc("Count=4\r\n1=../x\r\n2=a/b\r\n3=..\r\n4=.\r\n");
    const QStringList before = snapshot();

    for (const char* name : {"../x", "a/b", "..", ".", ""})
        EXPECT_EQ(readCustomLanguageDefinition(name), CustomLanguageDefinition{}) << name;
    const QList<FileFilterEntry> entries = UpdateFilesFilter();
    EXPECT_EQ(entries.mid(7, 4), QList<FileFilterEntry>({{"../x ()", ""}, {"a/b ()", ""}, {".. ()", ""}, {". ()", ""}}));
    EXPECT_EQ(FindLangNameFromFilterString(".evil"), "");
    EXPECT_EQ(customLanguageMenuNames(LoadCustomLanglistFromFile()), QStringList());
    EXPECT_EQ(snapshot(), before);
}

} // namespace
