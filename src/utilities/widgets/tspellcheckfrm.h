#pragma once

#include "utilities/widgets/tsynspellcheck.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

// "Spell check": the unknown word, the suggestions (an edit field over a
// list that stays open) and five buttons that answer the spell checker.
class TSpellCheckFrm : public QDialog {
    Q_OBJECT
public:
    explicit TSpellCheckFrm(QWidget* parent = nullptr);

    QLineEdit* editUnknown = nullptr;
    QLineEdit* SuggestionsCombo = nullptr; // the edit field of the suggestions
    QListWidget* SuggestionsList = nullptr;
    QPushButton* btnChange = nullptr;
    QPushButton* btnAbort = nullptr;
    QPushButton* btnIgnore = nullptr;
    QPushButton* btnIgnoreAll = nullptr;
    QPushButton* btnAdd = nullptr;

    // Shows the word and its suggestions modally. The answer is the button's
    // action; `correct` becomes the suggestion field's text. Closed without
    // a button, `action` keeps what it held.
    void ask(const QString& word, const QStringList& suggestions, QString& correct, SpellAction& action);

private:
    SpellAction m_answer = SpellAction::Abort;
    bool m_answered = false;
};
