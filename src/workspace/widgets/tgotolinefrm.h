#pragma once

#include <QDialog>

class QLineEdit;

// "Goto line": a small tool window that stays on top, made anew for each
// command and shown at once. OK (or Enter in the edit box) hands over the
// line number and closes; a text that is no integer keeps it open.
class TGotoLineFrm : public QDialog {
    Q_OBJECT
public:
    // lineCount: the active editor's number of lines, for the group caption.
    explicit TGotoLineFrm(int lineCount, QWidget* parent = nullptr);

    QLineEdit* edit() const { return m_edit; }
    void OKBtnClick();

signals:
    // The line to make the active editor's caret line (maybe out of range:
    // the edit control keeps its caret within the text).
    void lineChosen(int line);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Brings the window to the front with the keyboard in its box and the
    // box's text selected.
    void takeKeyboard();

    QLineEdit* m_edit;
    bool m_placed = false;
};
