#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// "Keywords": the name of a new autocompletion template.
class TKeywordFrm : public QDialog {
    Q_OBJECT
public:
    explicit TKeywordFrm(QWidget* parent = nullptr);

    QLineEdit* Keywordtext = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
};
