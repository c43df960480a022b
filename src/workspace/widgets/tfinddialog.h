#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct SearchQuery;

// FindDialog1: an editor window's modeless find dialog. It edits the
// window's find query as the user types, so "Find Next" from the menu uses
// what the dialog shows; the query must outlive the dialog.
class TFindDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFindDialog(SearchQuery& query, QWidget* parent = nullptr);

    // Shows the dialog with the query's current values and focuses the text.
    void showDialog();

signals:
    void findNextClicked();

protected:
    // With `replacing`, the dialog has the replace text and the Replace and
    // Replace All buttons too (the replace dialog).
    TFindDialog(SearchQuery& query, bool replacing, QWidget* parent);

    SearchQuery& m_query;
    QPushButton* m_replace = nullptr;
    QPushButton* m_replaceAll = nullptr;

private:
    void load();
    void store();

    QLineEdit* m_findText;
    QLineEdit* m_replaceText = nullptr;
    QCheckBox* m_wholeWord;
    QCheckBox* m_matchCase;
    QRadioButton* m_up;
    QRadioButton* m_down;
    QPushButton* m_findNext;
    bool m_loading = false;
};
