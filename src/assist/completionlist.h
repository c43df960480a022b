#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The completion lists and what the member popup makes of their lines. A
// class list file (completion/<Class>.cmp) holds one member per line,
// written as its Java declaration head: "int length()",
// "String substring(int beginIndex, int endIndex)", "static double PI". A
// line with ")" is a method, any other a field.
namespace CompletionList {

// Whether a name may name a class list file: not empty, not the table of
// contents or the templates (toc, auto), and a plain file name.
bool isListName(const QString& name);
// folder/<name>.cmp, or empty when the name names no list file.
QString listFilePath(const QString& folder, const QString& name);
// The file's lines, every line as it stands (empty ones too; a final line
// end adds none). Absent when the file is missing, unreadable, a folder or
// over 4 MB. Text is UTF-8 when valid, else 8-bit.
std::optional<QStringList> readListFile(const QString& path);

// A row of the popup: the entry with " : function" (it has ")") or
// " : datamember" appended.
QString rowFor(const QString& entry);
QStringList rowsFor(const QStringList& entries);

// StripDatamemberNameFromDatamember: the name the filter compares, a
// method's word before its first "(" with the "(", a field's last word.
QString memberName(const QString& entry);
// UpdateListOfDatamembers: the rows whose entry's name begins with the
// trimmed prefix (letter case counts); every row for a blank prefix. Here
// " : function" goes by "(".
QStringList filterRows(const QStringList& entries, const QString& prefix);

// What choosing a row (InsertChoice) writes at the caret.
struct Insertion {
    QString text;             // "length();", "substring()", "PI;"
    int caretBack = 0;        // columns the caret moves left afterwards
    QString lastChosenMethod; // upper-case name with the blank before it; empty for a field
    QString parameters;       // what stands between the parentheses
    bool method = false;
};
Insertion InsertChoice(const QString& row);

// The parameter hint's item: the parameters in double quotes, each comma
// becoming `", "`: "int a, int b" gives "int a", " int b" as one text.
QString QuoteParameters(const QString& parameters);

// Typing while the popup is open. The typed characters stand after the
// caret where the popup opened (popupColumn, 1-based, right after the dot),
// up to the first ")" at or after that column, or to the line's end.
int typingEnd(const QString& line, int popupColumn);
QString typedPrefix(const QString& line, int popupColumn);
QString withCharacterTyped(const QString& line, int popupColumn, QChar c);
// Backspace removes the character before the typing end (the dot itself
// when nothing was typed).
QString withBackspace(const QString& line, int popupColumn);

} // namespace CompletionList
