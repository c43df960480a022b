#pragma once

#include "html/insertion.h"

#include <QDialog>

#include <optional>

class HtmlHost;
class QGridLayout;
class QLabel;
class QPushButton;

// The frame of every HTML wizard: a dialog owned by the frame window that
// does not block it, centred on the screen, of fixed size, with OK (the
// default button), Cancel and, when the wizard has a help topic, Help.
// Rows are added in field order, so Tab follows it with each row's button
// after its field. OK asks the wizard for its text and writes it at the
// caret; with no document open the wizard stays and says so.
class WizardDialog : public QDialog {
    Q_OBJECT
public:
    WizardDialog(HtmlHost* host, const QString& objectName, const QString& caption, const QString& helpTopic);

    // Shows the wizard centred on the screen, the first field focused.
    void showWizard();
    QPushButton* okButton() const { return m_ok; }
    // Room beside the caption for the title bar's icon and buttons.
    static constexpr int TitleBarButtonsWidth = 110;

protected:
    // The text to write, or none to keep the wizard open (after the wizard
    // has said why). An empty text writes nothing and closes the wizard.
    virtual std::optional<Insertion> makeInsertion() = 0;
    // Runs on OK; the default writes makeInsertion() at the caret.
    virtual void okClicked();

    // A row: a label (buddy of the field), the field, and an optional button
    // (or other control) after it. Returns the row's label.
    QLabel* addRow(const QString& label, QWidget* field, QWidget* after = nullptr);
    // A field without a label of its own (check boxes), spanning the row.
    void addWideRow(QWidget* field, QWidget* after = nullptr);
    // A push button that never takes Enter from the fields.
    QPushButton* makeButton(const QString& caption, const QString& objectName);
    // The next free row, for a row laid out by the wizard itself.
    int takeRow() { return m_row++; }
    // Ends the rows: adds the OK, Cancel and Help buttons after them.
    void finishRows();

    void information(const QString& text, const QString& caption = QStringLiteral("Information"));
    void error(const QString& text);

    HtmlHost* m_host;
    QGridLayout* m_grid;

private:
    int m_row = 0;
    QString m_helpTopic;
    QPushButton* m_ok = nullptr;
    QWidget* m_firstField = nullptr;
};
