#include "editor/keymap.h"

#include <array>

namespace {

constexpr auto None = Qt::NoModifier;
constexpr auto Shift = Qt::ShiftModifier;
constexpr auto Ctrl = Qt::ControlModifier;
constexpr auto Alt = Qt::AltModifier;

struct Binding {
    int key;
    Qt::KeyboardModifiers modifiers;
    KeyCommand command;
};

using C = EditorCommand;

const Binding kBindings[] = {
    {Qt::Key_Left, None, {C::Left}},           {Qt::Key_Left, Shift, {C::Left, true}},
    {Qt::Key_Right, None, {C::Right}},         {Qt::Key_Right, Shift, {C::Right, true}},
    {Qt::Key_Up, None, {C::Up}},               {Qt::Key_Up, Shift, {C::Up, true}},
    {Qt::Key_Down, None, {C::Down}},           {Qt::Key_Down, Shift, {C::Down, true}},
    {Qt::Key_Up, Ctrl, {C::ScrollUp}},         {Qt::Key_Down, Ctrl, {C::ScrollDown}},
    {Qt::Key_Left, Ctrl, {C::WordLeft}},       {Qt::Key_Left, Ctrl | Shift, {C::WordLeft, true}},
    {Qt::Key_Right, Ctrl, {C::WordRight}},     {Qt::Key_Right, Ctrl | Shift, {C::WordRight, true}},
    {Qt::Key_PageUp, None, {C::PageUp}},       {Qt::Key_PageUp, Shift, {C::PageUp, true}},
    {Qt::Key_PageDown, None, {C::PageDown}},   {Qt::Key_PageDown, Shift, {C::PageDown, true}},
    {Qt::Key_PageUp, Ctrl, {C::PageTop}},      {Qt::Key_PageUp, Ctrl | Shift, {C::PageTop, true}},
    {Qt::Key_PageDown, Ctrl, {C::PageBottom}}, {Qt::Key_PageDown, Ctrl | Shift, {C::PageBottom, true}},
    {Qt::Key_Home, None, {C::LineStart}},      {Qt::Key_Home, Shift, {C::LineStart, true}},
    {Qt::Key_End, None, {C::LineEnd}},         {Qt::Key_End, Shift, {C::LineEnd, true}},
    {Qt::Key_Home, Ctrl, {C::DocStart}},       {Qt::Key_Home, Ctrl | Shift, {C::DocStart, true}},
    {Qt::Key_End, Ctrl, {C::DocEnd}},          {Qt::Key_End, Ctrl | Shift, {C::DocEnd, true}},
    {Qt::Key_Insert, None, {C::ToggleMode}},
    {Qt::Key_Insert, Ctrl, {C::Copy}},         {Qt::Key_C, Ctrl, {C::Copy}},
    {Qt::Key_Delete, Shift, {C::Cut}},         {Qt::Key_X, Ctrl, {C::Cut}},
    {Qt::Key_Insert, Shift, {C::Paste}},       {Qt::Key_V, Ctrl, {C::Paste}},
    {Qt::Key_Delete, None, {C::DeleteChar}},
    {Qt::Key_Backspace, None, {C::DeleteLastChar}}, {Qt::Key_Backspace, Shift, {C::DeleteLastChar}},
    {Qt::Key_Backspace, Ctrl, {C::DeleteLastWord}},
    {Qt::Key_Backspace, Alt, {C::Undo}},       {Qt::Key_Z, Ctrl, {C::Undo}},
    {Qt::Key_Backspace, Alt | Shift, {C::Redo}}, {Qt::Key_Z, Ctrl | Shift, {C::Redo}},
    {Qt::Key_Return, None, {C::LineBreak}},    {Qt::Key_Return, Shift, {C::LineBreak}},
    {Qt::Key_Enter, None, {C::LineBreak}},     {Qt::Key_Enter, Shift, {C::LineBreak}},
    {Qt::Key_M, Ctrl, {C::LineBreak}},         {Qt::Key_N, Ctrl, {C::InsertLine}},
    {Qt::Key_Tab, None, {C::Tab}},             {Qt::Key_Backtab, Shift, {C::ShiftTab}},
    {Qt::Key_Tab, Shift, {C::ShiftTab}},       {Qt::Key_F1, Ctrl, {C::ContextHelp}},
    {Qt::Key_A, Ctrl, {C::SelectAll}},
    {Qt::Key_I, Ctrl | Shift, {C::BlockIndent}}, {Qt::Key_U, Ctrl | Shift, {C::BlockUnindent}},
    {Qt::Key_T, Ctrl, {C::DeleteWord}},        {Qt::Key_Y, Ctrl, {C::DeleteLine}},
    {Qt::Key_Y, Ctrl | Shift, {C::DeleteEol}},
    {Qt::Key_N, Ctrl | Shift, {C::NormalSelect}}, {Qt::Key_C, Ctrl | Shift, {C::ColumnSelect}},
    {Qt::Key_L, Ctrl | Shift, {C::LineSelect}}, {Qt::Key_B, Ctrl | Shift, {C::MatchBracket}},
};

} // namespace

