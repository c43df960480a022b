#pragma once

#include <QString>

class HtmlHost;
class QWidget;

// The script snippets that need no dialog (clocks, dates) and the step the
// script wizards share: putting a function into the page's head once.
namespace ScriptCommands {

// Adds script after the page's <head> unless the document holds the marker.
// Without a <head> the user is told that the script was not added.
void addHeadScriptOnce(HtmlHost* host, QWidget* parent, const char* marker, const QString& script);

void statuslineClock(HtmlHost* host);
void textfieldClock(HtmlHost* host);
void todaysDate(HtmlHost* host);
void documentLastModified(HtmlHost* host);

} // namespace ScriptCommands
