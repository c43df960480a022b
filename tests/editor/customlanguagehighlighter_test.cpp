#include "editor/customlanguagehighlighter.h"

#include "editor/tsyngeneralsyn.h"
#include "settings/customlanguages.h"

#include "tokenstream.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using K = TokenKind;
using G = TSynGeneralSyn;

// Every case runs in a program folder of its own.
class CustomLanguageHighlighterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_home.isValid());
        m_hadHome = qEnvironmentVariableIsSet("VORNIC_HOME");
        m_oldHome = qgetenv("VORNIC_HOME");
        qputenv("VORNIC_HOME", QFile::encodeName(m_home.path()));
        ASSERT_TRUE(QDir(m_home.path()).mkpath("customlang"));
        writeDefinition("Lisp", "[FileInfo]\r\nFileExt=*.lsp\r\n[CommentTypes]\r\nAsmComments=1\r\n"
                                "[Keywords]\r\nKeyWordsCount=2\r\n0=defun\r\n1=lambda\r\n");
        writeDefinition("Cish", "[CommentTypes]\r\nCComments=1\r\n[Keywords]\r\nKeyWordsCount=1\r\n0=int\r\n");
    }
    void TearDown() override
    {
        if (m_hadHome)
            qputenv("VORNIC_HOME", m_oldHome);
        else
            qunsetenv("VORNIC_HOME");
    }
    void writeDefinition(const QString& name, const QByteArray& bytes)
    {
        QFile f(m_home.filePath("customlang/" + name + ".ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // A highlighter in the state another language left it in.
    static void dirty(G& hl)
    {
        hl.setKeywords({"stale"});
        hl.setCommentStyles(G::AnsiComment | G::PascalComment);
        hl.setDetectPreprocessor(true);
    }

    QTemporaryDir m_home;
    bool m_hadHome = false;
    QByteArray m_oldHome;
};

struct ApplyCase {
    const char* language;
    QStringList keywords;
    int comments;
    G::StringDelimiter delimiter;
};

TEST_F(CustomLanguageHighlighterTest, AppliesTheDefinitionReplacingEarlierSettings)
{
    const ApplyCase cases[] = {
        {"Lisp", {"DEFUN", "LAMBDA"}, G::AsmComment, G::StringDelimiter::SingleQuote},
        {"Cish", {"INT"}, G::CComment, G::StringDelimiter::DoubleQuote},
        // No definition file: no keywords, no comment styles.
        {"Ghost", {}, 0, G::StringDelimiter::SingleQuote},
        {"../Lisp", {}, 0, G::StringDelimiter::SingleQuote},
    };
    for (const ApplyCase& c : cases) {
        G hl;
        dirty(hl);
        applyCustomLanguage(readCustomLanguageDefinition(c.language), hl);
        EXPECT_EQ(hl.keywords(), c.keywords) << c.language;
        EXPECT_EQ(hl.commentStyles(), c.comments) << c.language;
        EXPECT_EQ(hl.stringDelimiter(), c.delimiter) << c.language;
        EXPECT_FALSE(hl.detectPreprocessor()) << c.language;
    }
}

TEST_F(CustomLanguageHighlighterTest, IdentifierCharsAreEveryCharacterFromExclamationMarkUp)
{
    G hl;
    applyCustomLanguage(readCustomLanguageDefinition("Lisp"), hl);
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(hl.identifierChars().test(std::size_t(c)), c >= '!') << c;
}

TEST_F(CustomLanguageHighlighterTest, HighlightsALineOfTheLanguage)
{
    const Tok sp{K::Space, " "};
    G lisp;
    applyCustomLanguage(readCustomLanguageDefinition("Lisp"), lisp);
    EXPECT_EQ(tokenizeLine(lisp, "DeFun f-x 'a b' \"c ; note"),
              (std::vector<Tok>{{K::Keyword, "DeFun"}, sp, {K::Identifier, "f-x"}, sp, {K::String, "'a b'"}, sp,
                                {K::Identifier, "\"c"}, sp, {K::Comment, "; note"}}));
    G cish;
    applyCustomLanguage(readCustomLanguageDefinition("Cish"), cish);
    EXPECT_EQ(tokenizeLine(cish, "int \"s\" /* c */"),
              (std::vector<Tok>{{K::Keyword, "int"}, sp, {K::String, "\"s\""}, sp, {K::Comment, "/* c */"}}));
}

} // namespace
