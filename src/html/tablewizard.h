#pragma once

#include "settings/result.h"

#include <QString>

#include <optional>

class HtmlEscaper;

// The table wizard's fields as typed.
struct TableValues {
    QString rows = QStringLiteral("3");
    QString columns = QStringLiteral("3");
    QString cellSpacing;
    QString cellPadding;
    QString width = QStringLiteral("75");
    QString widthUnit;  // "Pixel", "Prosent" or empty for no choice
    QString height;
    QString heightUnit; // likewise
    bool frame = true;
    QString alignment;  // "Left", "Right", "Center" or empty
    QString bgColor;    // six hexadecimal digits; a leading "#" is dropped
    QString name;
};

// The most cells a table may have; more would freeze the editor for long.
inline constexpr qint64 MaxTableCells = 10000;

// The table markup; an error message when a count is not a whole number or
// the table has too many cells.
Result<QString> tableMarkup(const TableValues& values, const QString& indentation, const HtmlEscaper& escaper);

// "Select color..": red, green and blue as two upper-case hex digits each.
QString colorHexText(int red, int green, int blue);

// The conversion message for a text that is no whole number.
QString notAnIntegerMessage(const QString& text);
// A whole number as the wizards read one (blanks around it allowed).
std::optional<int> readWholeNumber(const QString& text);
