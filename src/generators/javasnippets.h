#pragma once

#include <QString>

#include <optional>

// The fixed pieces of Java source the Insert menu writes at the caret, and
// where the caret goes afterwards so the user can type the missing name.
// Lines of a snippet are separated by a lone CR; block snippets close with a
// brace indented like the caret line (Ind: its leading blanks, tabs not
// counted).
namespace JavaSnippets {

enum class Snippet {
    Println,
    PublicFunction,
    MainFunction,
    Switch,
    Class,
    Panel,
    Button,
    Checkbox,
    RadioButton,
    Textfield,
    Label,
    Listbox,
    Font,
};

// A 1-based caret position.
struct Caret {
    int column = 1;
    int line = 1;
    bool operator==(const Caret&) const = default;
};

// The text to insert with Ind in front of its closing line(s).
QString text(Snippet snippet, const QString& ind);

// Where the caret goes once the text is in, from where the insertion left it.
Caret caretAfter(Snippet snippet, const QString& ind, Caret afterInsertion);

} // namespace JavaSnippets
