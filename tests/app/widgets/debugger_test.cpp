// Debug sessions from the frame window: with a stand-in kit whose jdb is a
// script, and with every real JDK on the machine.
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "app/widgets/toolpages.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"
#include "settings/inifile.h"
#include "toolchain/tdebugger.h"
#include "toolchain/widgets/tprogrunfrm.h"
#include "toolchain/widgets/tvartrackerfrm.h"
#include "workspace/widgets/teditform.h"

#include "common/messageboxes.h"
#include "common/processes.h"
#include "common/shellscript.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <csignal>

namespace {

const QByteArray Hello = "public class Hello {\n"      // 1
                         "    static int count = 3;\n" // 2
                         "\n"                          // 3
                         "    public static void main(String[] args) {\n"
                         "        count++;\n" // 5
                         "        count++;\n"
                         "        count++;\n" // 7
                         "        count++;\n"
                         "        count++;\n"
                         "        count++;\n"
                         "        count++;\n"
                         "        count++;\n" // 12
                         "    }\n"
                         "}\n";

class DebugSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("VORNIC_HOME", m_home.path().toLocal8Bit());
        m_form = new TMainForm;
        m_form->show();
    }
    void TearDown() override
    {
        if (m_form) {
            for (TEditForm* e : m_form->editors())
                e->Modified = false;
            delete m_form;
        }
        qunsetenv("VORNIC_HOME");
    }
    void setSetting(const char* section, const char* key, const QString& value)
    {
        IniFile(m_home.filePath("Vornic.ini")).WriteString(section, key, value);
    }
    QString writeFile(const QString& name, const QByteArray& text)
    {
        const QString path = m_src.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return path;
    }
    TEditForm* open(const QString& name, const QByteArray& text, std::initializer_list<int> marks = {})
    {
        m_form->LoadFile(writeFile(name, text));
        TEditForm* e = m_form->GetActiveEditor();
        for (int line : marks) {
            e->SynEdit1->setCaretXY(1, line);
            e->SetBreakpoint();
        }
        e->SynEdit1->setCaretXY(1, 1);
        return e;
    }
    QString log() const { return m_form->REDebugLog->toPlainText(); }
    QString vars() const { return m_form->REDebugVar->toPlainText(); }
    bool waitForLog(const QString& text, int ms = 20000)
    {
        return QTest::qWaitFor([&] { return log().contains(text); }, ms);
    }
    void type(QWidget* pane, const QString& text)
    {
        QTest::keyClicks(pane, text);
        QTest::keyClick(pane, Qt::Key_Return);
    }
    void start() { m_form->menus->action("Startdebug1")->trigger(); }
    QToolButton* button(const char* name) const { return m_form->toolPages->button(name); }

    QTemporaryDir m_home, m_src;
    TMainForm* m_form = nullptr;
};

// ---- a stand-in kit --------------------------------------------------------

// java prints the agent's line and waits; jdb notes every line it reads and
// answers as jdb does.
class FakeKitTest : public DebugSessionTest {
protected:
    void SetUp() override
    {
        DebugSessionTest::SetUp();
        writeShellScript(m_bin.filePath("java"),
                         "echo 'Listening for transport dt_socket at address: 12345'; exec sleep 60");
        writeShellScript(m_bin.filePath("jdb"), QString(R"(echo $$ > '@DIR@/pid'
printf 'Initializing jdb ...\n> \nVM Started: No frames on the current call stack\n\nmain[1] '
while IFS= read -r line; do
  printf '%s\n' "$line" >> '@DIR@/stdin'
  case "$line" in
    exit) exit 0;;
    "stop at "*) printf 'Deferring breakpoint %s.\nIt will be set after the class is loaded.\n> ' "${line#stop at }";;
    run) printf '> \nBreakpoint hit: "thread=main", Hello.main(), line=7 bci=0\n7            count++;\n\nmain[1] ';;
    "dump "*) printf 'main[1]  %s = {\n    x: 3\n}\nmain[1] ' "${line#dump }";;
    cont) printf '> \nBreakpoint hit: main[1] "thread=main", Hello.main(), line=12 bci=0\n\nmain[1] ';;
    *) printf 'main[1] ';;
  esac
