// Code assistance in the running frame window: the member popup on ".",
// the parameter hint, templates on the blank, the View switches and Quick
// find, each in a fresh program folder with fixture list files.
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "app/widgets/toolpages.h"
#include "assist/widgets/parameterhint.h"
#include "assist/widgets/tcustomsynautocomplete.h"
#include "assist/widgets/tfmcompletionproposal.h"
#include "common/framewindowtest.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"
#include "settings/inifile.h"
#include "workspace/widgets/teditform.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const char* const kDemo = "public class Demo {\n"
                          "    String s;\n"
                          "    Helper h;\n"
                          "\n"
                          "    void work(int n) {\n"
                          "        \n"
                          "    }\n"
                          "}\n"
                          "\n"
                          "class Helper {\n"
                          "    private int secret;\n"
                          "    public void grow() { }\n"
                          "    public int count(int a, int b) { return a + b; }\n"
                          "    int size;\n"
                          "}\n";

class CodeAssistanceTest : public FrameWindowTest {
protected:
    void SetUp() override
    {
        QDir(m_home.path()).mkpath("completion");
        writeHome("completion/Math.cmp",
                  "static double PI\r\nstatic double abs(double a)\r\nstatic double sin(double a)\r\n"
                  "static double max(double a, double b)\r\nstatic long round(double a)\r\n");
        writeHome("completion/String.cmp", "int length()\r\nString substring(int beginIndex, int endIndex)\r\n"
                                           "String substring(int beginIndex)\r\nchar charAt(int index)\r\n");
        writeHome("completion/auto.cmp",
                  "%if\r\nif (a) {\r\n  |\r\n}\r\n#\r\n%fori\r\nfor (int i = 0; i < n; i++) {\r\n"
                  "\t|\r\n}\r\n#\r\n");
        FrameWindowTest::SetUp();
        startFrame();
        QApplication::setActiveWindow(m_form);
    }
    void writeHome(const char* name, const QByteArray& bytes)
    {
        QFile f(QDir(m_home.path()).filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    TEditForm* open(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_files.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        m_form->LoadFile(path);
        TEditForm* e = m_form->GetActiveEditor();
        e->SynEdit1->setEditorFocus();
        return e;
    }
    // Keys as the user types them into the edit control, or into the popup
    // while it shows.
    void type(TEditForm* e, const QString& text)
    {
        for (QChar c : text) {
            QWidget* target = popup(e)->isVisible() ? static_cast<QWidget*>(popup(e)->List) : e->SynEdit1->view();
            if (c == QLatin1Char('\n'))
                QTest::keyClick(target, Qt::Key_Return);
            else if (c == QLatin1Char('\b'))
                QTest::keyClick(target, Qt::Key_Backspace);
            else if (c == QLatin1Char('\x1b'))
                QTest::keyClick(target, Qt::Key_Escape);
            else
                QTest::keyClicks(target, QString(c));
            // The caret's notices come with the repaint.
            QCoreApplication::processEvents();
        }
    }
    static TfmCompletionProposal* popup(TEditForm* e) { return e->JavaCompletion->popup(); }

    QTemporaryDir m_files;
};

TEST_F(CodeAssistanceTest, DotAfterAStringOffersItsListAndEnterWritesTheChoice)
{
    TEditForm* e = open("Demo.java", kDemo);
    e->SynEdit1->setCaretXY(9, 6);
    type(e, "s.");
    ASSERT_TRUE(popup(e)->isVisible());
    EXPECT_EQ(popup(e)->title(), "Class: String");
    EXPECT_EQ(popup(e)->rowCount(), 4);
    type(e, "len\n");
    EXPECT_FALSE(popup(e)->isVisible());
    EXPECT_EQ(e->SynEdit1->lineText(), "        s.length();");
    EXPECT_EQ(e->SynEdit1->caretX(), 20);
}

} // namespace

namespace {

QString iniValue(const QString& home, const char* section, const char* key)
{
    IniFile ini(QDir(home).filePath("Vornic.ini"));
    return ini.ReadString(QString::fromUtf8(section), QString::fromUtf8(key), QStringLiteral("(none)"));
}

// Answers the next question box by the text of a button.
void answerNextQuestion(const QString& button)
{
    QTimer::singleShot(50, qApp, [button] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            for (QAbstractButton* b : box->buttons())
                if (b->text().remove(QLatin1Char('&')) == button)
                    b->click();
    });
}

TEST_F(CodeAssistanceTest, TypingFiltersBackspacePastTheDotClosesEscapeKeepsTheText)
{
    TEditForm* e = open("Demo.java", kDemo);
    e->SynEdit1->setCaretXY(9, 6);
    type(e, "x = Math.");
    ASSERT_TRUE(popup(e)->isVisible());
    EXPECT_EQ(popup(e)->title(), "Class: Math");
    EXPECT_EQ(popup(e)->List->headerItem()->text(0), "Class: Math");
    EXPECT_EQ(popup(e)->rowCount(), 5);
    EXPECT_EQ(popup(e)->shownRows().first(), "static double PI : datamember");
    type(e, "s");
    EXPECT_EQ(popup(e)->shownRows(), QStringList{"static double sin(double a) : function"});
    EXPECT_EQ(e->SynEdit1->lineText(), "        x = Math.s");
    type(e, "\b");
    EXPECT_EQ(popup(e)->rowCount(), 5);
    type(e, "\b");
    EXPECT_FALSE(popup(e)->isVisible());
    EXPECT_EQ(e->SynEdit1->lineText(), "        x = Math");
    EXPECT_EQ(e->SynEdit1->caretX(), 17);

    type(e, ".ab\x1b");
    EXPECT_FALSE(popup(e)->isVisible());
    EXPECT_EQ(e->SynEdit1->lineText(), "        x = Math.ab");
    EXPECT_EQ(e->SynEdit1->caretX(), 20); // after what was typed
}

TEST_F(CodeAssistanceTest, MembersOfAClassOfTheDocumentAndTheParameterHint)
{
    TEditForm* e = open("Demo.java", kDemo);
    e->SynEdit1->setCaretXY(9, 6);
    type(e, "h.");
    ASSERT_TRUE(popup(e)->isVisible());
    EXPECT_EQ(popup(e)->title(), "Class: Helper");
    EXPECT_EQ(popup(e)->shownRows(),
              (QStringList{"public void grow() : function", "public int count(int a, int b) : function",
                           "int size : datamember"}));
    type(e, "gr\n");
    EXPECT_EQ(e->SynEdit1->lineText(), "        h.grow();");
    EXPECT_EQ(e->LastChosenMethod, " GROW");
    EXPECT_FALSE(e->scpParams->isShowing());

    type(e, " h.co ");
    EXPECT_EQ(e->SynEdit1->lineText(), "        h.grow(); h.count()");
    EXPECT_EQ(e->SynEdit1->caretX(), 27); // between the parentheses
    ASSERT_TRUE(e->scpParams->isShowing());
    EXPECT_EQ(e->scpParams->parameters(), (QStringList{"int a", "int b"}));
    EXPECT_EQ(e->scpParams->currentParameter(), 0);
    type(e, "1,");
    EXPECT_EQ(e->scpParams->currentParameter(), 1);
}

// An 8-bit (Windows-1252) document: names keep their letters in the list
// and in the text ("\x8A" is "Š"), and an accented letter before the caret
// does not shift where the dot is looked for.
TEST_F(CodeAssistanceTest, MembersOfAWindows1252DocumentKeepTheirLetters)
{
    TEditForm* e = open("Preis.java", "public class Preis {\n"
                                      "    int \x8Aipka;\n"
                                      "    Preis p;\n"
                                      "    void work() {\n"
                                      "        String t = \"\xE9\"; \n"
                                      "    }\n"
                                      "}\n");
    ASSERT_EQ(e->SynEdit1->encoding(), TextEncoding::Windows1252);
    QString refused;
    e->SynEdit1->OnConvertToUtf8 = [&refused](const QString& characters) {
        refused += characters;
        return false;
    };
    e->SynEdit1->setCaretXY(25, 5); // after "; "
    type(e, "p.");
    ASSERT_TRUE(popup(e)->isVisible());
    EXPECT_EQ(popup(e)->shownRows().value(0), QString::fromUtf8("int \xC5\xA0ipka : datamember"));
    type(e, "\n");
    EXPECT_EQ(e->SynEdit1->lineText(), QString::fromUtf8("        String t = \"\xC3\xA9\"; p.\xC5\xA0ipka;"));
    EXPECT_EQ(refused, "");
    EXPECT_EQ(e->SynEdit1->encoding(), TextEncoding::Windows1252);
}

TEST_F(CodeAssistanceTest, EnterAndBlankWithNoRowLeftCloseAndAreTyped)
{
    TEditForm* e = open("Demo.java", kDemo);
    e->SynEdit1->setCaretXY(9, 6);
    type(e, "s.zz ");
    EXPECT_FALSE(popup(e)->isVisible());
    EXPECT_EQ(e->SynEdit1->lineText(), "        s.zz ");
    type(e, "s.q\n");
    EXPECT_EQ(e->SynEdit1->line(5), "        s.zz s.q");
    EXPECT_EQ(e->SynEdit1->caretY(), 7);
}

// No member's name holds a dot, so a dot typed into the list ends the name
// and opens the list of what stands before it: "System.out." typed in one go.
TEST_F(CodeAssistanceTest, ADotTypedIntoTheListOpensTheListOfTheNameBeforeIt)
{
    writeHome("completion/System.cmp",
              "static PrintStream err\r\nstatic PrintStream out\r\nstatic long nanoTime()\r\n");
    writeHome("completion/PrintStream.cmp", "void print(String s)\r\nvoid println(String x)\r\n");
    TEditForm* e = open("Demo.java", kDemo);
    e->SynEdit1->setCaretXY(9, 6);
    type(e, "f(System.o");
    ASSERT_TRUE(popup(e)->isVisible());
    EXPECT_EQ(popup(e)->title(), "Class: System");
    type(e, "ut.");
    ASSERT_TRUE(popup(e)->isVisible());
    EXPECT_EQ(popup(e)->title(), "Class: PrintStream");
    EXPECT_EQ(popup(e)->rowCount(), 2);
    EXPECT_EQ(e->SynEdit1->lineText(), "        f(System.out.");
    type(e, "println\n");
    EXPECT_EQ(e->SynEdit1->lineText(), "        f(System.out.println()");
    EXPECT_EQ(e->SynEdit1->caretX(), 30); // between the parentheses

    e->SynEdit1->setLineText("        g(s)");
    e->SynEdit1->setCaretX(12);
    type(e, ".len.");
    EXPECT_FALSE(popup(e)->isVisible()); // nothing is known of "len"
    EXPECT_EQ(e->SynEdit1->lineText(), "        g(s.len.)");
    EXPECT_EQ(e->SynEdit1->caretX(), 17);
}

TEST_F(CodeAssistanceTest, ParenthesisBeforeTheDotStaysUntouched)
{
    TEditForm* e = open("Demo.java", kDemo);
    e->SynEdit1->setCaretXY(9, 6);
    type(e, "g(n) + s.");
    ASSERT_TRUE(popup(e)->isVisible());
    type(e, "le\b\bch\x1b");
    EXPECT_EQ(e->SynEdit1->lineText(), "        g(n) + s.ch");
}

// A dot typed inside a statement: the name typed after it stays in front
// of what followed the caret.
TEST_F(CodeAssistanceTest, TextAfterTheCaretStaysAfterWhatIsTyped)
{
    TEditForm* e = open("Demo.java", kDemo);
    e->SynEdit1->setCaretXY(9, 6);
    e->SynEdit1->setLineText("        t = s; // s");
    e->SynEdit1->setCaretX(14);
    type(e, ".sub");
    ASSERT_TRUE(popup(e)->isVisible());
    EXPECT_EQ(popup(e)->rowCount(), 2);
    EXPECT_EQ(e->SynEdit1->lineText(), "        t = s.sub; // s");
    type(e, "\n");
    EXPECT_EQ(e->SynEdit1->lineText(), "        t = s.substring(); // s");
    EXPECT_EQ(e->SynEdit1->caretX(), 25); // between the parentheses

    e->SynEdit1->setLineText("        n = s + 1;");
    e->SynEdit1->setCaretX(14);
    type(e, ".lx\b\x1b");
    EXPECT_EQ(e->SynEdit1->lineText(), "        n = s.l + 1;");
    EXPECT_EQ(e->SynEdit1->caretX(), 16); // after what was typed
}

TEST_F(CodeAssistanceTest, NoPopupInStringsCommentsOrWithTheSwitchOff)
{
    TEditForm* e = open("Demo.java", kDemo);
    e->SynEdit1->setCaretXY(9, 6);
    type(e, "f(\"Total. ");
    EXPECT_FALSE(popup(e)->isVisible());
    EXPECT_EQ(e->SynEdit1->lineText(), "        f(\"Total. ");
    e->SynEdit1->setLineText("        // s");
    e->SynEdit1->setCaretX(13);
    type(e, ".");
    EXPECT_FALSE(popup(e)->isVisible());

    e->SynEdit1->setLineText("        s");
    e->SynEdit1->setCaretX(10);
    m_form->menus->CompletionProposal1->trigger(); // F7
    EXPECT_FALSE(m_form->menus->CompletionProposal1->isChecked());
    EXPECT_EQ(iniValue(m_home.path(), "EditorOptions", "CompProposal"), "0");
    type(e, ".");
    EXPECT_FALSE(popup(e)->isVisible());
    EXPECT_EQ(e->SynEdit1->lineText(), "        s.");
    m_form->menus->CompletionProposal1->trigger();
    EXPECT_EQ(iniValue(m_home.path(), "EditorOptions", "CompProposal"), "1");
}

TEST_F(CodeAssistanceTest, TemplatesExpandOnTheBlank)
{
    TEditForm* e = open("Demo.java", kDemo);
    e->SynEdit1->setCaretXY(1, 6);
    e->SynEdit1->setLineText("    ");
    e->SynEdit1->setCaretX(5);
    type(e, "IF ");
    EXPECT_EQ(e->SynEdit1->line(5), "    if (a) {");
    EXPECT_EQ(e->SynEdit1->line(6), "       ");
    EXPECT_EQ(e->SynEdit1->line(7), "    }");
    EXPECT_EQ(e->SynEdit1->caretXY(), (BufferCoord{8, 7})); // after the two blanks and the typed one
    e->SynEdit1->undo();
    e->SynEdit1->undo();
    EXPECT_EQ(e->SynEdit1->line(5), "    IF");

    // Inside a word, in a comment and with the switch off: only the blank.
    e->SynEdit1->setLineText("    for");
    e->SynEdit1->setCaretX(7);
    type(e, " ");
    EXPECT_EQ(e->SynEdit1->lineText(), "    fo r");
    e->SynEdit1->setLineText("    // if");
    e->SynEdit1->setCaretX(10);
    type(e, " ");
    EXPECT_EQ(e->SynEdit1->lineText(), "    // if ");
    e->SynEdit1->setLineText("    if");
    e->SynEdit1->setCaretX(7);
    m_form->menus->Autocompletion1->trigger(); // F10
    EXPECT_EQ(iniValue(m_home.path(), "EditorOptions", "AutoCompletion"), "0");
    type(e, " ");
    EXPECT_EQ(e->SynEdit1->lineText(), "    if ");
}

TEST_F(CodeAssistanceTest, FailedTemplateLoadKeepsTheBuiltInsAndSaysSo)
{
    delete m_form;
    QFile::remove(QDir(m_home.path()).filePath("completion/auto.cmp"));
    m_form = new TMainForm;
    m_form->show();
    QCoreApplication::processEvents();
    const QString message = "Cannot open file " + QDir(m_home.path()).filePath("completion/auto.cmp");
    QMessageBox* shown = nullptr;
    for (QMessageBox* box : m_form->findChildren<QMessageBox*>())
        if (box->isVisible() && box->text().startsWith(message))
            shown = box;
    EXPECT_TRUE(shown);
    EXPECT_TRUE(m_form->menus->Save1); // start-up went on
    TEditForm* e = open("Demo.java", kDemo);
    e->SynEdit1->setCaretXY(1, 6);
    e->SynEdit1->setLineText("  for");
    e->SynEdit1->setCaretX(6);
    type(e, " ");
    EXPECT_EQ(e->SynEdit1->line(5), "  for (count = 0;count < 5;count++) {");
}

TEST_F(CodeAssistanceTest, QuickFindJumpsToTheChosenMember)
{
    TEditForm* e = open("Demo.java", kDemo);
    QComboBox* classes = m_form->toolPages->ClassNameCompoBox1;
    QComboBox* members = m_form->toolPages->ClassDatamemberComboBox2;
    for (QLabel* label : m_form->toolPages->GroupBox12->findChildren<QLabel*>()) {
        if (label->text() == "Class name:") {
            EXPECT_EQ(label->buddy(), classes);
        } else if (label->text() == "Class datamember:") {
            EXPECT_EQ(label->buddy(), members);
        }
    }
    classes->setFocus();
    QCoreApplication::processEvents();
    m_form->ClassNameCompoBox1Enter();
    ASSERT_EQ(classes->count(), 2);
    EXPECT_EQ(classes->itemText(1), "Helper");
    classes->setCurrentIndex(1);
    emit classes->activated(1);
    EXPECT_TRUE(members->isEnabled());
    QStringList items;
    for (int i = 0; i < members->count(); ++i)
        items << members->itemText(i);
    EXPECT_EQ(items, (QStringList{"private int secret", "void grow()", "int count(int a, int b)", "int size"}));
    e->SynEdit1->setCaretXY(3, 1);
    members->setCurrentIndex(3);
    emit members->activated(3);
    EXPECT_EQ(e->SynEdit1->caretXY(), (BufferCoord{3, 14}));
    EXPECT_TRUE(members->isEnabled());
}

// A letter typed into the member box searches its list, which opens; the
// caret moves only when a member is chosen.
TEST_F(CodeAssistanceTest, TypingInTheMemberBoxSearchesItsListBeforeAnyJump)
{
    TEditForm* e = open("Demo.java", kDemo);
    QComboBox* classes = m_form->toolPages->ClassNameCompoBox1;
    QComboBox* members = m_form->toolPages->ClassDatamemberComboBox2;
    m_form->ClassNameCompoBox1Enter();
    classes->setCurrentIndex(1);
    emit classes->activated(1); // Helper; the member box takes the focus
    e->SynEdit1->setCaretXY(3, 1);
    QTest::keyClick(members, Qt::Key_V);
    QCoreApplication::processEvents();
    EXPECT_EQ(e->SynEdit1->caretXY(), (BufferCoord{3, 1}));
    ASSERT_TRUE(members->view()->isVisible());
    EXPECT_EQ(members->view()->currentIndex().data().toString(), "void grow()");
    QTest::keyClick(members->view(), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(e->SynEdit1->caretXY(), (BufferCoord{3, 12}));
}

TEST_F(CodeAssistanceTest, ClosingQuickFindAsksAndRemembers)
{
    open("Demo.java", kDemo);
    answerNextQuestion("No");
    m_form->toolPages->SpeedButton101->click();
    EXPECT_EQ(iniValue(m_home.path(), "ApplicationOptions", "JavaQuickFind"), "(none)");
    answerNextQuestion("Yes");
    m_form->toolPages->SpeedButton101->click();
    EXPECT_TRUE(m_form->toolPages->GroupBox12->isHidden());
    EXPECT_EQ(iniValue(m_home.path(), "ApplicationOptions", "JavaQuickFind"), "0");
}

} // namespace
