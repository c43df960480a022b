#pragma once

// The Edit menu's commands reach the focused text pane (the compiler log,
// the debugger panes, a line edit) when the focus is in one; the active
// editor window's edit control otherwise.
enum class PaneCommand { Undo, Redo, Cut, Copy, Paste, SelectAll };

// Runs the command on the focused text widget when that is not an editor
// window's edit control. A read-only pane takes Copy and Select All and
// ignores the rest. False when no such widget has the focus.
bool runOnFocusedTextPane(PaneCommand command);
