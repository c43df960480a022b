#include "assist/widgets/tsynautocomplete.h"

#include "assist/autocompletetemplates.h"
#include "editor/widgets/tsynedit.h"

bool TSynAutoComplete::Execute(const QString& word, TSynEdit* edit) const
{
    using namespace AutoCompleteTemplates;
    const QString line = edit->lineText();
    const int caretX = edit->caretX();
    if (word.isEmpty() || !wordEndsAtCaret(line, caretX) || !line.left(caretX - 1).endsWith(word))
        return false;
    const std::optional<Template> found = findTemplate(m_list, word);
    if (!found)
        return false;

    const int y = edit->caretY();
    const int start = caretX - int(word.size());
    const int columns = displayColumn(line, start, edit->tabWidth()) - 1;
    const QString indent = indentation(columns, !(edit->options() & eoTabsToSpaces), edit->tabWidth());
    const Expansion expansion = expand(found->body, indent);

    edit->beginUndoBlock();
    edit->setSelection({start, y}, {caretX, y});
    edit->setSelText(expansion.text);
    // The caret where the "|" stood: lines and columns of the text before it.
    const QString before = expansion.text.left(expansion.caret);
    const int breaks = int(before.count(QLatin1Char('\n')));
    const int column = breaks == 0 ? start + int(before.size()) : int(before.size() - before.lastIndexOf('\n'));
    edit->setCaretXY(column, y + breaks);
    edit->endUndoBlock();
    return true;
}
