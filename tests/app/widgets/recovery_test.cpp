// Crash recovery as the user meets it: a real program killed with
// SIGKILL, its unsaved texts offered and restored at the next start.
#include "app/terminationsignals.h"
#include "app/widgets/tmainform.h"
#include "common/framewindowtest.h"
#include "common/shellscript.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"
#include "settings/inifile.h"
#include "toolchain/widgets/tprogrunfrm.h"
#include "workspace/backupsession.h"
#include "workspace/newdocuments.h"
#include "workspace/widgets/documentbackups.h"
#include "workspace/widgets/recoverydialog.h"
#include "workspace/widgets/teditform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <functional>

namespace {

bool waitFor(const std::function<bool()>& done, int ms = 30000)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        // Closed windows go as they would in the program's own event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(10);
    }
    return true;
}

// Every backup file under the backup folder.
QStringList backupFiles(const QString& home)
{
    QStringList files;
    QDirIterator it(home + "/backup", QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (LeftoverBackups::isBackupFileName(QFileInfo(path).fileName()))
            files << path;
    }
    return files;
}

QByteArray fileBytesOf(const TEditForm* e)
{
    return fileImage(e->SynEdit1->image()).bytes;
}

void type(TEditForm* e, const QString& text)
{
    e->SynEdit1->setEditorFocus();
    const QStringList lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(e->SynEdit1->view(), Qt::Key_Return);
        for (const QChar c : lines[i]) {
            // QTest knows the keys of ASCII characters only.
            if (c.unicode() < 0x80)
                QTest::keyClick(e->SynEdit1->view(), c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, e->SynEdit1->view(), Qt::Key(c.toUpper().unicode()), QString(c),
                                    Qt::NoModifier);
        }
    }
    e->SynEdit1->flushPendingChange();
}

// An 8-bit (Windows-1252) file: its backup and its restored text keep that.
const QByteArray SavedText = "public class Saved {\r\n    String s = \"caf\xE9\";\r\n}\r\n";

// The program the recovery test kills: opens the saved file and a new
// text document, types into both, waits until both backups are on disk,
// prints the bytes each document would save (hex) and waits to be killed.
TEST(RecoveryChild, TypesIntoTwoDocumentsAndWaitsToBeKilled)
{
    if (qEnvironmentVariableIsEmpty("VORNIC_RECOVERY_CHILD"))
        GTEST_SKIP() << "run by RecoveryTest in a process of its own";
    TMainForm form;
    form.show();
    form.LoadFile(qEnvironmentVariable("VORNIC_RECOVERY_FILE"));
    TEditForm* saved = form.GetActiveEditor();
    type(saved, "// typed before the crash\n");
    TEditForm* untitled = form.NewDocument(NewDocuments::Kind::Text);
    type(untitled, "never saved text \u00E9\nsecond line");
    ASSERT_TRUE(waitFor([&] { return backupFiles(qEnvironmentVariable("VORNIC_HOME")).size() == 2; }));
    std::printf("SAVED %s\nUNTITLED %s\nREADY\n", fileBytesOf(saved).toHex().constData(),
                fileBytesOf(untitled).toHex().constData());
    std::fflush(stdout);
    for (;;)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1000);
}

// The program the termination test sends SIGTERM: it runs a program (a
// stand-in for java that starts a child of its own), then types into the
// document, prints the child's pid and waits in its event loop, wired to
// the signals as the program's main() wires it.
TEST(TerminationChild, RunsAProgramTypesAndWaitsForSigterm)
{
    if (qEnvironmentVariableIsEmpty("VORNIC_TERMINATION_CHILD"))
        GTEST_SKIP() << "run by RecoveryTest in a process of its own";
    TerminationSignals termination;
    TMainForm form;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &form, &TMainForm::quitWithoutQuestions);
    form.show();
    form.LoadFile(qEnvironmentVariable("VORNIC_TERMINATION_FILE"));
    form.SpeedButton36Click();
    TProgRunFrm* console = form.RunWindow;
    ASSERT_NE(console, nullptr);
    ASSERT_TRUE(waitFor([&] { return console->RichEdit1->toPlainText().startsWith("child "); }));
    type(form.GetActiveEditor(), "// unsaved at logout\n");
    std::printf("CHILD %s\nREADY\n", qPrintable(console->RichEdit1->toPlainText().mid(6).section('\n', 0, 0)));
    std::fflush(stdout);
    QApplication::exec();
}