done)")
                                                    .replace("@DIR@", m_bin.path()));
        setSetting("CompilerOptions", "JavaBinDir", m_bin.path());
    }
    QByteArray jdbInput() const
    {
        QFile f(m_bin.filePath("stdin"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    qint64 jdbPid() const
    {
        QFile f(m_bin.filePath("pid"));
        return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed().toLongLong() : 0;
    }
    QTemporaryDir m_bin;
};

// Marks 7 and 12 and a watch: the dump, the stops in order and a bare run go
// out once jdb is initialised; the stop at line 7 puts the caret there and
// its prompt, focused, waits for commands.
TEST_F(FakeKitTest, StartSendsTheOpeningAndStopsAtTheFirstMark)
{
    TEditForm* e = open("Hello.java", Hello, {7, 12});
    e->TrackedVariables = {"Hello.count"};
    start();
    EXPECT_FALSE(button("SpeedButton41")->isEnabled());
    EXPECT_TRUE(button("SpeedButton42")->isEnabled());
    EXPECT_TRUE(button("SpeedButton3")->isEnabled());
    EXPECT_EQ(m_form->PageControl4->currentWidget(), m_form->REDebugLog);
    ASSERT_NE(m_form->RunWindow, nullptr);
    EXPECT_EQ(m_form->RunWindow->windowTitle(), "Running file from: Hello.java");
    ASSERT_TRUE(waitForLog("7            count++;\nmain[1] ")) << log().toStdString();
    EXPECT_EQ(jdbInput(), "dump Hello.count\nstop at Hello:7\nstop at Hello:12\nrun\n");
    EXPECT_EQ(e->SynEdit1->caretY(), 7);
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_form->REDebugLog->hasFocus(); }, 2000));
}

// Next instruction: the dump, then cont once it is answered; the object's
// value shows in "Debug vars" up to its brace, and later values still do.
TEST_F(FakeKitTest, NextInstructionDumpsTheWatchesThenContinues)
{
    open("Hello.java", Hello, {7})->TrackedVariables = {"Hello.count"};
    start();
    ASSERT_TRUE(waitForLog("7            count++;\nmain[1] "));
    button("SpeedButton42")->click();
    ASSERT_TRUE(waitForLog("line=12")) << log().toStdString();
    EXPECT_TRUE(jdbInput().endsWith("run\ndump Hello.count\ncont\n")) << jdbInput().toStdString();
    EXPECT_EQ(vars(), "Hello.count = {\nx: 3\n}\nHello.count = {\nx: 3\n}");
}

// Enter sends what was typed behind jdb's last output, whatever that line
// holds; with nothing typed, a bare line end.
TEST_F(FakeKitTest, EnterSendsTheTypedCommand)
{
    open("Hello.java", Hello, {7});
    start();
    ASSERT_TRUE(waitForLog("7            count++;\nmain[1] "));
    type(m_form->REDebugLog, "  where ");
    ASSERT_TRUE(QTest::qWaitFor([&] { return jdbInput().endsWith("where\n"); }, 5000));
    EXPECT_TRUE(waitForLog("main[1]   where \nmain[1] ", 5000)) << log().toStdString();
    QTest::keyClick(m_form->REDebugLog, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return jdbInput().endsWith("where\n\n"); }, 5000));
}

TEST_F(FakeKitTest, EnterBeforeAnySessionDoesNothing)
{
    open("Hello.java", Hello);
    type(m_form->REDebugLog, "cont");
    EXPECT_EQ(m_form->Debugger, nullptr);
    EXPECT_EQ(log(), "cont");
}

