#include "toolchain/javasource.h"

#include "toolchain/consolebuffer.h"

#include <QRegularExpression>

namespace JavaSource {

bool FinnesMainFunc(const QStringList& lines)
{
    return FinnesMainFunc(int(lines.size()), [&lines](int i) { return lines.at(i); });
}

bool FinnesMainFunc(int lineCount, const LineAt& lineAt)
{
    for (int i = 0; i < lineCount; ++i) {
        if (lineAt(i).contains(QLatin1String(" main(")))
            return true;
    }
    return false;
}

QString FindMainClassName(const QStringList& lines)
{
    return FindMainClassName(int(lines.size()), [&lines](int i) { return lines.at(i); });
}

QString FindMainClassName(int lineCount, const LineAt& lineAt)
{
    if (lineCount <= 0)
        return {};

    int mainLine = 0;
    for (int i = lineCount - 1; i >= 0; --i) {
        if (lineAt(i).contains(QLatin1String("void main("))) {
            mainLine = i;
            break;
        }
    }

    QString header;
    qsizetype classAt = -1;
    for (int i = mainLine; i >= 0; --i) {
        header = lineAt(i);
        classAt = header.indexOf(QLatin1String("class"));
        if (classAt >= 0)
            break;
    }

    // "class" and the one character after it are skipped. When no line holds
    // "class" the loop ended on line 0, and "class" counts as found just
    // before it, so the name starts at the sixth character.
    const qsizetype start = classAt + 6;
    if (start >= header.size())
        return {};
    qsizetype end = header.indexOf(QLatin1Char(' '), start);
    if (end < 0)
        end = header.size();
    return ConsoleBuffer::trimControls(header.mid(start, end - start));
}

QString packageName(const QStringList& lines)
{
    return packageName(int(lines.size()), [&lines](int i) { return lines.at(i); });
}

QString packageName(int lineCount, const LineAt& lineAt)
{
    // The text up to the first ';' with comments taken out; the declaration
    // comes before anything else, so a few lines are read at most.
    QString code;
    bool inBlockComment = false;
    for (int i = 0; i < lineCount && !code.contains(QLatin1Char(';')); ++i) {
        const QString line = lineAt(i);
        for (qsizetype c = 0; c < line.size(); ++c) {
            if (inBlockComment) {
                if (line.mid(c, 2) == QLatin1String("*/")) {
                    inBlockComment = false;
                    ++c;
                }
                continue;
            }
            if (line.mid(c, 2) == QLatin1String("/*")) {
                inBlockComment = true;
                ++c;
                code += QLatin1Char(' ');
                continue;
            }
            if (line.mid(c, 2) == QLatin1String("//"))
                break;
            code += line[c];
            if (line[c] == QLatin1Char(';'))
                break;
        }
        code += QLatin1Char(' ');
        // Anything but the keyword first: no declaration to find.
        const QString soFar = code.trimmed();
        if (!soFar.isEmpty() && !QStringLiteral("package").startsWith(soFar.left(7)))
            return {};
    }
    static const QRegularExpression declaration(QStringLiteral(
        "^\\s*package\\s+([\\p{L}_$][\\p{L}\\p{N}_$]*(?:\\s*\\.\\s*[\\p{L}_$][\\p{L}\\p{N}_$]*)*)\\s*;"));
    const QRegularExpressionMatch m = declaration.match(code);
    if (!m.hasMatch())
        return {};
    QString name = m.captured(1);
    name.remove(QRegularExpression(QStringLiteral("\\s")));
    return name;
}

} // namespace JavaSource
