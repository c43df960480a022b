#include "settings/widgets/tkeywordfrm.h"
#include "settings/widgets/smalldialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

TKeywordFrm::TKeywordFrm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TKeywordFrm"));
    setWindowTitle(QStringLiteral("Keywords"));
    auto* group = new QGroupBox(QStringLiteral("Add new keyword:"), this);
    auto* form = new QFormLayout(group);
    Keywordtext = new QLineEdit(group);
    Keywordtext->setObjectName(QStringLiteral("Keywordtext"));
    Keywordtext->setMinimumWidth(fontMetrics().averageCharWidth() * 24);
    auto* label = new QLabel(QStringLiteral("Keyword name:"), group);
    label->setBuddy(Keywordtext);
    form->addRow(label, Keywordtext);

    layOutGroupWithOkCancel(this, group, &okButton, &cancelButton);
}
