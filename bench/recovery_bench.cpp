// What crash recovery costs the user:
//  - typing into a 100,000-line Java document while its backup is taken:
//    the longest event-loop stall with backups against the same typing
//    without them (a user folder where no backup can be made);
//  - start-up with ten backups to offer (until the offer is on screen)
//    against a clean start (until the frame's start-up step has run).
// Prints figures and ratios, one run.
#include "samplesources.h"

#include "app/widgets/tmainform.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"
#include "settings/inifile.h"
#include "workspace/backupsession.h"
#include "workspace/widgets/documentbackups.h"
#include "workspace/widgets/recoverydialog.h"
#include "workspace/widgets/teditform.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

qint64 threadCpuUs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

// The longest single event, in wall time and in the thread's own CPU time
// (on a loaded machine the wall time includes waiting for a processor).
class StallMeter : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        if (!m_measuring || m_depth > 0)
            return QApplication::notify(receiver, event);
        ++m_depth;
        QElapsedTimer t;
        t.start();
        const qint64 cpu = threadCpuUs();
        const bool result = QApplication::notify(receiver, event);
        m_longestMs = std::max(m_longestMs, t.nsecsElapsed() / 1e6);
        m_longestCpuMs = std::max(m_longestCpuMs, (threadCpuUs() - cpu) / 1e3);
        --m_depth;
        return result;
    }
    void start()
    {
        m_measuring = true;
        m_longestMs = m_longestCpuMs = 0;
    }
    void stop() { m_measuring = false; }
    double longestMs() const { return m_longestMs; }
    double longestCpuMs() const { return m_longestCpuMs; }

private:
    bool m_measuring = false;
    int m_depth = 0;
    double m_longestMs = 0, m_longestCpuMs = 0;
};

StallMeter* meter()
{
    return static_cast<StallMeter*>(qApp);
}

void run(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

int backupCount(const QString& home)
{
    int n = 0;
    QDirIterator it(home + "/backup", QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        n += LeftoverBackups::isBackupFileName(QFileInfo(it.next()).fileName()) ? 1 : 0;
    return n;
}

struct Typing {
    double longestMs, longestCpuMs;
    int backups;
};

// Three bursts of typing, each followed by a pause long enough for a
// backup to be taken; a key every 40 ms while typing.
Typing typeInto(const QString& document, bool withBackups)
{
    QTemporaryDir home;
    qputenv("VORNIC_HOME", home.path().toLocal8Bit());
    IniFile(home.filePath("Vornic.ini")).WriteBool("Tips", "doShow", false);
    if (!withBackups)
        write(home.filePath("backup"), "a file where the backup folder would be");
    Typing result{};
    // Without backups the frame says once that none can be made; the
    // message is answered as it shows.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, qApp, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->done(QMessageBox::Ok);
    });
    answer.start(50);
    {
        TMainForm form;
        form.resize(1000, 700);
        form.show();
        run(300);
        form.LoadFile(document);
        TEditForm* editor = form.GetActiveEditor();
        QWidget* view = editor->SynEdit1->view();
        editor->SynEdit1->setEditorFocus();
        run(300);
        meter()->start();
        for (int burst = 0; burst < 3; ++burst) {
            for (int key = 0; key < 25; ++key) {
                QCoreApplication::postEvent(view, new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x"));
                QCoreApplication::postEvent(view, new QKeyEvent(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, "x"));
                run(40);
            }
            run(DocumentBackups::QuietMs + 800);
        }
        meter()->stop();
        if (auto* backups = form.findChild<DocumentBackups*>())
            backups->writeAllNow();
        result = {meter()->longestMs(), meter()->longestCpuMs(), backupCount(home.path())};
        editor->Modified = false;
    }
    qunsetenv("VORNIC_HOME");
    return result;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// From making the frame window to the offer on screen (when there is one)
// or to the end of its start-up step.
double startUp(const QString& home)
{
    qputenv("VORNIC_HOME", home.toLocal8Bit());
    QElapsedTimer t;
    t.start();
    double shownMs = -1;
    QTimer dismiss;
    QObject::connect(&dismiss, &QTimer::timeout, qApp, [&] {
        if (auto* dialog = qobject_cast<RecoveryDialog*>(QApplication::activeModalWidget())) {
            if (shownMs < 0)
                shownMs = t.nsecsElapsed() / 1e6;
            QMetaObject::invokeMethod(dialog->findChild<QPushButton*>("KeepForLater"), &QPushButton::click,
                                      Qt::QueuedConnection);
        }
    });
    dismiss.start(0);
    double endMs = 0;
    {
        TMainForm form;
        form.show();
        while (form.OneTimeTimer->isActive())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        endMs = t.nsecsElapsed() / 1e6;
    }
    qunsetenv("VORNIC_HOME");
    return shownMs >= 0 ? shownMs : endMs;
}

// Ten documents of 2,000 lines left behind by a run that died.
void leaveTenBackups(const QString& home, const QByteArray& text)
{
    auto session = BackupSession::start(home + "/backup");
    if (!session)
        qFatal("%s", qPrintable(session.error()));
    for (int i = 1; i <= 10; ++i) {
        DocumentBackup b;
        b.caption = QStringLiteral("Untitled%1.java").arg(i);
        b.written = QDateTime::currentDateTimeUtc();
        b.bytes = text;
        write(session.value()->backupPath(i), b.encode());
    }
}

} // namespace

int main(int argc, char** argv)
{
    StallMeter app(argc, argv);
    QTemporaryDir folder;
    const QString document = folder.filePath("Big.java");
    write(document, QByteArray::fromStdString(generateJavaSource(100000)));

    // The copy taken on the user-interface thread, alone.
    {
        TSynEdit edit;
        if (!edit.loadFromFile(document))
            qFatal("cannot load %s", qPrintable(document));
        std::vector<double> times;
        for (int i = 0; i < 21; ++i) {
            QElapsedTimer t;
            t.start();
            const DocumentImage image = edit.image();
            times.push_back(t.nsecsElapsed() / 1e6);
            if (image.utf8.isEmpty())
                qFatal("empty image");
        }
        std::printf("backup: taking the text of a 100,000-line document (%.1f MB) on the typing thread: %.2f ms "
                    "(median of 21)\n",
                    QFileInfo(document).size() / 1e6, median(times));
    }

    const Typing without = typeInto(document, false);
    const Typing with = typeInto(document, true);
    std::printf("backup: typing into it in three bursts with a pause after each: longest event without backups "
                "%.1f ms (CPU %.1f ms), with backups %.1f ms (CPU %.1f ms), %d backup written\n",
                without.longestMs, without.longestCpuMs, with.longestMs, with.longestCpuMs, with.backups);

    const QByteArray twoThousandLines = QByteArray::fromStdString(generateJavaSource(2000));
    std::vector<double> clean, offered;
    for (int round = 0; round < 7; ++round) {
        QTemporaryDir a, b;
        IniFile(a.filePath("Vornic.ini")).WriteBool("Tips", "doShow", false);
        IniFile(b.filePath("Vornic.ini")).WriteBool("Tips", "doShow", false);
        leaveTenBackups(b.path(), twoThousandLines);
        clean.push_back(startUp(a.path()));
        offered.push_back(startUp(b.path()));
    }
    const double c = median(clean), o = median(offered);
    std::printf("start-up: clean %.0f ms, with ten backups to offer %.0f ms until the offer shows (medians of 7): "
                "ratio %.3f\n",
                c, o, o / c);
    return 0;
}
