// TMainForm: debugging the active Java document with jdb (start, next
// instruction, stop, commands typed into the "Debugger" log, watched values
// in "Debug vars") and the variable tracker.
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "app/widgets/toolpages.h"
#include "editor/widgets/tsynedit.h"
#include "settings/inifile.h"
#include "toolchain/debugcommands.h"
#include "toolchain/debugtarget.h"
#include "toolchain/javasource.h"
#include "toolchain/tdebugger.h"
#include "toolchain/widgets/debuglogpane.h"
#include "toolchain/widgets/tprogrunfrm.h"
#include "toolchain/widgets/tvartrackerfrm.h"
#include "toolchain/widgets/watchpane.h"
#include "workspace/widgets/teditform.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>

namespace {

const QString SessionDone = QStringLiteral("Debug session, done!");

std::vector<int> markLines(const TSynEdit& edit)
{
    std::vector<int> lines;
    for (const TSynEditMark& m : edit.marks().items())
        lines.push_back(m.Line);
    return lines;
}

} // namespace

void TMainForm::wireDebugger()
{
    m_debugLog = new DebugLogPane(REDebugLog);
    m_watchPane = new WatchPane(REDebugVar);
    connect(m_debugLog, &DebugLogPane::enterPressed, this, &TMainForm::REDebugLogKeyDown);
    connect(m_debugLog, &DebugLogPane::changed, this, &TMainForm::REDebugLogChange);
    if (QAction* a = menus->action(QStringLiteral("Startdebug1")))
        connect(a, &QAction::triggered, this, &TMainForm::SpeedButton41Click);
    if (QAction* a = menus->action(QStringLiteral("Variabletracker1")))
        connect(a, &QAction::triggered, this, &TMainForm::SpeedButton44Click);
    // "Next instruction" and "Stop execution" have no menu item that is ever
    // enabled: their buttons call the handlers themselves.
    const std::pair<const char*, void (TMainForm::*)()> buttons[] = {
        {"SpeedButton41", &TMainForm::SpeedButton41Click},
        {"SpeedButton42", &TMainForm::SpeedButton42Click},
        {"SpeedButton3", &TMainForm::SpeedButton3Click},
        {"SpeedButton44", &TMainForm::SpeedButton44Click},
    };
    for (const auto& [name, handler] : buttons)
        if (QToolButton* b = toolPages->button(QLatin1String(name)))
            connect(b, &QToolButton::clicked, this, handler);
}

QString TMainForm::whyNotDebuggable(const TEditForm* editor) const
{
    const QString name = editor->caption();
    if (editor->FileName.isEmpty())
        return QStringLiteral("%1 has never been saved: save and compile it before debugging it.").arg(name);
    // The text, not the Modified flag, which any key that is not for moving
    // sets (Ctrl+Shift+1 for a breakpoint's bookmark too).
    if (editor->SynEdit1->isModified())
        return QStringLiteral("%1 has changes that are not saved: save and compile it before debugging it, "
                              "so that the class file matches its lines.")
            .arg(name);
    const TSynEdit* edit = editor->SynEdit1;
    bool empty = true;
    for (int i = 0; empty && i < edit->lineCount(); ++i)
        empty = edit->line(i).trimmed().isEmpty();
    if (empty)
        return QStringLiteral("%1 is empty: there is nothing to debug.").arg(name);
    const JavaSource::LineAt lineAt = [edit](int i) { return edit->line(i); };
    if (!JavaSource::FinnesMainFunc(edit->lineCount(), lineAt) ||
        JavaSource::FindMainClassName(edit->lineCount(), lineAt).isEmpty())
        return QStringLiteral("No main class found in %1: only a class with a main method can be debugged.").arg(name);
    return {};
}

void TMainForm::setDebugButtons(bool running)
{
    toolPages->SpeedButton41->setEnabled(!running);
    toolPages->SpeedButton42->setEnabled(running);
    toolPages->SpeedButton3->setEnabled(running);
}

