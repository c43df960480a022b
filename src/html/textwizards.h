#pragma once

#include <QString>
#include <QStringList>

class HtmlEscaper;

// The wizards with dialogs of their own: font, link (with its browser
// window and status line dialogs), comment, and the three list wizards.

struct FontValues {
    QString font;
    QString size; // "1" to "7" or empty
    bool bold = false, italics = false, underline = false;
    QStringList fonts; // "More than one font - Options:"
};
// The selection wrapped in the style and font tags.
QString fontMarkup(const FontValues& values, const QString& selection, const HtmlEscaper& escaper);
// "Predefined series:".
QStringList predefinedFontSeries();

struct BrowserWindowValues {
    QString document, title, height, width;
    bool toolbar = false, location = false, menubar = false, scrollbars = false, resizable = false, status = false;
};
// The browser window dialog's onClick attribute (with its leading blank).
QString browserWindowEvent(const BrowserWindowValues& values, const HtmlEscaper& escaper);
// The status line dialog's onMouseOut and onMouseOver attributes.
QString statusLineEvents(const QString& message, const HtmlEscaper& escaper);

struct LinkValues {
    QString link, name, linkText;
    bool onClick = false;
    QString clickChoice; // "Print document", "Close browser window", "Open Browser window"
    QString browserWindowEvent; // made by the browser window dialog
    bool onMouseOver = false;
    QString statusLineEvents;   // made by the status line dialog
};
QString linkMarkup(const LinkValues& values, const HtmlEscaper& escaper);

// The comment wizard's text, lines as the user typed them.
QString commentMarkup(const QString& text, const QString& indentation, const HtmlEscaper& escaper);

// "Index type:" choices and the type letter each writes.
QStringList orderedListTypes();
QString orderedListTypeLetter(const QString& choice);
// The three-line example shown for a type.
QString orderedListExample(const QString& choice);
QString orderedListMarkup(const QString& typeChoice, const QString& start, const QStringList& elements,
                          const QString& indentation, const HtmlEscaper& escaper);

QStringList unorderedListTypes();
QString unorderedListMarkup(const QString& typeChoice, const QStringList& elements, const QString& indentation,
                            const HtmlEscaper& escaper);

struct SelectionListValues {
    QString name;
    bool multiline = false;
    QString length;
    QStringList entries;
};
QString selectionListMarkup(const SelectionListValues& values, const QString& indentation,
                            const HtmlEscaper& escaper);

// Non-blank lines of an imported file, as list entries.
QStringList importedEntries(const QStringList& lines);
