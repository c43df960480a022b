#include "assist/completionlist.h"

#include "assist/scannertext.h"
#include "settings/fileaccess.h"

#include <QDir>

namespace CompletionList {
namespace {

constexpr qint64 kMaxListFileSize = 4 * 1024 * 1024;

const QString kFunction = QStringLiteral(" : function");
const QString kDatamember = QStringLiteral(" : datamember");

// The entry a row shows, without the suffix the popup added.
QString entryOf(const QString& row)
{
    for (const QString& suffix : {kFunction, kDatamember})
        if (row.endsWith(suffix))
            return row.left(row.size() - suffix.size());
    return row;
}

} // namespace

bool isListName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String("toc") || name == QLatin1String("auto") || name == QLatin1String(".") ||
        name == QLatin1String(".."))
        return false;
    for (QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.isNull())
            return false;
    return true;
}

QString listFilePath(const QString& folder, const QString& name)
{
    return isListName(name) ? QDir(folder).filePath(name + QStringLiteral(".cmp")) : QString();
}

std::optional<QStringList> readListFile(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    // Only a regular file, never waited on: a FIFO in a list's place would
    // hang the editor at the first dot.
    Result<QByteArray> read = FileAccess::readRegularFile(path, kMaxListFileSize);
    if (!read)
        return std::nullopt;
    return ScannerText::decodeLines(read.take());
}

QString rowFor(const QString& entry)
{
    return entry + (entry.contains(QLatin1Char(')')) ? kFunction : kDatamember);
}

QStringList rowsFor(const QStringList& entries)
{
    QStringList rows;
    rows.reserve(entries.size());
    for (const QString& e : entries)
        rows << rowFor(e);
    return rows;
}

QString memberName(const QString& entry)
{
    QString name;
    for (QChar c : entry) {
        if (c == QLatin1Char(' ')) {
            name.clear();
        } else {
            name += c;
            if (c == QLatin1Char('('))
                break;
        }
    }
    return name;
}

QStringList filterRows(const QStringList& entries, const QString& prefix)
{
    const QString wanted = prefix.trimmed();
    QStringList rows;
    for (const QString& entry : entries) {
        if (!wanted.isEmpty() && !memberName(entry).startsWith(wanted))
            continue;
        rows << entry + (entry.contains(QLatin1Char('(')) ? kFunction : kDatamember);
    }
    return rows;
}

Insertion InsertChoice(const QString& row)
{
    Insertion result;
    const qsizetype open = row.indexOf(QLatin1Char('('));
    if (open >= 0) {
        // The parameters end at the first ")"; a line without one ends them
        // at the entry's end, never in the row's suffix.
        const QString entry = entryOf(row);
        qsizetype close = entry.indexOf(QLatin1Char(')'), open);
        if (close < 0)
            close = entry.size();
        result.parameters = entry.mid(open + 1, close - open - 1);
        const qsizetype blank = row.lastIndexOf(QLatin1Char(' '), open);
        const QString nameText = blank < 0 ? row.left(open) : row.mid(blank, open - blank);
        const QString name = nameText.trimmed();
        result.method = true;
        result.lastChosenMethod = nameText.toUpper();
        if (!result.parameters.trimmed().isEmpty()) {
            result.text = name + QStringLiteral("()");
            result.caretBack = 1;
        } else {
            result.text = name + QStringLiteral("();");
        }
        return result;
    }
    const qsizetype colon = row.indexOf(QStringLiteral(" :"));
    const QString head = (colon < 0 ? row : row.left(colon)).trimmed();
    const qsizetype blank = head.lastIndexOf(QLatin1Char(' '));
    result.text = head.mid(blank + 1) + QLatin1Char(';');
    return result;
}

QString QuoteParameters(const QString& parameters)
{
    QString quoted = parameters;
    quoted.replace(QLatin1Char(','), QStringLiteral("\", \""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

int typingEnd(const QString& line, int popupColumn, qsizetype savedLength)
{
    const qsizetype from = std::max(popupColumn - 1, 0);
    const qsizetype typed = std::max<qsizetype>(line.size() - savedLength, 0);
    return int(std::min(from + typed, line.size()));
}

QString typedPrefix(const QString& line, int popupColumn, qsizetype savedLength)
{
    const int from = std::max(popupColumn - 1, 0);
    const int end = typingEnd(line, popupColumn, savedLength);
    return end > from ? line.mid(from, end - from) : QString();
}

QString withCharacterTyped(const QString& line, int popupColumn, qsizetype savedLength, QChar c)
{
    QString result = line;
    result.insert(typingEnd(line, popupColumn, savedLength), c);
    return result;
}

QString withBackspace(const QString& line, int popupColumn, qsizetype savedLength)
{
    const int end = typingEnd(line, popupColumn, savedLength);
    if (end <= 0)
        return line;
    QString result = line;
    result.remove(end - 1, 1);
    return result;
}

} // namespace CompletionList
