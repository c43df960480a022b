#pragma once

#include <QStringList>

class TSynEdit;

// The template component (the main window's SynAutoComplete1, serving every
// editor window): expands a template's name before the caret into its body.
class TSynAutoComplete {
public:
    void setCompletionList(const QStringList& list) { m_list = list; }
    const QStringList& completionList() const { return m_list; }

    // When word names a template and ends at the caret: replaces it by the
    // template's body, indented to the caret's column, as one undoable step,
    // with the caret where the body's "|" stood. False when nothing happened.
    bool Execute(const QString& word, TSynEdit* edit) const;

private:
    QStringList m_list;
};
