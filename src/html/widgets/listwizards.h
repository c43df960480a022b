#pragma once

#include "html/widgets/wizarddialog.h"

class ListEditor;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// The ordered, unordered and selection list wizards: a few fields of their
// own, an entry field with "Add..", and the list of entries.
class ListWizard : public WizardDialog {
    Q_OBJECT
public:
    enum class Kind { Ordered, Unordered, Selection };
    ListWizard(HtmlHost* host, Kind kind);

    ListEditor* listEditor() const { return m_list; }

protected:
    std::optional<Insertion> makeInsertion() override;

private:
    void addEntryRows(const QString& entryLabel, const QString& listLabel, int narrowAt, const QString& importTitle);
    void startValueEdited(const QString& text);

    Kind m_kind;
    QComboBox* m_type = nullptr;
    QLabel* m_example = nullptr;
    QLineEdit* m_start = nullptr;
    QLineEdit* m_name = nullptr;
    QCheckBox* m_multiline = nullptr;
    QLineEdit* m_length = nullptr;
    QLineEdit* m_entry = nullptr;
    ListEditor* m_list = nullptr;
};
