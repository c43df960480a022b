#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "Change Language Name": the old name in brackets and a box for the new one.
class TChangeLangNameFrm : public QDialog {
    Q_OBJECT
public:
    TChangeLangNameFrm(const QString& oldName, QWidget* parent = nullptr);

    QLabel* oldNameLabel = nullptr;
    QLineEdit* newNameEdit = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
};

// "Change File Extention": the language's old mask in brackets and a box
// holding it for editing.
class TChangeFileExtFrm : public QDialog {
    Q_OBJECT
public:
    TChangeFileExtFrm(const QString& language, const QString& oldMask, QWidget* parent = nullptr);

    QLabel* oldMaskLabel = nullptr;
    QLineEdit* newMaskEdit = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
};
