#include "editor/keymap.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyMap, BindingsFromTheTable)
{
    struct Case {
        int key;
        Qt::KeyboardModifiers mods;
        EditorCommand command;
        bool select;
    } cases[] = {
        {Qt::Key_Left, Qt::ShiftModifier, EditorCommand::Left, true},
        {Qt::Key_PageUp, Qt::ControlModifier, EditorCommand::PageTop, false},
        {Qt::Key_Backspace, Qt::AltModifier, EditorCommand::Undo, false},
        {Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier, EditorCommand::Redo, false},
        {Qt::Key_Y, Qt::ControlModifier, EditorCommand::DeleteLine, false},
        {Qt::Key_Y, Qt::ControlModifier | Qt::ShiftModifier, EditorCommand::DeleteEol, false},
        {Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier, EditorCommand::ColumnSelect, false},
        {Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier, EditorCommand::MatchBracket, false},
        {Qt::Key_M, Qt::ControlModifier, EditorCommand::LineBreak, false},
    };
    for (const Case& c : cases) {
        const auto got = lookupKeyCommand(c.key, c.mods);
        ASSERT_TRUE(got.has_value()) << c.key;
        EXPECT_EQ(got->command, c.command) << c.key;
        EXPECT_EQ(got->select, c.select) << c.key;
    }
    EXPECT_FALSE(lookupKeyCommand(Qt::Key_Q, Qt::ControlModifier).has_value());
}

TEST(KeyMap, BookmarkDigits)
{
    const auto set = lookupKeyCommand(Qt::Key_7, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->command, EditorCommand::SetBookmark);
    EXPECT_EQ(set->param, 7);
    const auto go = lookupKeyCommand(Qt::Key_0, Qt::ControlModifier);
    ASSERT_TRUE(go);
    EXPECT_EQ(go->command, EditorCommand::GotoBookmark);
    EXPECT_EQ(go->param, 0);
    EXPECT_EQ(digitUnderKey(Qt::Key_Exclam, 0), 1);
    EXPECT_EQ(digitUnderKey(Qt::Key_Exclam, 19), 0); // the key code wins over the US layout
    EXPECT_EQ(digitUnderKey(Qt::Key_A, 0), -1);
}

TEST(KeyMap, VirtualKeyCodes)
{
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_A), 0x41);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_Return), 13);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_F9), 0x78);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_Greater), 0xBE);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_Period), 0xBE);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_Space), 32);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_Exclam), '1');
}

} // namespace
