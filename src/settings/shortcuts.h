#pragma once

#include <QString>
#include <Qt>

#include <array>
#include <cstdint>
#include <vector>

class IniBatch;
class IniFile;

// Keyboard shortcuts of the main menu: the 16-bit shortcut value (virtual
// key code in the low byte plus modifier bits), its text form as stored in
// Vornic.ini and shown on the options page, and the 89 numbered slots.
namespace Shortcuts {

using Value = std::uint16_t;
constexpr Value ShiftBit = 0x2000, CtrlBit = 0x4000, AltBit = 0x8000;

// Text to value tries these codes in order. A code above 255 carries the
// name of its low byte, so it never matches before that byte itself does.
constexpr int FirstKeyCode = 8, LastKeyCode = 597;

constexpr int SlotCount = 89;

struct Slot {
    const char* optionsText; // the row's text on the options page
    const char* component;   // the main-menu item the slot binds
    const char* caption;     // that item's caption
    const char* defaultText; // the built-in shortcut text, "" for none
};
extern const std::array<Slot, SlotCount> kSlots;

using TextList = std::array<QString, SlotCount>;

// The name of a key code without modifiers; empty when the code has none.
QString keyName(int keyCode);

// Modifier words ("Shift+", "Ctrl+" or "^", "Alt+", any order and case),
// then a key name with letter case ignored. 0 when nothing matches.
Value textToShortcut(const QString& text);
// "Shift+", "Ctrl+", "Alt+" in this order, then the key name; "" for 0.
QString shortcutToText(Value value);

// A Qt::Key | Qt::KeyboardModifier combination for QKeySequence, with the
// US layout's unshifted keys for punctuation; 0 when the key has no Qt key.
int shortcutToQtKey(Value value);

// Two texts give the same key (letter case and the order of the modifier
// words do not matter). Texts that give no key never do.
bool sameShortcut(const QString& a, const QString& b);

// A slot whose text gives the key of a lower slot.
struct ShortcutClash {
    int slot;
    int keptBy; // the lower slot, which keeps the key
    bool operator==(const ShortcutClash&) const = default;
};

// The values the menu items get: Qt runs neither of two items with one key,
// so the lower slot keeps it and the later one gets none.
struct AppliedShortcuts {
    std::array<Value, SlotCount> values{};
    std::vector<ShortcutClash> clashes; // in slot order
};
AppliedShortcuts appliedShortcuts(const TextList& texts);
// What the user is told of the clashes: every slot that lost its key, its
// text and the slot that kept it.
QString clashMessage(const std::vector<ShortcutClash>& clashes, const TextList& texts);

// A pressed key (a Qt key with its modifiers) as a value; 0 for a key that
// has no code here or a combination with the Meta key.
Value qtKeyToShortcut(int qtKey, Qt::KeyboardModifiers modifiers);

// Giving a row of the options page a new text: a row clashes when its text
// is the same (blanks trimmed, letter case ignored) or gives the same key.
enum class NewTextCheck {
    Accepted,     // empty (no shortcut), or a key no row holds
    Clash,        // some row, the changed one included, holds the same key
    NotAShortcut, // the text names no key the menus can carry
};
NewTextCheck checkNewText(const TextList& rows, const QString& text);

// Section ShortCutList of the settings file.
inline constexpr char Section[] = "ShortCutList";
inline constexpr char DefaultListKey[] = "DefaultList";

// The texts the main window applies: every key read with its slot's
// default, whatever DefaultList says.
TextList appliedTexts(const IniFile& ini);
// The texts the options page lists: once a list has been saved
// (DefaultList false) a missing key reads as no shortcut.
TextList listedTexts(const IniFile& ini);
// Writes DefaultList false and every key with its text, blanks trimmed.
// Throws IniWriteError when the file cannot be written.
void writeTexts(IniFile& ini, const TextList& texts);
void writeTexts(IniBatch& batch, const TextList& texts);

} // namespace Shortcuts
