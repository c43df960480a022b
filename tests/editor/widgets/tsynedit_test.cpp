#include "editor/textsearch.h"
#include "editor/tsynjavasyn.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"
#include "editor/widgets/tsyngutter.h"

#include <QAction>
#include <QDialog>
#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using S = QsciScintillaBase;

class TSynEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_edit = new TSynEdit;
        m_edit->resize(600, 400);
        m_edit->show();
        m_edit->setEditorFocus();
    }
    void TearDown() override { delete m_edit; }

    void setLines(std::initializer_list<const char*> lines)
    {
        QString t;
        for (const char* l : lines)
            t += QString::fromLatin1(l) + "\r\n";
        m_edit->setText(t);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(m_edit->view(), k, mods);
    }
    void type(const QString& text) { QTest::keyClicks(m_edit->view(), text); }
    QStringList lines() const
    {
        QStringList out;
        for (int i = 0; i < m_edit->lineCount(); ++i)
            out << m_edit->line(i);
        return out;
    }
    static void flushEvents() { QCoreApplication::processEvents(); }

    TSynEdit* m_edit = nullptr;
    QTemporaryDir m_dir;
};

TEST_F(TSynEditTest, LinesListOperations)
{
    EXPECT_EQ(m_edit->lineCount(), 0);
    m_edit->addLine("one");
    m_edit->addLine("three");
    m_edit->insertLine(1, "two");
    m_edit->setLine(2, "THREE");
    EXPECT_EQ(lines(), QStringList({"one", "two", "THREE"}));
    EXPECT_EQ(m_edit->line(-1), "");
    EXPECT_EQ(m_edit->line(3), "");
    EXPECT_EQ(m_edit->text(), "one\r\ntwo\r\nTHREE\r\n");
    m_edit->deleteLine(2);
    m_edit->deleteLine(0);
    EXPECT_EQ(lines(), QStringList({"two"}));
    m_edit->clearLines();
    EXPECT_EQ(m_edit->lineCount(), 0);
}

TEST_F(TSynEditTest, FileRoundTripIsByteExactThroughTheControl)
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        if (i != '\r' && i != '\n')
            bytes += char(i);
    const QByteArray files[] = {bytes + "\r\n" + bytes + "\r\n", bytes + "\n" + bytes, "a\rb\r"};
    for (const QByteArray& file : files) {
        const QString in = m_dir.filePath("in.bin"), out = m_dir.filePath("out.bin");
        QFile f(in);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(file);
        f.close();
        ASSERT_TRUE(m_edit->loadFromFile(in).ok());
        EXPECT_EQ(m_edit->lineBytes(0).size(), file.startsWith('a') ? 1 : 254);
        ASSERT_TRUE(m_edit->saveToFile(out).ok());
        QFile g(out);
        ASSERT_TRUE(g.open(QIODevice::ReadOnly));
        EXPECT_EQ(g.readAll(), file);
    }
}

TEST_F(TSynEditTest, NewTextIsSavedWithCrLfAndNoFinalBreak)
{
    m_edit->setText("a\nb");
    const QString out = m_dir.filePath("new.txt");
    ASSERT_TRUE(m_edit->saveToFile(out).ok());
    QFile g(out);
    ASSERT_TRUE(g.open(QIODevice::ReadOnly));
    EXPECT_EQ(g.readAll(), "a\r\nb");
    EXPECT_FALSE(m_edit->loadFromFile(m_dir.filePath("missing.txt")).ok());
}

TEST_F(TSynEditTest, CaretMayStandBeyondTheLineEnd)
{
    setLines({"short", "x"});
    m_edit->setCaretXY(12, 1);
    EXPECT_EQ(m_edit->caretX(), 12);
    EXPECT_EQ(m_edit->caretY(), 1);
    m_edit->setCaretXY(3, 99); // the line is kept within the text
    EXPECT_EQ(m_edit->caretY(), 2);
    m_edit->setCaretXY(10, 1);
    type("!");
    EXPECT_EQ(m_edit->line(0), "short    !");
}

TEST_F(TSynEditTest, SelectedTextWriteIsOneUndoStepAndBreaksLines)
{
    setLines({"hello world"});
    m_edit->setSelection({7, 1}, {12, 1});
    EXPECT_TRUE(m_edit->selAvail());
    EXPECT_EQ(m_edit->selText(), "world");
    m_edit->setSelText("a\rb\nc\r\nd");
    EXPECT_EQ(lines(), QStringList({"hello a", "b", "c", "d"}));
    EXPECT_EQ(m_edit->caretXY(), (BufferCoord{2, 4}));
    m_edit->undo();
    EXPECT_EQ(lines(), QStringList({"hello world"}));
}

