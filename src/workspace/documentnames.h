#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// A document is known by its name (the window caption): no two open
// documents may share one, whatever the letter case.

// The same document name: equal once blanks at the ends are dropped, letter
// case ignored. A name that merely contains another ("data.java" and
// "a.java") is another document.
bool sameDocumentName(QStringView a, QStringView b);

// The number for the next "Untitled<n><extension>": one above the number of
// open documents and above every open "Untitled<n>" name, so a new document
// never takes the name of one that is open.
int nextUntitledNumber(const QStringList& openNames, int openDocumentCount);

// The question asked when a name is already taken by an open document.
QString duplicateNameQuestion();
