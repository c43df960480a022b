#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <string_view>

// FindKeyWordInNow: the lower-case name of the start tag the caret stands
// in, or an empty text: outside a tag, inside a quoted value, inside a
// comment, or when the tag's "<" is on an earlier line. Only tag names the
// HTML highlighter knows count.
//
// The lines before the caret line are tokenized whole, so a comment opened
// there (left or right of the caret's column) is seen; on the caret line
// the tokens that start at or before the caret column are looked at. The
// cost grows with the caret's line number.
namespace TagAtCaret {

// Line index (0-based) as the edit control's lineBytes() gives it; asked
// for 0 .. caretLine - 1 in order.
using LineSource = std::function<QByteArray(int index)>;

QString FindKeyWordInNow(const LineSource& lineAt, int caretColumn, int caretLine);
// The same over the document's bytes, lines joined by LF: no line is copied.
QString FindKeyWordInNow(std::string_view document, int caretColumn, int caretLine);

} // namespace TagAtCaret
