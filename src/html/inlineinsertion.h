#pragma once

#include "html/insertion.h"

#include <QString>

#include <vector>

// One-click HTML: the commands that write a fixed piece of markup at the
// caret and put the caret where the user types next, and the commands that
// wrap the selection in tags.
namespace InlineInsertion {

struct Command {
    const char* handler;   // TMainForm handler name (Table1Click ...)
    const char* caption;   // the "&Insert" menu item's caption
    const char* menuName;  // its object name in the main menu
};

// The 30 commands of the "&Insert" menu, in the order of their handlers.
const std::vector<Command>& commands();

// The text and caret move of a command. indentation: the caret line's
// leading blanks; selection: the selected text (Font wraps it).
Insertion insertion(const QString& handler, const QString& indentation, const QString& selection);

// AlignmentTekst: the selection in a div with that alignment.
QString alignmentText(const QString& alignment, const QString& selection);
// StartEndTagTekst: the selection between the two texts.
QString startEndTagText(const QString& start, const QString& end, const QString& selection);

} // namespace InlineInsertion
