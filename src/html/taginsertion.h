#pragma once

#include <QString>

#include <functional>
#include <optional>

// Putting a script into a page's head, or an attribute into its body tag:
// the tag is searched from the document's start, letter case ignored, and
// the text goes in right after it; the caret keeps its place in the text.
namespace TagInsertion {

struct Position {
    int column = 1; // 1-based
    int line = 1;   // 1-based
    bool operator==(const Position&) const = default;
};

struct Edit {
    Position at; // where the text goes
    QString text;
};

// lineAt(index) gives line index (0-based) of lineCount lines.
using LineSource = std::function<QString(int index)>;

// Just after the first occurrence of tag; none when the document lacks it.
std::optional<Position> findTagEnd(const LineSource& lineAt, int lineCount, const QString& tag);

// SoekOgLeggInn (search and insert): the text on a new line after the tag.
std::optional<Edit> SoekOgLeggInn(const LineSource& lineAt, int lineCount, const QString& tag, const QString& text);
// LeggInnTekstITag (insert text into tag): lineBreaks line breaks, then the
// text, right after the tag (an onLoad lands inside "<body ...>").
std::optional<Edit> LeggInnTekstITag(const LineSource& lineAt, int lineCount, const QString& tag,
                                     const QString& text, int lineBreaks);

// Where a caret stands after the edit: moved by what was inserted before it.
Position caretAfter(Position caret, const Edit& edit);

} // namespace TagInsertion
