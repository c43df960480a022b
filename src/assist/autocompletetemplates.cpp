#include "assist/autocompletetemplates.h"

#include "assist/scannertext.h"
#include "settings/fileaccess.h"

#include <QFileInfo>

namespace AutoCompleteTemplates {
namespace {

constexpr qint64 kMaxTemplateFileSize = 1024 * 1024;

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString cannotOpen(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot open file %1\n%2").arg(path, reason);
}

} // namespace

QStringList builtInList()
{
    return {
        QStringLiteral("if"),
        QStringLiteral("=if (count < 2) {"),
        QStringLiteral("=  |"),
        QStringLiteral("=} else {"),
        QStringLiteral("= "),
        QStringLiteral("=}"),
        QStringLiteral("do"),
        QStringLiteral("=do {"),
        QStringLiteral("=  |"),
        QStringLiteral("=} while (count < 2);"),
        QStringLiteral("for"),
        QStringLiteral("=for (count = 0;count < 5;count++) {"),
        QStringLiteral("=  |"),
        QStringLiteral("=}"),
        QStringLiteral("while"),
        QStringLiteral("=while (count < 2) {"),
        QStringLiteral("=  |"),
        QStringLiteral("=}"),
        QStringLiteral("class"),
        QStringLiteral("=class Classname {"),
        QStringLiteral("= |"),
        QStringLiteral("=}"),
        QStringLiteral("switch"),
        QStringLiteral("=switch(number) {"),
        QStringLiteral("= case 0:| "),
        QStringLiteral("= default:"),
        QStringLiteral("=}"),
        QStringLiteral("try"),
        QStringLiteral("=try {"),
        QStringLiteral("= |"),
        QStringLiteral("=} catch (IOException e) {"),
        QStringLiteral("= "),
        QStringLiteral("=}"),
    };
}

QStringList listFromFileLines(const QStringList& lines)
{
    QStringList list;
    bool named = false;
    for (const QString& line : lines) {
        if (line.contains(QLatin1Char('%'))) {
            list << line.mid(1);
            named = true;
        } else if (line.contains(QLatin1Char('#'))) {
            continue;
        } else if (named) {
            list << QLatin1Char('=') + line;
        }
    }
    return list;
}

Result<QStringList> readTemplateFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Result<QStringList>::failure(cannotOpen(path, QStringLiteral("No such file or directory")));
    if (info.isDir())
        return Result<QStringList>::failure(cannotOpen(path, QStringLiteral("Is a directory")));
    if (info.size() > kMaxTemplateFileSize)
        return Result<QStringList>::failure(cannotOpen(path, QStringLiteral("The file is larger than 1 MB")));
    // Read at start: a FIFO in the file's place would block the start for
    // good, so only a regular file is read, and never waited on.
    Result<QByteArray> read = FileAccess::readRegularFile(path, kMaxTemplateFileSize);
    if (!read)
        return Result<QStringList>::failure(read.error());
    return ScannerText::decodeLines(read.take());
}

std::optional<Template> findTemplate(const QStringList& list, const QString& name)
{
    if (name.isEmpty())
        return std::nullopt;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i].startsWith(QLatin1Char('=')) || list[i].compare(name, Qt::CaseInsensitive) != 0)
            continue;
        Template t{list[i], {}};
        for (qsizetype j = i + 1; j < list.size() && list[j].startsWith(QLatin1Char('=')); ++j)
            t.body << list[j].mid(1);
        return t;
    }
    return std::nullopt;
}

Expansion expand(const QStringList& body, const QString& indentation)
{
    Expansion result;
    int bar = -1;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (i)
            result.text += QLatin1Char('\n') + indentation;
        const qsizetype at = body[i].lastIndexOf(QLatin1Char('|'));
        if (at >= 0)
            bar = int(result.text.size() + at);
        result.text += body[i];
    }
    if (bar >= 0) {
        result.text.remove(bar, 1);
        result.caret = bar;
    } else {
        result.caret = int(result.text.size());
    }
    return result;
}

bool wordEndsAtCaret(const QString& line, int caretColumn)
{
    const qsizetype before = caretColumn - 2; // 0-based index left of the caret
    if (before < 0 || before >= line.size() || isBlank(line.at(before)))
        return false;
    return caretColumn - 1 >= line.size() || isBlank(line.at(caretColumn - 1));
}

int displayColumn(const QString& line, int caretColumn, int tabWidth)
{
    int column = 0;
    const qsizetype end = caretColumn - 1;
    for (qsizetype i = 0; i < end; ++i) {
        if (i < line.size() && line.at(i) == QLatin1Char('\t') && tabWidth > 0)
            column += tabWidth - column % tabWidth;
        else
            ++column;
    }
    return column + 1;
}

QString indentation(int columns, bool useTabs, int tabWidth)
{
    if (columns <= 0)
        return {};
    if (!useTabs || tabWidth <= 0)
        return QString(columns, QLatin1Char(' '));
    return QString(columns / tabWidth, QLatin1Char('\t')) + QString(columns % tabWidth, QLatin1Char(' '));
}

} // namespace AutoCompleteTemplates
