#include "html/widgets/trolloverform.h"

#include "html/fieldwizards.h"
#include "html/scriptwizards.h"
#include "html/widgets/filepicking.h"
#include "html/widgets/htmlhost.h"
#include "html/widgets/scriptcommands.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>

TRolloverForm::TRolloverForm(HtmlHost* host)
    : WizardDialog(host, QStringLiteral("TRolloverForm"), QStringLiteral("Rollover image wizard"),
                   QStringLiteral("HID_ROLLOVER_DLG"))
{
    auto edit = [this](const char* name, const QString& text = QString()) {
        auto* e = new QLineEdit(text, this);
        e->setObjectName(QLatin1String(name));
        e->setMinimumWidth(240);
        return e;
    };
    auto picker = [this](QLineEdit* field, const char* name) {
        QPushButton* find = makeButton(QStringLiteral("Find.."), QLatin1String(name));
        connect(find, &QPushButton::clicked, this, [this, field] {
            if (const auto picked = FilePicking::pickImage(this, m_host))
                field->setText(*picked);
        });
        return find;
    };
    Edit1 = edit("Edit1");
    addRow(QStringLiteral("Original image:"), Edit1, picker(Edit1, "findOriginal"));
    Edit3 = edit("Edit3");
    addRow(QStringLiteral("Rollover image:"), Edit3, picker(Edit3, "findRollover"));
    Edit2 = edit("Edit2", ScriptWizards::defaultRolloverName(int(QRandomGenerator::global()->bounded(10000))));
    addRow(QStringLiteral("Image name:"), Edit2);
    Edit4 = edit("Edit4", QStringLiteral("#"));
    QPushButton* file = makeButton(QStringLiteral("File.."), QStringLiteral("findLink"));
    addRow(QStringLiteral("Link:"), Edit4, file);
    connect(file, &QPushButton::clicked, this, [this] {
        if (const auto picked = FilePicking::pickPage(this, m_host, QStringLiteral("HTML files (*.htm *.html)")))
            Edit4->setText(*picked);
    });
    Edit5 = edit("Edit5");
    addRow(QStringLiteral("Status message:"), Edit5);
    finishRows();
}

std::optional<Insertion> TRolloverForm::makeInsertion()
{
    if (!ScriptWizards::isScriptIdentifier(Edit2->text())) {
        information(ScriptWizards::rolloverIdentifierMessage());
        Edit2->setFocus();
        return std::nullopt;
    }
    ScriptWizards::RolloverValues v;
    v.originalImage = Edit1->text();
    v.rolloverImage = Edit3->text();
    v.name = Edit2->text();
    v.link = Edit4->text();
    v.message = Edit5->text();
    const QString prefix =
        m_host->projectCatalog().isEmpty() ? QString() : imageInFolder(m_host->imagesFolder(), QString());
    return Insertion{ScriptWizards::rolloverMarkup(v, prefix, m_host->escaper()), std::nullopt};
}

void TRolloverForm::okClicked()
{
    if (!m_host->hasEditor()) {
        WizardDialog::okClicked(); // says there is no document
        return;
    }
    const std::optional<Insertion> insertion = makeInsertion();
    if (!insertion)
        return;
    m_host->writeInsertion(*insertion);
    ScriptCommands::addHeadScriptOnce(m_host, this, ScriptWizards::RolloverMarker, ScriptWizards::rolloverHeadScript());
    accept();
}
