#include "toolchain/compileroutputparser.h"

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

} // namespace

QString CompilerMessage::hint() const
{
    return line.isEmpty() ? message : "Line " + line + ": " + message;
}

std::optional<int> CompilerMessage::lineNumber() const
{
    return decimal(QStringView(line).trimmed());
}

CompilerOutputAnalysis CompilerOutputParser::AnalyseOutput(const QStringList& compilerOutputLines,
                                                           const QString& fileName)
{
    CompilerOutputAnalysis result;
    for (const QString& line : compilerOutputLines) {
        // An empty name would be "contained" in every line.
        if (!fileName.isEmpty() && line.contains(fileName)) {
            // javac since 7 writes "Hello.java:5: error: ...": the line number is the
            // field right after the name, and the message may hold colons of its own.
            if (auto entry = diagnostic(line, fileName)) {
                result.entries.append(*entry);
                continue;
            }
            // Verbose progress lines ("[parsing started ...Hello.java]]") name the file too.
            if (!(line.contains(u'[') && line.contains(u']'))) {
                result.entries.append(colonFields(line));
                continue;
            }
        }
        if (auto count = summaryCount(line))
            result.errorCount = *count;
    }
    return result;
}

// Finds the name followed by ":<digits>:"; any occurrence will do, so a full
// path or a drive letter in front of the name does not matter.
std::optional<CompilerMessage> CompilerOutputParser::diagnostic(const QString& line, const QString& fileName)
{
    for (qsizetype at = line.indexOf(fileName); at >= 0; at = line.indexOf(fileName, at + 1)) {
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
// "int errors = 0;", "only showing the first 100 errors, ...") is ignored.
// "1 warning" and "2 warnings" never count.
std::optional<int> CompilerOutputParser::summaryCount(const QString& line)
{
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
