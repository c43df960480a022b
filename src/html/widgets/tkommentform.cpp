#include "html/widgets/tkommentform.h"

#include "html/textwizards.h"
#include "html/widgets/htmlhost.h"

#include <QPlainTextEdit>

TKommentForm::TKommentForm(HtmlHost* host)
    : WizardDialog(host, QStringLiteral("TKommentForm"), QStringLiteral("Comment:"), QString())
{
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setTabChangesFocus(true);
    Memo1->setMinimumSize(320, 8 * fontMetrics().lineSpacing());
    addRow(QStringLiteral("Comment:"), Memo1);
    finishRows();
}

std::optional<Insertion> TKommentForm::makeInsertion()
{
    return Insertion{commentMarkup(Memo1->toPlainText(), m_host->indentation(), m_host->escaper()), std::nullopt};
}