// Typing exit ends the session as the stop button does; the program goes.
TEST_F(FakeKitTest, TypedExitAndTheStopButtonEndTheSessionAlike)
{
    for (bool byButton : {false, true}) {
        open(byButton ? "Hello.java" : "Other.java", Hello, {7});
        start();
        ASSERT_TRUE(waitForLog("main[1] "));
        const qint64 jdb = jdbPid();
        if (byButton)
            button("SpeedButton3")->click();
        else
            type(m_form->REDebugLog, "exit");
        ASSERT_TRUE(waitForLog("Debug session, done!", 10000)) << log().toStdString();
        EXPECT_TRUE(log().endsWith("Debug session, done!"));
        EXPECT_TRUE(vars().endsWith("[Debugger has exited, no longer tracking vars]")) << vars().toStdString();
        EXPECT_TRUE(m_form->Debugger->SessionOver);
        EXPECT_TRUE(button("SpeedButton41")->isEnabled());
        EXPECT_FALSE(button("SpeedButton42")->isEnabled());
        EXPECT_FALSE(button("SpeedButton3")->isEnabled());
        EXPECT_TRUE(jdbInput().endsWith("exit\n"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !processAlive(jdb); }, 5000));
        TProgRunFrm* console = m_form->RunWindow;
        EXPECT_TRUE(QTest::qWaitFor([&] { return console->Finished; }, 5000)) << "the program runs on";
        QFile::remove(m_bin.filePath("stdin"));
    }
}

// jdb killed from outside ends the session as exit does, the program too.
TEST_F(FakeKitTest, AJdbKilledFromOutsideEndsTheSession)
{
    open("Hello.java", Hello, {7});
    start();
    ASSERT_TRUE(waitForLog("line=7"));
    ASSERT_EQ(::kill(pid_t(jdbPid()), SIGKILL), 0);
    ASSERT_TRUE(waitForLog("Debug session, done!", 10000)) << log().toStdString();
    EXPECT_TRUE(button("SpeedButton41")->isEnabled());
    TProgRunFrm* console = m_form->RunWindow;
    EXPECT_TRUE(QTest::qWaitFor([&] { return console->Finished; }, 5000));
}

// A second start ends the running session first: one session writes the log.
TEST_F(FakeKitTest, StartDuringASessionEndsItFirst)
{
    open("Hello.java", Hello, {7});
    start();
    ASSERT_TRUE(waitForLog("main[1] "));
    const qint64 first = jdbPid();
    TProgRunFrm* firstConsole = m_form->RunWindow;
    start();
    EXPECT_FALSE(processAlive(first));
    EXPECT_TRUE(QTest::qWaitFor([&] { return firstConsole->Finished; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return jdbPid() != first && log().contains("main[1] "); }, 10000));
    EXPECT_EQ(log().count("Initializing jdb ..."), 1) << log().toStdString();
}

// The session's document closing ends the session.
TEST_F(FakeKitTest, ClosingTheDocumentEndsItsSession)
{
    open("Hello.java", Hello, {7})->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_form->editors().empty(); }, 2000));
    open("Hello.java", Hello, {7});
    start();
    ASSERT_TRUE(waitForLog("main[1] "));
    m_form->GetActiveEditor()->close();
    ASSERT_TRUE(waitForLog("Debug session, done!", 10000));
}

struct BadInput {
    const char* name;
    const char* text; // nullptr: an untitled document
    bool edit;        // typed into after loading
    const char* message;
};

// Nothing starts without a saved document with a main class, and the log
// says what is missing.
TEST_F(FakeKitTest, BadInputStartsNothing)
{
    const BadInput cases[] = {
        {"Untitled", nullptr, false, "has never been saved"},
        {"Unsaved", Hello.constData(), true, "has changes that are not saved"},
        {"Empty", " \n\n", false, "is empty"},
        {"NoMain", "public class Hello { void run() {} }\n", false, "No main class found"},
    };
    for (const BadInput& c : cases) {
        if (c.text) {
            TEditForm* e = open(QString(c.name) + ".java", c.text);
            if (c.edit)
                e->SynEdit1->setSelText("x");
        } else {
            m_form->MakeUnit(".java");
        }
        start();
        EXPECT_TRUE(log().contains(QString::fromLatin1(c.message))) << c.name << ": " << log().toStdString();
        EXPECT_EQ(m_form->Debugger, nullptr) << c.name;
        EXPECT_EQ(m_form->RunWindow, nullptr) << c.name;
        EXPECT_TRUE(button("SpeedButton41")->isEnabled());
    }
}

