#pragma once

#include "settings/colorschemes.h"

#include <QString>
#include <QStringList>

#include <optional>

class HighlightPreview;
class IniFile;
class QWidget;
struct OptionsSettings;

// What the options dialog asks of the frame window. The frame window
// implements it; the dialog never reaches further.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;

    virtual IniFile& settingsStore() = 0;
    // An editor window is open (the active one is what OK applies to).
    virtual bool editorOpen() const = 0;
    // The colours of the active editor window's Java highlighter.
    virtual std::optional<AttributeList> activeJavaColors() const = 0;
    // After OK has written Vornic.ini and the colour file: the editor
    // settings go to the active editor window (colours reloaded from
    // Vornic.ini and then its own colour file), the check marks of the View
    // menu and the quick-find panel follow.
    virtual void applyOptions(const OptionsSettings& settings) = 0;
    // The shortcut list written by OK goes to the menus.
    virtual void LoadShortcuts() = 0;
    // The template list written by OK goes to the editor windows.
    virtual void templatesSaved() = 0;
    // A custom language was added, renamed, deleted or given a new mask:
    // the file-type filter and both "Custom language document" menus follow.
    virtual void customLanguagesChanged() = 0;

    // "Select directory", starting at `start`; nothing when cancelled.
    virtual std::optional<QString> selectDirectory(const QString& start) = 0;
    // The page Help > "Homepage" opens.
    virtual void openHomepage() = 0;
    // The languages of the installed dictionaries.
    virtual QStringList dictionaryLanguages() const = 0;
    // A preview edit control for the dialog, parented to `parent`.
    virtual HighlightPreview* createHighlightPreview(QWidget* parent) = 0;
    // The edit-control command a key combination (Qt key | modifiers) runs in
    // an editor window, such as "Undo"; empty when none.
    virtual QString editorCommandOfKey(int qtKey) const = 0;
};
