#include "settings/widgets/smalldialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

void layOutGroupWithOkCancel(QDialog* dialog, QGroupBox* group, QPushButton** ok, QPushButton** cancel)
{
    auto* buttons = new QDialogButtonBox(dialog);
    *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    (*ok)->setObjectName(QStringLiteral("okButton"));
    (*ok)->setDefault(true);
    *cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    (*cancel)->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
