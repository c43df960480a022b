#pragma once

#include "settings/shortcuts.h"

#include <QWidget>

#include <set>

class IniBatch;
class OptionsHost;
class QPushButton;
class QTreeWidget;

// The options dialog's "Shortcuts" page: one row per command slot with its
// shortcut text; "Change.." (or a double click) gives the selected row a new
// text in the "Change shortcut" window, refusing a key another row holds.
class ShortcutsPage : public QWidget {
    Q_OBJECT
public:
    ShortcutsPage(OptionsHost* host, QWidget* parent = nullptr);

    QTreeWidget* LbShortcutList = nullptr;
    QPushButton* Button7 = nullptr; // "Change.."

    // Fills the rows from the settings file (each slot's default where no
    // key is stored).
    void LoadShortcuts();
    // Reads the rows again when the page is shown; rows changed in this
    // dialog keep their new text.
    void LoadShortcutList();
    // Gives the selected row a new text after asking for it.
    void Button7Click();
    // The outcome of giving a row a text, with the messages shown.
    bool changeRow(int slot, const QString& text);

    Shortcuts::TextList texts() const;
    // What OK writes of the page: DefaultList false and every row's text.
    void UpdateShortcutList(IniBatch& settings) const;
    // A row was changed while the dialog was open: OK re-applies the list.
    bool changed() const { return m_changed; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    OptionsHost* m_host;
    bool m_changed = false;
    std::set<int> m_changedRows;
};
