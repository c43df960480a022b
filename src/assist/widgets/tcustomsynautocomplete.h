#pragma once

#include "assist/completionlist.h"
#include "assist/javadocumentindex.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <map>

class TSynEdit;
class TfmCompletionProposal;

// The Java completion component of an editor window (its JavaCompletion):
// on a dot it finds what the name before the dot offers and shows the member
// popup below the caret. It serves the edit controls attached to it and
// forgets each one when it is destroyed; it keeps a JavaDocumentIndex per
// control so that a dot far down a large file costs no rescan.
class TCustomSynAutoComplete : public QObject {
    Q_OBJECT
public:
    // The popup is made a child of popupParent.
    explicit TCustomSynAutoComplete(QWidget* popupParent);
    ~TCustomSynAutoComplete() override;

    // Serves the control; attaching one that is served changes nothing.
    void AddEditor(TSynEdit* edit);
    void RemoveEditor(TSynEdit* edit);
    bool serves(const TSynEdit* edit) const { return m_served.count(edit) != 0; }

    // The popup at the caret (FillAndShow at the caret's position).
    void ShowAtCaret(TSynEdit* edit);
    // Builds the entry list for a dot just typed at the caret and shows the
    // popup with its top-left at caretTop + one line, when there is an entry.
    // False when nothing is shown.
    bool FillAndShow(TSynEdit* edit, const QPoint& caretTop, int lineHeight);
    // Writes the chosen row's member at the caret as one undoable step and
    // reports it through OnChoiceInserted.
    void InsertChoice(const QString& row, TSynEdit* edit);
    static QString QuoteParameters(const QString& parameters) { return CompletionList::QuoteParameters(parameters); }

    // Told after every insertion: the editor window keeps the method's name
    // and opens the parameter hint.
    std::function<void(const CompletionList::Insertion&)> OnChoiceInserted;

    TfmCompletionProposal* popup() const { return m_popup; }

private:
    TfmCompletionProposal* m_popup;
    std::map<const TSynEdit*, int> m_served; // control -> its destroy notification
    std::map<const TSynEdit*, JavaDocumentIndex> m_indexes;
};
