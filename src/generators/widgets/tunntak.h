#pragma once

#include <QDialog>

class GeneratorHost;
class JavaCodeBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Exception" (unntak: exception): a new exception class from its name and
// base class, previewed as it is typed and written at the caret on OK.
class TUnntak : public QDialog {
    Q_OBJECT
public:
    explicit TUnntak(GeneratorHost& host, QWidget* parent = nullptr);

    QLineEdit* Edit1;      // exception name
    QComboBox* ComboBox1;  // base class
    JavaCodeBox* SynMemo1; // preview
    QPushButton* Button1;  // "OK"
    QPushButton* Button2;  // "Cancel"
    QPushButton* Button3;  // "Help"

    // Rebuilds the preview after a change of the name or the base.
    void ComboBox1Click();
    // LagKode: make code.
    QString LagKode() const;
    void Button1Click(); // write the class and close
    void Button3Click(); // help

private:
    GeneratorHost& m_host;
    // The caret line's indentation, read once: the document cannot change
    // under the modal dialog, and the preview is rebuilt on every key.
    QString m_ind;
};
