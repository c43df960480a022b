// TMainForm: compiling the active Java document with the kit's javac, the
// "Compiler messages" list and the "Compiler output" log.
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "editor/linestore.h"
#include "editor/textencoding.h"
#include "editor/widgets/tsynedit.h"
#include "settings/inifile.h"
#include "toolchain/compileroutputparser.h"
#include "toolchain/kitcommands.h"
#include "toolchain/runandwait.h"
#include "toolchain/widgets/tcompiler1.h"
#include "workspace/widgets/teditform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTreeWidget>

std::optional<KitCommands::KitSettings> TMainForm::beginCompile(TEditForm* e, const QString& noKitMessage)
{
    if (!e)
        return std::nullopt;
    // One compile fills the shared list, count and log at a time.
    if (m_compiling) {
        reportBusy();
        return std::nullopt;
    }
    if (!e->SaveFileNow())
        return std::nullopt;
    KitCommands::KitSettings settings = KitCommands::KitSettings::read(*SettingsIni);
    if (settings.javaBinDir.isEmpty()) {
        QMessageBox::information(this, QStringLiteral("Information"), noKitMessage);
        return std::nullopt;
    }
    return settings;
}

void TMainForm::reportBusy()
{
    QMessageBox::information(this, QStringLiteral("Information"),
                             QStringLiteral("The compiler or the applet viewer is still running. Please wait until "
                                            "it has ended."));
}

QString TMainForm::CompileFile(const KitCommands::KitCommand& command, QString* failure,
                               const std::function<void()>& started)
{
    bool begun = false;
    const Result<ToolRun> run = runToEnd(ChildUser::CompileFile, command, [&] {
        if (!begun) {
            begun = true;
            if (started)
                started();
        }
        // The window takes events as they come, the user's too: input held
        // back now would be replayed seconds later. A second compile is
        // refused meanwhile (beginCompile).
        QCoreApplication::processEvents();
    });
    if (!run) {
        if (failure)
            *failure = run.error();
        return {};
    }
    // javac is started to write UTF-8 (KitCommands::javacCommand).
    return QString::fromUtf8(run.value().output);
}

