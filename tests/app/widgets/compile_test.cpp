#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"
#include "settings/inifile.h"
#include "toolchain/kitcommands.h"
#include "toolchain/trunnerthread.h"
#include "toolchain/widgets/tcompiler1.h"
#include "toolchain/widgets/tprogrunfrm.h"
#include "workspace/widgets/teditform.h"

#include "common/framewindowtest.h"
#include "common/shellscript.h"
#include "common/typing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcessEnvironment>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// Compiles with the JDK on this machine; CI installs default-jdk-headless.
class CompileTest : public KitFrameWindowTest {
protected:
    QString writeJava(const QString& name, const QByteArray& text)
    {
        const QString path = m_src.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return path;
    }
    void setSetting(const char* section, const char* key, const QString& value)
    {
        IniFile(m_home.filePath("Vornic.ini")).WriteString(section, key, value);
    }
    QString log() const { return m_form->KompilatorLogTxt->toPlainText(); }
    QTemporaryDir m_src;
};

TEST_F(CompileTest, AnErrorIsListedAndLeadsToItsLine)
{
    m_form->LoadFile(writeJava("Hello.java", "public class Hello {\n"
                                             "    public static void main(String[] args) {\n"
                                             "        int a = 1;\n"
                                             "        a++;\n"
                                             "        undefinedThing(a);\n"
                                             "    }\n"
                                             "}\n"));
    m_form->Compile1Click();
    ASSERT_EQ(m_form->KompilerErrors->topLevelItemCount(), 1);
    QTreeWidgetItem* item = m_form->KompilerErrors->topLevelItem(0);
    EXPECT_EQ(item->text(0), "5");
    EXPECT_TRUE(item->text(1).contains("error: cannot find symbol")) << item->text(1).toStdString();
    EXPECT_TRUE(m_form->KompilatorLogTxt->toPlainText().contains("Compiling: "));
    EXPECT_FALSE(m_form->KompilatorLogTxt->toPlainText().contains("No errors found."));
    m_form->KompilerErrors->setCurrentItem(item);
    m_form->SelectErrorLine(m_form->GetActiveEditor());
    TEditForm* e = m_form->GetActiveEditor();
    EXPECT_EQ(e->SynEdit1->caretY(), 5);
    EXPECT_EQ(e->HighlightLine, 5);
    EXPECT_TRUE(m_form->ErrorLineActive);
}

TEST_F(CompileTest, ACleanCompileWritesTheClassFile)
{
    m_form->LoadFile(writeJava("Fine.java", "public class Fine { public static void main(String[] a) {} }\n"));
    m_form->Compile1Click();
    EXPECT_EQ(m_form->KompilerErrors->topLevelItemCount(), 0);
    EXPECT_TRUE(QFile::exists(m_src.filePath("Fine.class")));
    EXPECT_TRUE(m_form->KompilatorLogTxt->toPlainText().contains("No errors found."));
}

TEST_F(CompileTest, AMissingCompilerIsReportedWithItsPath)
{
    QTemporaryDir empty;
    IniFile(m_home.filePath("Vornic.ini")).WriteString("CompilerOptions", "JavaBinDir", empty.path());
    m_form->LoadFile(writeJava("Gone.java", "class Gone {}\n"));
    QTimer::singleShot(100, qApp, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    m_form->Compile1Click();
    const QString log = m_form->KompilatorLogTxt->toPlainText();
    EXPECT_TRUE(log.contains(empty.path() + "/javac")) << log.toStdString();
    EXPECT_FALSE(log.contains("No errors found."));
}

// Accepts every message box that comes up while it lives and keeps its text.
class MessageBoxes {
public:
    MessageBoxes()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
        });
        m_timer.start(50);
    }
    QStringList texts;

private:
    QTimer m_timer;
};