void TMainForm::SpeedButton41Click()
{
    TEditForm* e = GetActiveEditor();
    if (!e)
        return;
    PageControl4->setCurrentWidget(REDebugLog);
    const bool running = Debugger && !Debugger->SessionOver;
    if (const QString why = whyNotDebuggable(e); !why.isEmpty()) {
        // A running session and its log stay as they are.
        if (!running)
            m_debugLog->clear();
        m_debugLog->appendLine(why);
        return;
    }
    // One session at a time: a running one ends before the next begins, so it
    // can neither write into the new log nor be left without a stop.
    if (Debugger) {
        disconnect(Debugger, nullptr, this, nullptr);
        delete Debugger;
    }
    m_debugLog->clear();
    const TSynEdit* edit = e->SynEdit1;
    TDebugger::Session session;
    session.kit = KitCommands::KitSettings::read(*SettingsIni);
    session.documentPath = e->savePath();
    session.mainClass = JavaSource::FindMainClassName(edit->lineCount(), [edit](int i) { return edit->line(i); });
    session.watches = e->TrackedVariables;
    session.marks = markLines(*edit);

    setDebugButtons(true);
    auto target = std::make_shared<DebugTarget>();
    auto* console =
        new TProgRunFrm(KitCommands::debugProgramCommand(session.kit, session.documentPath, session.mainClass),
                        e->caption(), this, target);
    RunWindow = console;
    console->show();
    m_debugEditor = e;
    Debugger = new TDebugger(std::move(session), target, this);
    connect(Debugger, &TDebugger::eventsReady, this, &TMainForm::takeDebuggerEvents, Qt::QueuedConnection);
    Debugger->Wake();
    m_watchPane->start();
}

void TMainForm::takeDebuggerEvents()
{
    if (!Debugger)
        return;
    for (const JdbItem& item : Debugger->takeEvents()) {
        switch (item.kind) {
        case JdbItem::Kind::Line:
            m_debugLog->appendLine(item.text);
            break;
        case JdbItem::Kind::Prompt:
            m_debugLog->appendPrompt(item.text, item.afterPrompt);
            // A stopped thread waits for the user's commands.
            if (JdbOutputParser::isThreadPrompt(item.text))
                focusDebugLog(true);
            break;
        case JdbItem::Kind::Stopped:
            showStop(item);
            break;
        case JdbItem::Kind::Ended:
            m_debugLog->appendLine(SessionDone);
            if (PageControl4->currentWidget() == REDebugLog)
                focusDebugLog(false);
            SpeedButton3Click();
            break;
        case JdbItem::Kind::Initialised:
        case JdbItem::Kind::VmStarted:
            break;
        }
    }
}

void TMainForm::focusDebugLog(bool raise)
{
    // The frame window comes forward from the program's console, never from
    // another application.
    if (raise && QApplication::activeWindow() && QApplication::activeWindow() != this &&
        !QApplication::activeModalWidget()) {
        PageControl4->setCurrentWidget(REDebugLog);
        activateWindow();
    }
    REDebugLog->setFocus();
}

void TMainForm::showStop(const JdbItem& stop)
{
    if (!m_debugEditor || !Debugger ||
        DebugCommands::outerClass(stop.className) != DebugCommands::outerClass(Debugger->MainClass))
        return;
    TSynEdit* edit = m_debugEditor->SynEdit1;
    if (stop.line <= edit->lineCount())
        edit->setCaretXY(1, stop.line);
}

void TMainForm::SpeedButton42Click()
{
    if (Debugger)
        Debugger->nextInstruction(debugWatches());
    if (PageControl4->currentWidget() == REDebugLog)
        REDebugLog->setFocus();
}

void TMainForm::SpeedButton3Click()
{
    setDebugButtons(false);
    if (Debugger)
        Debugger->Stop();
    m_watchPane->sessionStopped();
    if (PageControl4->currentWidget() == REDebugLog)
        REDebugLog->setFocus();
}

void TMainForm::REDebugLogKeyDown()
{
    if (!Debugger)
        return;
    const QString typed = m_debugLog->typedText();
    m_debugLog->takeTypedText();
    Debugger->SendCommand(typed);
}

void TMainForm::REDebugLogChange()
{
    if (Debugger)
        m_watchPane->logChanged(*REDebugLog->document(), debugWatches());
}

QStringList TMainForm::debugWatches() const
{
    if (m_debugEditor)
        return m_debugEditor->TrackedVariables;
    const TEditForm* e = GetActiveEditor();
    return e ? e->TrackedVariables : QStringList();
}

void TMainForm::debugEditorClosing(TEditForm* editor)
{
    // The session belongs to its editor; it goes with it.
    if (editor == m_debugEditor && Debugger && !Debugger->SessionOver)
        SpeedButton3Click();
}

void TMainForm::SpeedButton44Click()
{
    const QString name = FindMainClassName().trimmed();
    if (name.isEmpty()) {
        QMessageBox::information(this, QStringLiteral("Information"),
                                 QStringLiteral("No main class found! Can't run variable tracker."));
        return;
    }
    TEditForm* e = GetActiveEditor();
    TVarTrackerFrm dialog([this](const QString& className) { return FinnAlleDatamedlemmer(className, true); }, this);
    dialog.MainClassName = name;
    dialog.FormShow(e ? e->TrackedVariables : QStringList());
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The list goes to the window active when OK was pressed.
    if (TEditForm* active = GetActiveEditor())
        active->TrackedVariables = dialog.trackedVariables();
}
