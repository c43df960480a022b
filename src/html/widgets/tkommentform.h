#pragma once

#include "html/widgets/wizarddialog.h"

class QPlainTextEdit;

// The comment wizard ("Comment:").
class TKommentForm : public WizardDialog {
    Q_OBJECT
public:
    explicit TKommentForm(HtmlHost* host);
    QPlainTextEdit* Memo1;

protected:
    std::optional<Insertion> makeInsertion() override;
};
