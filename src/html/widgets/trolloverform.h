#pragma once

#include "html/widgets/wizarddialog.h"

class QLineEdit;

// The rollover wizard ("Rollover image wizard"): a linked picture that
// swaps with another under the mouse, and the head script that swaps them.
class TRolloverForm : public WizardDialog {
    Q_OBJECT
public:
    explicit TRolloverForm(HtmlHost* host);
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5;

protected:
    std::optional<Insertion> makeInsertion() override;
    void okClicked() override;
};
