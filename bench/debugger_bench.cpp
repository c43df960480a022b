// What a debug session costs the window:
//  - the "Debug vars" pane kept up to date while the "Debugger" log grows to
//    100,000 lines with 20 watches: the update per appended line, the first
//    and the last 1,000 appends, and, at 10,000 lines, the ratio to scanning
//    the whole log again on every change;
//  - the time from a command sent to jdb to its prompt in the log (a
//    stand-in jdb, so the figure is ours, not jdb's);
//  - the time from Stop to no process left: a stand-in jdb that exits, one
//    that ignores "exit", and the real jdb at a breakpoint when a JDK is found.
// Prints figures and ratios.
#include "app/widgets/tmainform.h"
#include "app/widgets/toolpages.h"
#include "editor/widgets/tsynedit.h"
#include "settings/inifile.h"
#include "toolchain/kitcommands.h"
#include "toolchain/tdebugger.h"
#include "toolchain/watchscanner.h"
#include "toolchain/widgets/debuglogpane.h"
#include "toolchain/widgets/watchpane.h"
#include "workspace/widgets/teditform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QThread>
#include <QToolButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <numeric>
#include <vector>

namespace {

// CPU time of this thread: what the work costs, without the time the
// scheduler gives other processes on a loaded machine.
double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void write(const QString& path, const QByteArray& text, bool executable = false)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
    f.close();
    if (executable)
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool alive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close >= 0 && close + 2 < text.size() && text.at(close + 2) != 'Z';
}

bool waitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

// A log line of a long session: prompts, dump answers (now and then an
// object over three lines), stops, listings and stack frames.
void appendSessionLine(DebugLogPane& pane, int i)
{
    switch (i % 10) {
    case 0:
        pane.appendPrompt(QStringLiteral("main[1] "), false);
        break;
    case 1:
        pane.appendLine(QStringLiteral("Big.w%1 = %2").arg(i % 20).arg(i));
        break;
    case 2:
        pane.appendLine(i % 100 == 2 ? QStringLiteral("Big.w7 = {") : QStringLiteral("Step completed"));
        break;
    case 3:
        pane.appendLine(i % 100 == 3 ? QStringLiteral("x: 3") : QStringLiteral("[1] Big.main (Big.java:1,203)"));
        break;
    case 4:
        pane.appendLine(i % 100 == 4 ? QStringLiteral("}") : QStringLiteral("1,203        total += 1202;"));
        break;
    default:
        pane.appendLine(QStringLiteral("Breakpoint hit: \"thread=main\", Big.main(), line=%1 bci=3").arg(i));
        break;
    }
}

// The pane rebuilt from the whole log, as on every change of the log before.
void rescanPane(const QTextDocument& log, const QStringList& watches, QPlainTextEdit& pane)
{
    QStringList lines;
    lines.reserve(log.blockCount());
    for (QTextBlock b = log.begin(); b.isValid(); b = b.next())
        lines << b.text();
    pane.setPlainText(WatchScanner::rescan(lines, watches).join(u'\n'));
}

