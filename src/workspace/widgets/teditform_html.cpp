// TEditForm: HTML commands on this window's selection.
#include "editor/widgets/tsynedit.h"
#include "html/inlineinsertion.h"
#include "workspace/widgets/teditform.h"

void TEditForm::AlignmentTekst(const QString& alignment)
{
    SynEdit1->setSelText(InlineInsertion::alignmentText(alignment, SynEdit1->selText()));
}

void TEditForm::StartEndTagTekst(const QString& start, const QString& end)
{
    SynEdit1->setSelText(InlineInsertion::startEndTagText(start, end, SynEdit1->selText()));
}
