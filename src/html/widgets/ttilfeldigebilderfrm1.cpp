#include "html/widgets/ttilfeldigebilderfrm1.h"

#include "html/fieldwizards.h"
#include "html/projectfiles.h"
#include "html/scriptwizards.h"
#include "html/widgets/filepicking.h"
#include "html/widgets/htmlhost.h"
#include "html/widgets/listeditor.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

TTilfeldigebilderFrm1::TTilfeldigebilderFrm1(HtmlHost* host)
    : WizardDialog(host, QStringLiteral("TTilfeldigebilderFrm1"), QStringLiteral("Random image"),
                   QStringLiteral("HID_RNDImageDLG"))
{
    type = new QComboBox(this);
    type->setObjectName(QStringLiteral("type"));
    type->addItems({QStringLiteral("Ordinary image"), QStringLiteral("Background image")});
    type->setCurrentIndex(-1);
    type->setPlaceholderText(QStringLiteral("Select"));
    addRow(QStringLiteral("Type of random image:"), type);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(220);
    QPushButton* find = makeButton(QStringLiteral("Find file."), QStringLiteral("findFile"));
    addRow(QStringLiteral("Image:"), Edit1, find);
    connect(find, &QPushButton::clicked, this, [this] {
        const QString warning = QStringLiteral("A prosject catalog is not defined so the link for this image will "
                                               "point to an image on you local machine!!");
        if (const auto picked = FilePicking::pickImage(this, m_host, FilePicking::randomImageFilter(), warning))
            Edit1->setText(*picked);
    });

    ListEditor::Setup setup;
    setup.objectName = QStringLiteral("Elementer");
    setup.headers = QStringList{QStringLiteral("Images in list")};
    setup.fullWidth = 289;
    setup.narrowWidth = 272;
    setup.addCaption = QStringLiteral("Add..");
    setup.deleteCaption = QStringLiteral("Delete..");
    Elementer = new ListEditor(setup, this);
    addRow(QStringLiteral("Images in list:"), Elementer);
    connect(Elementer->addButton(), &QPushButton::clicked, this, [this] {
        Elementer->addRow({Edit1->text()});
        Edit1->clear();
    });
    Elementer->onDeleted = [this](const QStringList& row) { entryDeleted(row.value(0)); };
    finishRows();
}

void TTilfeldigebilderFrm1::entryDeleted(const QString& entry)
{
    // Only a picture that really lies in the images folder may go.
    const auto path = ProjectFiles::deletableImage(m_host->projectCatalog(), m_host->imagesFolder(), entry);
    if (!path)
        return;
    if (QMessageBox::question(this, QStringLiteral("Question"),
                              QStringLiteral("Delete the picture \"%1\" from the project's images folder too?").arg(*path),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    if (const Result<void> deleted = ProjectFiles::deleteFile(*path); !deleted)
        error(deleted.error());
}

std::optional<Insertion> TTilfeldigebilderFrm1::makeInsertion()
{
    const QString prefix =
        m_host->projectCatalog().isEmpty() ? QString() : imageInFolder(m_host->imagesFolder(), QString());
    const bool background = type->currentText() != QLatin1String("Ordinary image") || type->currentIndex() < 0;
    return Insertion{ScriptWizards::randomImageMarkup(Elementer->firstColumn(), prefix, background, m_host->escaper()),
                     std::nullopt};
}
