#pragma once

#include "generators/classwizard.h"

#include <QDialog>

#include <vector>

class GeneratorHost;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// "Java class wizard": a class name and its members (name, type, setter or
// not) become a whole class written at the caret of the active editor.
class TJavaKlasseWizFrm : public QDialog {
    Q_OBJECT
public:
    explicit TJavaKlasseWizFrm(GeneratorHost& host, QWidget* parent = nullptr);

    QLineEdit* Edit1;           // class name
    QComboBox* ComboBox1;       // data type
    QLineEdit* Edit3;           // member name
    QPushButton* Button1;       // "Add.."
    QTreeWidget* Datamedlemmer; // Datamedlemmer: data members
    QPushButton* Button5;       // "Delete.."
    QPushButton* Button2;       // "OK"
    QPushButton* Button3;       // "Cancel"
    QPushButton* Button4;       // "Help"

    void Button1Click(); // add a member
    void Button5Click(); // delete the selected member
    void Button2Click(); // write the class and close
    void Button4Click(); // help

    std::vector<ClassWizard::Member> members() const;

private:
    void applyTypeColumnWidth();

    GeneratorHost& m_host;
};
