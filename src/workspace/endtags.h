#pragma once

#include <QString>

#include <optional>

// The end tag that typing ">" completes in HTML and XML documents. Only the
// caret line is looked at, tokenized by a highlighter of its own that starts
// outside any tag, so a tag opened on an earlier line gets no end tag.
//
// The window inserts the result at the caret (before the ">" the control is
// about to insert) and puts the caret back where it was.
namespace EndTags {

// Tags that take no end tag. Case-sensitive substring tests, so "abbr" and
// "blink" count as single and "BR" does not; "frame" must match exactly so
// that "frameset" and "iframe" still get their end tag.
bool SingleTag(const QString& tagName);

// "</tag>" for the known HTML tag being closed at caretColumn (1-based) of
// lineText (Latin-1), or nothing.
std::optional<QString> htmlEndTag(const QString& lineText, int caretColumn);

// The same for any XML element name.
std::optional<QString> xmlEndTag(const QString& lineText, int caretColumn);

} // namespace EndTags
