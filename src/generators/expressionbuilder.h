#pragma once

#include <QString>
#include <QStringList>

#include <span>

// The expression builder's rules: the insertion buttons, the member lists
// it shows, the text a picked member puts into the composition box and the
// pieces OK writes into the document.
namespace ExpressionBuilder {

// One insertion button: its caption, its hint (empty: none), the text it
// writes over the box's selection and how far the caret then moves along
// the line (negative: left).
struct InsertButton {
    const char* caption;
    const char* hint;
    const char* text;
    int caretMove;
};
std::span<const InsertButton> insertButtons();

// Shown in the member list when a class has no member to offer.
QString noMembersText();

// The entries of the member list for a class's members: every non-empty
// member except main; noMembersText() alone when none is left.
QStringList memberEntries(const QStringList& members);

// What picking a member writes: its name, with "()" for a method without
// parameters and "(" for one with parameters, and a blank.
QString memberPickText(const QString& entry);

// Column widths of the class and member lists for their number of entries.
int classColumnWidth(int classCount);
int memberColumnWidth(int entryCount);

// The pieces OK inserts at the caret in turn for the box's lines: the first
// line, then every further line behind Ind, CR between lines. Trailing
// blanks of each line are dropped, as the box trims them. An empty box
// inserts nothing.
QStringList insertionPieces(const QStringList& lines, const QString& ind);

} // namespace ExpressionBuilder
