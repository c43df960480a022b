#include "toolchain/trunnerthread.h"
#include "toolchain/widgets/tprogrunfrm.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// The console window on a shell script standing in for a Java program.
TProgRunFrm* console(const QString& script)
{
    auto* form = new TProgRunFrm({"/bin/sh", {"-c", script}, QDir::tempPath()}, "Hello.java");
    form->show();
    return form;
}

QString pane(const TProgRunFrm* form) { return form->RichEdit1->toPlainText(); }

TEST(ProgRunFrm, CaptionsOutputAndTheEnd)
{
    std::unique_ptr<TProgRunFrm> form(console("echo one; echo two"));
    EXPECT_EQ(form->windowTitle(), "Running file from: Hello.java");
    EXPECT_EQ(CurrentRunner, form->runner());
    EXPECT_EQ(form->size(), QSize(492, 203));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->Finished; }, 10000));
    EXPECT_EQ(pane(form.get()), "one\ntwo\nDone!");
    EXPECT_EQ(form->windowTitle(), "Finished!");
    for (QToolButton* b : {form->Copy, form->Paste, form->Cut, form->SelectAll, form->Undo})
        EXPECT_FALSE(b->toolTip().isEmpty());
}

// The prompt shows by the timer; what the user types after it, and only
// that, goes to the program with Enter.
TEST(ProgRunFrm, PromptShowsAndTheTypedLineReachesTheProgram)
{
    std::unique_ptr<TProgRunFrm> form(console("printf 'Name: '; read name; printf 'Hello <%s>\\n' \"$name\" | tr -d '\\r'"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane(form.get()) == "Name: "; }, 3000)) << pane(form.get()).toStdString();
    form->RichEdit1->setFocus();
    QTest::keyClicks(form->RichEdit1, "Bob");
    QTest::keyClick(form->RichEdit1, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->Finished; }, 10000));
    EXPECT_EQ(pane(form.get()), "Name: Bob\nHello <Bob>\nDone!");
}

// Output shown a turn at a time is the program's: what the user types after
// it is what goes to the program.
TEST(ProgRunFrm, ALineTypedUnderTheOutputReachesTheProgram)
{
    std::unique_ptr<TProgRunFrm> form(console("echo 'Enter a number:'; read a; echo \"[$a]\" | tr -d '\\r'"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane(form.get()) == "Enter a number:"; }, 5000));
    QTest::keyClicks(form->RichEdit1, "42");
    QTest::keyClick(form->RichEdit1, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->Finished; }, 10000));
    EXPECT_EQ(pane(form.get()), "Enter a number:42\n[42]\nDone!");
}

TEST(ProgRunFrm, AWholeLineWithoutPromptIsSent)
{
    std::unique_ptr<TProgRunFrm> form(console("read a; read b; echo \"[$a][$b]\" | tr -d '\\r'"));
    QTest::keyClicks(form->RichEdit1, "42");
    QTest::keyClick(form->RichEdit1, Qt::Key_Return);
    QTest::keyClicks(form->RichEdit1, "  x y  ");
    QTest::keyClick(form->RichEdit1, Qt::Key_Enter);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->Finished; }, 10000));
    EXPECT_TRUE(pane(form.get()).endsWith("[42][x y]\nDone!")) << pane(form.get()).toStdString();
}

TEST(ProgRunFrm, AProgramThatCannotStartIsNamed)
{
    std::unique_ptr<TProgRunFrm> form(
        new TProgRunFrm({"/nonexistent/bin/java", {"Hello"}, QDir::tempPath()}, "Hello.java"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->Finished; }, 5000));
    EXPECT_TRUE(pane(form.get()).contains("/nonexistent/bin/java"));
    EXPECT_TRUE(pane(form.get()).endsWith("Done!"));
    EXPECT_EQ(form->windowTitle(), "Finished!");
}

// Closing the window leaves the program running; the window goes once the
// program has ended.
TEST(ProgRunFrm, ClosedWhileRunningItGoesWhenTheProgramEnds)
{
    QTemporaryDir dir;
    const QString mark = dir.filePath("ran");
    QPointer<TProgRunFrm> form = console(QString("sleep 0.5; touch '%1'").arg(mark));
    form->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.isNull(); }, 10000));
    EXPECT_TRUE(QFile::exists(mark));
}

