#pragma once

#include <QDialog>
#include <QStringList>

class GeneratorHost;
class JavaCodeBox;
class QComboBox;
class QPushButton;
class QTreeWidget;

// "Try catch code generator": the code (the editor's selection when the
// dialog opens) wrapped in try, with one catch block per listed exception,
// written over the selection on OK.
class TExeptionFrm : public QDialog {
    Q_OBJECT
public:
    explicit TExeptionFrm(GeneratorHost& host, QWidget* parent = nullptr);

    JavaCodeBox* SynMemo1;  // the code to wrap
    QComboBox* ComboBox1;   // exception to add
    QPushButton* Button3;   // "Add.."
    QTreeWidget* ListView1; // the exceptions caught, in order
    QPushButton* Button4;   // "Delete.."
    QPushButton* Button1;   // "OK"
    QPushButton* Button2;   // "Cancel"
    QPushButton* Button5;   // "Help"

    void Button3Click(); // add the exception
    void Button4Click(); // delete the selected exception
    void Button1Click(); // write try and catches and close
    void Button5Click(); // help

    QStringList exceptions() const;

private:
    void applyColumnWidth();

    GeneratorHost& m_host;
};