// A start that cannot begin leaves a running session and its log alone.
TEST_F(FakeKitTest, BadInputDuringASessionLeavesItRunning)
{
    open("Hello.java", Hello, {7});
    start();
    ASSERT_TRUE(waitForLog("line=7"));
    m_form->MakeUnit(".java");
    start();
    EXPECT_TRUE(log().contains("line=7"));
    EXPECT_TRUE(log().endsWith("has never been saved: save and compile it before debugging it."));
    EXPECT_FALSE(m_form->Debugger->SessionOver);
    EXPECT_TRUE(button("SpeedButton3")->isEnabled());
}

// A bookmark set with its keys marks the document as edited, but the text is
// the saved one: the session starts.
TEST_F(FakeKitTest, ABookmarkLeavesTheDocumentDebuggable)
{
    TEditForm* e = open("Hello.java", Hello);
    e->SynEdit1->setCaretXY(1, 7);
    QTest::keyClick(e->SynEdit1->view(), Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(e->Modified);
    start();
    ASSERT_TRUE(waitForLog("main[1] ")) << log().toStdString();
    EXPECT_EQ(jdbInput(), "stop at Hello:7\nstop at Hello:7\nrun\n");
}

TEST_F(FakeKitTest, AJdbThatCannotStartIsNamed)
{
    QFile::remove(m_bin.filePath("jdb"));
    open("Hello.java", Hello, {7});
    start();
    ASSERT_TRUE(waitForLog("Debug session, done!")) << log().toStdString();
    EXPECT_TRUE(log().contains("Could not start " + m_bin.filePath("jdb") + ": ")) << log().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_form->RunWindow->Finished; }, 5000));
}

TEST_F(FakeKitTest, AddToDebuggerWatchTakesTheDeclaredName)
{
    TEditForm* e = open("Hello.java", Hello);
    QAction* add = nullptr;
    for (QAction* a : e->PopupMenu1->actions())
        if (a->text() == "Add to debugger watch")
            add = a;
    ASSERT_NE(add, nullptr);
    e->SynEdit1->setCaretXY(1, 2);
    emit e->PopupMenu1->aboutToShow();
    ASSERT_TRUE(add->isEnabled());
    MessageBoxes boxes;
    add->trigger();
    EXPECT_EQ(e->TrackedVariables, QStringList({"Hello.count"}));
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.captions[0], "Information");
    EXPECT_EQ(boxes.texts[0], "The variable \"count\", have now been added to the list of variables beeing tracked! "
                              "To see the full list of variables beeing tracked for this editor window, goto the "
                              "variable tracker dialogbox.");
    e->SynEdit1->setCaretXY(1, 4);
    emit e->PopupMenu1->aboutToShow();
    EXPECT_FALSE(add->isEnabled());
}

TEST_F(FakeKitTest, TrackerWithoutMainClassSaysSo)
{
    m_form->MakeUnit(".java");
    MessageBoxes boxes;
    m_form->menus->action("Variabletracker1")->trigger();
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0], "No main class found! Can't run variable tracker.");
}

// F12 lists the main class's fields from the document; the list confirmed
// goes to the editor reversed.
TEST_F(DebugSessionTest, TrackerAddsFieldsOfTheMainClass)
{
    TEditForm* e = open("Counter.java", "public class Counter {\n"
                                        "    private static int count;\n"
                                        "    String name = \"x\";\n"
                                        "    void run() {}\n"
                                        "    public static void main(String[] args) {}\n"
                                        "}\n");
    e->TrackedVariables = {"Counter.total"};
    QStringList members;
    QTimer::singleShot(0, m_form, [&] {
        auto* tracker = qobject_cast<TVarTrackerFrm*>(QApplication::activeModalWidget());
        ASSERT_NE(tracker, nullptr);
        tracker->ListView1->setCurrentItem(tracker->ListView1->topLevelItem(0));
        for (int i = 0; i < tracker->ListView2->topLevelItemCount(); ++i) {
            members << tracker->ListView2->topLevelItem(i)->text(0);
            tracker->ListView2->setCurrentItem(tracker->ListView2->topLevelItem(i));
            tracker->Button2->click();
        }
        tracker->Button1->click();
    });
    m_form->menus->action("Variabletracker1")->trigger();
    EXPECT_EQ(members, QStringList({"private static int count", "String name"}));
    EXPECT_EQ(e->TrackedVariables, QStringList({"Counter.name", "Counter.count", "Counter.total"}));
}

