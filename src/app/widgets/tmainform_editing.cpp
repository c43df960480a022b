// TMainForm: the editing commands on the active document (comment,
// uncomment, indent, unindent, strip HTML), applied from their results.
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "editor/widgets/tsynedit.h"
#include "workspace/editingcommands.h"
#include "workspace/widgets/teditform.h"

#include <QAction>
#include <QMessageBox>

namespace {

EditingCommands::Document documentOf(const TSynEdit* edit)
{
    EditingCommands::Document d;
    for (int i = 0; i < edit->lineCount(); ++i)
        d.lines << edit->line(i);
    d.caret = {edit->caretX(), edit->caretY()};
    d.hasSelection = edit->selAvail();
    d.selBegin = {edit->blockBegin().Char, edit->blockBegin().Line};
    d.selEnd = {edit->blockEnd().Char, edit->blockEnd().Line};
    return d;
}

} // namespace

bool TMainForm::applyEditResult(const EditingCommands::EditResult& result)
{
    TEditForm* e = GetActiveEditor();
    if (!e)
        return false;
    if (result.message != EditingCommands::Message::None) {
        QMessageBox::information(this, QStringLiteral("Information"), EditingCommands::messageText(result.message));
        return false;
    }
    TSynEdit* edit = e->SynEdit1;
    edit->beginUndoBlock();
    for (const EditingCommands::Replacement& r : result.edits) {
        edit->setSelection({r.from.column, r.from.line}, {r.to.column, r.to.line});
        edit->setSelText(r.text);
    }
    edit->endUndoBlock();
    const EditingCommands::Document& d = result.document;
    if (d.hasSelection)
        edit->setSelection({d.selBegin.column, d.selBegin.line}, {d.selEnd.column, d.selEnd.line});
    else
        edit->setCaretXY(d.caret.column, d.caret.line);
    return true;
}

void TMainForm::runEditingCommand(EditingCommands::EditResult (*command)(const EditingCommands::Document&))
{
    if (TEditForm* e = GetActiveEditor())
        applyEditResult(command(documentOf(e->SynEdit1)));
}

QString TMainForm::FindWhitespaceInFront() const
{
    TEditForm* e = GetActiveEditor();
    return e ? EditingCommands::FindWhitespaceInFront(documentOf(e->SynEdit1)) : QString();
}

void TMainForm::Button5Click()
{
    TEditForm* e = GetActiveEditor();
    if (!e)
        return;
    if (QMessageBox::information(this, QStringLiteral("Information"), EditingCommands::stripHtmlQuestion(),
                                 QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!applyEditResult(EditingCommands::stripHtml(documentOf(e->SynEdit1))))
        return;
    const QString oldCaption = e->caption();
    const EditingCommands::DocumentName name = EditingCommands::asTextDocument({oldCaption, e->FileName, e->HasFile});
    e->FileName = name.fileName;
    e->setCaption(name.caption);
    OppdaterListeView(name.caption, oldCaption);
    e->ChangeSyntaxToNoHighlighter();
    // The .txt name may belong to a file that is there already.
    e->confirmOverwriteOnNextSave();
}

void TMainForm::wireEditingCommands()
{
    auto on = [this](const char* name, EditingCommands::EditResult (*command)(const EditingCommands::Document&)) {
        if (QAction* a = menus->action(QLatin1String(name)))
            connect(a, &QAction::triggered, this, [this, command] { runEditingCommand(command); });
    };
    on("Comment1", &EditingCommands::comment);
    on("Uncomment1", &EditingCommands::uncomment);
    on("Indent1", &EditingCommands::indent);
    on("Unindent1", &EditingCommands::unindent);
    if (QAction* a = menus->action(QStringLiteral("StripHTMLcode1")))
        connect(a, &QAction::triggered, this, [this] { Button5Click(); });
}