TEST_F(TSynEditTest, ColumnSelectionReadsTheColumnsOfEachLine)
{
    setLines({"abcdef", "ghijkl", "mn"});
    key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(m_edit->selectionMode(), SelectionMode::Column);
    m_edit->setCaretXY(2, 1);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(m_edit->selText(), "bc\r\nhi\r\nn");
    EXPECT_EQ(m_edit->blockBegin(), (BufferCoord{2, 1}));
    EXPECT_EQ(m_edit->blockEnd(), (BufferCoord{4, 3}));
}

// Straight down first: the selection is no column wide for two steps, and
// its anchor must hold all the same.
TEST_F(TSynEditTest, ColumnSelectionKeepsItsAnchorWhileNoColumnWide)
{
    setLines({"abcdef", "ghijkl", "mnopqr"});
    m_edit->setCaretXY(2, 1);
    key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(m_edit->selText(), "bc\r\nhi\r\nno");
    EXPECT_EQ(m_edit->blockBegin(), (BufferCoord{2, 1}));
    EXPECT_EQ(m_edit->blockEnd(), (BufferCoord{4, 3}));
}

// Text written over a column selection replaces the columns only and goes in
// once, at the block's top-left corner; the rest of the lines stays. A
// selection no column wide removes nothing.
TEST_F(TSynEditTest, WritingOverAColumnSelectionKeepsTheRestOfItsLines)
{
    struct Case {
        const char* name;
        int widthSteps;
        bool upwards;
        QStringList expected;
    };
    const Case cases[] = {
        {"TwoColumnsDown", 2, false, {"aT", "Udef", "gjkl", "mpqr"}},
        {"TwoColumnsUp", 2, true, {"aT", "Udef", "gjkl", "mpqr"}},
        {"NoColumnWide", 0, false, {"aT", "Ubcdef", "ghijkl", "mnopqr"}},
    };
    for (const Case& c : cases) {
        setLines({"abcdef", "ghijkl", "mnopqr"});
        m_edit->setSelectionMode(SelectionMode::Column);
        m_edit->setCaretXY(2, c.upwards ? 3 : 1);
        const Qt::Key vertical = c.upwards ? Qt::Key_Up : Qt::Key_Down;
        key(vertical, Qt::ShiftModifier);
        key(vertical, Qt::ShiftModifier);
        for (int i = 0; i < c.widthSteps; ++i)
            key(Qt::Key_Right, Qt::ShiftModifier);
        m_edit->setSelText("T\rU");
        EXPECT_EQ(lines(), c.expected) << c.name;
        EXPECT_EQ(m_edit->caretXY(), (BufferCoord{2, 2})) << c.name;
        m_edit->undo();
        EXPECT_EQ(lines(), (QStringList{"abcdef", "ghijkl", "mnopqr"})) << c.name;
        m_edit->setSelectionMode(SelectionMode::Normal);
    }
}