// A program that asks for a line without ending its prompt, then answers.
const QByteArray EchoProgram = "import java.util.Scanner;\n"
                               "public class Echo {\n"
                               "    public static void main(String[] args) {\n"
                               "        System.out.print(\"Your name: \");\n"
                               "        String name = new Scanner(System.in).nextLine();\n"
                               "        System.out.println(\"Hello \" + name + \"!\");\n"
                               "    }\n"
                               "}\n";

TEST_F(CompileTest, CompileAndRunTalksToTheProgramInTheConsole)
{
    m_form->LoadFile(writeJava("Echo.java", EchoProgram));
    m_form->SpeedButton36Click();
    EXPECT_TRUE(log().contains("No errors found.\nCompilation complete: ")) << log().toStdString();
    EXPECT_TRUE(log().endsWith("Running program."));
    TProgRunFrm* console = m_form->RunWindow;
    ASSERT_NE(console, nullptr);
    EXPECT_EQ(console->windowTitle(), "Running file from: Echo.java");
    // The prompt has no line end: the console's timer shows it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return console->RichEdit1->toPlainText() == "Your name: "; }, 15000))
        << console->RichEdit1->toPlainText().toStdString();
    console->activateWindow();
    QTest::keyClicks(console->RichEdit1, "Ada Lovelace");
    QTest::keyClick(console->RichEdit1, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return console->Finished; }, 15000));
    EXPECT_EQ(console->RichEdit1->toPlainText(), "Your name: Ada Lovelace\nHello Ada Lovelace!\nDone!");
    EXPECT_EQ(console->windowTitle(), "Finished!");
}

TEST_F(CompileTest, CompileAndRunWithAnErrorRunsNothing)
{
    m_form->LoadFile(writeJava("Broken.java", "public class Broken {\n"
                                              "    public static void main(String[] args) { int x = ; }\n"
                                              "}\n"));
    m_form->SpeedButton36Click();
    EXPECT_TRUE(log().endsWith("Errors found, can't run program now!")) << log().toStdString();
    EXPECT_EQ(m_form->KompilerErrors->topLevelItemCount(), 1);
    EXPECT_EQ(m_form->RunWindow, nullptr);
}

TEST_F(CompileTest, AnEmptyJavaBinDirAsksForTheKitAndRunsNothing)
{
    setSetting("CompilerOptions", "JavaBinDir", "");
    m_form->LoadFile(writeJava("Echo.java", EchoProgram));
    MessageBoxes boxes;
    m_form->SpeedButton36Click();
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0], "No javabin catalog defined, don't know where to look for javac. Please spesify the "
                              "javabin catalog now!");
    EXPECT_FALSE(log().contains("Compiling: "));
    EXPECT_EQ(m_form->RunWindow, nullptr);
}

// The compile dialog's "Run" button starts the program it compiled.
TEST_F(CompileTest, RunButtonOfTheCompileDialogRunsTheProgram)
{
    m_form->LoadFile(writeJava("Echo.java", EchoProgram));
    m_form->Compile1Click();
    ASSERT_NE(m_form->CompilerDialog, nullptr);
    auto* dialog = qobject_cast<TCompiler1*>(m_form->CompilerDialog.data());
    ASSERT_TRUE(dialog->BitBtn3->isEnabled());
    dialog->BitBtn3->click();
    ASSERT_NE(m_form->RunWindow, nullptr);
    m_form->RunWindow->runner()->SendLine("x");
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_form->RunWindow->Finished; }, 15000));
    EXPECT_TRUE(m_form->RunWindow->RichEdit1->toPlainText().contains("Hello x!"));
}

TEST_F(CompileTest, AJavaBinDirWithoutJavaIsNamedInTheConsole)
{
    QTemporaryDir empty;
    m_form->LoadFile(writeJava("Echo.java", EchoProgram));
    setSetting("CompilerOptions", "JavaBinDir", empty.path());
    m_form->RunJava();
    TProgRunFrm* console = m_form->RunWindow;
    ASSERT_NE(console, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return console->Finished; }, 5000));
    EXPECT_TRUE(console->RichEdit1->toPlainText().contains(empty.path() + "/java"));
    EXPECT_TRUE(console->RichEdit1->toPlainText().endsWith("Done!"));
}

