// What the compile command and the console add to the kit's own work:
//  - F8 to listed errors against the same javac command run alone;
//  - a program that prints 50 MB as fast as it can: time to the end, how
//    long the window went without answering, and memory growth.
// Prints figures and ratios; needs a JDK (JAVA_HOME/bin or javac on PATH).
#include "app/widgets/tmainform.h"
#include "settings/inifile.h"
#include "toolchain/kitcommands.h"
#include "toolchain/widgets/tprogrunfrm.h"
#include "workspace/widgets/teditform.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

// Measures how long the window goes without answering: the longest single
// event, and the longest a newly posted event waits for its turn (as input
// would).
class Responsiveness : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        if (!m_measuring)
            return QApplication::notify(receiver, event);
        QElapsedTimer t;
        t.start();
        const qint64 cpuBefore = threadCpuUs();
        const bool result = QApplication::notify(receiver, event);
        m_longestEvent = std::max(m_longestEvent, t.elapsed());
        // On a loaded machine the wall time includes the time the thread
        // waited for a processor; its own work is the CPU time.
        m_longestEventCpuUs = std::max(m_longestEventCpuUs, threadCpuUs() - cpuBefore);
        return result;
    }
    void start()
    {
        m_measuring = true;
        m_longestEvent = m_longestWait = m_longestEventCpuUs = 0;
        m_probe = std::make_unique<Probe>(this);
        m_probe->post();
    }
    void stop()
    {
        m_measuring = false;
        m_probe.reset();
    }
    qint64 longestEvent() const { return m_longestEvent; }
    double longestEventCpuMs() const { return m_longestEventCpuUs / 1000.0; }
    static qint64 threadCpuUs()
    {
        timespec ts{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return qint64(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
    }
    qint64 longestWait() const { return m_longestWait; }

private:
    // Posts itself an event every 10 ms and notes how late each arrives.
    class Probe : public QObject {
    public:
        explicit Probe(Responsiveness* app) : m_app(app) {}
        void post()
        {
            m_posted.start();
            QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        }
        bool event(QEvent* e) override
        {
            if (e->type() != QEvent::User)
                return QObject::event(e);
            m_app->m_longestWait = std::max(m_app->m_longestWait, m_posted.elapsed());
            QThread::msleep(1);
            post();
            return true;
        }

    private:
        Responsiveness* m_app;
        QElapsedTimer m_posted;
    };
    bool m_measuring = false;
    qint64 m_longestEvent = 0, m_longestWait = 0, m_longestEventCpuUs = 0;
    std::unique_ptr<Probe> m_probe;
};


long statusKb(const char* field)
{
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLong();
    return -1;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void write(const QString& path, const QByteArray& text)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
}

const QByteArray ThreeErrors = "public class Errors {\n"
                               "    public static void main(String[] args) {\n"
                               "        int a = undefinedOne;\n"
                               "        String s = 42;\n"
                               "        missing(a, s);\n"
                               "    }\n"
                               "}\n";

const QByteArray Flood = "public class Flood {\n"
                         "    public static void main(String[] args) {\n"
                         "        StringBuilder b = new StringBuilder();\n"
                         "        for (int i = 0; i < 99; i++) b.append('x');\n"
                         "        String line = b.toString();\n"
                         "        java.io.PrintStream out = new java.io.PrintStream(\n"
                         "            new java.io.FileOutputStream(java.io.FileDescriptor.out), false);\n"
                         "        for (int i = 0; i < 500000; i++) out.println(line);\n"
                         "        out.flush();\n"
                         "    }\n"
                         "}\n";

void compileBench(TMainForm& form, const QString& javaBin, const QString& folder)
{
    const QString path = folder + "/Errors.java";
    write(path, ThreeErrors);
    form.LoadFile(path);
    KitCommands::KitSettings settings;
    settings.javaBinDir = javaBin;
    const KitCommands::KitCommand javac = KitCommands::javacCommand(settings, path);

    constexpr int Rounds = 15;
    std::vector<double> alone, ours;
    for (int i = 0; i < Rounds; ++i) {
        QElapsedTimer t;
        t.start();
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.setWorkingDirectory(javac.workingDirectory);
        p.start(javac.program, javac.arguments);
        p.waitForFinished(-1);
        p.readAll();
        alone.push_back(t.nsecsElapsed() / 1e6);

        t.restart();
        form.Compile1Click();
        ours.push_back(t.nsecsElapsed() / 1e6);
        if (form.KompilerErrors->topLevelItemCount() != 3)
            qFatal("expected 3 listed errors, got %d", form.KompilerErrors->topLevelItemCount());
        if (QDialog* d = form.CompilerDialog)
            d->close();
        QCoreApplication::processEvents();
    }
    // javac's own time varies by several percent from run to run: the
    // medians and the fastest runs of each, taken in turns, are both shown.
    const double a = median(alone), o = median(ours);
    const double aMin = *std::min_element(alone.begin(), alone.end());
    const double oMin = *std::min_element(ours.begin(), ours.end());
    std::printf("compile: javac alone %.0f ms, F8 to listed errors %.0f ms (medians of %d): ratio %.3f (%+.1f%%); "
                "fastest %.0f and %.0f ms: ratio %.3f (%+.1f%%)\n",
                a, o, Rounds, o / a, (o / a - 1) * 100, aMin, oMin, oMin / aMin, (oMin / aMin - 1) * 100);
}

void floodBench(TMainForm& form, const QString& javaBin, const QString& folder)
{
    const QString path = folder + "/Flood.java";
    write(path, Flood);
    QProcess javac;
    javac.setWorkingDirectory(folder);
    javac.start(javaBin + "/javac", {"Flood.java"});
    javac.waitForFinished(-1);
    if (javac.exitCode() != 0)
        qFatal("Flood.java did not compile");

    // Alone: the same program writing into a pipe that is read and dropped.
    QElapsedTimer t;
    t.start();
    QProcess alone;
    alone.setWorkingDirectory(folder);
    alone.start(javaBin + "/java", {"Flood"});
    qint64 bytes = 0;
    while (alone.state() != QProcess::NotRunning || alone.bytesAvailable()) {
        alone.waitForReadyRead(100);
        bytes += alone.readAll().size();
    }
    const double aloneMs = t.nsecsElapsed() / 1e6;

    form.LoadFile(path);
    const long rssBefore = statusKb("VmRSS:");
    auto* app = static_cast<Responsiveness*>(qApp);
    t.restart();
    app->start();
    form.RunJava();
    TProgRunFrm* console = form.RunWindow;
    long rssPeak = 0;
    QEventLoop loop;
    QTimer memory;
    QObject::connect(&memory, &QTimer::timeout, [&] { rssPeak = std::max(rssPeak, statusKb("VmRSS:")); });
    memory.start(50);
    QObject::connect(console, &TProgRunFrm::outputEnded, &loop, &QEventLoop::quit);
    if (console && !console->Finished)
        loop.exec();
    app->stop();
    rssPeak = std::max(rssPeak, statusKb("VmRSS:"));
    const double oursMs = t.nsecsElapsed() / 1e6;
    std::printf("flood: %.1f MB; program alone %.0f ms, in the console %.0f ms (ratio %.2f)\n", bytes / 1e6, aloneMs,
                oursMs, oursMs / aloneMs);
    std::printf("flood: longest event %lld ms (its own CPU time at most %.1f ms), longest wait of a posted event "
                "%lld ms; memory %ld MB before, peak %ld MB (+%ld MB); pane %d lines\n",
                static_cast<long long>(app->longestEvent()), app->longestEventCpuMs(),
                static_cast<long long>(app->longestWait()),
                rssBefore / 1024, rssPeak / 1024, (rssPeak - rssBefore) / 1024,
                console ? console->RichEdit1->blockCount() : -1);
}

} // namespace

int main(int argc, char** argv)
{
    Responsiveness app(argc, argv);
    const QString javaBin = KitCommands::defaultJavaBinDir(QProcessEnvironment::systemEnvironment());
    if (javaBin.isEmpty()) {
        std::fprintf(stderr, "toolchain_bench: no JDK found (JAVA_HOME/bin or javac on PATH)\n");
        return 1;
    }
    QTemporaryDir home, folder;
    qputenv("VORNIC_HOME", home.path().toLocal8Bit());
    IniFile(home.filePath("Vornic.ini")).WriteString("CompilerOptions", "JavaBinDir", javaBin);
    TMainForm form;
    form.show();
    compileBench(form, javaBin, folder.path());
    floodBench(form, javaBin, folder.path());
    for (TEditForm* e : form.editors())
        e->Modified = false;
    return 0;
}