// Escape is no key of the control: in a dialog it reaches the dialog and
// cancels it.
TEST_F(TSynEditTest, EscapeGoesOnToTheWindowAround)
{
    QDialog dialog;
    auto* edit = new TSynEdit(&dialog);
    dialog.show();
    edit->setText("text\r\n");
    edit->setEditorFocus();
    QApplication::setActiveWindow(&dialog);
    QTest::keyClick(edit->view(), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(edit->line(0), "text");
}

// Leading zeros fill the gutter's digits, also in a short file.
TEST_F(TSynEditTest, LeadingZerosFillTheGuttersDigits)
{
    TSynGutter* gutter = m_edit->gutter();
    EXPECT_EQ(gutter->digitCount(), 4);
    EXPECT_EQ(gutter->lineNumberText(7, 10), "7");
    gutter->setLeadingZeros(true);
    EXPECT_EQ(gutter->lineNumberText(7, 10), "0007");
    EXPECT_EQ(gutter->lineNumberText(1, 1), "0001");
    EXPECT_EQ(gutter->lineNumberText(12, 12345), "00012");
    gutter->setDigitCount(2);
    EXPECT_EQ(gutter->lineNumberText(7, 10), "07");
}

TEST_F(TSynEditTest, LineSelectionTakesWholeLines)
{
    setLines({"one", "two", "three"});
    key(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    m_edit->setCaretXY(2, 1);
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(m_edit->selText(), "one\r\ntwo\r\n");
}

TEST_F(TSynEditTest, MarksFollowInsertedAndDeletedLines)
{
    setLines({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"});
    TSynEditMark m;
    m.Line = 10;
    m_edit->placeMark(m);
    m_edit->setCaretXY(1, 2);
    m_edit->setSelText("a\rb\rc\r"); // three lines above the mark
    EXPECT_EQ(m_edit->marks().at(0).Line, 13);
    m_edit->setCaretXY(2, 13);
    key(Qt::Key_Return); // a break inside the marked line keeps the mark on it
    EXPECT_EQ(m_edit->marks().at(0).Line, 13);
    m_edit->setSelection({1, 12}, {1, 15}); // whole lines 12..14
    key(Qt::Key_Delete);
    EXPECT_EQ(m_edit->marks().at(0).Line, 12);
    m_edit->undo();
    EXPECT_EQ(m_edit->marks().at(0).Line, 15);
}

TEST_F(TSynEditTest, BookmarkKeysSetMoveRemoveAndGo)
{
    setLines({"a", "b", "c", "d"});
    m_edit->setCaretXY(1, 2);
    key(Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(m_edit->bookmark(1).has_value());
    EXPECT_EQ(m_edit->bookmark(1)->Line, 2);
    m_edit->setCaretXY(1, 4);
    key(Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(m_edit->bookmark(1)->Line, 4);
    EXPECT_EQ(m_edit->marks().count(), 1);
    m_edit->setCaretXY(1, 1);
    key(Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(m_edit->caretY(), 4);
    key(Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(m_edit->bookmark(1).has_value());
}

TEST_F(TSynEditTest, KeyEventsComeInOrderAndCanBeSwallowed)
{
    QStringList seen;
    m_edit->OnKeyDown = [&](int& k, Qt::KeyboardModifiers) {
        seen << QString("down %1").arg(k);
        if (k == 'Q')
            k = 0;
    };
    m_edit->OnKeyPress = [&](QChar& c) {
        seen << QString("press %1").arg(c);
        if (c == 'x')
            c = QChar();
        if (c == 'u')
            c = 'U';
    };
    m_edit->OnKeyUp = [&](int& k, Qt::KeyboardModifiers) { seen << QString("up %1").arg(k); };
    m_edit->OnChange = [&] { seen << "change"; };
    type("a");
    flushEvents();
    type("xqu");
    flushEvents();
    EXPECT_EQ(seen, QStringList({"down 65", "press a", "up 65", "change", "down 88", "press x", "up 88", "down 81",
                                 "up 81", "down 85", "press u", "up 85", "change"}));
    EXPECT_EQ(m_edit->line(0), "aU");
}

TEST_F(TSynEditTest, EditorKeysFromTheMap)
{
    setLines({"    indented", "keep"});
    m_edit->setCaretXY(13, 1);
    key(Qt::Key_Return); // auto indent
    type("x");
    EXPECT_EQ(m_edit->line(1), "    x");
    key(Qt::Key_Y, Qt::ControlModifier); // delete line
    EXPECT_EQ(lines(), QStringList({"    indented", "keep"}));
    m_edit->setCaretXY(5, 1);
    key(Qt::Key_Y, Qt::ControlModifier | Qt::ShiftModifier); // to end of line
    EXPECT_EQ(m_edit->line(0), "    ");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_edit->line(0), "    indented");
    key(Qt::Key_Insert);
    EXPECT_FALSE(m_edit->insertMode());
    m_edit->setCaretXY(5, 1);
    type("IN");
    EXPECT_EQ(m_edit->line(0), "    INdented");
}

TEST_F(TSynEditTest, MenuShortcutsWinOverTheControlsKeys)
{
    QMainWindow window;
    auto* edit = new TSynEdit;
    window.setCentralWidget(edit);
    int triggered = 0;
    auto* action = new QAction("Redo", &window);
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    window.addAction(action);
    QObject::connect(action, &QAction::triggered, &window, [&] { ++triggered; });
    window.show();
    edit->setText("line one\r\nline two\r\n");
    edit->setEditorFocus();
    QApplication::setActiveWindow(&window);
    QTest::keyClick(edit->view(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(triggered, 1);
    EXPECT_EQ(edit->lineCount(), 2);
}

struct SearchCase {
    const char* name;
    const char* text;
    BufferCoord caret;
    const char* search;
    const char* replace;
    int options;
    int expectedCount;
    const char* expectedText;
    const char* expectedSelection;
};

class TSynEditSearch : public TSynEditTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(TSynEditSearch, SearchReplace)
{
    const SearchCase& c = GetParam();
    m_edit->setText(c.text);
    m_edit->setCaretXY(c.caret.Char, c.caret.Line);
    EXPECT_EQ(m_edit->searchReplace(c.search, c.replace, c.options), c.expectedCount);
    EXPECT_EQ(m_edit->text(), QString(c.expectedText));
    EXPECT_EQ(m_edit->selText(), QString(c.expectedSelection));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TSynEditSearch,
    ::testing::Values(
        SearchCase{"FindSelects", "one two one", {1, 1}, "ONE", "", 0, 1, "one two one\r\n", "one"},
        SearchCase{"FindFromCaret", "one two one", {2, 1}, "one", "", 0, 1, "one two one\r\n", "one"},
        SearchCase{"NoWrap", "one two", {5, 1}, "one", "", 0, 0, "one two\r\n", ""},
        SearchCase{"EntireScope", "one two", {5, 1}, "one", "", ssoEntireScope, 1, "one two\r\n", "one"},
        SearchCase{"BackwardsFromStart", "one two", {1, 1}, "one", "", ssoBackwards, 0, "one two\r\n", ""},
        SearchCase{"Backwards", "ab ab ab", {7, 1}, "ab", "", ssoBackwards, 1, "ab ab ab\r\n", "ab"},
        SearchCase{"WholeWord", "counter count", {1, 1}, "count", "", ssoWholeWord, 1, "counter count\r\n",
                   "count"},
        SearchCase{"MatchCase", "Aa aA", {1, 1}, "aA", "", ssoMatchCase, 1, "Aa aA\r\n", "aA"},
        SearchCase{"ReplaceOne", "banana", {1, 1}, "a", "b", ssoReplace, 1, "bbnana\r\n", ""},
        SearchCase{"ReplaceAll", "banana", {1, 1}, "a", "b", ssoReplace | ssoReplaceAll, 3, "bbnbnb\r\n", ""},
        SearchCase{"ReplaceAllLonger", "a.a\r\na", {1, 1}, "a", "xyz", ssoReplace | ssoReplaceAll | ssoEntireScope,
                   3, "xyz.xyz\r\nxyz\r\n", ""},
        SearchCase{"ReplaceAllBackwards", "a-a-a", {4, 1}, "a", "", ssoReplaceAll | ssoBackwards, 2, "--a\r\n",
                   ""},
        SearchCase{"AcrossLines", "ab\r\ncd", {1, 1}, "b\r\nc", "", 0, 1, "ab\r\ncd\r\n", "b\r\nc"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TSynEditTest, HighlighterStylesAndCarriesCommentsOverLines)
{
    TSynJavaSyn java;
    m_edit->setHighlighter(&java);
    setLines({"int a;", "b c", "d"});
    auto styleAt = [&](int line, int col) {
        const long pos = m_edit->view()->SendScintilla(S::SCI_POSITIONFROMLINE, line - 1) + col - 1;
        m_edit->view()->SendScintilla(S::SCI_COLOURISE, 0, -1);
        return int(m_edit->view()->SendScintilla(S::SCI_GETSTYLEAT, pos));
    };
    const int keyword = java.attributeByName("Reserved word")->index() + 1;
    const int comment = java.attributeByName("Comment")->index() + 1;
    EXPECT_EQ(styleAt(1, 1), keyword);
    EXPECT_NE(styleAt(2, 1), comment);
    m_edit->setCaretXY(7, 1);
    type("/*");
    EXPECT_EQ(styleAt(2, 1), comment);
    EXPECT_EQ(styleAt(3, 1), comment);
    // An attribute change repaints with the new colour.
    java.attributeByName("Comment")->setForeground(Colors::clRed);
    EXPECT_EQ(m_edit->view()->SendScintilla(S::SCI_STYLEGETFORE, comment), 0x0000FF);
    m_edit->setHighlighter(nullptr);
}

TEST_F(TSynEditTest, SpecialLineColoursFollowTheHandler)
{
    setLines({"a", "b", "c"});
    int highlight = 2;
    m_edit->OnSpecialLineColors = [&](int line, bool& special, TColor& fg, TColor& bg) {
        if (line == highlight) {
            special = true;
            fg = Colors::clWhite;
            bg = Colors::clMaroon;
        }
    };
    m_edit->invalidateLine(2);
    m_edit->repaint();
    auto markersOn = [&](int line) { return m_edit->view()->SendScintilla(S::SCI_MARKERGET, line - 1); };
    EXPECT_NE(markersOn(2), 0);
    EXPECT_EQ(markersOn(1), 0);
    highlight = -1;
    m_edit->invalidateLine(2);
    m_edit->repaint();
    EXPECT_EQ(markersOn(2), 0);
}

} // namespace
