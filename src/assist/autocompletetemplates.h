#pragma once

#include "settings/result.h"

#include <QString>
#include <QStringList>

#include <optional>

// The autocompletion templates: a name typed in a Java document and a blank
// replace the name by a block of code. They are kept as a template list: a
// line not starting with "=" names a template, the "=" lines after it are
// its body.
namespace AutoCompleteTemplates {

// The seven templates in effect while no list has been loaded.
QStringList builtInList();

// The list made of the lines of completion/auto.cmp: a line containing "%"
// names a template (the line without its first character), else a line
// containing "#" is a comment (it ends a body), else it is the next body
// line. Body lines before the first name belong to no template and are
// dropped.
QStringList listFromFileLines(const QStringList& lines);

// Reads auto.cmp: its lines (CR LF, LF or CR; UTF-8 when valid, else
// 8-bit), or "Cannot open file <path>" with the reason when it is missing,
// unreadable, a folder or over 1 MB.
Result<QStringList> readTemplateFile(const QString& path);

struct Template {
    QString name;
    QStringList body;
};
// The template of that name, letter case ignored.
std::optional<Template> findTemplate(const QStringList& list, const QString& name);

// The text that replaces the name: the body lines joined by a line break
// and the indentation; the caret goes where the last "|" stood, which is
// removed (the end of the text when there is none).
struct Expansion {
    QString text;
    int caret = 0; // offset into text
};
Expansion expand(const QStringList& body, const QString& indentation);

// Whether the word before the caret (FinnID's) ends right at the caret
// (column 1-based): its last character stands just before the caret and no
// word character stands under it. Only then is there a word to replace.
bool wordEndsAtCaret(const QString& line, int caretColumn);

// The display column (1-based) of a caret column, with tabs to the next
// multiple of tabWidth.
int displayColumn(const QString& line, int caretColumn, int tabWidth);
// Blanks for that many columns, or tabs and blanks when useTabs.
QString indentation(int columns, bool useTabs, int tabWidth);

} // namespace AutoCompleteTemplates
