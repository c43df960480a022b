#pragma once

#include <QString>

#include <optional>
#include <string_view>

class DocumentLines;

// The declared type of the name before a dot, looked up in the class that
// encloses the caret: the lines from classStart (FinnClassStart of the caret
// line) are walked with one fresh lexer, declarations of the name kept on a
// stack with the brace depth they belong to, so that a local variable of an
// inner block hides a field until the block closes and a method's parameter
// is forgotten when its body closes. The scan ends at the line after the
// caret line; the caret line's own words are never declarations.
//
// The rules are lexical. A declaration is a use of the name whose token two
// back is a word that is not one of "<", ">", "=", ";", "{" and does not
// contain int, boolean, long, double, byte, short or char (so Point p and
// PrintWriter w are never found), and whose token before holds no "(".
struct DeclaredType {
    // The type the rules give.
    std::optional<QString> type;
    // Where they give none: the raw type of a declaration with type
    // arguments ("List<String> names;" gives List).
    std::optional<QString> rawGenericType;
};

// caretLine is the caret line's 0-based index. No type when classStart is
// negative, when the class closes before the caret line, or when the name
// has no declaration in scope. A class that no brace closes runs to the
// document's end, so an unfinished class still has its declarations.
DeclaredType lookUpDeclaredType(const DocumentLines& lines, int classStart, int caretLine, std::string_view objectName);
