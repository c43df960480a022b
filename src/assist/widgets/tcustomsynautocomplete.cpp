#include "assist/widgets/tcustomsynautocomplete.h"

#include "assist/completionsource.h"
#include "assist/documentlines.h"
#include "assist/widgets/editortext.h"
#include "assist/widgets/tfmcompletionproposal.h"
#include "editor/widgets/tsynedit.h"
#include "settings/programfolder.h"

TCustomSynAutoComplete::TCustomSynAutoComplete(QWidget* popupParent)
    : QObject(popupParent), m_popup(new TfmCompletionProposal(this, popupParent))
{
}

TCustomSynAutoComplete::~TCustomSynAutoComplete()
{
    for (const auto& [edit, id] : m_served)
        const_cast<TSynEdit*>(edit)->removeDestroyNotification(id);
}

void TCustomSynAutoComplete::AddEditor(TSynEdit* edit)
{
    if (!edit || serves(edit))
        return;
    m_served[edit] = edit->addDestroyNotification([this](TSynEdit* gone) {
        m_served.erase(gone);
        m_indexes.erase(gone);
    });
}

void TCustomSynAutoComplete::RemoveEditor(TSynEdit* edit)
{
    const auto it = m_served.find(edit);
    if (it == m_served.end())
        return;
    edit->removeDestroyNotification(it->second);
    m_served.erase(it);
    m_indexes.erase(edit);
}

void TCustomSynAutoComplete::ShowAtCaret(TSynEdit* edit)
{
    const QPoint caretTop = edit->mapToGlobal(edit->caretPixelPos());
    FillAndShow(edit, caretTop, edit->lineHeight());
}

bool TCustomSynAutoComplete::FillAndShow(TSynEdit* edit, const QPoint& caretTop, int lineHeight)
{
    if (!serves(edit))
        return false;
    const QByteArray bytes = EditorText::documentUtf8(edit);
    const DocumentLines lines(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    const int line = edit->caretY() - 1;
    const auto source =
        chooseCompletionSource(lines, m_indexes[edit], line, EditorText::byteColumn(edit, line, edit->caretX()),
                               programFile(QStringLiteral("completion")));
    if (!source || source->entries.isEmpty())
        return false;
    m_popup->FyllMedParameter(source->className, source->entries);
    m_popup->startTyping(edit);
    m_popup->popupAt(edit, caretTop, lineHeight);
    return true;
}

void TCustomSynAutoComplete::InsertChoice(const QString& row, TSynEdit* edit)
{
    const CompletionList::Insertion insertion = CompletionList::InsertChoice(row);
    edit->setSelText(insertion.text);
    if (insertion.caretBack > 0)
        edit->setCaretX(edit->caretX() - insertion.caretBack);
    if (OnChoiceInserted)
        OnChoiceInserted(insertion);
}
