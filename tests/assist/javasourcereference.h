#pragma once

#include <QStringList>

#include <string>
#include <vector>

// The Java source scanners written as plainly as their rules read: one
// fresh lexer per call fed every line from the first, each token's text
// copied into a string, every test a string containment test. Slow and
// obvious; the program's scanners (and the per-line index behind the
// completion popup) must give exactly the same answers. Shared by the
// differential test and the fuzz target.
//
// Lines are bytes; texts are taken one character per byte, and results are
// handed back in the program's form (ScannerText::decode of the bytes).
namespace JavaSourceReference {

using Lines = std::vector<std::string>;

QStringList FinnKlasseNavnene(const Lines& lines);
QStringList FinnAlleDatamedlemmer(const Lines& lines, const QString& className, bool includePrivate);
QStringList ClipAndFindMultilineDatamembers(const Lines& lines, const QString& className);
int FinnClassStart(const Lines& lines, int line);
int FinnScopeSlutt(const Lines& lines, int line);

} // namespace JavaSourceReference
