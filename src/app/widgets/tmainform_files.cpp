// TMainForm: the checks before a file is opened, and the File menu's
// commands about a document's encoding.
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "editor/textencoding.h"
#include "editor/widgets/tsynedit.h"
#include "settings/fileaccess.h"
#include "workspace/widgets/teditform.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>

bool TMainForm::mayOpenFile(const QString& path)
{
    // A name nothing has yet opens as an empty document named after it.
    if (!FileAccess::exists(path))
        return true;
    const Result<qint64> size = FileAccess::regularFileSize(path);
    if (!size) {
        QMessageBox::warning(this, QStringLiteral("Warning"), size.error());
        return false;
    }
    if (size.value() <= FileAccess::LargeFileBytes)
        return true;
    return QMessageBox::question(this, QStringLiteral("Question"),
                                 QStringLiteral("The file \"%1\" is %2 MB. Opening it takes much memory and time. "
                                                "Do you want to open it?")
                                     .arg(path)
                                     .arg(size.value() / (1024 * 1024)),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TMainForm::reloadWithEncoding(TextEncoding encoding)
{
    TEditForm* e = GetActiveEditor();
    if (!e)
        return;
    if (!e->HasFile || e->FileName.isEmpty()) {
        QMessageBox::information(this, QStringLiteral("Information"),
                                 QStringLiteral("The document has not been saved, so there is no file to reload."));
        return;
    }
    if (e->Modified &&
        QMessageBox::question(this, QStringLiteral("Question"),
                              QStringLiteral("Reloading the document drops the changes made to it since it was "
                                             "saved. Do you want to reload it?"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    TSynEdit* edit = e->SynEdit1;
    // The same bytes give the same lines: breakpoints and caret stay.
    const TSynEditMarkList marks = edit->marks();
    const BufferCoord caret = edit->caretXY();
    if (const Result<void> r = edit->loadFromFile(e->FileName, encoding); !r) {
        QMessageBox::information(this, QStringLiteral("Information"), r.error());
        return;
    }
    edit->editableMarks() = marks;
    edit->marksChanged();
    edit->setCaretXY(caret.Char, caret.Line);
    e->markUnmodified();
}

void TMainForm::saveWithEncoding(TextEncoding encoding)
{
    TEditForm* e = GetActiveEditor();
    if (!e)
        return;
    TSynEdit* edit = e->SynEdit1;
    const TextEncoding before = edit->encoding();
    if (!edit->setEncoding(encoding)) {
        QMessageBox::information(
            this, QStringLiteral("Information"),
            QStringLiteral("%1 cannot hold these characters of the document: \"%2\". The document was not saved "
                           "and stays %3.")
                .arg(TextEncodings::displayName(encoding), TextEncodings::unencodable(edit->text(), encoding).left(40),
                     TextEncodings::displayName(before)));
        return;
    }
    // The file is written at once, so it and the status bar agree.
    if (!e->SaveFileNow())
        edit->setEncoding(before);
}

void TMainForm::wireEncodings()
{
    for (const TextEncoding encoding : TextEncodings::All) {
        const QString name = TextEncodings::displayName(encoding);
        if (QAction* a = menus->action(QStringLiteral("reload") + name))
            connect(a, &QAction::triggered, this, [this, encoding] { reloadWithEncoding(encoding); });
        if (QAction* a = menus->action(QStringLiteral("save") + name))
            connect(a, &QAction::triggered, this, [this, encoding] { saveWithEncoding(encoding); });
    }
}
