#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The small progress dialog of a compile: file name, number of errors,
// and OK, "Show all errors" and "Run".
class TCompiler1 : public QDialog {
    Q_OBJECT
public:
    explicit TCompiler1(QWidget* parent = nullptr);

    QLabel* ProjName = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* BitBtn1 = nullptr; // OK
    QPushButton* BitBtn2 = nullptr; // Show all errors
    QPushButton* BitBtn3 = nullptr; // Run
    QString outputText;             // the trimmed compiler output, for "Show all errors"

signals:
    void runRequested();
};

// "Compiler output window": the whole output of a compile.
class TOutputForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TOutputForm1(const QString& text, QWidget* parent = nullptr);
};