class RecoveryTest : public FrameWindowTest {
protected:
    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_files.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    // Starts the frame window as the program does and answers the recovery
    // dialog, when it comes, with `button` after `check` has looked at it.
    void startProgram(const QString& button, const std::function<void(RecoveryDialog*)>& check = {})
    {
        m_dialogSeen = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, qApp, [this, button, check] {
            QWidget* modal = QApplication::activeModalWidget();
            // Discarding asks once more.
            if (auto* box = qobject_cast<QMessageBox*>(modal); box && m_dialogSeen) {
                box->button(QMessageBox::Yes)->click();
                return;
            }
            auto* dialog = qobject_cast<RecoveryDialog*>(modal);
            if (!dialog || m_dialogSeen)
                return;
            m_dialogSeen = true;
            if (check)
                check(dialog);
            // Queued: a question the click asks must find this timer free.
            QMetaObject::invokeMethod(dialog->findChild<QPushButton*>(button), &QPushButton::click,
                                      Qt::QueuedConnection);
        });
        poll.start(20);
        m_form = new TMainForm;
        m_form->show();
        // The offer comes with the first turn of the event loop after start.
        waitFor([&] { return !m_form->OneTimeTimer->isActive(); });
        QCoreApplication::processEvents();
    }
    void restart(const QString& button)
    {
        for (TEditForm* e : m_form->editors())
            e->Modified = false;
        delete m_form;
        startProgram(button);
    }
    // Starts this test program again as the child test `test`, told by
    // VORNIC_<role>_CHILD and VORNIC_<role>_FILE what to do, and gathers its
    // output into `out` until it says READY or ends.
    bool startChild(QProcess& program, const char* role, const QString& file, const char* test, QByteArray& out)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VORNIC_HOME", m_home.path());
        env.insert(QStringLiteral("VORNIC_%1_CHILD").arg(QLatin1String(role)), "1");
        env.insert(QStringLiteral("VORNIC_%1_FILE").arg(QLatin1String(role)), file);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(env);
        program.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--gtest_filter=") + QLatin1String(test)});
        return waitFor(
            [&] {
                program.waitForReadyRead(50);
                out += program.readAllStandardOutput();
                return out.contains("READY\n") || program.state() == QProcess::NotRunning;
            },
            60000);
    }
    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir m_files;
    bool m_dialogSeen = false;
};

TEST_F(RecoveryTest, TextsTypedBeforeKillNineAreOfferedAndRestoredByteForByte)
{
    const QString savedPath = writeFile("Saved.java", SavedText);
    QProcess program;
    QByteArray out;
    ASSERT_TRUE(
        startChild(program, "RECOVERY", savedPath, "RecoveryChild.TypesIntoTwoDocumentsAndWaitsToBeKilled", out));
    ASSERT_TRUE(out.contains("READY\n")) << out.toStdString() << program.readAllStandardError().toStdString();
    program.kill(); // SIGKILL: nothing of the program's own runs any more
    program.waitForFinished();
    QByteArray expectedSaved, expectedUntitled;
    for (const QByteArray& line : out.split('\n')) {
        if (line.startsWith("SAVED "))
            expectedSaved = QByteArray::fromHex(line.mid(6));
        if (line.startsWith("UNTITLED "))
            expectedUntitled = QByteArray::fromHex(line.mid(9));
    }
    ASSERT_TRUE(expectedSaved.startsWith("// typed before the crash\r\npublic class Saved"));
    ASSERT_TRUE(expectedSaved.contains("caf\xE9")) << expectedSaved.toHex().toStdString();
    ASSERT_EQ(expectedUntitled, "never saved text \xC3\xA9\r\nsecond line");

    QStringList rows;
    startProgram("Restore", [&](RecoveryDialog* dialog) {
        auto* list = dialog->findChild<QTreeWidget*>("RecoveryList");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(0) + " | " + list->topLevelItem(i)->text(2);
    });
    ASSERT_TRUE(m_dialogSeen);
    EXPECT_EQ(rows, QStringList({"Saved.java | Unchanged since the backup", "Untitled2.txt | Never saved"}));

    // A backup is never written over the user's file without a Save.
    EXPECT_EQ(read(savedPath), SavedText);

    const std::vector<TEditForm*> windows = m_form->editors();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[0]->caption(), "Saved.java");
    EXPECT_TRUE(windows[0]->HasFile);
    EXPECT_EQ(windows[0]->FileName, savedPath);
    EXPECT_TRUE(windows[0]->Modified);
    EXPECT_EQ(fileBytesOf(windows[0]), expectedSaved);
    EXPECT_EQ(windows[0]->SynEdit1->encoding(), TextEncoding::Windows1252);
    EXPECT_EQ(windows[1]->SynEdit1->encoding(), TextEncoding::Utf8);
    EXPECT_FALSE(windows[1]->HasFile);
    EXPECT_TRUE(windows[1]->Modified);
    EXPECT_TRUE(windows[1]->caption().endsWith(".txt"));
    EXPECT_EQ(fileBytesOf(windows[1]), expectedUntitled);

    // The old run's backups are gone; this run keeps its own of both.
    const QStringList now = backupFiles(m_home.path());
    EXPECT_EQ(now.size(), 2);
    for (const QString& f : now)
        EXPECT_TRUE(f.startsWith(m_form->findChild<DocumentBackups*>()->sessionFolder())) << f.toStdString();

    // Saving restores the file through the document; its backup goes.
    ASSERT_TRUE(windows[0]->SaveFileNow());
    EXPECT_EQ(read(savedPath), expectedSaved);
    m_form->findChild<DocumentBackups*>()->writeAllNow();
    EXPECT_EQ(backupFiles(m_home.path()).size(), 1);
}