// A stand-in applet viewer keeps the page it is given, its arguments and
// its folder.
TEST_F(CompileTest, AnAppletRunsInTheViewerOnAPageThatIsThenRemoved)
{
    QTemporaryDir bin;
    const QString seen = bin.filePath("seen.txt");
    writeShellScript(bin.filePath("appletviewer"), QString("{ pwd; echo \"$@\"; cat tmp.htm; } > '%1'").arg(seen));
    setSetting("CompilerOptions", "JavaBinDir", bin.path());
    m_form->LoadFile(writeJava("Clock.java", "public class Clock extends java.applet.Applet {\n"
                                             "// an applet: the next line holds no blank before its main\n"
                                             "main(\n}\n"));
    m_form->RunJava();
    EXPECT_EQ(m_form->RunWindow, nullptr);
    QFile f(seen);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), (QDir(m_src.path()).canonicalPath() + "\ntmp.htm\n").toLocal8Bit() +
                               "<applet code=\"Clock.class\" width=\"500\" height=\"500\"></applet>\r\n");
    EXPECT_FALSE(QFile::exists(m_src.filePath("tmp.htm")));
}

TEST_F(CompileTest, AKitWithoutAppletViewerIsSaid)
{
    m_form->LoadFile(writeJava("Clock.java", "public class Clock extends java.applet.Applet {}\n"));
    MessageBoxes boxes;
    m_form->RunJava();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.texts.isEmpty(); }, 3000));
    EXPECT_TRUE(boxes.texts[0].contains("has no applet viewer")) << boxes.texts[0].toStdString();
    EXPECT_TRUE(boxes.texts[0].contains(m_javaBin + "/appletviewer"));
    EXPECT_FALSE(QFile::exists(m_src.filePath("tmp.htm")));
}

// The command-window run: a stand-in terminal keeps what it is asked to run.
TEST_F(CompileTest, CommandWindowRunGetsTheClassPathBeforeTheClass)
{
    QTemporaryDir bin;
    const QString seen = bin.filePath("seen.txt");
    writeShellScript(bin.filePath("x-terminal-emulator"), QString("printf '%s\\n' \"$PWD\" \"$@\" > '%1'").arg(seen));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ":" + path);
    setSetting("ApplicationOptions", "JavaAppsInDosWindow", "1");
    setSetting("CompilerOptions", "ClassPathDir", "lib/a b.jar:.");
    m_form->LoadFile(writeJava("Echo.java", EchoProgram));
    m_form->SpeedButton36Click();
    qputenv("PATH", path);
    EXPECT_EQ(m_form->RunWindow, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(seen) && QFileInfo(seen).size() > 0; }, 5000));
    QFile f(seen);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList args = QString::fromLocal8Bit(f.readAll()).split('\n');
    EXPECT_EQ(QDir(args.value(0)).canonicalPath(), QDir(m_src.path()).canonicalPath());
    const qsizetype cp = args.indexOf("-classpath");
    ASSERT_GE(cp, 0) << args.join(' ').toStdString();
    EXPECT_EQ(args.value(cp + 1), "lib/a b.jar:.");
    EXPECT_EQ(args.value(cp + 2), "Echo");
    EXPECT_EQ(args.value(cp - 1), m_javaBin + "/java");
}