void TMainForm::Compile1Click()
{
    TEditForm* e = GetActiveEditor();
    const std::optional<KitCommands::KitSettings> kit =
        beginCompile(e, QStringLiteral("No javabin catalog defined, don't know where to look for javac. "
                                       "Please spesify the javabin catalog (can be found under "
                                       "Edit->Options->Compiler)!"));
    if (!kit)
        return;
    const KitCommands::KitSettings& settings = *kit;
    m_compiling = true;
    const QString path = e->savePath();
    const QString caption = e->caption();
    // The user may close the dialog (Escape) while pending events are handled.
    QPointer<TCompiler1> dialog;
    bool shown = false;
    // The window is set up while javac runs, not before it starts.
    const auto showProgress = [&] {
        shown = true;
        // One compile dialog at a time: the last compile's goes.
        if (CompilerDialog)
            CompilerDialog->close();
        dialog = new TCompiler1(this);
        CompilerDialog = dialog;
        connect(dialog, &TCompiler1::runRequested, this, &TMainForm::RunJava);
        dialog->ProjName->setText(caption);
        dialog->setWindowTitle(QStringLiteral("Compiling file, please wait.."));
        dialog->show();
        KompilerErrors->clear();
        PageControl4->setCurrentWidget(KompilatorLogTxt);
        KompilatorLogTxt->appendPlainText(QStringLiteral("Compiling: ") + path);
    };

    QString failure;
    const QString output = CompileFile(KitCommands::javacCommand(settings, path,
                                                                 TextEncodings::charsetName(e->SynEdit1->encoding()),
                                                                 FindPackageName()),
                                       &failure, showProgress);
    if (!shown)
        showProgress();
    if (!failure.isEmpty()) {
        // A compiler that could not be started is no clean compile.
        KompilatorLogTxt->appendPlainText(failure);
        if (dialog) {
            dialog->Label5->setText(QStringLiteral("-"));
            dialog->BitBtn1->setEnabled(true);
            dialog->setWindowTitle(QStringLiteral("Compilation complete"));
        }
        m_compiling = false;
        reportError(failure);
        return;
    }
    KompilatorLogTxt->appendPlainText(output.trimmed());
    if (dialog)
        dialog->outputText = output.trimmed();
    QCoreApplication::processEvents();
    CompilerOutputLines = CompilerOutputParser::splitLines(output);
    AnalyseOutput(path);
    if (dialog) {
        dialog->Label5->setText(QString::number(ErrorCount));
        dialog->BitBtn2->setEnabled(ErrorCount > 0);
        dialog->BitBtn1->setEnabled(true);
    }
    if (ErrorCount == 0) {
        KompilatorLogTxt->appendPlainText(QStringLiteral("No errors found."));
        if (dialog)
            dialog->BitBtn3->setEnabled(true);
    }
    if (dialog)
        dialog->setWindowTitle(QStringLiteral("Compilation complete"));
    KompilatorLogTxt->appendPlainText(QStringLiteral("Compilation complete: ") +
                                    QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
    KompilatorLogTxt->appendPlainText(QString());
    ErrorCount = 0;
    m_compiling = false;
}

namespace {
// Item data of an error row: its hint, and the file the row is about.
constexpr int HintRole = Qt::UserRole;
constexpr int FileRole = Qt::UserRole + 1;
} // namespace

void TMainForm::AnalyseOutput(const QString& compiledPath)
{
    const CompilerOutputAnalysis analysis = CompilerOutputParser::AnalyseOutput(CompilerOutputLines, compiledPath);
    KompilerErrors->clear();
    for (const CompilerMessage& m : analysis.entries) {
        auto* item = new QTreeWidgetItem(KompilerErrors, {m.line, m.message});
        item->setData(0, HintRole, m.hint());
        item->setData(0, FileRole, m.file.isEmpty() ? compiledPath : m.file);
        // Another file's row names that file when the pointer rests on it.
        if (!m.file.isEmpty())
            for (int column : {0, 1})
                item->setToolTip(column, m.hint());
    }
    ErrorCount = analysis.errorCount;
}

void TMainForm::KompilerErrorsDblClick()
{
    QTreeWidgetItem* item = KompilerErrors->currentItem();
    if (!item)
        return;
    // The row's own file: the compiled document or another class of the
    // program. Its window if it is open, else the file opened.
    const QString path = QDir::cleanPath(item->data(0, FileRole).toString());
    TEditForm* target = nullptr;
    for (TEditForm* e : editors())
        if (QDir::cleanPath(e->savePath()) == path)
            target = e;
    if (!target) {
        if (!QFileInfo(path).isFile()) {
            QMessageBox::warning(this, QStringLiteral("Warning"), QStringLiteral("Could not open file ") + path);
            return;
        }
        openFromPanel(path);
        TEditForm* opened = GetActiveEditor();
        if (!opened || QDir::cleanPath(opened->savePath()) != path)
            return; // another document of that name is open
        target = opened;
    }
    SelectErrorLine(target);
}

void TMainForm::SelectErrorLine(TEditForm* editor)
{
    QTreeWidgetItem* item = KompilerErrors->currentItem();
    if (!editor || !item)
        return;
    TSynEdit* edit = editor->SynEdit1;
    edit->setSelectedColors(Colors::clBlue, edit->selectedForeground());
    bool ok = false;
    int line = item->text(0).trimmed().toInt(&ok);
    // A message without a line number (a warning about the options) leads
    // nowhere.
    if (!ok)
        return;
    if (edit->lineCount() < line)
        line -= 1;
    edit->setCaretY(line);
    mdiArea->setActiveSubWindow(editor);
    edit->setEditorFocus();
    QCoreApplication::processEvents();
    editor->HighlightLine = edit->caretY();
    setErrorLineActive(true); // repaints the old and the new error line
}

void TMainForm::wireCompiler()
{
    if (QAction* a = menus->action(QStringLiteral("Compile1")))
        connect(a, &QAction::triggered, this, [this] { Compile1Click(); });
    connect(KompilerErrors, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        KompilerErrors->setToolTip(item->data(0, HintRole).toString());
    });
    connect(KompilerErrors, &QTreeWidget::itemDoubleClicked, this, [this] { KompilerErrorsDblClick(); });
    // Enter on a row leads to its line as the double click does.
    for (const QKeySequence key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* enter = new QShortcut(key, KompilerErrors, nullptr, nullptr, Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, [this] { KompilerErrorsDblClick(); });
    }
    KompilerErrors->setColumnWidth(0, 90);

    KompilatorLogTxt->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* popup = new QMenu(KompilatorLogTxt);
    connect(popup->addAction(QStringLiteral("Empty log window")), &QAction::triggered, this,
            [this] { KompilatorLogTxt->clear(); });
    connect(popup->addAction(QStringLiteral("Store log to file..")), &QAction::triggered, this, [this] {
        const QString path =
            QFileDialog::getSaveFileName(this, QString(), QString(), QStringLiteral("Rich text (*.rtf)"));
        if (path.isEmpty())
            return;
        if (const Result<void> r = writeFileAtomically(path, KompilatorLogTxt->toPlainText().toLocal8Bit()); !r)
            reportError(r.error());
    });
    connect(popup->addAction(QStringLiteral("Copy log to clipboard")), &QAction::triggered, this, [this] {
        QApplication::clipboard()->setText(KompilatorLogTxt->toPlainText());
        KompilatorLogTxt->moveCursor(QTextCursor::Start);
    });
    connect(KompilatorLogTxt, &QWidget::customContextMenuRequested, this, [this, popup](const QPoint& p) {
        popup->exec(KompilatorLogTxt->viewport()->mapToGlobal(p));
    });
}
