#pragma once

#include "html/widgets/wizarddialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// The table wizard ("Table wizard:").
class TTableForm : public WizardDialog {
    Q_OBJECT
public:
    explicit TTableForm(HtmlHost* host);

    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit9, *Edit12;
    QComboBox *ComboBox1, *ComboBox2, *ComboBox3;
    QCheckBox* CheckBox1;

protected:
    std::optional<Insertion> makeInsertion() override;

private:
    void Button1Click(); // "Select color.."
};
