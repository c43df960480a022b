#pragma once

#include <QString>

#include <string_view>

// Quick find's jump: the line of a chosen member. The document's raw lines
// are read from the top; the first line holding both "class" and the class
// name starts the search, and the first line from there on (that line
// included) holding the member's text is the target. Comments and strings
// count like code. -1 when the member is not found.
namespace QuickFind {

int memberLine(std::string_view document, const QString& className, const QString& member);

} // namespace QuickFind
