#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The frames wizard: a frameset for one of nine layouts, and the empty
// pages it names when asked to make them.
namespace FramesWizard {

// "1" to "8" and "Other", in the order they are shown.
QStringList layouts();

struct Page {
    QString fileName; // TopID17.html
};

struct Frameset {
    QString text;             // the new document's text
    std::vector<Page> pages;  // the pages to make; empty unless asked for
};

// borders: "Frameborders"; number: the frameset's random number (0..999),
// used only when createPages is set.
Frameset build(const QString& layout, bool borders, bool createPages, int number);

// The text of each page made for the frameset.
QString emptyPageText();

// Draws the frameset's number: again while a page it would make has the
// name of an open document (isOpen), at most a few hundred times.
int drawNumber(const QString& layout, const std::function<int()>& random,
               const std::function<bool(const QString& fileName)>& isOpen);

} // namespace FramesWizard
