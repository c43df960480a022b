// TEditForm: adding the caret line's variable to the debugger's watches.
#include "editor/widgets/tsynedit.h"
#include "toolchain/debugcommands.h"
#include "toolchain/javasource.h"
#include "workspace/widgets/teditform.h"

#include <QMessageBox>

void TEditForm::Addtodebuggerwatch1Click()
{
    const std::optional<QString> identifier = DebugCommands::watchedIdentifier(SynEdit1->lineText());
    if (!identifier)
        return;
    const TSynEdit* edit = SynEdit1;
    const QString mainClass = JavaSource::FindMainClassName(edit->lineCount(), [edit](int i) { return edit->line(i); });
    TrackedVariables << mainClass + QLatin1Char('.') + *identifier;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Information"),
                    QStringLiteral("The variable \"") + *identifier +
                        QStringLiteral("\", have now been added to the list of variables beeing tracked! To see the "
                                       "full list of variables beeing tracked for this editor window, goto the "
                                       "variable tracker dialogbox."),
                    QMessageBox::Ok, this);
    box.exec();
}
