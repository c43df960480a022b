#pragma once

#include "html/widgets/wizarddialog.h"

#include <functional>

class ListEditor;
class QLineEdit;

// The link list wizard ("Linkscript"): a drop-down list that sends the
// browser to the chosen row's web location, and its head script.
class TLinkScriptFrm : public WizardDialog {
    Q_OBJECT
public:
    explicit TLinkScriptFrm(HtmlHost* host);
    QLineEdit *Edit3, *Edit2;
    ListEditor* list() const { return m_list; }
    // The list's number when the document has no list script yet; a random
    // one from 0 to 1999 unless replaced.
    std::function<int()> random;

protected:
    std::optional<Insertion> makeInsertion() override { return std::nullopt; }
    void okClicked() override;

private:
    ListEditor* m_list;
};
