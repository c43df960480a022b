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
#include <QTabWidget>
#include <QTreeWidget>

std::optional<KitCommands::KitSettings> TMainForm::beginCompile(TEditForm* e, const QString& noKitMessage)
{
    if (!e)
        return std::nullopt;
    // One compile fills the shared list, count and log at a time.
    if (m_compiling) {
        QMessageBox::information(this, QStringLiteral("Information"),
                                 QStringLiteral("A compile is already running. Please wait until it is complete."));
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
        // The window stays responsive between reads.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
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
    // The user may close the dialog (Escape) while pending events are handled.
    QPointer<TCompiler1> dialog;
    bool shown = false;
    // The window is set up while javac runs, not before it starts.
    const auto showProgress = [&] {
        shown = true;
        dialog = new TCompiler1(this);
        CompilerDialog = dialog;
        connect(dialog, &TCompiler1::runRequested, this, &TMainForm::RunJava);
        dialog->ProjName->setText(e->caption());
        dialog->setWindowTitle(QStringLiteral("Compiling file, please wait.."));
        dialog->show();
        KompilerErrors->clear();
        PageControl4->setCurrentWidget(KompilatorLogTxt);
        KompilatorLogTxt->appendPlainText(QStringLiteral("Compiling: ") + path);
    };

    QString failure;
    const QString output = CompileFile(
        KitCommands::javacCommand(settings, path, TextEncodings::charsetName(e->SynEdit1->encoding())), &failure,
        showProgress);
    if (!shown)
        showProgress();
    if (!failure.isEmpty()) {
        // A compiler that could not be started is no clean compile.
        KompilatorLogTxt->appendPlainText(failure);
        dialog->Label5->setText(QStringLiteral("-"));
        dialog->BitBtn1->setEnabled(true);
        dialog->setWindowTitle(QStringLiteral("Compilation complete"));
        m_compiling = false;
        reportError(failure);
        return;
    }
    KompilatorLogTxt->appendPlainText(output.trimmed());
    dialog->outputText = output.trimmed();
    QCoreApplication::processEvents();
    CompilerOutputLines = CompilerOutputParser::splitLines(output);
    AnalyseOutput(e->caption());
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

void TMainForm::AnalyseOutput(const QString& fileName)
{
    const CompilerOutputAnalysis analysis = CompilerOutputParser::AnalyseOutput(CompilerOutputLines, fileName);
    KompilerErrors->clear();
    for (const CompilerMessage& m : analysis.entries) {
        auto* item = new QTreeWidgetItem(KompilerErrors, {m.line, m.message});
        item->setData(0, Qt::UserRole, m.hint());
    }
    ErrorCount = analysis.errorCount;
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
        KompilerErrors->setToolTip(item->data(0, Qt::UserRole).toString());
    });
    connect(KompilerErrors, &QTreeWidget::itemDoubleClicked, this, [this] { SelectErrorLine(GetActiveEditor()); });
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
