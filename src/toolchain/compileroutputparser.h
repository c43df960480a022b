#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One row of `KompilerErrors`: the "Line" column and the "Error message"
// column, both as the compiler printed them, and the file the row is about
// when that is not the compiled one.
struct CompilerMessage {
    QString line;    // the line number as text; empty when the line had no such field
    QString message; // the rest of the line, untrimmed (usually a leading blank)
    QString file;    // another source file's path (javac compiles the classes a
                     // document uses); empty for the compiled file

    // The hint shown when the row is clicked.
    QString hint() const;
    // The line field read as a decimal number; none when it is empty or holds other text.
    std::optional<int> lineNumber() const;

    bool operator==(const CompilerMessage&) const = default;
};

// What one compile's output gave: the rows of the error list and `ErrorCount`.
struct CompilerOutputAnalysis {
    QList<CompilerMessage> entries;
    int errorCount = 0;
};

// Reads javac's merged output. A diagnostic ("<path>:<line>: error: ...") is
// a row of the error list, for the compiled file or for the other file whose
// path javac prints; another line that names the document is a row too. The
// count comes only from javac's summary lines, so warnings and notes are
// listed but never counted.
class CompilerOutputParser {
public:
    // `compiledPath` is the compiled document's path; javac runs in its
    // folder, so the relative paths it prints are read from there.
    static CompilerOutputAnalysis AnalyseOutput(const QStringList& compilerOutputLines, const QString& compiledPath);
    // The output as `CompilerOutputLines`: one entry per line, line ends dropped.
    static QStringList splitLines(const QString& output);

private:
    static std::optional<CompilerMessage> diagnostic(const QString& line, const QString& compiledPath);
    static std::optional<CompilerMessage> oldStyleDiagnostic(const QString& line, const QString& fileName);
    static CompilerMessage colonFields(const QString& line);
    static std::optional<int> summaryCount(const QString& line);
};
