#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The parameter hint of the method last chosen from the member popup.
namespace ParameterHints {

// scpParamsExecute: whether the hint applies at the caret (column 1-based)
// and which parameter is current (0 for the first). Walking left from the
// caret, commas are counted and parenthesised groups skipped; at a "(" the
// word before it is compared with lastChosenMethod (the upper-case name the
// popup remembered): the hint applies when that word, upper-cased, is
// contained in it. Nothing when no such "(" stands left of the caret.
std::optional<int> currentParameter(const QString& line, int caretColumn, const QString& lastChosenMethod);

// The parameters of a hint item made by QuoteParameters, for display:
// "\"int a\", \" int b\"" gives "int a" and "int b".
QStringList parametersOf(const QString& item);

} // namespace ParameterHints
