#include "generators/widgets/generatorcommands.h"

#include "editor/widgets/tsynedit.h"
#include "generators/widgets/generatorhost.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

namespace GeneratorCommands {

namespace {

// The edits made while it lives undo as one step.
class UndoStep {
public:
    explicit UndoStep(TSynEdit& edit) : m_edit(edit) { m_edit.beginUndoBlock(); }
    ~UndoStep() { m_edit.endUndoBlock(); }
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    TSynEdit& m_edit;
};

} // namespace

bool insertPieces(GeneratorHost& host, const QStringList& pieces)
{
    TSynEdit* edit = host.generatorEdit();
    if (!edit)
        return false;
    UndoStep step(*edit);
    for (const QString& piece : pieces)
        host.insertGeneratedText(piece);
    return true;
}

void insertSnippet(GeneratorHost& host, JavaSnippets::Snippet snippet)
{
    TSynEdit* edit = host.generatorEdit();
    if (!edit)
        return;
    {
        UndoStep step(*edit);
        host.insertGeneratedText({});
        // Ind is read once the selection is gone: it may have begun the line.
        const QString ind = host.caretLineIndent();
        host.insertGeneratedText(JavaSnippets::text(snippet, ind));
        const JavaSnippets::Caret caret = JavaSnippets::caretAfter(snippet, ind, {edit->caretX(), edit->caretY()});
        edit->setCaretXY(caret.column, caret.line);
    }
    edit->setEditorFocus();
}

void shapeDialog(QDialog& dialog, QSize start)
{
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
    if (QLayout* layout = dialog.layout())
        layout->activate();
    const QSize size = dialog.sizeHint().expandedTo(dialog.minimumSizeHint()).expandedTo(start);
    dialog.setFixedSize(size);
    const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame(QPoint(), size);
        frame.moveCenter(screen->availableGeometry().center());
        dialog.move(frame.topLeft());
    }
}

} // namespace GeneratorCommands
