// TEditForm: the HTML attribute popup and the HTML commands on this
// window's selection.
#include "editor/widgets/tsynedit.h"
#include "html/inlineinsertion.h"
#include "html/widgets/tcustomsynautocomplete1.h"
#include "workspace/widgets/editorhost.h"
#include "workspace/widgets/teditform.h"

#include <QTimer>

void TEditForm::AlignmentTekst(const QString& alignment)
{
    SynEdit1->setSelText(InlineInsertion::alignmentText(alignment, SynEdit1->selText()));
}

void TEditForm::StartEndTagTekst(const QString& start, const QString& end)
{
    SynEdit1->setSelText(InlineInsertion::startEndTagText(start, end, SynEdit1->selText()));
}

void TEditForm::setUpHtmlCompletion()
{
    HtmlAttrCompletion = new TCustomSynAutoComplete1(this);
    HtmlAttrCompletion->attach(SynEdit1);
}

void TEditForm::LeggTilEditor()
{
    HtmlAttrCompletion->attach(SynEdit1);
}

void TEditForm::htmlSpaceDown(Qt::KeyboardModifiers shift)
{
    // Ctrl+Space and the like are other commands' keys.
    if (shift & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return;
    if (!captionExtension().contains(QLatin1String(".htm")) || !m_host->completionProposalChecked())
        return;
    // The key goes on to the edit control: the popup opens after the blank
    // has been typed, so the blank already follows the tag name.
    QTimer::singleShot(0, this, [this] { HtmlAttrCompletion->ShowAtCaret(SynEdit1); });
}
