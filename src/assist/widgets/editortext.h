#pragma once

#include <QByteArray>

class TSynEdit;

// What code assistance reads from an edit control, on its bytes.
namespace EditorText {

// The document as UTF-8, lines joined by LF, whatever its encoding: the
// scanners read names as UTF-8, and an 8-bit document's bytes would give
// them wrong characters (Windows-1252's "\x8A" is "Š", not U+008A).
QByteArray documentUtf8(const TSynEdit* edit);

// The caret column (1-based, in characters) as a byte column of the line in
// documentUtf8(). Columns beyond the line's end stay beyond it by as many
// bytes.
int byteColumn(const TSynEdit* edit, int lineIndex, int column);

// TSynJavaSyn's state at the start of the line (0-based). Read from what the
// edit control keeps for each styled line when its highlighter is the Java
// one (styling up to the line first when needed); otherwise the lines above
// are walked with a Java lexer.
int javaRangeBefore(TSynEdit* edit, int lineIndex);

// The caret stands in a Java comment, string, character literal or text block.
bool caretInCommentOrString(TSynEdit* edit);

} // namespace EditorText