void watchPaneBench()
{
    constexpr int Lines = 100000;
    QStringList watches;
    for (int i = 0; i < 20; ++i)
        watches << QStringLiteral("Big.w%1").arg(i);
    QPlainTextEdit log, vars, rescanned;
    DebugLogPane pane(&log);
    WatchPane watchPane(&vars);
    std::vector<double> update, updateCpu, append;
    update.reserve(Lines);
    updateCpu.reserve(Lines);
    QElapsedTimer t;
    QObject::connect(&pane, &DebugLogPane::changed, &pane, [&] {
        QElapsedTimer u;
        u.start();
        const double cpu = threadCpuMs();
        watchPane.logChanged(*log.document(), watches);
        updateCpu.push_back(threadCpuMs() - cpu);
        update.push_back(u.nsecsElapsed() / 1e6);
    });
    watchPane.start();
    double rescanMs = 0, oursAt10k = 0;
    for (int i = 0; i < Lines; ++i) {
        t.start();
        appendSessionLine(pane, i);
        append.push_back(t.nsecsElapsed() / 1e6);
        if (i + 1 == 10000) {
            constexpr int Rounds = 20;
            t.start();
            for (int r = 0; r < Rounds; ++r)
                rescanPane(*log.document(), watches, rescanned);
            rescanMs = t.nsecsElapsed() / 1e6 / Rounds;
            oursAt10k = std::accumulate(update.end() - 1000, update.end(), 0.0) / 1000;
            if (rescanned.toPlainText() != vars.toPlainText())
                qFatal("the line-by-line pane differs from the whole-log scan");
        }
        if (i % 1000 == 0)
            QCoreApplication::processEvents();
    }
    const auto sum = [](auto from, auto to) { return std::accumulate(from, to, 0.0); };
    const double firstUpdate = sum(update.begin(), update.begin() + 1000);
    const double lastUpdate = sum(update.end() - 1000, update.end());
    const double firstAppend = sum(append.begin(), append.begin() + 1000);
    const double lastAppend = sum(append.end() - 1000, append.end());
    const double worst = *std::max_element(update.begin(), update.end());
    const auto over1ms = std::count_if(update.begin(), update.end(), [](double ms) { return ms >= 1.0; });
    const double worstCpu = *std::max_element(updateCpu.begin(), updateCpu.end());
    const auto cpuOver1ms = std::count_if(updateCpu.begin(), updateCpu.end(), [](double ms) { return ms >= 1.0; });
    std::printf("watch pane, %d log lines, %lld watches: update per line median %.4f ms, longest %.3f ms, "
                "%lld of %zu at 1 ms or more (wall clock)\n",
                Lines, static_cast<long long>(watches.size()), median(update), worst, static_cast<long long>(over1ms),
                update.size());
    std::printf("watch pane: the same in CPU time of the window's thread: median %.4f ms, longest %.3f ms, "
                "%lld at 1 ms or more (limit 1)\n",
                median(updateCpu), worstCpu, static_cast<long long>(cpuOver1ms));
    const double firstCpu = sum(updateCpu.begin(), updateCpu.begin() + 1000);
    const double lastCpu = sum(updateCpu.end() - 1000, updateCpu.end());
    std::printf("watch pane: first 1,000 updates %.1f ms, last 1,000 %.1f ms: ratio %.2f (wall clock); "
                "CPU time %.1f and %.1f ms: ratio %.2f (limit 2)\n",
                firstUpdate, lastUpdate, lastUpdate / firstUpdate, firstCpu, lastCpu, lastCpu / firstCpu);
    std::printf("log and pane together: first 1,000 appends %.1f ms, last 1,000 %.1f ms: ratio %.2f\n", firstAppend,
                lastAppend, lastAppend / firstAppend);
    std::printf("at 10,000 lines: whole-log rescan %.2f ms per change, line-by-line %.4f ms: %.0f times faster\n",
                rescanMs, oursAt10k, rescanMs / oursAt10k);
}

const QByteArray Hello = "public class Hello {\n"
                         "    public static void main(String[] args) {\n"
                         "        System.out.println(1);\n"
                         "    }\n"
                         "}\n";

