// TMainForm: the console windows of the programs run from here. A console
// closed while its program runs is only hidden: the Window menu lists every
// console so it can be brought back, a stack trace's lines lead to their
// source, and quitting ends every program started (its process group).
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "editor/widgets/tsynedit.h"
#include "toolchain/processgroups.h"
#include "toolchain/stacktrace.h"
#include "toolchain/widgets/tprogrunfrm.h"
#include "workspace/widgets/teditform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>

namespace {

// A program asked to end at quit has this long before it is killed.
constexpr int QuitGraceMs = 2000;

} // namespace

void TMainForm::wireConsoles()
{
    connect(menus->windowMenu, &QMenu::aboutToShow, this, &TMainForm::listConsoles);
}

void TMainForm::watchConsole(TProgRunFrm* console)
{
    connect(console, &TProgRunFrm::stackTraceActivated, this,
            [this, console](const QStringList& lines) { showStackTraceSource(console, lines); });
}

void TMainForm::listConsoles()
{
    for (QAction* item : m_consoleItems)
        delete item;
    m_consoleItems.clear();
    const QList<TProgRunFrm*> consoles = findChildren<TProgRunFrm*>(Qt::FindDirectChildrenOnly);
    if (consoles.isEmpty())
        return;
    m_consoleItems << menus->windowMenu->addSeparator();
    for (TProgRunFrm* console : consoles) {
        const QString state = console->Finished ? QStringLiteral("finished") : QStringLiteral("running");
        QAction* item = menus->windowMenu->addAction(
            QStringLiteral("Console: %1 (%2)").arg(console->documentName(), state));
        item->setObjectName(QStringLiteral("consoleItem"));
        const QPointer<TProgRunFrm> target = console;
        connect(item, &QAction::triggered, this, [target] {
            if (target) {
                target->show();
                target->takeFocus();
            }
        });
        m_consoleItems << item;
    }
}

void TMainForm::showStackTraceSource(const TProgRunFrm* console, const QStringList& linesFromThere)
{
    const std::optional<StackFrameLocation> where = StackTrace::locationAt(linesFromThere);
    if (!where)
        return;
    const QStringList paths = StackTrace::candidatePaths(*where, console->runner()->CommandLine.workingDirectory,
                                                         console->sourceFolder);
    TEditForm* target = nullptr;
    // The document when it is open: by its path first, else by its name
    // (two documents of one name are never open at once).
    for (TEditForm* e : editors())
        if (e->HasFile && paths.contains(QDir::cleanPath(e->savePath())))
            target = e;
    for (TEditForm* e : editors())
        if (!target && e->caption() == where->fileName)
            target = e;
    if (!target)
        for (const QString& path : paths)
            if (QFileInfo(path).isFile()) {
                LoadFile(path);
                target = GetActiveEditor();
                break;
            }
    if (!target) {
        QApplication::beep();
        return;
    }
    gotoErrorLine(target, where->line);
}

void TMainForm::gotoErrorLine(TEditForm* editor, int line)
{
    // As a compiler message's double click does.
    TSynEdit* edit = editor->SynEdit1;
    edit->setSelectedColors(Colors::clBlue, edit->selectedForeground());
    edit->setCaretXY(1, std::min(line, std::max(1, edit->lineCount())));
    if (editor->isMinimized())
        editor->showNormal();
    mdiArea->setActiveSubWindow(editor);
    activateWindow();
    edit->setEditorFocus();
    editor->HighlightLine = edit->caretY();
    setErrorLineActive(true);
}

void TMainForm::endStartedPrograms()
{
    ProcessGroups::endAll(QuitGraceMs);
}
