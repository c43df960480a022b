#include "toolchain/javasource.h"

#include "toolchain/consolebuffer.h"

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

} // namespace JavaSource
