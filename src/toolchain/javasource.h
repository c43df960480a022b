#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Plain text tests on the lines of a Java document that decide how it is run
// and which class the launcher and the debugger are given. They look at the
// characters only, never at the Java grammar, so comments and strings count.
namespace JavaSource {

// Hands out line `index` (0-based, below the count given beside it).
using LineAt = std::function<QString(int index)>;

// FinnesMainFunc: is there a main function. True when the text holds " main("
// (a blank before main); a document with main( only at a line start is an
// applet. Lines are joined by line ends, so no match spans two lines.
bool FinnesMainFunc(const QStringList& lines);
bool FinnesMainFunc(int lineCount, const LineAt& lineAt);

// The name of the class that declares main: the nearest line at or above the
// last "void main(" that holds "class" anywhere; from there, the text after
// "class" and one more character up to the next blank, trimmed ("class
// Hello{" gives "Hello{"). Without "void main(" the search starts at line 0;
// without any "class" the text of line 0 from its sixth character is taken.
// An empty document gives an empty name.
QString FindMainClassName(const QStringList& lines);
QString FindMainClassName(int lineCount, const LineAt& lineAt);

// The package the document declares ("a.b" for `package a.b;`), read as
// Java reads it: the first thing in the file after blanks and comments.
// Empty for the default package and for a declaration that is no valid
// package name.
QString packageName(const QStringList& lines);
QString packageName(int lineCount, const LineAt& lineAt);

} // namespace JavaSource
