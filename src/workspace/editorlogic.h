#pragma once

#include <QString>
#include <Qt>

// Small decisions of the editor window that need no window: the word before
// the caret, what a key does to the document's status, and which entry of
// the save dialog's filter a document starts on.
namespace EditorLogic {

// FinnID: find identifier. The word that ends at caretColumn (1-based) of
// lineText, for the Space autocompletion. The search starts at the character
// under the caret itself, which counts as part of the word unless it is a
// blank (at the line's end, the usual case, there is none). Blanks are
// spaces and tabs. Empty when only blanks lie at and before the caret.
QString FinnID(const QString& lineText, int caretColumn);

// What a key down means to the window, before the edit control handles it.
enum class KeyDownAction {
    Ignore,           // navigation and modifier keys
    KeepFocus,        // Enter and Delete: only keep the focus in the edit control
    SpaceTrigger,     // Space: attribute popup (HTML) or autocompletion (Java)
    ToggleInsertMode, // plain Insert: "Insertion" <-> "Overwrite" in the status bar
    MarkModified,     // everything else: "Modified", and the caret position as it was
};

// virtualKey is a Windows virtual-key code (see VK in editor/keymap.h).
KeyDownAction classifyKeyDown(int virtualKey, Qt::KeyboardModifiers modifiers);

// The 1-based entry of the save dialog's file-type filter (Java, HTML, Perl,
// PHP, XML, CSS, TXT, the custom languages, "All files") to select for a
// caption with this extension (leading dot included; letter case ignored).
// An unknown extension selects the entry just before "All files".
int saveFilterIndex(const QString& extension, int filterEntryCount);

} // namespace EditorLogic
