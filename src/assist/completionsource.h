#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>

class DocumentLines;
class JavaDocumentIndex;

// What the member popup lists after a dot: a class list file, or the
// members of a class declared in the document.
struct CompletionSource {
    QString className;   // the header's "Class: " name
    QStringList entries; // the raw member lines, in order
};

// Chooses the source for a dot typed at the caret (line index 0-based,
// column 1-based in bytes, the dot already in the line):
// 1. a list file named after the word before the dot (Math.);
// 2. else the declared type of the name before the dot: its list file, or
//    else the members of the class of that name in the document, private
//    ones left out;
// 3. where no type is declared: the raw type of a declaration with type
//    arguments, a list file named after the name itself, and PrintStream for
//    System.out and System.err.
// Nothing when no source is found. The index is brought up to date here.
std::optional<CompletionSource> chooseCompletionSource(const DocumentLines& lines, JavaDocumentIndex& index,
                                                       int caretLine, int caretColumn, const QString& listFolder);