// ---- the real JDKs ---------------------------------------------------------

// Each JDK with jdb installed here: the one the program finds and those in
// /usr/lib/jvm, each once.
QStringList installedKits()
{
    QStringList bins;
    QStringList candidates{KitCommands::defaultJavaBinDir(QProcessEnvironment::systemEnvironment())};
    for (const QFileInfo& jvm : QDir("/usr/lib/jvm").entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        candidates << jvm.filePath() + "/bin";
    for (const QString& c : candidates) {
        const QString bin = QFileInfo(c).canonicalFilePath();
        if (!bin.isEmpty() && !bins.contains(bin) && QFileInfo(bin + "/jdb").isExecutable() &&
            QFileInfo(bin + "/javac").isExecutable())
            bins << bin;
    }
    return bins;
}

class RealKitTest : public DebugSessionTest, public ::testing::WithParamInterface<QString> {
protected:
    void SetUp() override
    {
        DebugSessionTest::SetUp();
        setSetting("CompilerOptions", "JavaBinDir", GetParam());
    }
    // Saves the source and compiles it with -g beside itself; opens it.
    TEditForm* compileAndOpen(const QString& name, const QByteArray& text, std::initializer_list<int> marks)
    {
        const QString path = writeFile(name, text);
        QProcess javac;
        javac.setWorkingDirectory(m_src.path());
        javac.start(GetParam() + "/javac", {"-g", name});
        EXPECT_TRUE(javac.waitForFinished(60000));
        EXPECT_EQ(javac.exitCode(), 0) << javac.readAll().toStdString();
        return open(name, text, marks);
    }
    QString console() const { return m_form->RunWindow ? m_form->RunWindow->RichEdit1->toPlainText() : QString(); }
    // The pids the program wrote to pids.txt: its own and its child's.
    QList<qint64> programPids() const
    {
        QList<qint64> pids;
        QFile f(m_src.filePath("pids.txt"));
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray& p : f.readAll().split(' '))
                if (p.trimmed().toLongLong() > 0)
                    pids << p.trimmed().toLongLong();
        return pids;
    }
};

const QByteArray Counter = "public class Counter {\n"
                           "    static int count;\n"
                           "\n"
                           "    public static void main(String[] args) {\n"
                           "        count++;\n"
                           "        System.out.println(\"count=\" + count);\n"
                           "    }\n"
                           "}\n";

TEST_P(RealKitTest, CounterStopsAtLineFiveAndASetValueCarriesOn)
{
    TEditForm* e = compileAndOpen("Counter.java", Counter, {5});
    e->TrackedVariables = {"Counter.count"};
    start();
    ASSERT_TRUE(waitForLog("Initializing jdb ...")) << log().toStdString();
    ASSERT_TRUE(waitForLog("line=5 bci=0")) << log().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return log().endsWith("main[1] "); }, 10000)) << log().toStdString();
    EXPECT_EQ(e->SynEdit1->caretY(), 5);
    type(m_form->REDebugLog, "set Counter.count = 41");
    ASSERT_TRUE(waitForLog("Counter.count = 41 = 41")) << log().toStdString();
    type(m_form->REDebugLog, "cont");
    ASSERT_TRUE(QTest::qWaitFor([&] { return console().contains("count=42"); }, 20000)) << console().toStdString();
    ASSERT_TRUE(waitForLog("Debug session, done!")) << log().toStdString();
    EXPECT_TRUE(vars().contains("Counter.count = 41 = 41")) << vars().toStdString();
}

