#pragma once

#include <string_view>

// Whether the caret stands where "." and the blank must not start code
// assistance: inside a Java comment, or inside a string, character literal
// or text block. Only the caret line is read, starting from the Java lexer's
// state at its start (the edit control keeps that state per line), so the
// test costs the same at line 100,000 as at line 1.
//
// Comments go by the rules of the editor window's comment test: the caret is
// in a comment right after "//" or "/*" and up to the "*" of the closing
// "*/", and beyond the end of a line comment. It is in a string after the
// opening quote up to the closing one, and anywhere after an opening quote
// that is never closed on the line.
namespace CaretContext {

// startRange: TSynJavaSyn's range at the end of the line before. caretColumn
// is 1-based, in bytes of the line (beyond its end is allowed).
bool inCommentOrString(int startRange, std::string_view line, int caretColumn);

} // namespace CaretContext