// A student's two-file program: Test.java uses MyTest, whose line 3 is
// wrong. The error is MyTest.java's, and leads there.
TEST_F(CompileTest, AnErrorInTheSecondFileLeadsToThatFile)
{
    const QString myTest = writeJava("MyTest.java", "public class MyTest {\n"
                                                    "    public int value() {\n"
                                                    "        return missing;\n"
                                                    "    }\n"
                                                    "}\n");
    m_form->LoadFile(writeJava("Test.java", "public class Test {\n"
                                            "    public static void main(String[] args) {\n"
                                            "        System.out.println(new MyTest().value());\n"
                                            "    }\n"
                                            "}\n"));
    TEditForm* test = m_form->GetActiveEditor();
    m_form->Compile1Click();
    ASSERT_EQ(m_form->KompilerErrors->topLevelItemCount(), 1) << log().toStdString();
    QTreeWidgetItem* item = m_form->KompilerErrors->topLevelItem(0);
    EXPECT_EQ(item->text(0), "3");
    EXPECT_TRUE(item->toolTip(1).contains("MyTest.java")) << item->toolTip(1).toStdString();
    m_form->KompilerErrors->setCurrentItem(item);
    m_form->KompilerErrorsDblClick();
    TEditForm* opened = m_form->GetActiveEditor();
    ASSERT_NE(opened, test);
    EXPECT_EQ(opened->caption(), "MyTest.java");
    EXPECT_EQ(opened->FileName, myTest);
    EXPECT_EQ(opened->SynEdit1->caretY(), 3);
    EXPECT_EQ(opened->HighlightLine, 3);
    EXPECT_EQ(test->HighlightLine, -1);
}

// Enter on a row does what the double click does.
TEST_F(CompileTest, EnterOnAnErrorRowGoesToItsLine)
{
    m_form->LoadFile(writeJava("Hello.java", "public class Hello {\n"
                                             "    void f() {\n"
                                             "        undefinedThing();\n"
                                             "    }\n"
                                             "}\n"));
    m_form->Compile1Click();
    ASSERT_EQ(m_form->KompilerErrors->topLevelItemCount(), 1);
    m_form->PageControl4->setCurrentWidget(m_form->KompilerErrors);
    QApplication::setActiveWindow(m_form);
    m_form->KompilerErrors->setFocus();
    m_form->KompilerErrors->setCurrentItem(m_form->KompilerErrors->topLevelItem(0));
    QTest::keyClick(m_form->KompilerErrors, Qt::Key_Return);
    EXPECT_EQ(m_form->GetActiveEditor()->SynEdit1->caretY(), 3);
    EXPECT_EQ(m_form->GetActiveEditor()->HighlightLine, 3);
}

// Each compile's dialog replaces the last one's; "Show all errors" shows the
// output from its start.
TEST_F(CompileTest, OneCompileDialogAtATimeAndAllErrorsFromTheStart)
{
    QByteArray source = "public class Many {\n    void f() {\n";
    for (int i = 0; i < 30; ++i)
        source += "        aVeryLongNameThatNoClassHasAndThatMakesTheLinesOfTheOutputWide" + QByteArray::number(i) +
                  "();\n";
    source += "    }\n}\n";
    m_form->LoadFile(writeJava("Many.java", source));
    m_form->Compile1Click();
    m_form->Compile1Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_form->findChildren<TCompiler1*>().size(), 1);
    auto* dialog = qobject_cast<TCompiler1*>(m_form->CompilerDialog.data());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Label5->text(), "30");
    dialog->BitBtn2->click();
    TOutputForm1* all = m_form->findChild<TOutputForm1*>();
    ASSERT_NE(all, nullptr);
    auto* text = all->findChild<QPlainTextEdit*>();
    QCoreApplication::processEvents();
    EXPECT_EQ(text->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(text->verticalScrollBar()->value(), 0);
    EXPECT_EQ(text->textCursor().position(), 0);
}