std::optional<KeyCommand> lookupKeyCommand(int qtKey, Qt::KeyboardModifiers modifiers)
{
    modifiers &= Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        if (modifiers == Ctrl)
            return KeyCommand{C::GotoBookmark, false, qtKey - Qt::Key_0};
        if (modifiers == (Ctrl | Shift))
            return KeyCommand{C::SetBookmark, false, qtKey - Qt::Key_0};
    }
    for (const Binding& b : kBindings)
        if (b.key == qtKey && b.modifiers == modifiers)
            return b.command;
    return std::nullopt;
}

QString editorCommandName(const KeyCommand& command)
{
    static const char* const kNames[] = {
        "Caret left", "Caret right", "Caret up", "Caret down", "Word left", "Word right", "Page up", "Page down",
        "Top of page", "Bottom of page", "Line start", "Line end", "Document start", "Document end", "Scroll up",
        "Scroll down", "Insert or overwrite", "Copy", "Cut", "Paste", "Delete character", "Delete last character",
        "Delete last word", "Delete word", "Delete line", "Delete to line end", "Undo", "Redo", "Line break",
        "Insert line", "Tab", "Shift tab", "Context help", "Select all", "Indent block", "Unindent block",
        "Go to bookmark %1", "Set bookmark %1", "Normal selection", "Column selection", "Line selection",
        "Matching bracket",
    };
    static_assert(std::size(kNames) == std::size_t(EditorCommand::MatchBracket) + 1);
    const QString name = QString::fromLatin1(kNames[int(command.command)]);
    QString text = name.contains(QLatin1String("%1")) ? name.arg(command.param) : name;
    return command.select ? text + QStringLiteral(" with selection") : text;
}

int digitUnderKey(int qtKey, unsigned nativeScanCode)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return qtKey - Qt::Key_0;
    // X11 key codes 10..19 are the number row 1..9, 0 on every layout.
    if (nativeScanCode >= 10 && nativeScanCode <= 19)
        return nativeScanCode == 19 ? 0 : int(nativeScanCode) - 9;
    switch (qtKey) {
    case Qt::Key_Exclam: return 1;
    case Qt::Key_At: return 2;
    case Qt::Key_NumberSign: return 3;
    case Qt::Key_Dollar: return 4;
    case Qt::Key_Percent: return 5;
    case Qt::Key_AsciiCircum: return 6;
    case Qt::Key_Ampersand: return 7;
    case Qt::Key_Asterisk: return 8;
    case Qt::Key_ParenLeft: return 9;
    case Qt::Key_ParenRight: return 0;
    default: return -1;
    }
}

int virtualKeyFromQt(int qtKey, unsigned nativeScanCode)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK::F1 + (qtKey - Qt::Key_F1);
    const int digit = digitUnderKey(qtKey, nativeScanCode);
    if (digit >= 0)
        return '0' + digit;
    switch (qtKey) {
    case Qt::Key_Backspace: return VK::Back;
    case Qt::Key_Tab: case Qt::Key_Backtab: return VK::Tab;
    case Qt::Key_Return: case Qt::Key_Enter: return VK::Return;
    case Qt::Key_Shift: return VK::Shift;
    case Qt::Key_Control: return VK::Control;
    case Qt::Key_Alt: return VK::Menu;
    case Qt::Key_Pause: return VK::Pause;
    case Qt::Key_CapsLock: return VK::Capital;
    case Qt::Key_Escape: return VK::Escape;
    case Qt::Key_Space: return VK::Space;
    case Qt::Key_PageUp: return VK::Prior;
    case Qt::Key_PageDown: return VK::Next;
    case Qt::Key_End: return VK::End;
    case Qt::Key_Home: return VK::Home;
    case Qt::Key_Left: return VK::Left;
    case Qt::Key_Up: return VK::Up;
    case Qt::Key_Right: return VK::Right;
    case Qt::Key_Down: return VK::Down;
    case Qt::Key_Insert: return VK::Insert;
    case Qt::Key_Delete: return VK::Delete;
    case Qt::Key_Semicolon: case Qt::Key_Colon: return VK::OemSemicolon;
    case Qt::Key_Equal: case Qt::Key_Plus: return VK::OemPlus;
    case Qt::Key_Comma: case Qt::Key_Less: return VK::OemComma;
    case Qt::Key_Minus: case Qt::Key_Underscore: return VK::OemMinus;
    case Qt::Key_Period: case Qt::Key_Greater: return VK::OemPeriod;
    case Qt::Key_Slash: case Qt::Key_Question: return VK::OemSlash;
    case Qt::Key_QuoteLeft: case Qt::Key_AsciiTilde: return VK::OemTilde;
    case Qt::Key_BracketLeft: case Qt::Key_BraceLeft: return VK::OemOpenBracket;
    case Qt::Key_Backslash: case Qt::Key_Bar: return VK::OemBackslash;
    case Qt::Key_BracketRight: case Qt::Key_BraceRight: return VK::OemCloseBracket;
    case Qt::Key_Apostrophe: case Qt::Key_QuoteDbl: return VK::OemQuote;
    default: return 0;
    }
}
