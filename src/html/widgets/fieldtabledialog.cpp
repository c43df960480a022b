#include "html/widgets/fieldtabledialog.h"

#include "html/imgsize.h"
#include "html/projectfiles.h"
#include "html/widgets/filepicking.h"
#include "html/widgets/htmlhost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FieldTableDialog::FieldTableDialog(HtmlHost* host, FieldWizardKind kind)
    : WizardDialog(host, QLatin1String(fieldWizard(kind).objectName), QString::fromUtf8(fieldWizard(kind).caption),
                   QLatin1String(fieldWizard(kind).helpTopic)),
      m_wizard(fieldWizard(kind))
{
    for (const FieldRow& row : m_wizard.rows) {
        const QString key = QLatin1String(row.key);
        const QString label = QString::fromUtf8(row.label);
        QWidget* control = nullptr;
        QPushButton* button = nullptr;
        switch (row.kind) {
        case FieldKind::Check: {
            auto* box = new QCheckBox(label, this);
            control = box;
            break;
        }
        case FieldKind::Choice:
        case FieldKind::EditableChoice: {
            auto* combo = new QComboBox(this);
            for (const char* choice : row.choices)
                combo->addItem(QString::fromUtf8(choice));
            combo->setEditable(row.kind == FieldKind::EditableChoice);
            combo->setCurrentIndex(-1); // no choice yet
            if (row.kind == FieldKind::Choice)
                combo->setPlaceholderText(QStringLiteral("Select"));
            control = combo;
            break;
        }
        case FieldKind::Text:
        case FieldKind::ImageFile:
        case FieldKind::ImagePath: {
            auto* edit = new QLineEdit(QString::fromUtf8(row.defaultText), this);
            edit->setMinimumWidth(220);
            control = edit;
            if (row.kind != FieldKind::Text) {
                button = makeButton(QString::fromUtf8(row.buttonText), key + QStringLiteral("Button"));
                const FieldRow* r = &row;
                connect(button, &QPushButton::clicked, this, [this, r] {
                    if (r->kind == FieldKind::ImageFile)
                        pickImage(*r);
                    else
                        pickImagePath(*r);
                });
            }
            break;
        }
        }
        control->setObjectName(key);
        m_fields.insert(key, control);
        if (row.kind == FieldKind::Check) {
            if (*row.note) {
                // The check box and its example share the row.
                auto* holder = new QWidget(this);
                auto* line = new QHBoxLayout(holder);
                line->setContentsMargins(0, 0, 0, 0);
                control->setParent(holder);
                line->addWidget(control);
                line->addWidget(new QLabel(QString::fromUtf8(row.note), holder));
                line->addStretch(1);
                addWideRow(holder);
            } else {
                addWideRow(control);
            }
        } else {
            addRow(label, control, button);
        }
    }
    finishRows();
}

FieldValues FieldTableDialog::values() const
{
    FieldValues v;
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it) {
        if (auto* edit = qobject_cast<QLineEdit*>(it.value()))
            v.texts.insert(it.key(), edit->text());
        else if (auto* combo = qobject_cast<QComboBox*>(it.value()))
            v.texts.insert(it.key(), combo->isEditable() || combo->currentIndex() >= 0 ? combo->currentText() : QString());
        else if (auto* box = qobject_cast<QCheckBox*>(it.value()); box && box->isChecked())
            v.ticked.insert(it.key());
    }
    return v;
}

std::optional<Insertion> FieldTableDialog::makeInsertion()
{
    FieldContext context;
    context.indentation = m_host->indentation();
    context.hasProjectCatalog = !m_host->projectCatalog().isEmpty();
    context.imagesFolder = m_host->imagesFolder();
    return m_wizard.generate(values(), context, m_host->escaper());
}

void FieldTableDialog::pickImage(const FieldRow& row)
{
    const auto picked = FilePicking::pickImage(this, m_host);
    if (!picked)
        return;
    const bool inProject = !m_host->projectCatalog().isEmpty();
    const QString folder = ProjectFiles::imagesFolderPath(m_host->projectCatalog(), m_host->imagesFolder());
    auto* edit = static_cast<QLineEdit*>(field(QLatin1String(row.key)));
    edit->setText(inProject && m_wizard.pickedImageWithFolder ? imageInFolder(m_host->imagesFolder(), *picked) : *picked);
    if (*m_wizard.widthKey)
        fillSize(inProject ? QDir(folder).filePath(*picked) : *picked);
}

void FieldTableDialog::pickImagePath(const FieldRow& row)
{
    if (const auto path = FilePicking::chooseFile(this, QString(), FilePicking::imageFilter()))
        static_cast<QLineEdit*>(field(QLatin1String(row.key)))->setText(*path);
}

void FieldTableDialog::fillSize(const QString& picturePath)
{
    const Result<ImageSize> size = imageSizeOfFile(picturePath);
    if (!size) {
        error(size.error());
        return;
    }
    // A size the reader did not find leaves the fields empty.
    auto text = [](quint32 n) { return n ? QString::number(n) : QString(); };
    static_cast<QLineEdit*>(field(QLatin1String(m_wizard.widthKey)))->setText(text(size.value().width));
    static_cast<QLineEdit*>(field(QLatin1String(m_wizard.heightKey)))->setText(text(size.value().height));
}