TEST_F(RecoveryTest, ABackupIsWrittenAfterAPauseAndGoesWithSaveCloseAndACleanQuit)
{
    startProgram("KeepForLater");
    EXPECT_FALSE(m_dialogSeen); // nothing to offer
    m_form->LoadFile(writeFile("A.java", "class A {}\n"));
    TEditForm* a = m_form->GetActiveEditor();
    type(a, "x");
    EXPECT_TRUE(backupFiles(m_home.path()).isEmpty()); // not on the key path
    ASSERT_TRUE(waitFor([&] { return backupFiles(m_home.path()).size() == 1; }));
    const std::optional<DocumentBackup> b = DocumentBackup::read(backupFiles(m_home.path()).first());
    ASSERT_TRUE(b);
    EXPECT_EQ(b->filePath, a->savePath());
    EXPECT_EQ(b->bytes, "xclass A {}\n");

    ASSERT_TRUE(a->SaveFileNow());
    ASSERT_TRUE(waitFor([&] { return backupFiles(m_home.path()).isEmpty(); }));

    TEditForm* text = m_form->NewDocument(NewDocuments::Kind::Text);
    type(text, "draft");
    m_form->findChild<DocumentBackups*>()->writeAllNow();
    ASSERT_EQ(backupFiles(m_home.path()).size(), 1);
    // Closing without saving: the user chose to drop the text.
    QTimer::singleShot(50, qApp, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::No)->click();
    });
    text->close();
    ASSERT_TRUE(waitFor([&] { return backupFiles(m_home.path()).isEmpty(); }));

    type(a, "y");
    m_form->findChild<DocumentBackups*>()->writeAllNow();
    ASSERT_EQ(backupFiles(m_home.path()).size(), 1);
    QTimer::singleShot(50, qApp, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            for (QPushButton* b : dialog->findChildren<QPushButton*>())
                if (b->text() == "No")
                    b->click();
    });
    m_form->close(); // a clean quit: the question answered No
    EXPECT_EQ(QDir(m_home.filePath("backup")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(RecoveryTest, KeptBackupsAreOfferedAgainAndDiscardedOnesNot)
{
    {
        auto session = BackupSession::start(m_home.filePath("backup"));
        ASSERT_TRUE(session);
        DocumentBackup b;
        b.caption = "Untitled1.java";
        b.written = QDateTime::currentDateTimeUtc();
        b.bytes = "class Lost {}";
        QFile f(session.value()->backupPath(1));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b.encode());
    }
    startProgram("KeepForLater");
    ASSERT_TRUE(m_dialogSeen);
    EXPECT_TRUE(m_form->editors().empty());
    restart("Discard");
    ASSERT_TRUE(m_dialogSeen);
    EXPECT_TRUE(m_form->editors().empty());
    restart("KeepForLater");
    EXPECT_FALSE(m_dialogSeen);
}

// Logout or `kill`: the unsaved text is backed up for the next start, the
// program ends without asking and nothing it started runs on.
TEST_F(RecoveryTest, SigtermKeepsTheUnsavedTextAndLeavesNoProgramRunning)
{
    const QString jdk = m_files.filePath("jdk");
    QDir().mkpath(jdk);
    writeShellScript(jdk + "/javac", "exit 0");
    writeShellScript(jdk + "/java", "sleep 1000 & echo \"child $!\"; wait");
    IniFile(m_home.filePath("Vornic.ini")).WriteString("CompilerOptions", "JavaBinDir", jdk);
    const QString source =
        writeFile("Hello.java", "public class Hello {\n    public static void main(String[] a) {}\n}\n");

    QProcess program;
    QByteArray out;
    ASSERT_TRUE(
        startChild(program, "TERMINATION", source, "TerminationChild.RunsAProgramTypesAndWaitsForSigterm", out));
    ASSERT_TRUE(out.contains("READY\n")) << out.toStdString() << program.readAllStandardError().toStdString();
    const qint64 child = out.mid(out.indexOf("CHILD ") + 6).split('\n').first().toLongLong();
    ASSERT_GT(child, 0);
    ASSERT_EQ(::kill(pid_t(child), 0), 0);

    ::kill(pid_t(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(waitFor([&] { return ::kill(pid_t(child), 0) != 0; }, 5000)) << "the program's child runs on";

    LeftoverBackups left = LeftoverBackups::claim(m_home.filePath("backup"));
    ASSERT_EQ(left.entries().size(), 1u);
    const std::optional<DocumentBackup> b = DocumentBackup::read(left.entries().front().path);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->filePath, source);
    EXPECT_TRUE(b->bytes.startsWith("// unsaved at logout\npublic class Hello")) << b->bytes.toStdString();
}

} // namespace
