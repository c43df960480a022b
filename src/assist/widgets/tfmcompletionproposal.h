#pragma once

#include "assist/widgets/completionpopup.h"

#include <QPointer>

class TCustomSynAutoComplete;
class TSynEdit;

// The Java member popup: "Class: " and the class in its header, one row per
// member with " : function" or " : datamember", the words of types and
// modifiers drawn bold. While it shows, typed characters go into the caret
// line after the dot and filter the rows by the member names they begin;
// Backspace past the dot closes it. Enter or the blank writes the chosen
// member at the caret (InsertChoice); with no row left, Enter and the blank
// close it and are typed. Escape closes it and keeps what was typed.
class TfmCompletionProposal : public CompletionPopup {
    Q_OBJECT
public:
    explicit TfmCompletionProposal(TCustomSynAutoComplete* owner, QWidget* parent = nullptr);

    // FyllMedParameter: the entries (the raw member lines) and their rows.
    void FyllMedParameter(const QString& className, const QStringList& entries);
    QStringList entries() const { return m_entries; }
    // Remembers the caret line as it is now (the saved line) and the caret
    // column, for the typing that follows.
    void startTyping(TSynEdit* edit);
    TSynEdit* edit() const;

    // Whether a word of a row is drawn bold (SjekkOgSkrivSubTekst).
    static bool isBoldWord(const QString& word);
    // A row cut into the words that are drawn one by one (LagTekstFormatert).
    static QStringList rowWords(const QString& row);

protected:
    bool keyPressed(QKeyEvent* event) override;
    void rowChosen(const QString& row) override;
    QStringList rowsForFilter(const QString& filter) const override;
    void paintRow(QPainter* painter, const QRect& rect, const QString& text, bool selected) const override;

private:
    void replaceLine(const QString& text, int caretColumn);
    // Closes and types the key into the editor after what was typed.
    void closeAndType(QKeyEvent* event);
    void moveCaretAfterTyping();
    void fitRows();

    TCustomSynAutoComplete* m_owner;
    QPointer<TSynEdit> m_edit;
    QStringList m_entries;
    QString m_savedLine;
    int m_popupColumn = 1;
};
