#pragma once

#include "workspace/widgets/tfinddialog.h"

// ReplaceDialog1: an editor window's modeless replace dialog. It edits the
// window's replace query as the user types, so "Replace again" uses what
// the dialog shows; the query must outlive the dialog.
class TReplaceDialog : public TFindDialog {
    Q_OBJECT
public:
    explicit TReplaceDialog(SearchQuery& query, QWidget* parent = nullptr);

signals:
    // Replace and Replace All: the query's replaceAll already says which.
    void replaceClicked();

private:
    void replace(bool all);
};
