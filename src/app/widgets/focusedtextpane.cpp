#include "app/widgets/focusedtextpane.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// The same commands on the three kinds of text widget.
template <typename Edit> void run(Edit* edit, PaneCommand command, bool readOnly)
{
    switch (command) {
    case PaneCommand::Copy:
        edit->copy();
        return;
    case PaneCommand::SelectAll:
        edit->selectAll();
        return;
    default:
        break;
    }
    if (readOnly)
        return;
    switch (command) {
    case PaneCommand::Undo:
        edit->undo();
        break;
    case PaneCommand::Redo:
        edit->redo();
        break;
    case PaneCommand::Cut:
        edit->cut();
        break;
    case PaneCommand::Paste:
        edit->paste();
        break;
    default:
        break;
    }
}

} // namespace

bool runOnFocusedTextPane(PaneCommand command)
{
    QWidget* focus = QApplication::focusWidget();
    // The panes' viewports may hold the focus for their text widget.
    for (QWidget* w = focus; w; w = w->parentWidget()) {
        if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
            run(plain, command, plain->isReadOnly());
            return true;
        }
        if (auto* rich = qobject_cast<QTextEdit*>(w)) {
            run(rich, command, rich->isReadOnly());
            return true;
        }
        if (auto* line = qobject_cast<QLineEdit*>(w)) {
            run(line, command, line->isReadOnly());
            return true;
        }
        if (w == focus->window())
            break;
    }
    return false;
}
