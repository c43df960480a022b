#pragma once

#include "settings/result.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

class HtmlEscaper;

// Ready-made JavaScript: rollover images, a link list that jumps to the
// chosen page, random images, clocks and dates. Some need a function in the
// page's head (or an onLoad on its body); a document that holds the
// function's marker anywhere has it already.
namespace ScriptWizards {

// Markers that show a document has a script already.
inline constexpr char RolloverMarker[] = "function TheRollover";
inline constexpr char LinkListMarker[] = "function showThePage";
inline constexpr char TextfieldClockMarker[] = "function TimeTextfield()";
inline constexpr char StatuslineClockMarker[] = "function TimeStatusline()";

// Rollover.
struct RolloverValues {
    QString originalImage, rolloverImage, name, link = QStringLiteral("#"), message;
};
// "Image" + "ID" + number.
QString defaultRolloverName(int number);
// The name goes into the script unquoted: it must be a JavaScript name.
bool isScriptIdentifier(const QString& name);
QString rolloverIdentifierMessage();
// imagesPrefix: the images folder and "/" with a project catalog, else empty.
QString rolloverMarkup(const RolloverValues& values, const QString& imagesPrefix, const HtmlEscaper& escaper);
QString rolloverHeadScript();

// Link list with page forwarder.
struct LinkRow {
    QString value, link;
};
// Pairs of non-blank lines: value, link (an odd last line has no link).
std::vector<LinkRow> linkRowsFromLines(const QStringList& lines);
// The list number the document's script already serves, if it has one.
std::optional<int> linkListNumberInDocument(const QString& documentText);
QString linkListMarkup(const std::vector<LinkRow>& rows, int number, const QString& indentation,
                       const HtmlEscaper& escaper);
QString linkListHeadScript(int number);

// Random image.
// background: "Background image" or no choice.
QString randomImageMarkup(const QStringList& entries, const QString& imagesPrefix, bool background,
                          const HtmlEscaper& escaper);

// Clocks: the head script and the body's onLoad attribute.
QString statuslineClockScript();
QString statuslineClockOnLoad();
QString textfieldClockForm();
QString textfieldClockScript();
QString textfieldClockOnLoad();

QString todaysDateScript();
QString lastModifiedScript();

} // namespace ScriptWizards