// A long run keeps the last lines and drops the oldest, so the pane does
// not grow without end.
TEST(ProgRunFrm, ALongRunKeepsTheLastLines)
{
    constexpr int Lines = TProgRunFrm::MaxConsoleLines * 2 + 17;
    std::unique_ptr<TProgRunFrm> form(console(QString("seq %1").arg(Lines)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->Finished; }, 30000));
    const int kept = form->RichEdit1->blockCount();
    EXPECT_GE(kept, TProgRunFrm::MaxConsoleLines);
    EXPECT_LE(kept, TProgRunFrm::MaxConsoleLines * 3 / 2 + 1);
    const QString text = pane(form.get());
    EXPECT_TRUE(text.endsWith(QString("\n%1\nDone!").arg(Lines)));
    EXPECT_EQ(text.section('\n', 0, 0).toInt(), Lines - kept + 2); // whole lines, none cut
}

// What the program wrote last, without a line end, shows before "Done!".
TEST(ProgRunFrm, ALastLineWithoutLineEndShowsBeforeDone)
{
    std::unique_ptr<TProgRunFrm> form(console("printf 'one\\nbye'"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->Finished; }, 10000));
    QTest::qWait(1500); // a timer tick comes and goes
    EXPECT_EQ(pane(form.get()), "one\nbye\nDone!");
}

// The tab that starts a stack trace's "at" line is the program's.
TEST(ProgRunFrm, TabsShowAsTheProgramWroteThem)
{
    std::unique_ptr<TProgRunFrm> form(console("printf 'Exception x\\n'; sleep 0.3; printf '\\tat A.main(A.java:3)\\n'"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->Finished; }, 10000));
    EXPECT_EQ(pane(form.get()), "Exception x\n\tat A.main(A.java:3)\nDone!");
}

// Typing that starts before the program's answer to the last line arrives
// stays whole: the answer goes above it.
TEST(ProgRunFrm, TypingRightAfterEnterIsNotSplitByOutput)
{
    std::unique_ptr<TProgRunFrm> form(
        console("read a; sleep 0.5; echo got; read b; echo \"[$b]\" | tr -d '\\r'"));
    form->RichEdit1->setFocus();
    QTest::keyClicks(form->RichEdit1, "first");
    QTest::keyClick(form->RichEdit1, Qt::Key_Return);
    QTest::keyClicks(form->RichEdit1, "s");
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane(form.get()).contains("got"); }, 5000));
    QTest::keyClicks(form->RichEdit1, "econd");
    QTest::keyClick(form->RichEdit1, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->Finished; }, 10000));
    EXPECT_EQ(pane(form.get()), "first\ngot\nsecond\n[second]\nDone!");
}

// A second console opens beside the first, not exactly on top of it.
TEST(ProgRunFrm, ASecondConsoleIsCascaded)
{
    QWidget frame;
    frame.show();
    std::unique_ptr<TProgRunFrm> first(new TProgRunFrm({"/bin/sh", {"-c", "sleep 2"}, QDir::tempPath()}, "A.java", &frame));
    first->show();
    std::unique_ptr<TProgRunFrm> second(new TProgRunFrm({"/bin/sh", {"-c", "sleep 2"}, QDir::tempPath()}, "B.java", &frame));
    second->show();
    EXPECT_GE((second->pos() - first->pos()).manhattanLength(), 20);
}

// Typed input is for the program: the console takes the keyboard when it
// opens and when its program prompts while the frame window is active.
TEST(ProgRunFrm, TheConsoleTakesTheKeyboardForAPrompt)
{
    QWidget frame;
    auto* editor = new QLineEdit(&frame);
    frame.show();
    std::unique_ptr<TProgRunFrm> form(new TProgRunFrm(
        {"/bin/sh", {"-c", "sleep 0.5; printf 'Number: '; read n; echo \"[$n]\" | tr -d '\\r'"}, QDir::tempPath()},
        "A.java", &frame));
    form->show();
    form->takeFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->RichEdit1->hasFocus(); }, 3000));
    // The user goes back to the editor before the prompt comes.
    frame.activateWindow();
    editor->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return editor->hasFocus(); }, 3000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane(form.get()) == "Number: "; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->RichEdit1->hasFocus(); }, 3000));
    QTest::keyClicks(QApplication::focusWidget(), "42");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->Finished; }, 10000));
    EXPECT_EQ(pane(form.get()), "Number: 42\n[42]\nDone!");
    EXPECT_EQ(editor->text(), "");
}

} // namespace
