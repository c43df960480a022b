#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

// The Java source scanners: lexical scans of a document's bytes (its lines
// joined by line ends, as the edit control holds them) with the Java
// highlighter's tokens. They do not parse Java; they count braces and
// collect the words of declarations, and every test on text is a
// containment test, so a method named privateData counts as private. Each
// call scans afresh and never fails: odd or unfinished code yields whatever
// the rules give, in time linear in the document.
//
// Line indexes are 0-based. Lists keep document order and duplicates.
namespace JavaSourceModel {

// FinnKlasseNavnene (find the class names): the names of the top-level
// classes ("class A extends B" gives A; interfaces are not listed).
QStringList FinnKlasseNavnene(std::string_view document);

// FinnAlleDatamedlemmer (find all data members): the member declarations of
// the classes whose name contains className, words joined by single blanks,
// without the terminating ";", "=" or "{" ("public void setCount(int c)").
// Constructors and main are left out, private members unless asked for.
QStringList FinnAlleDatamedlemmer(std::string_view document, const QString& className, bool includePrivate);

// The declaration heads of that class cut at the end of their first line,
// for Quick find: method heads and fields up to their "=" or ";".
QStringList ClipAndFindMultilineDatamembers(std::string_view document, const QString& className);

// Quick find's display form of such heads: "public static final int MAX"
// becomes "final int MAX", "public void go(int a)" becomes "void go(int a)".
QStringList NormalizeMemberEntries(const QStringList& entries);

// The last line before `line` that declares a class (nested ones too), or -1:
// the line of an identifier met after the keyword class, before any other
// keyword, a comment or the "{" that opens the class body.
int FinnClassStart(std::string_view document, int line);

// FinnScopeSlutt (find scope end): the line of the brace that closes the
// first "{" at or after `line`; the last line's index when none closes it.
int FinnScopeSlutt(std::string_view document, int line);

} // namespace JavaSourceModel
