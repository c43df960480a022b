#pragma once

#include <QString>
#include <QStringList>

// Which statistics window a document gets, by the lower-case extension of
// its name: ".java" Java, else ".htm" (also ".html") HTML, else general.
enum class StatisticsKind { Java, Html, General };
StatisticsKind statisticsKindOf(const QString& caption);

// Counts of a document, from the tokens of a fresh highlighter of its kind
// (Java, HTML, or the configurable one with its empty default set-up).
struct DocumentStatistics {
    int words = 0;   // tokens with more than blanks and control characters
    int letters = 0; // every character of every line, line breaks excluded
    int lines = 0;
    // Java.
    int identifiers = 0;
    int keywords = 0;
    int comments = 0; // comment tokens holding "/*" or "//" (HTML: "<!--")
    int numbers = 0;
    int strings = 0;
    // HTML.
    int undefinedTags = 0;
    int ampersands = 0;    // character entities
    int tags = 0;          // known tag names without "/" (end tags not counted)
    int tagParameters = 0; // attribute names
    bool operator==(const DocumentStatistics&) const = default;
};

DocumentStatistics countStatistics(const QStringList& lines, StatisticsKind kind);
