#include "app/widgets/tprosjektkatfrm.h"

#include "app/widgets/tvelgkatalogfrm.h"
#include "settings/widgets/helpwindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TProsjektKatFrm::TProsjektKatFrm(const ProjectCatalogue& catalogue, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Project catalog:"));
    setWindowFlag(Qt::WindowStaysOnTopHint);

    rootEdit = new QLineEdit(catalogue.ProjectCatalog, this);
    rootEdit->setMinimumWidth(300);
    imagesEdit = new QLineEdit(catalogue.ImagesFolder, this);
    findButton = new QPushButton(QStringLiteral("Find.."), this);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    helpButton = new QPushButton(QStringLiteral("Help"), this);
    okButton->setDefault(true);

    connect(findButton, &QPushButton::clicked, this, [this] { findClick(); });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this,
            [] { HelpWindow::instance()->showTopic(QStringLiteral("HID_PROJECT")); });

    auto* rootRow = new QHBoxLayout;
    rootRow->addWidget(rootEdit, 1);
    rootRow->addWidget(findButton);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Project catalog root:"), rootRow);
    form->addRow(QStringLiteral("Put images in subcatalog:"), imagesEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {okButton, cancelButton, helpButton})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

ProjectCatalogue TProsjektKatFrm::catalogue() const
{
    return {rootEdit->text(), imagesEdit->text()};
}

void TProsjektKatFrm::findClick()
{
    TVelgKatalogFrm chooser(rootEdit->text(), this);
    if (chooser.exec() == QDialog::Accepted)
        rootEdit->setText(chooser.directory());
}
