// TMainForm: running the active Java document (in the console window, in a
// command window, or as an applet), compile-and-run, and the commands that
// hand work to the system's browser, file manager and command window.
#include "app/widgets/mainmenus.h"
#include "app/widgets/filepanel.h"
#include "app/widgets/tmainform.h"
#include "editor/linestore.h"
#include "editor/textencoding.h"
#include "editor/widgets/tsynedit.h"
#include "settings/inifile.h"
#include "toolchain/commandwindow.h"
#include "toolchain/compileroutputparser.h"
#include "toolchain/javasource.h"
#include "toolchain/kitcommands.h"
#include "toolchain/runandwait.h"
#include "toolchain/widgets/tcompiler1.h"
#include "toolchain/widgets/tprogrunfrm.h"
#include "workspace/widgets/teditform.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTreeView>
#include <QTreeWidget>
#include <QUrl>

namespace {

// A command window or a desktop handler is started and left alone.
Result<void> startDetached(const KitCommands::KitCommand& c)
{
    if (!QProcess::startDetached(c.program, c.arguments, c.workingDirectory))
        return Result<void>::failure(QStringLiteral("Could not start %1").arg(c.program));
    return {};
}

// The package a document declares; empty for none (or no document).
QString packageOf(const TEditForm* e)
{
    if (!e)
        return {};
    const TSynEdit* edit = e->SynEdit1;
    return JavaSource::packageName(edit->lineCount(), [edit](int i) { return edit->line(i); });
}

} // namespace

bool TMainForm::FinnesMainFunc() const
{
    const TEditForm* e = GetActiveEditor();
    if (!e)
        return false;
    const TSynEdit* edit = e->SynEdit1;
    return JavaSource::FinnesMainFunc(edit->lineCount(), [edit](int i) { return edit->line(i); });
}

QString TMainForm::FindMainClassName() const
{
    const TEditForm* e = GetActiveEditor();
    if (!e)
        return {};
    const TSynEdit* edit = e->SynEdit1;
    return JavaSource::FindMainClassName(edit->lineCount(), [edit](int i) { return edit->line(i); });
}

QString TMainForm::FindPackageName() const
{
    return packageOf(GetActiveEditor());
}

