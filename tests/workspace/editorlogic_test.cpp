#include "workspace/editorlogic.h"

#include "editor/keymap.h"

#include <gtest/gtest.h>

namespace {

using EditorLogic::KeyDownAction;

TEST(EditorLogicFinnID, WordBeforeCaret)
{
    const struct {
        const char* name;
        const char* line;
        int column;
        const char* word;
    } cases[] = {
        {"EmptyLine", "", 1, ""},
        {"AtLineEnd", "for", 4, "for"},
        {"IndentedAtLineEnd", "    for", 8, "for"},
        {"AfterAssignment", "x = foo", 8, "foo"},
        {"BeforeBlank", "foo bar", 4, "foo"},
        {"CharacterUnderCaretCounts", "x = foo", 7, "foo"},
        {"PunctuationUnderCaretCounts", "for(x", 4, "for("},
        {"CaretOnFirstCharacter", "for", 1, "f"},
        {"BlanksSkippedLeftward", "foo   ", 6, "foo"},
        {"OnlyBlanks", "   ", 3, ""},
        {"EqualSign", "a =", 4, "="},
        {"BeyondLineEnd", "for", 10, "for"},
        {"BeyondLineEndAfterBlank", "foo ", 10, ""},
        {"TabIsBlank", "a\tfor", 6, "for"},
        {"ColumnZero", "for", 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EditorLogic::FinnID(QString::fromLatin1(c.line), c.column), QString::fromLatin1(c.word)) << c.name;
}

TEST(EditorLogicKeyDown, Classification)
{
    const Qt::KeyboardModifiers none;
    const struct {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        KeyDownAction action;
    } cases[] = {
        {"Enter", VK::Return, none, KeyDownAction::KeepFocus},
        {"Delete", VK::Delete, none, KeyDownAction::KeepFocus},
        {"ShiftDelete", VK::Delete, Qt::ShiftModifier, KeyDownAction::KeepFocus},
        {"Shift", VK::Shift, Qt::ShiftModifier, KeyDownAction::Ignore},
        {"Ctrl", VK::Control, Qt::ControlModifier, KeyDownAction::Ignore},
        {"Alt", VK::Menu, Qt::AltModifier, KeyDownAction::Ignore},
        {"Pause", VK::Pause, none, KeyDownAction::Ignore},
        {"CapsLock", VK::Capital, none, KeyDownAction::Ignore},
        {"Escape", VK::Escape, none, KeyDownAction::Ignore},
        {"PageUp", VK::Prior, none, KeyDownAction::Ignore},
        {"Home", VK::Home, none, KeyDownAction::Ignore},
        {"CtrlEnd", VK::End, Qt::ControlModifier, KeyDownAction::Ignore},
        {"Down", VK::Down, Qt::ShiftModifier, KeyDownAction::Ignore},
        {"NumLock", 144, none, KeyDownAction::Ignore},
        {"ScrollLock", 145, none, KeyDownAction::Ignore},
        {"Space", VK::Space, none, KeyDownAction::SpaceTrigger},
        {"CtrlSpace", VK::Space, Qt::ControlModifier, KeyDownAction::SpaceTrigger},
        {"Insert", VK::Insert, none, KeyDownAction::ToggleInsertMode},
        {"AltInsert", VK::Insert, Qt::AltModifier, KeyDownAction::ToggleInsertMode},
        {"ShiftInsert", VK::Insert, Qt::ShiftModifier, KeyDownAction::MarkModified},
        {"CtrlInsert", VK::Insert, Qt::ControlModifier, KeyDownAction::MarkModified},
        {"F1", VK::F1, none, KeyDownAction::MarkModified},
        {"Letter", 'A', none, KeyDownAction::MarkModified},
        {"Backspace", VK::Back, none, KeyDownAction::MarkModified},
        {"Tab", VK::Tab, none, KeyDownAction::MarkModified},
        {"JustAfterCapsLock", 21, none, KeyDownAction::MarkModified},
        {"JustAfterArrows", 41, none, KeyDownAction::MarkModified},
        {"UnknownKey", 0, none, KeyDownAction::MarkModified},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EditorLogic::classifyKeyDown(c.key, c.modifiers), c.action) << c.name;
}

TEST(EditorLogicSaveFilter, EntryFromExtension)
{
    const struct {
        const char* extension;
        int entryCount;
        int index;
    } cases[] = {
        {".java", 8, 1},  {".htm", 8, 2},  {".html", 8, 2}, {".css", 8, 6},  {".pl", 8, 3},
        {".xml", 8, 5},   {".php", 8, 4},  {".php3", 8, 4}, {".txt", 8, 7},  {".JAVA", 8, 1},
        {".Html", 10, 2}, {".xyz", 8, 7},  {".xyz", 10, 9}, {"", 8, 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EditorLogic::saveFilterIndex(QString::fromLatin1(c.extension), c.entryCount), c.index)
            << c.extension << " of " << c.entryCount;
}

} // namespace
