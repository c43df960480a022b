// TEditForm: code assistance. The "." that opens the member popup, the blank
// that expands a template, and the parameter hint of the method chosen last.
#include "workspace/widgets/teditform.h"

#include "assist/parameterhints.h"
#include "assist/widgets/editortext.h"
#include "assist/widgets/parameterhint.h"
#include "assist/widgets/tcustomsynautocomplete.h"
#include "editor/widgets/tsynedit.h"
#include "workspace/editorlogic.h"
#include "workspace/widgets/editorhost.h"

void TEditForm::setUpCodeAssistance()
{
    JavaCompletion = new TCustomSynAutoComplete(this);
    JavaCompletion->AddEditor(SynEdit1);
    scpParams = new ParameterHint(this);
    scpParams->attach(SynEdit1);
    scpParams->OnExecute = [this] { return scpParamsExecute(); };
    JavaCompletion->OnChoiceInserted = [this](const CompletionList::Insertion& insertion) {
        LastChosenMethod = insertion.lastChosenMethod;
        scpParams->setItem(TCustomSynAutoComplete::QuoteParameters(insertion.parameters));
        if (insertion.method && !insertion.parameters.trimmed().isEmpty())
            scpParams->activate();
    };
}

std::optional<int> TEditForm::scpParamsExecute() const
{
    return ParameterHints::currentParameter(SynEdit1->lineText(), SynEdit1->caretX(), LastChosenMethod);
}

void TEditForm::dotTyped()
{
    // The cheap tests first: the comment test reads the caret line.
    if (!captionExtension().contains(QLatin1String(".java")) || !m_host->completionProposalChecked())
        return;
    if (EditorText::caretInCommentOrString(SynEdit1))
        return;
    JavaCompletion->ShowAtCaret(SynEdit1);
}

void TEditForm::spaceDown(Qt::KeyboardModifiers shift)
{
    if (shift & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return;
    const QString ext = captionExtension();
    if (!ext.contains(QLatin1String(".java")) || ext.contains(QLatin1String(".htm")))
        return;
    const QString word = EditorLogic::FinnID(SynEdit1->lineText(), SynEdit1->caretX()).trimmed();
    if (word == QLatin1String("=") || word.isEmpty() || !m_host->autocompletionChecked())
        return;
    if (EditorText::caretInCommentOrString(SynEdit1))
        return;
    m_host->expandTemplate(word, SynEdit1);
}
