#pragma once

#include <QString>
#include <Qt>

#include <optional>

// Commands the edit control's own keys carry out.
enum class EditorCommand {
    Left, Right, Up, Down, WordLeft, WordRight, PageUp, PageDown, PageTop, PageBottom,
    LineStart, LineEnd, DocStart, DocEnd, ScrollUp, ScrollDown,
    ToggleMode, Copy, Cut, Paste, DeleteChar, DeleteLastChar, DeleteLastWord, DeleteWord,
    DeleteLine, DeleteEol, Undo, Redo, LineBreak, InsertLine, Tab, ShiftTab, ContextHelp,
    SelectAll, BlockIndent, BlockUnindent, GotoBookmark, SetBookmark, NormalSelect,
    ColumnSelect, LineSelect, MatchBracket,
};

struct KeyCommand {
    EditorCommand command;
    bool select = false; // a movement that extends the selection
    int param = 0;       // bookmark number
};

// The key map: the command bound to a key (a Qt key code with its
// modifiers; digits must already be resolved from shifted symbols).
std::optional<KeyCommand> lookupKeyCommand(int qtKey, Qt::KeyboardModifiers modifiers);

// The name a user knows a command by ("Undo", "Delete line"); the bookmark
// commands name their number.
QString editorCommandName(const KeyCommand& command);

// The digit key under a shifted symbol ("!" is Shift+1 ...): from the X11
// key code of the number row when known, else the US layout. -1 for none.
int digitUnderKey(int qtKey, unsigned nativeScanCode);

// The Windows virtual-key code of a Qt key, as key handlers are written
// against ('A' 0x41, VK_RETURN 13, VK_OEM_PERIOD 0xBE ...). 0 when unknown.
int virtualKeyFromQt(int qtKey, unsigned nativeScanCode = 0);

namespace VK {
enum : int {
    Back = 0x08, Tab = 0x09, Return = 0x0D, Shift = 0x10, Control = 0x11, Menu = 0x12, Pause = 0x13,
    Capital = 0x14, Escape = 0x1B, Space = 0x20, Prior = 0x21, Next = 0x22, End = 0x23, Home = 0x24,
    Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28, Insert = 0x2D, Delete = 0x2E, F1 = 0x70,
    OemSemicolon = 0xBA, OemPlus = 0xBB, OemComma = 0xBC, OemMinus = 0xBD, OemPeriod = 0xBE,
    OemSlash = 0xBF, OemTilde = 0xC0, OemOpenBracket = 0xDB, OemBackslash = 0xDC,
    OemCloseBracket = 0xDD, OemQuote = 0xDE,
};
}
