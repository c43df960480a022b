#pragma once

#include "html/widgets/wizarddialog.h"

#include <functional>

class QCheckBox;
class QListWidget;

// The frames wizard ("Frames"): picks one of nine layouts, pictured, and
// makes a new document holding the frameset (and, when asked, its pages).
class TFramesValgFrm : public WizardDialog {
    Q_OBJECT
public:
    explicit TFramesValgFrm(HtmlHost* host);

    QListWidget* layouts() const { return m_layouts; }
    // The frameset's number; a random one from 0 to 999 unless replaced.
    std::function<int()> random;

protected:
    std::optional<Insertion> makeInsertion() override { return std::nullopt; }
    void okClicked() override;

private:
    QListWidget* m_layouts;
    QCheckBox* m_borders;
    QCheckBox* m_createPages;
};
