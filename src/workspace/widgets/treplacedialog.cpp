#include "workspace/widgets/treplacedialog.h"

#include "workspace/searchsession.h"

#include <QPushButton>

TReplaceDialog::TReplaceDialog(SearchQuery& query, QWidget* parent) : TFindDialog(query, true, parent)
{
    connect(m_replace, &QPushButton::clicked, this, [this] { replace(false); });
    connect(m_replaceAll, &QPushButton::clicked, this, [this] { replace(true); });
}

void TReplaceDialog::replace(bool all)
{
    m_query.replaceAll = all;
    emit replaceClicked();
}
