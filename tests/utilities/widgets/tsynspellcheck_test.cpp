#include "editor/tsynjavasyn.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"
#include "utilities/widgets/tsynspellcheck.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class SpellCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile dic(m_dir.filePath(QStringLiteral("english.1-0-0.dic")));
        ASSERT_TRUE(dic.open(QIODevice::WriteOnly));
        dic.write("the\nname\nreceive\nrecipe\ngood\nis\nhere\nword\na\n");
        dic.close();
        m_spell.DictionaryDirectory = m_dir.path();
        m_spell.UserDirectory = m_dir.path();
        ASSERT_TRUE(m_spell.LoadDictionary(QStringLiteral("English")).ok());
        m_edit.setHighlighter(&m_java);
        m_edit.resize(600, 400);
        m_edit.show();
        m_spell.OnCheckWord = [this](const QString& word, const QStringList& suggestions, QString& correct,
                                     SpellAction& action) {
            m_asked << word;
            m_suggestions = suggestions;
            if (!m_answers.isEmpty()) {
                const auto [answer, replacement] = m_answers.takeFirst();
                action = answer;
                if (!replacement.isEmpty())
                    correct = replacement;
            } else {
                action = SpellAction::Skip;
            }
        };
        m_spell.OnDone = [this] { ++m_done; };
    }
    void TearDown() override { m_edit.setHighlighter(nullptr); }

    void check()
    {
        m_edit.setCaretXY(1, 1);
        m_spell.setEditor(&m_edit);
        m_spell.SpellCheck();
    }
    QString underlined(int line) const
    {
        QString words;
        for (const WordSpan& w : m_spell.underlinedWords(line))
            words += (words.isEmpty() ? "" : " ") + m_edit.line(line).mid(w.start, w.length);
        return words;
    }

    QTemporaryDir m_dir;
    TSynJavaSyn m_java;
    TSynEdit m_edit;
    TSynSpellCheck m_spell;
    QStringList m_asked;
    QStringList m_suggestions;
    QList<std::pair<SpellAction, QString>> m_answers;
    int m_done = 0;
};

// The word in the comment is reported, the identifier of the same spelling
// is not; the check ends with the done event.
TEST_F(SpellCheckTest, ReportsWordsOfCommentsAndStringsOnly)
{
    m_edit.setText(QStringLiteral("// recieve the name\nint recieve = 1;\nString s = \"good wrod\";\n"));
    check();
    EXPECT_EQ(m_asked, (QStringList{"recieve", "wrod"}));
    EXPECT_EQ(m_suggestions, QStringList{"word"});
    EXPECT_EQ(m_done, 1);
}

TEST_F(SpellCheckTest, ChangeReplacesTheWordWithTheTextGiven)
{
    m_edit.setText(QStringLiteral("// recieve recieve\n"));
    m_answers = {{SpellAction::Correct, QString()}, {SpellAction::Correct, QStringLiteral("my own")}};
    check();
    EXPECT_EQ(m_edit.line(0), QStringLiteral("// receive my own"));
    EXPECT_EQ(m_asked, (QStringList{"recieve", "recieve"})); // a replacement is not checked again
}

TEST_F(SpellCheckTest, AddedWordIsNeverReportedAgainAndKeptInTheUserDictionary)
{
    m_edit.setText(QStringLiteral("// zorp here\n// zorp again\n"));
    m_answers = {{SpellAction::Add, QString()}};
    check();
    EXPECT_EQ(m_asked, (QStringList{"zorp", "again"}));
    m_asked.clear();
    check();
    EXPECT_EQ(m_asked, QStringList{"again"});
    QFile user(m_dir.filePath(QStringLiteral("English.user.dic")));
    ASSERT_TRUE(user.open(QIODevice::ReadOnly));
    EXPECT_EQ(user.readAll(), QByteArray("zorp\n"));
    TSynSpellCheck later; // a later run reads it back
    later.DictionaryDirectory = later.UserDirectory = m_dir.path();
    ASSERT_TRUE(later.LoadDictionary(QStringLiteral("english")).ok());
    EXPECT_TRUE(later.isKnown(u"zorp"));
}

TEST_F(SpellCheckTest, IgnoreAllAbortAndOptions)
{
    m_edit.setText(QStringLiteral("// zorp x zorp b2b q\n// blorp\n"));
    m_answers = {{SpellAction::SkipAll, QString()}, {SpellAction::Skip, QString()}};
    check();
    EXPECT_EQ(m_asked, (QStringList{"zorp", "x", "b2b", "q", "blorp"}));

    m_asked.clear();
    m_spell.setOptions({true, true}); // IgnoreWordsWithNum, IgnoreSingleChar
    m_answers = {{SpellAction::Abort, QString()}};
    m_done = 0;
    check();
    EXPECT_EQ(m_asked, QStringList{"blorp"});
    EXPECT_EQ(m_done, 0); // aborted: no done event
}

TEST_F(SpellCheckTest, StartsAtTheCaret)
{
    m_edit.setText(QStringLiteral("// aaa\n// bbb ccc\n"));
    m_spell.setEditor(&m_edit);
    m_edit.setCaretXY(7, 2);
    m_spell.SpellCheck();
    EXPECT_EQ(m_asked, QStringList{"ccc"});
}

// While typing only the lines shown (and the ones that change) are checked;
// a line scrolled into view gets its underlines then.
TEST_F(SpellCheckTest, UnderlinesWhileTypingOnLinesInView)
{
    QStringList lines;
    for (int i = 0; i < 2000; ++i)
        lines << QStringLiteral("int v%1 = 0; // good wrod").arg(i);
    m_edit.setText(lines.join(QLatin1Char('\n')));
    m_spell.setEditor(&m_edit);
    QCoreApplication::processEvents();
    EXPECT_EQ(underlined(0), QStringLiteral("wrod"));
    EXPECT_EQ(underlined(1999), QString()); // not shown: not checked yet

    m_edit.setCaretXY(1, 1);
    m_edit.setSelText(QStringLiteral("/* tpyo */ "));
    QTest::qWait(20);
    EXPECT_EQ(underlined(0), QStringLiteral("tpyo wrod"));

    m_edit.setCaretXY(1, 2000);
    QTest::qWait(20);
    EXPECT_EQ(underlined(1999), QStringLiteral("wrod"));

    m_spell.setAutoSpellCheck(false);
    EXPECT_EQ(underlined(1999), QString());
}

} // namespace
