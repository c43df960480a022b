#pragma once

#include <QDialog>

class KeyCaptureEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// "Change shortcut": the row's old text and a box for the new one, which a
// combination pressed in the capture field fills in.
class TNewShortcutFrm : public QDialog {
    Q_OBJECT
public:
    TNewShortcutFrm(const QString& oldText, QWidget* parent = nullptr);

    QLabel* Label2 = nullptr;  // the old text
    QLineEdit* Edit1 = nullptr; // the new text
    KeyCaptureEdit* captureField = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    // The new text, blanks trimmed.
    QString newText() const;
};