void TMainForm::SpeedButton36Click()
{
    TEditForm* e = GetActiveEditor();
    const std::optional<KitCommands::KitSettings> kit =
        beginCompile(e, QStringLiteral("No javabin catalog defined, don't know where to look for javac. "
                                       "Please spesify the javabin catalog now!"));
    if (!kit)
        return;
    const KitCommands::KitSettings& settings = *kit;
    const QString path = e->savePath();
    const QString package = packageOf(e);
    // The window may be closed while javac runs.
    const QPointer<TEditForm> compiled = e;
    PageControl4->setCurrentWidget(KompilatorLogTxt);
    KompilatorLogTxt->appendPlainText(QStringLiteral("Compiling: ") + path);
    KompilerErrors->clear();
    m_compiling = true;
    QString failure;
    const QString output = CompileFile(
        KitCommands::javacCommand(settings, path, TextEncodings::charsetName(e->SynEdit1->encoding()), package),
        &failure);
    m_compiling = false;
    if (!failure.isEmpty()) {
        KompilatorLogTxt->appendPlainText(failure);
        reportError(failure);
        return;
    }
    KompilatorLogTxt->appendPlainText(output.trimmed());
    CompilerOutputLines = CompilerOutputParser::splitLines(output);
    AnalyseOutput(path);
    if (ErrorCount != 0) {
        KompilatorLogTxt->appendPlainText(QStringLiteral("Errors found, can't run program now!"));
        return;
    }
    KompilatorLogTxt->appendPlainText(QStringLiteral("No errors found."));
    KompilatorLogTxt->appendPlainText(QStringLiteral("Compilation complete: ") +
                                      QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
    KompilatorLogTxt->appendPlainText(QStringLiteral("Running program."));
    if (settings.javaAppsInDosWindow)
        runInCommandWindow(KitCommands::javaCommandWindowCommand(settings, path, package));
    else if (compiled)
        runJava(settings, compiled); // the compiled one, whichever window is active now
}

void TMainForm::RunJava()
{
    // The compile dialog's "Run" while a compile or an applet still runs.
    if (m_compiling) {
        reportBusy();
        return;
    }
    if (TEditForm* e = GetActiveEditor())
        runJava(KitCommands::KitSettings::read(*SettingsIni), e);
}

void TMainForm::runJava(const KitCommands::KitSettings& settings, TEditForm* e)
{
    const QString path = e->savePath();
    const TSynEdit* edit = e->SynEdit1;
    if (JavaSource::FinnesMainFunc(edit->lineCount(), [edit](int i) { return edit->line(i); })) {
        auto* console =
            new TProgRunFrm(KitCommands::javaCommand(settings, path, packageOf(e)), e->caption(), this);
        console->sourceFolder = QFileInfo(path).absolutePath();
        watchConsole(console);
        RunWindow = console;
        console->show();
        // Typing meant for the program goes to it, not to the editor.
        console->takeFocus();
        return;
    }
    runApplet(settings, path);
}

void TMainForm::runApplet(const KitCommands::KitSettings& settings, const QString& path)
{
    const QString page = QFileInfo(path).absoluteDir().filePath(QString::fromLatin1(KitCommands::AppletPageName));
    if (const Result<void> r = writeFileAtomically(page, KitCommands::appletPageText(path).toLocal8Bit()); !r) {
        reportError(r.error());
        return;
    }
    const KitCommands::KitCommand viewer = KitCommands::appletViewerCommand(settings, path);
    // The window takes events as they come while the viewer runs (none are
    // held back to be replayed later); no compile starts meanwhile.
    m_compiling = true;
    const Result<bool> ran = RunAndWait(viewer, [] { QCoreApplication::processEvents(); });
    m_compiling = false;
    QFile::remove(page);
    if (!ran) {
        QString message = ran.error();
        if (!QFileInfo::exists(viewer.program))
            message = QStringLiteral("The Java development kit in %1 has no applet viewer (%2 does not exist; "
                                     "kits from Java 11 on no longer have one), so the applet cannot be run.")
                          .arg(settings.javaBinDir, viewer.program);
        KompilatorLogTxt->appendPlainText(message);
        QMessageBox::information(this, QStringLiteral("Information"), message);
    }
}

void TMainForm::runInCommandWindow(const KitCommands::KitCommand& program)
{
    const std::optional<CommandWindow::Emulator> emulator = CommandWindow::find();
    if (!emulator) {
        KompilatorLogTxt->appendPlainText(CommandWindow::noEmulatorMessage());
        QMessageBox::information(this, QStringLiteral("Information"), CommandWindow::noEmulatorMessage());
        return;
    }
    if (const Result<void> r = startDetached(CommandWindow::runCommand(*emulator, program)); !r)
        reportError(r.error());
}

void TMainForm::openCommandWindow(const QString& folder)
{
    const std::optional<CommandWindow::Emulator> emulator = CommandWindow::find();
    if (!emulator) {
        QMessageBox::information(this, QStringLiteral("Information"), CommandWindow::noEmulatorMessage());
        return;
    }
    if (const Result<void> r = startDetached(CommandWindow::shellCommand(*emulator, folder)); !r)
        reportError(r.error());
}

void TMainForm::openWithDesktop(const QString& path)
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        reportError(QStringLiteral("No program was found to open \"%1\" with.").arg(path));
}

void TMainForm::Viewpageinbrowser1Click()
{
    TEditForm* e = GetActiveEditor();
    if (!e || !e->SaveFileNow())
        return;
    openWithDesktop(e->savePath());
}

void TMainForm::WindowsExplorer1Click() { openWithDesktop(QDir::homePath()); }

void TMainForm::Showdospromt1Click()
{
    // The command interpreter started without a folder opens in ours.
    openCommandWindow(QDir::currentPath());
}

void TMainForm::Explorefromhere1Click() { openWithDesktop(filePanel->directory()); }

void TMainForm::Opendirindospromtfromhere1Click() { openCommandWindow(filePanel->directory()); }

void TMainForm::wireRunner()
{
    const std::pair<const char*, void (TMainForm::*)()> commands[] = {
        {"CompileandRun1", &TMainForm::SpeedButton36Click},
        {"Viewpageinbrowser1", &TMainForm::Viewpageinbrowser1Click},
        {"WindowsExplorer1", &TMainForm::WindowsExplorer1Click},
        {"Showdospromt1", &TMainForm::Showdospromt1Click},
    };
    for (const auto& [name, handler] : commands)
        if (QAction* a = menus->action(QLatin1String(name)))
            connect(a, &QAction::triggered, this, handler);
    wireConsoles();
    connect(PopupMenu5->addAction(QStringLiteral("Explore from here")), &QAction::triggered, this,
            &TMainForm::Explorefromhere1Click);
    connect(PopupMenu5->addAction(QStringLiteral("Open in dos promt from here")), &QAction::triggered, this,
            &TMainForm::Opendirindospromtfromhere1Click);
}