// Keys and clicks given while javac runs are taken then, not held back and
// replayed once it has ended.
TEST_F(CompileTest, InputDuringACompileIsTakenAtOnce)
{
    m_form->LoadFile(writeJava("Fine.java", "public class Fine { public static void main(String[] a) {} }\n"));
    QLineEdit other;
    other.show();
    QString logWhenTyped;
    bool typed = false;
    QObject::connect(&other, &QLineEdit::textChanged, &other, [&] {
        typed = true;
        logWhenTyped = log();
    });
    QCoreApplication::postEvent(&other, new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x"));
    m_form->Compile1Click();
    ASSERT_TRUE(typed);
    EXPECT_FALSE(logWhenTyped.contains("Compilation complete")) << logWhenTyped.toStdString();
}

// The C locale, as a fresh system or a cron job has it, for the tools the
// test starts; the JVMs must still read and write UTF-8.
class CLocale {
public:
    CLocale()
    {
        for (const char* name : {"LANG", "LC_ALL", "LC_CTYPE"})
            m_saved.emplace_back(name, qgetenv(name));
        qputenv("LANG", "C");
        qputenv("LC_ALL", "C");
        qunsetenv("LC_CTYPE");
    }
    ~CLocale()
    {
        for (const auto& [name, value] : m_saved)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }

private:
    std::vector<std::pair<const char*, QByteArray>> m_saved;
};

TEST_F(CompileTest, TypedNonAsciiCompilesAndRunsInUtf8UnderTheCLocale)
{
    const CLocale c;
    // A file whose name is not ASCII beside the source: javac lists the
    // folder, and under the C locale the JVM cannot name such a file.
    writeJava(QString::fromUtf8("Gr\xC3\xBC\xC3\x9F" "e.txt"), "");
    m_form->LoadFile(writeJava("Snow.java", "import java.util.Scanner;\n"
                                            "public class Snow {\n"
                                            "    public static void main(String[] args) {\n"
                                            "        System.out.print(\"Gr\xC3\xBC\xC3\x9F" "e \");\n"
                                            "        String name = new Scanner(System.in).nextLine();\n"
                                            "        System.out.println(\"Hello \" + name + \"!\");\n"
                                            "    }\n"
                                            "}\n"));
    TEditForm* e = m_form->GetActiveEditor();
    ASSERT_NE(e, nullptr);
    e->SynEdit1->setCaretXY(33, 4); // inside the string, after the blank
    typeCharacters(e->SynEdit1->view(), QString::fromUtf8("\xC3\xB8"));
    m_form->SpeedButton36Click();
    TProgRunFrm* console = m_form->RunWindow;
    ASSERT_NE(console, nullptr) << log().toStdString();
    // The prompt has no line end: the console's timer shows it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return console->RichEdit1->toPlainText().startsWith("Gr"); }, 15000));
    EXPECT_EQ(console->RichEdit1->toPlainText(), QString::fromUtf8("Gr\xC3\xBC\xC3\x9F" "e \xC3\xB8"));
    console->activateWindow();
    typeCharacters(console->RichEdit1, QString::fromUtf8("\xC3\x85se \xE2\x98\x83"));
    QTest::keyClick(console->RichEdit1, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return console->Finished; }, 15000));
    EXPECT_TRUE(console->RichEdit1->toPlainText().contains(QString::fromUtf8("Hello \xC3\x85se \xE2\x98\x83!")))
        << console->RichEdit1->toPlainText().toStdString();
}

TEST_F(CompileTest, AnEightBitDocumentCompilesInItsOwnEncoding)
{
    const CLocale c;
    m_form->LoadFile(writeJava("Cafe.java", "public class Cafe {\n"
                                            "    public static void main(String[] args) {\n"
                                            "        System.out.println(\"caf\xE9 \x80 \x93q\x94\");\n"
                                            "    }\n"
                                            "}\n"));
    ASSERT_EQ(m_form->GetActiveEditor()->encodingText(), "Windows-1252");
    m_form->SpeedButton36Click();
    TProgRunFrm* console = m_form->RunWindow;
    ASSERT_NE(console, nullptr) << log().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return console->Finished; }, 15000));
    EXPECT_EQ(console->RichEdit1->toPlainText(),
              QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D\nDone!"));
}

} // namespace
