#pragma once

#include <QByteArray>

class TSynEdit;

// What code assistance reads from an edit control, on its bytes.
namespace EditorText {

// The caret column (1-based, in characters) as a byte column of its line:
// the same in an 8-bit document, counted over the UTF-8 bytes otherwise.
// Columns beyond the line's end stay beyond it by as many bytes.
int byteColumn(const TSynEdit* edit, int lineIndex, int column);

// TSynJavaSyn's state at the start of the line (0-based). Read from what the
// edit control keeps for each styled line when its highlighter is the Java
// one (styling up to the line first when needed); otherwise the lines above
// are walked with a Java lexer.
int javaRangeBefore(TSynEdit* edit, int lineIndex);

// The caret stands in a Java comment, string, character literal or text block.
bool caretInCommentOrString(TSynEdit* edit);

} // namespace EditorText