// The program reads a line typed in its console; at the stop after it, Next
// instruction shows the value read in "Debug vars".
TEST_P(RealKitTest, TheDebuggedProgramReadsItsConsole)
{
    const QByteArray ask = "import java.util.Scanner;\n"
                           "\n"
                           "public class Ask {\n"
                           "    static String name = \"nobody\";\n"
                           "\n"
                           "    public static void main(String[] args) {\n"
                           "        Scanner in = new Scanner(System.in);\n"
                           "        System.out.print(\"Name: \");\n"
                           "        name = in.nextLine();\n"
                           "        System.out.println(\"Hello \" + name);\n"
                           "    }\n"
                           "}\n";
    compileAndOpen("Ask.java", ask, {10})->TrackedVariables = {"Ask.name"};
    start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return console().endsWith("Name: "); }, 20000)) << console().toStdString();
    type(m_form->RunWindow->RichEdit1, "Grace");
    ASSERT_TRUE(waitForLog("line=10 bci=")) << log().toStdString();
    button("SpeedButton42")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return console().contains("Hello Grace"); }, 20000)) << console().toStdString();
    EXPECT_TRUE(vars().contains("Ask.name = \"Grace\"")) << vars().toStdString();
}

// Start does not compile: without a class file the launcher's error shows in
// the console and the session ends as usual.
TEST_P(RealKitTest, AMissingClassFileEndsTheSessionCleanly)
{
    open("Counter.java", Counter, {5});
    start();
    ASSERT_TRUE(waitForLog("Debug session, done!")) << log().toStdString();
    EXPECT_TRUE(log().contains("The application exited")) << log().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_form->RunWindow->Finished; }, 10000));
    EXPECT_TRUE(console().contains("Could not find or load main class Counter")) << console().toStdString();
    EXPECT_TRUE(button("SpeedButton41")->isEnabled());
}

const QByteArray Spawner = "import java.nio.file.*;\n"
                           "\n"
                           "public class Spawner {\n"
                           "    public static void main(String[] args) throws Exception {\n"
                           "        Process child = new ProcessBuilder(\"sleep\", \"60\").start();\n"
                           "        String pids = ProcessHandle.current().pid() + \" \" + child.pid();\n"
                           "        Files.writeString(Path.of(\"pids.txt\"), pids);\n"
                           "        System.out.println(pids);\n"
                           "    }\n"
                           "}\n";

// Stop at a breakpoint leaves no process: jdb, the program and its child.
TEST_P(RealKitTest, StopAtABreakpointLeavesNoProcess)
{
    compileAndOpen("Spawner.java", Spawner, {8});
    start();
    ASSERT_TRUE(waitForLog("line=8 bci=")) << log().toStdString();
    const qint64 jdb = m_form->Debugger->jdbProcessId();
    const QList<qint64> program = programPids();
    ASSERT_EQ(program.size(), 2);
    for (qint64 pid : program)
        ASSERT_TRUE(processAlive(pid));
    button("SpeedButton3")->click();
    const auto allGone = [&] {
        for (qint64 pid : program + QList<qint64>{jdb})
            if (processAlive(pid))
                return false;
        return true;
    };
    EXPECT_TRUE(QTest::qWaitFor(allGone, 3000));
    ASSERT_TRUE(waitForLog("Debug session, done!"));
}

TEST_P(RealKitTest, DestroyingTheMainWindowLeavesNoProcess)
{
    compileAndOpen("Spawner.java", Spawner, {8});
    start();
    ASSERT_TRUE(waitForLog("line=8 bci=")) << log().toStdString();
    QList<qint64> pids = programPids();
    pids << m_form->Debugger->jdbProcessId();
    ASSERT_EQ(pids.size(), 3);
    for (TEditForm* e : m_form->editors())
        e->Modified = false;
    delete m_form;
    m_form = nullptr;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            for (qint64 pid : pids)
                if (processAlive(pid))
                    return false;
            return true;
        },
        3000));
}

INSTANTIATE_TEST_SUITE_P(Kits, RealKitTest, ::testing::ValuesIn(installedKits()), [](const auto& info) {
    QString name = QFileInfo(QFileInfo(info.param).path()).fileName();
    name.replace(QRegularExpression("[^A-Za-z0-9]"), "_");
    return name.toStdString();
});
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(RealKitTest);

TEST(RealKits, AtLeastOneIsInstalled)
{
    if (installedKits().isEmpty())
        GTEST_SKIP() << "no JDK with javac and jdb found (JAVA_HOME/bin, javac on PATH, /usr/lib/jvm): "
                        "the sessions with a real jdb are not run";
}

} // namespace
