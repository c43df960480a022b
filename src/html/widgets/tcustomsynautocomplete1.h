#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class TSynEdit;
class TfmCustomSynHTMLAutoComplete;

// The HTML attribute completion of one editor window: after a blank in a
// start tag it shows the tag's attributes (from the program's attribute
// table, read each time) and writes the chosen one at the caret. It serves
// the edit controls attached to it and forgets one that is destroyed.
class TCustomSynAutoComplete1 : public QObject {
    Q_OBJECT
public:
    explicit TCustomSynAutoComplete1(QWidget* window);
    ~TCustomSynAutoComplete1() override;

    // Attaching a control that is served already changes nothing.
    void attach(TSynEdit* editor);
    bool serves(const TSynEdit* editor) const;

    // The popup a line below the caret (kept on the screen), then FillAndShow.
    void ShowAtCaret(TSynEdit* editor);
    // Shows the attributes of the tag at the caret at the screen point
    // topLeft; nothing when the caret is in no start tag the table knows.
    // lineHeight lets the popup open above the line near the screen's bottom.
    void FillAndShow(TSynEdit* editor, const QPoint& caretTop, int lineHeight);
    // Writes the chosen attribute at the caret: with ="" and the caret
    // between the quotes when it takes a value.
    void InsertChoice(const QString& attribute, TSynEdit* editor);

    TfmCustomSynHTMLAutoComplete* popup() const { return m_popup; }

private:
    struct Served {
        TSynEdit* editor;
        int notification;
    };
    std::vector<Served> m_served;
    QPointer<QWidget> m_window;
    TfmCustomSynHTMLAutoComplete* m_popup; // owned by the window
};
