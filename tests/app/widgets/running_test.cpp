// Running programs from the frame window with the JDK on this machine: a
// class in a package, a stack trace that leads to its source, and the
// Window menu's list of consoles.
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "common/framewindowtest.h"
#include "editor/widgets/tsynedit.h"
#include "settings/inifile.h"
#include "toolchain/kitcommands.h"
#include "toolchain/widgets/tprogrunfrm.h"
#include "workspace/widgets/teditform.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace {

class RunningTest : public KitFrameWindowTest {
protected:
    QString write(const QString& relative, const QByteArray& text)
    {
        const QString path = m_src.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return path;
    }
    // F9 on the active document; the console once its program has ended.
    TProgRunFrm* compileAndRun()
    {
        m_form->SpeedButton36Click();
        TProgRunFrm* console = m_form->RunWindow;
        EXPECT_NE(console, nullptr) << m_form->KompilatorLogTxt->toPlainText().toStdString();
        if (console)
            EXPECT_TRUE(QTest::qWaitFor([&] { return console->Finished; }, 30000));
        return console;
    }

    QTemporaryDir m_src;
};

TEST_F(RunningTest, AClassInATwoLevelPackageRunsWithF9)
{
    write("a/b/Helper.java", "package a.b;\nclass Helper {\n    static String where() { return \"a.b\"; }\n}\n");
    m_form->LoadFile(write("a/b/Main.java", "/* the demo */\npackage a.b;\n\npublic class Main {\n"
                                            "    public static void main(String[] args) {\n"
                                            "        System.out.println(\"Hello from \" + Helper.where());\n"
                                            "    }\n}\n"));
    TProgRunFrm* console = compileAndRun();
    ASSERT_NE(console, nullptr);
    EXPECT_EQ(console->RichEdit1->toPlainText(), "Hello from a.b\nDone!");
    EXPECT_TRUE(QFile::exists(m_src.filePath("a/b/Main.class")));
    EXPECT_TRUE(QFile::exists(m_src.filePath("a/b/Helper.class")));
}

TEST_F(RunningTest, ADoubleClickOnAStackTraceLineOpensItsFileAtThatLine)
{
    QByteArray foo = "public class Foo {\n";
    for (int line = 2; line < 12; ++line)
        foo += "    // line " + QByteArray::number(line) + "\n";
    foo += "    static void bar() { throw new IllegalStateException(\"deep\"); }\n}\n"; // line 12
    write("Foo.java", foo);
    m_form->LoadFile(write("Main.java", "public class Main {\n    public static void main(String[] args) {\n"
                                        "        Foo.bar();\n    }\n}\n"));
    TProgRunFrm* console = compileAndRun();
    ASSERT_NE(console, nullptr);
    QTextBlock frame = console->RichEdit1->document()->firstBlock();
    while (frame.isValid() && !frame.text().contains("Foo.bar(Foo.java:12)"))
        frame = frame.next();
    ASSERT_TRUE(frame.isValid()) << console->RichEdit1->toPlainText().toStdString();
    QTextCursor at(frame);
    console->RichEdit1->setTextCursor(at);
    const QPoint point = console->RichEdit1->cursorRect(at).center() + QPoint(20, 0);
    QTest::mouseDClick(console->RichEdit1->viewport(), Qt::LeftButton, {}, point);

    TEditForm* editor = m_form->GetActiveEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->caption(), "Foo.java");
    EXPECT_EQ(editor->SynEdit1->caretY(), 12);
    EXPECT_EQ(editor->HighlightLine, 12);
    EXPECT_TRUE(m_form->ErrorLineActive);

    // The heading of the trace leads to its first frame: the open Foo.java.
    m_form->mdiArea->setActiveSubWindow(m_form->editors().front());
    const QStringList heading = {"Exception in thread \"main\" java.lang.IllegalStateException: deep",
                                 "\tat Foo.bar(Foo.java:12)"};
    emit console->stackTraceActivated(heading);
    EXPECT_EQ(m_form->GetActiveEditor(), editor);
    EXPECT_EQ(m_form->editors().size(), 2u);
}

TEST_F(RunningTest, AClosedConsoleOfARunningProgramComesBackFromTheWindowMenu)
{
    m_form->LoadFile(write("Wait.java", "public class Wait {\n    public static void main(String[] a) throws Exception {\n"
                                        "        System.out.println(\"waiting\");\n"
                                        "        Thread.sleep(600000);\n    }\n}\n"));
    m_form->SpeedButton36Click();
    TProgRunFrm* console = m_form->RunWindow;
    ASSERT_NE(console, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return console->RichEdit1->toPlainText() == "waiting"; }, 30000));
    console->close();
    EXPECT_FALSE(console->isVisible());
    emit m_form->menus->windowMenu->aboutToShow();
    QAction* item = nullptr;
    for (QAction* a : m_form->menus->windowMenu->actions())
        if (a->text() == "Console: Wait.java (running)")
            item = a;
    ASSERT_NE(item, nullptr);
    item->trigger();
    EXPECT_TRUE(console->isVisible());
    console->StopClick();
    EXPECT_TRUE(QTest::qWaitFor([&] { return console->Finished; }, 20000));
}

} // namespace
