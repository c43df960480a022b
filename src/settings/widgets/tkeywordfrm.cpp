#include "settings/widgets/tkeywordfrm.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

    auto* buttons = new QDialogButtonBox(this);
    okButton = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    cancelButton = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