// A frame window on a stand-in kit: java prints the agent's line and waits;
// jdb answers each command with a prompt.
struct FakeSession {
    explicit FakeSession(const QString& jdbOnExit)
    {
        qputenv("VORNIC_HOME", home.path().toLocal8Bit());
        write(bin.filePath("java"),
              QString("#!/bin/sh\necho $$ > '%1/program'\n"
                      "echo 'Listening for transport dt_socket at address: 12345'; exec sleep 60\n")
                  .arg(bin.path())
                  .toUtf8(),
              true);
        write(bin.filePath("jdb"),
              QString(
                  "#!/bin/sh\necho $$ > '%1/pid'\n"
                  "printf 'Initializing jdb ...\\n> \\nVM Started: No frames on the current call stack\\n\\nmain[1] '\n"
                  "while IFS= read -r line; do\n"
                  "  case \"$line\" in\n"
                  "    exit) %2;;\n"
                  "    run) printf '> \\nBreakpoint hit: \"thread=main\", Hello.main(), line=3 bci=0\\n\\nmain[1] ';;\n"
                  "    *) date +%s%N > '%1/stamp'; printf '  [1] Hello.main (Hello.java:3)\\nmain[1] ';;\n"
                  "  esac\n"
                  "done\n")
                  .arg(bin.path(), jdbOnExit)
                  .toUtf8(),
              true);
        IniFile(home.filePath("Vornic.ini")).WriteString("CompilerOptions", "JavaBinDir", bin.path());
        write(src.filePath("Hello.java"), Hello);
        form = std::make_unique<TMainForm>();
        form->show();
        form->LoadFile(src.filePath("Hello.java"));
    }
    ~FakeSession()
    {
        for (TEditForm* e : form->editors())
            e->Modified = false;
        form.reset();
        qunsetenv("VORNIC_HOME");
    }
    qint64 pidIn(const char* name) const
    {
        QFile f(bin.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed().toLongLong() : 0;
    }
    QTemporaryDir home, bin, src;
    std::unique_ptr<TMainForm> form;
};

QString lastLine(const TMainForm& form)
{
    return form.REDebugLog->document()->lastBlock().text();
}

void promptBench()
{
    FakeSession s("exit 0");
    s.form->SpeedButton41Click();
    if (!waitFor([&] { return s.form->REDebugLog->toPlainText().contains("line=3"); }, 20000))
        qFatal("the stand-in session did not stop");
    waitFor([&] { return lastLine(*s.form) == "main[1] "; }, 5000);
    std::vector<double> rounds, oneWay;
    for (int i = 0; i < 50; ++i) {
        const int blocks = s.form->REDebugLog->blockCount();
        QElapsedTimer t;
        t.start();
        s.form->Debugger->SendCommand(QStringLiteral("where"));
        if (!waitFor([&] { return s.form->REDebugLog->blockCount() == blocks + 2; }, 5000))
            qFatal("no prompt came");
        const double shownAt =
            std::chrono::duration<double, std::milli>(std::chrono::system_clock::now().time_since_epoch()).count();
        rounds.push_back(t.nsecsElapsed() / 1e6);
        QFile stamp(s.bin.filePath("stamp"));
        stamp.open(QIODevice::ReadOnly);
        oneWay.push_back(shownAt - stamp.readAll().trimmed().toDouble() / 1e6);
        QThread::msleep(i % 7); // sends fall at different points of the worker's wait
    }
    std::printf("prompt: from jdb writing it to the log showing it (stand-in jdb): median %.1f ms, longest %.1f ms "
                "of 50 (limit 50)\n",
                median(oneWay), *std::max_element(oneWay.begin(), oneWay.end()));
    std::printf("prompt: a command sent and its answer shown, both ways: median %.1f ms, longest %.1f ms\n",
                median(rounds), *std::max_element(rounds.begin(), rounds.end()));
}

// From Stop to no jdb and no program process.
double stopMs(TMainForm& form, const std::function<QList<qint64>()>& pids)
{
    const QList<qint64> running = pids();
    for (qint64 pid : running)
        if (!alive(pid))
            qFatal("a process of the session is not running before Stop");
    QElapsedTimer t;
    t.start();
    form.toolPages->SpeedButton3->click();
    waitFor([&] { return std::none_of(running.begin(), running.end(), [](qint64 pid) { return alive(pid); }); }, 10000);
    return t.nsecsElapsed() / 1e6;
}

void stopBench()
{
    for (const char* onExit : {"exit 0", ":"}) {
        FakeSession s(onExit);
        s.form->SpeedButton41Click();
        if (!waitFor([&] { return s.form->REDebugLog->toPlainText().contains("line=3"); }, 20000))
            qFatal("the stand-in session did not stop");
        const double ms = stopMs(*s.form, [&] { return QList<qint64>{s.pidIn("pid"), s.pidIn("program")}; });
        std::printf("stop, stand-in jdb that %s: no process left after %.0f ms (limit 1,000 + grace for a jdb that "
                    "stays)\n",
                    QByteArray(onExit) == "exit 0" ? "exits" : "ignores exit", ms);
    }
}

void realStopBench()
{
    const QString javaBin = KitCommands::defaultJavaBinDir(QProcessEnvironment::systemEnvironment());
    if (javaBin.isEmpty()) {
        std::printf("stop, real jdb: skipped, no JDK found\n");
        return;
    }
    QTemporaryDir home, src;
    qputenv("VORNIC_HOME", home.path().toLocal8Bit());
    IniFile(home.filePath("Vornic.ini")).WriteString("CompilerOptions", "JavaBinDir", javaBin);
    write(src.filePath("Pid.java"), "public class Pid {\n"
                                    "    public static void main(String[] args) throws Exception {\n"
                                    "        java.nio.file.Files.writeString(java.nio.file.Path.of(\"pid.txt\"),\n"
                                    "            \"\" + ProcessHandle.current().pid());\n"
                                    "        System.out.println(1);\n"
                                    "    }\n"
                                    "}\n");
    QProcess javac;
    javac.setWorkingDirectory(src.path());
    javac.start(javaBin + "/javac", {"-g", "Pid.java"});
    javac.waitForFinished(-1);
    std::vector<double> rounds;
    for (int i = 0; i < 5; ++i) {
        TMainForm form;
        form.show();
        form.LoadFile(src.filePath("Pid.java"));
        TEditForm* e = form.GetActiveEditor();
        e->SynEdit1->setCaretXY(1, 5);
        e->SetBreakpoint();
        form.SpeedButton41Click();
        if (!waitFor([&] { return form.REDebugLog->toPlainText().contains("line=5 bci="); }, 30000))
            qFatal("the real session did not stop at line 5");
        QFile f(src.filePath("pid.txt"));
        f.open(QIODevice::ReadOnly);
        const qint64 program = f.readAll().toLongLong();
        const qint64 jdb = form.Debugger->jdbProcessId();
        rounds.push_back(stopMs(form, [&] { return QList<qint64>{program, jdb}; }));
        QFile::remove(src.filePath("pid.txt"));
    }
    std::printf("stop, real jdb at a breakpoint (%s): no process left after median %.0f ms, longest %.0f ms of 5 "
                "(limit 1,000)\n",
                qPrintable(javaBin), median(rounds), *std::max_element(rounds.begin(), rounds.end()));
    qunsetenv("VORNIC_HOME");
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    watchPaneBench();
    promptBench();
    stopBench();
    realStopBench();
    return 0;
}
