#include "app/widgets/tprosjektkatfrm.h"

#include "app/widgets/tvelgkatalogfrm.h"
#include "settings/widgets/helpwindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
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
    rootEdit->setObjectName(QStringLiteral("rootEdit"));
    imagesEdit->setObjectName(QStringLiteral("imagesEdit"));
    findButton->setObjectName(QStringLiteral("findButton"));
    okButton->setObjectName(QStringLiteral("okButton"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    helpButton->setObjectName(QStringLiteral("helpButton"));

    connect(findButton, &QPushButton::clicked, this, [this] { findClick(); });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this,
            [] { HelpWindow::instance()->showTopic(QStringLiteral("HID_PROJECT")); });

    auto* rootRow = new QHBoxLayout;
    rootRow->addWidget(rootEdit, 1);
    rootRow->addWidget(findButton);
    // The root box shares its row with "Find..", so the form cannot pair its
    // label with it: both labels are made here and given their boxes.
    auto* rootLabel = new QLabel(QStringLiteral("Project catalog root:"), this);
    rootLabel->setBuddy(rootEdit);
    rootEdit->setAccessibleName(QStringLiteral("Project catalog root"));
    auto* imagesLabel = new QLabel(QStringLiteral("Put images in subcatalog:"), this);
    imagesLabel->setBuddy(imagesEdit);
    imagesEdit->setAccessibleName(QStringLiteral("Put images in subcatalog"));
    auto* form = new QFormLayout;
    form->addRow(rootLabel, rootRow);
    form->addRow(imagesLabel, imagesEdit);
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
