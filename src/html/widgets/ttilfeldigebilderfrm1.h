#pragma once

#include "html/widgets/wizarddialog.h"

class ListEditor;
class QComboBox;
class QLineEdit;

// The random image wizard ("Random image"): a script that shows one of the
// listed pictures, as an image or as the page's background.
class TTilfeldigebilderFrm1 : public WizardDialog {
    Q_OBJECT
public:
    explicit TTilfeldigebilderFrm1(HtmlHost* host);
    QComboBox* type;
    QLineEdit* Edit1;
    ListEditor* Elementer;

protected:
    std::optional<Insertion> makeInsertion() override;

private:
    // An entry left the list: with a project catalog its picture may go too.
    void entryDeleted(const QString& entry);
};
