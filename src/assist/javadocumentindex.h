#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <vector>

class DocumentLines;

// Per-line summaries of one Java document, so that the scanners the
// completion popup needs on every "." cost a look-up instead of a rescan:
// for each line the lexer's state and the brace depth at its end, and where
// classes are declared. A summary stays valid as long as its line and every
// line above it are unchanged; update() finds the first changed line by the
// lines' hashes and reads on from there, so typing at line 100,000 re-reads
// a line or two. The answers are those of the JavaSourceModel scanners.
class JavaDocumentIndex {
public:
    // Brings the summaries up to date with the document's current lines.
    void update(const DocumentLines& lines);

    // As JavaSourceModel::FinnClassStart (lines below `line` must be indexed).
    int classStart(int line) const;
    // As JavaSourceModel::FinnKlasseNavnene.
    QStringList classNames() const;
    // As JavaSourceModel::FinnAlleDatamedlemmer, reading only the classes
    // whose name contains className.
    QStringList members(const DocumentLines& lines, const QString& className, bool includePrivate) const;
    // The Java lexer's state at the start of that line.
    int rangeBefore(int line) const;

    int indexedLines() const { return int(m_lines.size()); }

private:
    struct LineSummary {
        std::uint64_t hash = 0;
        std::int32_t depth = 0; // brace depth at the end of the line
        std::uint8_t range = 0; // the lexer's state at the end of the line
        std::uint8_t flags = 0;
    };
    // An identifier met at depth 0 after the keyword class: a class name.
    struct ClassEvent {
        int line = 0;
        int column = 0; // 0-based byte offset in its line
        std::string name;
    };

    void readFrom(const DocumentLines& lines, int first);
    // The last identifier before the token at (line, column).
    std::string identifierBefore(const DocumentLines& lines, int line, int column) const;

    std::vector<LineSummary> m_lines;
    std::vector<ClassEvent> m_events;
};
