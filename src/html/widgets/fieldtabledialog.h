#pragma once

#include "html/fieldwizards.h"
#include "html/widgets/wizarddialog.h"

#include <QHash>

class QWidget;

// A wizard built from a field table: one row per field, in the table's
// order, and the table's generator on OK.
class FieldTableDialog : public WizardDialog {
    Q_OBJECT
public:
    FieldTableDialog(HtmlHost* host, FieldWizardKind kind);

    // The control of a row key (a QLineEdit, QCheckBox or QComboBox).
    QWidget* field(const QString& key) const { return m_fields.value(key); }

protected:
    std::optional<Insertion> makeInsertion() override;

private:
    void pickImage(const FieldRow& row);
    void pickImagePath(const FieldRow& row);
    void fillSize(const QString& picturePath);
    FieldValues values() const;

    const FieldWizard& m_wizard;
    QHash<QString, QWidget*> m_fields;
};
