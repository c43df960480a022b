#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct SearchQuery;

// ReplaceDialog1: an editor window's modeless replace dialog. It edits the
// window's replace query as the user types, so "Replace again" uses what
// the dialog shows; the query must outlive the dialog.
class TReplaceDialog : public QDialog {
    Q_OBJECT
public:
    explicit TReplaceDialog(SearchQuery& query, QWidget* parent = nullptr);

    // Shows the dialog with the query's current values and focuses the text.
    void showDialog();

signals:
    void findNextClicked();
    // Replace and Replace All: the query's replaceAll already says which.
    void replaceClicked();

private:
    void load();
    void store();
    void replace(bool all);

    SearchQuery& m_query;
    QLineEdit* m_findText;
    QLineEdit* m_replaceText;
    QCheckBox* m_wholeWord;
    QCheckBox* m_matchCase;
    QRadioButton* m_up;
    QRadioButton* m_down;
    QPushButton* m_findNext;
    QPushButton* m_replace;
    QPushButton* m_replaceAll;
    bool m_loading = false;
};
