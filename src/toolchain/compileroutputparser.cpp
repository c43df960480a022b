#include "toolchain/compileroutputparser.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Digits only: no sign, no blanks, no hex prefix; too large counts as not a number.
std::optional<int> decimal(QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    for (QChar c : text)
        if (!isAsciiDigit(c))
            return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// Where a name stands as a whole file name: at the line's start or after a
// folder separator or a blank, never inside a longer name ("MyHello.java").
qsizetype indexOfName(const QString& line, const QString& name, qsizetype from, bool blankIsBoundary)
{
    for (qsizetype at = line.indexOf(name, from); at >= 0; at = line.indexOf(name, at + 1)) {
        if (at == 0)
            return at;
        const QChar before = line[at - 1];
        if (before == u'/' || before == u'\\' || (blankIsBoundary && before.isSpace()))
            return at;
    }
    return -1;
}

// javac prints the path as it was given or found, relative to the folder it
// runs in: the compiled document's.
QString resolvedPath(const QString& printed, const QString& compiledPath)
{
    if (QDir::isAbsolutePath(printed))
        return QDir::cleanPath(printed);
    return QDir::cleanPath(QFileInfo(compiledPath).path() + u'/' + printed);
}

} // namespace

QString CompilerMessage::hint() const
{
    if (!file.isEmpty())
        return "Line " + line + " of " + QFileInfo(file).fileName() + ": " + message;
    return line.isEmpty() ? message : "Line " + line + ": " + message;
}

std::optional<int> CompilerMessage::lineNumber() const
{
    return decimal(QStringView(line).trimmed());
}

CompilerOutputAnalysis CompilerOutputParser::AnalyseOutput(const QStringList& compilerOutputLines,
                                                           const QString& compiledPath)
{
    CompilerOutputAnalysis result;
    // An empty name would be "contained" in every line.
    const QString fileName = compiledPath.isEmpty() ? QString() : QFileInfo(compiledPath).fileName();
    for (const QString& line : compilerOutputLines) {
        if (!fileName.isEmpty()) {
            // javac since 7 writes "Hello.java:5: error: ...": the line number is the
            // field right after the path, and the message may hold colons of its own.
            if (auto entry = diagnostic(line, compiledPath)) {
                result.entries.append(*entry);
                continue;
            }
            if (auto entry = oldStyleDiagnostic(line, fileName)) {
                result.entries.append(*entry);
                continue;
            }
            // Verbose progress lines ("[parsing started ...Hello.java]]") name the file too.
            if (indexOfName(line, fileName, 0, true) >= 0 && !(line.contains(u'[') && line.contains(u']'))) {
                result.entries.append(colonFields(line));
                continue;
            }
        }
        if (auto count = summaryCount(line))
            result.errorCount = *count;
    }
    return result;
}

// "<path>:<line>: error: " or "... warning: " at the line's start; the path
// tells whose line it is.
std::optional<CompilerMessage> CompilerOutputParser::diagnostic(const QString& line, const QString& compiledPath)
{
    static const QRegularExpression pattern(QStringLiteral("^(.+?):(\\d+):(?= (error|warning): )"));
    const QRegularExpressionMatch m = pattern.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    const QString path = resolvedPath(m.captured(1), compiledPath);
    CompilerMessage entry{m.captured(2), line.mid(m.capturedEnd(0))};
    if (path != QDir::cleanPath(compiledPath))
        entry.file = path;
    return entry;
}

// Before javac 7: the name followed by ":<digits>:" and the message; any
// occurrence of the name as a whole file name will do, so a full path or a
// drive letter in front of it does not matter.
std::optional<CompilerMessage> CompilerOutputParser::oldStyleDiagnostic(const QString& line, const QString& fileName)
{
    for (qsizetype at = indexOfName(line, fileName, 0, false); at >= 0;
         at = indexOfName(line, fileName, at + 1, false)) {
        qsizetype pos = at + fileName.size();
        if (pos >= line.size() || line[pos] != u':')
            continue;
        const qsizetype digitsStart = ++pos;
        while (pos < line.size() && isAsciiDigit(line[pos]))
            ++pos;
        if (pos == digitsStart || pos >= line.size() || line[pos] != u':')
            continue;
        return CompilerMessage{line.mid(digitsStart, pos - digitsStart), line.mid(pos + 1)};
    }
    return std::nullopt;
}

// Lines that name the file without a line number ("Note: Hello.java uses ...",
// "error: file not found: Hello.java"): every colon after the first closes a
// field that becomes the line column; what follows the last colon is the message.
CompilerMessage CompilerOutputParser::colonFields(const QString& line)
{
    CompilerMessage entry;
    const qsizetype first = line.indexOf(u':');
    // With no colon at all (an echoed source line that names the file) the scan
    // covers the whole line.
    qsizetype fieldStart = first + 1;
    for (qsizetype i = fieldStart; i < line.size(); ++i) {
        if (line[i] == u':') {
            entry.line = line.mid(fieldStart, i - fieldStart);
            fieldStart = i + 1;
        }
    }
    entry.message = line.mid(fieldStart);
    return entry;
}

// "3 errors" gives 3; text before "errors" that is not a number (an echoed
// "int errors = 0;") is ignored. Over 100 errors javac lists the first 100,
// says "100 errors" and then names the total, which counts. "1 warning" and
// "2 warnings" never count.
std::optional<int> CompilerOutputParser::summaryCount(const QString& line)
{
    static const QRegularExpression total(QStringLiteral("^only showing the first \\d+ errors, of (\\d+) total"));
    if (const QRegularExpressionMatch m = total.match(line); m.hasMatch())
        return decimal(m.capturedView(1));
    const qsizetype at = line.indexOf(u"errors");
    if (at >= 0)
        return decimal(QStringView(line).left(at).trimmed());
    if (line.contains(u"1 error"))
        return 1;
    return std::nullopt;
}

QStringList CompilerOutputParser::splitLines(const QString& output)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < output.size()) {
        qsizetype end = output.indexOf(u'\n', start);
        if (end < 0)
            end = output.size();
        qsizetype stop = end;
        if (stop > start && output[stop - 1] == u'\r')
            --stop;
        lines.append(output.mid(start, stop - start));
        start = end + 1;
    }
    return lines;
}
