#pragma once

#include <QDialog>

#include <vector>

class GeneratorHost;
class JavaCodeBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// "Expression Builder": a statement composed in a small Java box from
// operator, keyword and skeleton buttons and from the members of the active
// document's classes, written at the editor's caret line by line on OK.
class TExpBuilder : public QDialog {
    Q_OBJECT
public:
    explicit TExpBuilder(GeneratorHost& host, QWidget* parent = nullptr);

    QTreeWidget* ListView1; // classes of the active document
    QTreeWidget* ListView2; // members of the chosen class
    JavaCodeBox* SynMemo1;  // the composition box
    QPushButton* Button1;   // "OK"
    QPushButton* Button2;   // "Cancel"
    QPushButton* Button3;   // "Undo" in the box
    QPushButton* Button4;   // "Redo" in the box
    // The insertion buttons, in the order of ExpressionBuilder::insertButtons().
    std::vector<QPushButton*> insertionButtons;

    // Fills the class list from the active document; done once, when the
    // dialog is first shown (the document cannot change under the modal
    // dialog, and a list refilled on repaint loses the user's choice).
    void FillClassList();
    void ListView1Click(); // show the chosen class's members
    void ListView2Click(); // write the chosen member into the box
    void Button1Click();   // write the box into the editor and close
    void insertionButtonClick(int index);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void replaceBoxSelection(const QString& text);

    GeneratorHost& m_host;
    bool m_classesFilled = false;
};
