// The edit control's text as files hold it: encodings, line ends, columns
// in characters, and text an 8-bit document cannot hold.
#include "editor/textsearch.h"
#include "editor/tsynjavasyn.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"

#include "common/typing.h"

#include <QAccessible>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using S = QsciScintillaBase;

QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

class EncodingFixture {
protected:
    EncodingFixture()
    {
        m_edit = new TSynEdit;
        m_edit->resize(600, 300);
        m_edit->show();
        m_edit->setEditorFocus();
    }
    ~EncodingFixture() { delete m_edit; }

    QString write(const QByteArray& bytes, const char* name = "doc.txt")
    {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QByteArray saved()
    {
        const QString path = m_dir.filePath(QStringLiteral("saved.txt"));
        const Result<void> r = m_edit->saveToFile(path);
        EXPECT_TRUE(r.ok()) << r.error().toStdString();
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
    void load(const QByteArray& bytes)
    {
        const Result<void> r = m_edit->loadFromFile(write(bytes));
        ASSERT_TRUE(r.ok()) << r.error().toStdString();
    }

    TSynEdit* m_edit = nullptr;
    QTemporaryDir m_dir;
};

struct RoundTripCase {
    const char* name;
    QByteArray file; // at least two lines
    TextEncoding encoding;
    bool bom;
};

class FileRoundTrip : public EncodingFixture, public ::testing::TestWithParam<RoundTripCase> {};

// Saved without an edit a file is byte-identical, whatever it holds; with
// an edit in the middle only the edit differs.
TEST_P(FileRoundTrip, SavesBackByteForByte)
{
    const RoundTripCase& c = GetParam();
    load(c.file);
    EXPECT_EQ(m_edit->encoding(), c.encoding);
    EXPECT_EQ(m_edit->hasByteOrderMark(), c.bom);
    EXPECT_EQ(saved(), c.file);

    m_edit->setCaretXY(1, 2);
    m_edit->setSelText(QStringLiteral("x"));
    QByteArray edited = c.file;
    const qsizetype end = std::min<qsizetype>(edited.indexOf('\r') < 0 ? edited.size() : edited.indexOf('\r'),
                                              edited.indexOf('\n') < 0 ? edited.size() : edited.indexOf('\n'));
    edited.insert(end + (edited.mid(end, 2) == "\r\n" ? 2 : 1), 'x');
    EXPECT_EQ(saved(), edited);
}

QByteArray everyByteBut(const QByteArray& excluded)
{
    QByteArray b;
    for (int i = 0; i < 256; ++i)
        if (!excluded.contains(char(i)))
            b += char(i);
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Files, FileRoundTrip,
    ::testing::Values(RoundTripCase{"AsciiCrLf", "int a;\r\nint b;\r\n", TextEncoding::Utf8, false},
                      RoundTripCase{"Utf8",
                                    "Gr\xC3\xBC\xC3\x9F"
                                    "e, na\xC3\xAFve \xE2\x98\x83\nzwei \xF0\x9F\x98\x80\n",
                                    TextEncoding::Utf8, false},
                      RoundTripCase{"Utf8WithBom",
                                    "\xEF\xBB\xBF"
                                    "a\xC3\xB8\r\nb",
                                    TextEncoding::Utf8, true},
                      RoundTripCase{"Latin1",
                                    "Gr\xFC\xDF"
                                    "e\nzwei\n",
                                    TextEncoding::Windows1252, false},
                      RoundTripCase{"Windows1252UndefinedBytes", "\x93q\x94 \x80\r\n\x81\x8D\x8F\x90\x9D\r\n",
                                    TextEncoding::Windows1252, false},
                      RoundTripCase{"InvalidUtf8InTheMiddle",
                                    QByteArray(20000, 'a') + "\n\xC3\xA9 \xFF \xC3\xA9\n" + QByteArray(20000, 'b') +
                                        "\n",
                                    TextEncoding::Windows1252, false},
                      RoundTripCase{"Nul", QByteArray("a\0b\nc\0", 6), TextEncoding::Utf8, false},
                      RoundTripCase{"MixedLineEnds", "one\r\ntwo\nthree\rfour\r\n", TextEncoding::Utf8, false},
                      RoundTripCase{"EveryByte", everyByteBut("\r\n") + "\n" + everyByteBut("\r\n"),
                                    TextEncoding::Windows1252, false},
                      // The head of a program: NULs, lone CRs and LFs, bytes of every kind.
                      RoundTripCase{"Binary",
                                    QByteArray("\x7F"
                                               "ELF\x02\x01\x01\0\0\n\r\r\n\n\xFF\xFE\0\x80\r",
                                               20),
                                    TextEncoding::Windows1252, false}),
    [](const auto& info) { return std::string(info.param.name); });

class TSynEditEncodingTest : public EncodingFixture, public ::testing::Test {
protected:
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(m_edit->view(), k, mods); }
};

TEST_F(TSynEditEncodingTest, LinesAddedToMixedLineEndsTakeTheFirstStyle)
{
    load("one\r\ntwo\nthree\r\n");
    EXPECT_EQ(m_edit->lineEndStyle(), LineEndStyle::CrLf);
    m_edit->setCaretXY(4, 1);
    key(Qt::Key_Return);
    QTest::keyClicks(m_edit->view(), "new");
    m_edit->setCaretXY(6, 4);
    m_edit->setSelText(QStringLiteral("\nlast")); // generated text: a lone LF
    EXPECT_EQ(saved(), "one\r\nnew\r\ntwo\nthree\r\nlast\r\n");
    EXPECT_EQ(m_edit->text(), "one\r\nnew\r\ntwo\r\nthree\r\nlast\r\n");
}

TEST_F(TSynEditEncodingTest, TextAnEightBitDocumentCannotHoldAsksBeforeItEnters)
{
    load("caf\xE9\n");
    ASSERT_EQ(m_edit->encoding(), TextEncoding::Windows1252);
    QStringList asked;
    bool convert = false;
    m_edit->OnConvertToUtf8 = [&](const QString& characters) {
        asked << characters;
        return convert;
    };
    m_edit->setCaretXY(5, 1);
    typeCharacters(m_edit->view(), u8("\xC3\xB8\xE2\x82\xAC")); // "ø€": both in Windows-1252
    EXPECT_EQ(m_edit->lineBytes(0), "caf\xE9\xF8\x80");
    typeCharacters(m_edit->view(), u8("\xE2\x98\x83")); // the snowman is not
    m_edit->setSelText(u8("\xE2\x98\x83 and \xCF\x80\xE2\x98\x83"));
    EXPECT_EQ(asked, QStringList({u8("\xE2\x98\x83"), u8("\xE2\x98\x83\xCF\x80")}));
    EXPECT_EQ(m_edit->line(0), u8("caf\xC3\xA9\xC3\xB8\xE2\x82\xAC"));
    EXPECT_EQ(saved(), "caf\xE9\xF8\x80\n");

    convert = true; // the document becomes UTF-8, all of it
    m_edit->setSelText(u8("\xE2\x98\x83"));
    EXPECT_EQ(m_edit->encoding(), TextEncoding::Utf8);
    EXPECT_EQ(saved(), "caf\xC3\xA9\xC3\xB8\xE2\x82\xAC\xE2\x98\x83\n");
}

TEST_F(TSynEditEncodingTest, ChoosingAnEncodingRereadsOrRefuses)
{
    const QString path = write("\xA4 5\n");
    ASSERT_TRUE(m_edit->loadFromFile(path, TextEncoding::Latin9).ok());
    EXPECT_EQ(m_edit->line(0), u8("\xE2\x82\xAC 5"));
    EXPECT_EQ(saved(), "\xA4 5\n");
    const Result<void> asUtf8 = m_edit->loadFromFile(path, TextEncoding::Utf8);
    ASSERT_FALSE(asUtf8.ok());
    EXPECT_TRUE(asUtf8.error().contains("not UTF-8"));
    EXPECT_EQ(m_edit->line(0), u8("\xE2\x82\xAC 5")); // nothing lost
    EXPECT_EQ(m_edit->encoding(), TextEncoding::Latin9);

    EXPECT_FALSE(m_edit->setEncoding(TextEncoding::Latin1)); // no euro sign there
    EXPECT_TRUE(m_edit->setEncoding(TextEncoding::Windows1252));
    EXPECT_EQ(saved(), "\x80 5\n");
    EXPECT_TRUE(m_edit->setEncoding(TextEncoding::Utf8));
    EXPECT_EQ(saved(), "\xE2\x82\xAC 5\n");
}

TEST_F(TSynEditEncodingTest, ColumnsCountCharactersAsQStringDoes)
{
    m_edit->setText(u8("Gr\xC3\xBC\xC3\x9F"
                       "e \xE2\x98\x83\xF0\x9F\x98\x80x")); // Grüße ☃😀x
    m_edit->setCaretXY(8, 1);                               // before the emoji, which takes two units
    QTest::keyClicks(m_edit->view(), "!");
    EXPECT_EQ(m_edit->line(0), u8("Gr\xC3\xBC\xC3\x9F"
                                  "e \xE2\x98\x83!\xF0\x9F\x98\x80x"));
    EXPECT_EQ(m_edit->caretX(), 9);
    EXPECT_EQ(m_edit->line(0).mid(m_edit->caretX() - 1, 2), u8("\xF0\x9F\x98\x80"));
    EXPECT_EQ(m_edit->byteColumn(9, 1), 13); // G r ü ß e, blank, ☃ and ! take 12 bytes
    key(Qt::Key_Right);
    EXPECT_EQ(m_edit->caretX(), 11);
    m_edit->setSelection({3, 1}, {5, 1});
    EXPECT_EQ(m_edit->selText(), u8("\xC3\xBC\xC3\x9F"));
    m_edit->setCaretXY(15, 1); // beyond the line's end
    EXPECT_EQ(m_edit->caretX(), 15);
    QTest::keyClicks(m_edit->view(), "z");
    EXPECT_TRUE(m_edit->line(0).endsWith("x   z"));
}

TEST_F(TSynEditEncodingTest, AUtf8NameIsOneTokenForTheHighlighter)
{
    TSynJavaSyn java;
    m_edit->setHighlighter(&java);
    m_edit->setText(u8("int gr\xC3\xB6\xC3\x9F"
                       "e = 1;"));
    m_edit->view()->SendScintilla(S::SCI_COLOURISE, 0, -1);
    const long identifier = m_edit->view()->SendScintilla(S::SCI_GETSTYLEAT, 4);
    EXPECT_NE(identifier, m_edit->view()->SendScintilla(S::SCI_GETSTYLEAT, 0)); // "int" is a keyword
    for (int pos = 4; pos < 11; ++pos)
        EXPECT_EQ(m_edit->view()->SendScintilla(S::SCI_GETSTYLEAT, pos), identifier) << pos;
    m_edit->setHighlighter(nullptr);
}

TEST_F(TSynEditEncodingTest, SearchIgnoresTheCaseOfEveryLetter)
{
    m_edit->setText(u8("\xC3\x84rger \xC3\xA4rger"));
    m_edit->setCaretXY(1, 1);
    EXPECT_EQ(m_edit->searchReplace(u8("\xC3\xA4RGER"), QString(), 0), 1);
    EXPECT_EQ(m_edit->selText(), u8("\xC3\x84rger"));
    EXPECT_EQ(m_edit->searchReplace(u8("\xC3\xA4rger"), u8("\xC3\xB8"), ssoReplaceAll | ssoEntireScope), 2);
    EXPECT_EQ(m_edit->line(0), u8("\xC3\xB8 \xC3\xB8"));
}

// QScintilla's own accessible object counts characters from the start of
// the document on every key; without a screen reader the view has none.
TEST_F(TSynEditEncodingTest, NoCharacterCountingAccessibleWithoutAScreenReader)
{
    ASSERT_FALSE(QAccessible::isActive());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(m_edit->view());
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->textInterface(), nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::EditableText);
}

} // namespace
