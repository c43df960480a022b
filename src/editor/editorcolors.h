#pragma once

class TSynCustomHighlighter;

// The colours an editor window's highlighter starts with, before any
// colour file changes them (Java comments navy, reserved words teal, ...).
// Attributes not named keep the highlighter's own defaults.
void applyEditorWindowColors(TSynCustomHighlighter& highlighter);
