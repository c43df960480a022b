#include "html/htmlattributes.h"

#include "html/regularfile.h"
#include "settings/programfolder.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

QString HtmlAttributeTable::defaultPath()
{
    return programFile(QStringLiteral("completion/htmlattributes.txt"));
}

Result<HtmlAttributeTable> HtmlAttributeTable::read(const QString& path)
{
    QFile file;
    if (const Result<void> opened = openRegularFile(file, path); !opened)
        return Result<HtmlAttributeTable>::failure(opened.error());
    // The file is a few kilobytes; anything far larger is not ours.
    const QByteArray bytes = file.read(1024 * 1024);
    if (file.error() != QFileDevice::NoError)
        return Result<HtmlAttributeTable>::failure(
            QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return Result<HtmlAttributeTable>::failure(
            QStringLiteral("Cannot read file \"%1\". It is not UTF-8 text.").arg(path));
    return parse(text, path);
}

Result<HtmlAttributeTable> HtmlAttributeTable::parse(const QString& text, const QString& path)
{
    HtmlAttributeTable table;
    const QStringList lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        auto bad = [&](const char* reason) {
            return Result<HtmlAttributeTable>::failure(
                QStringLiteral("%1, line %2: %3").arg(path).arg(i + 1).arg(QLatin1String(reason)));
        };
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0)
            return bad("a rule needs a colon between its tag patterns and its attributes.");
        Rule rule;
        rule.patterns = line.left(colon).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        rule.entries = line.mid(colon + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (rule.patterns.isEmpty())
            return bad("there is no tag pattern before the colon.");
        if (rule.entries.isEmpty())
            return bad("there is no attribute after the colon.");
        for (const QString& p : rule.patterns)
            if (!p.startsWith(QLatin1Char('<')) || p.size() < 2)
                return bad("a tag pattern begins with \"<\" and a letter of the tag.");
        table.m_rules.push_back(std::move(rule));
    }
    return table;
}

QStringList HtmlAttributeTable::entriesFor(const QString& tagName) const
{
    const QString t = QLatin1Char('<') + tagName.trimmed();
    for (const Rule& rule : m_rules)
        for (const QString& pattern : rule.patterns) {
            const bool whole = pattern.endsWith(QLatin1Char('$'));
            if (whole ? t == pattern.chopped(1) : t.contains(pattern)) {
                QStringList entries = rule.entries;
                sortAttributeEntries(entries);
                return entries;
            }
        }
    return {};
}

void sortAttributeEntries(QStringList& entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
        const int folded = QString::compare(a, b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}

AttributeInsertion attributeInsertion(const QString& chosen)
{
    static const char* const valueless[] = {"noresize", "noshade", "ismap",    "multiple",
                                            "nowrap",   "disabled", "checked", "nohref"};
    if (chosen.isEmpty())
        return {};
    for (const char* name : valueless)
        if (chosen.contains(QLatin1String(name)))
            return {chosen, 0};
    if (!chosen.contains(QLatin1Char('=')))
        return {chosen + QStringLiteral("=\"\""), 1};
    return {chosen, 0};
}
