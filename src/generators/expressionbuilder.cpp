#include "generators/expressionbuilder.h"

namespace ExpressionBuilder {

namespace {

constexpr InsertButton kButtons[] = {
    {"&&", "", "&& ", 0},
    {"||", "", "|| ", 0},
    {"==", "", "== ", 0},
    {"!=", "", "!= ", 0},
    {"<", "", "< ", 0},
    {"<=", "", "<= ", 0},
    {">", "", "> ", 0},
    {">=", "", ">= ", 0},
    {"=", "", "= ", 0},
    {"if", "", "if ()", -1},
    {"else", "", "else ", 1},
    {"switch", "", "switch () {}", -4},
    {"while", "", "while ()", -1},
    {"for", "", "for (int  = 0; < ; ++) {}", -16},
    {"do", "", "do {}", -1},
    {"return", "", "return ", 1},
    {"true", "", "true", 0},
    {"false", "", "false", 0},
    {"()", "", "()", -1},
    {"[]", "", "[]", -1},
    {"{}", "", "{}", -1},
    {"bln", "boolean", "boolean", 0},
    {"dbl", "double", "double", 0},
    {"flt", "float", "float", 0},
    {"int", "", "int", 0},
    {";", "", ";", 0},
    {"\"", "", "\"\"", -1},
    {"default", "", "default: ", 1},
    {"case", "", "case :", -1},
    {"println", "System.out.println", "System.out.println(\"\");", -3},
    {"try", "", "try {}", -1},
    {"catch", "", "catch ()", -1},
};

QString trimmedRight(const QString& line)
{
    qsizetype end = line.size();
    while (end > 0 && (line[end - 1] == u' ' || line[end - 1] == u'\t'))
        --end;
    return line.left(end);
}

} // namespace

std::span<const InsertButton> insertButtons()
{
    return kButtons;
}

QString noMembersText()
{
    return QStringLiteral("None found!");
}

QStringList memberEntries(const QStringList& members)
{
    QStringList entries;
    for (const QString& m : members)
        if (!m.isEmpty() && !m.contains(QLatin1String("static void main")))
            entries << m;
    if (entries.isEmpty())
        entries << noMembersText();
    return entries;
}

QString memberPickText(const QString& entry)
{
    // end: the index of the last character taken.
    qsizetype end;
    if (entry.contains(QLatin1String("()")))
        end = entry.indexOf(u')');
    else if (entry.contains(u'('))
        end = entry.indexOf(u'(');
    else
        end = entry.size() - 1;
    const qsizetype space = end < 0 ? -1 : entry.lastIndexOf(u' ', end);
    const qsizetype start = space < 0 ? 0 : space;
    return entry.mid(start, end - start + 1).trimmed() + u' ';
}

int classColumnWidth(int classCount)
{
    return classCount > 9 ? 170 : 187;
}

int memberColumnWidth(int entryCount)
{
    return entryCount < 10 ? 261 : 244;
}

QStringList insertionPieces(const QStringList& lines, const QString& ind)
{
    if (lines.isEmpty())
        return {};
    if (lines.size() == 1)
        return {trimmedRight(lines.front())};
    QStringList pieces{trimmedRight(lines.front()) + u'\r'};
    for (qsizetype i = 1; i < lines.size(); ++i)
        pieces << ind + trimmedRight(lines[i]) + (i + 1 < lines.size() ? QStringLiteral("\r") : QString());
    return pieces;
}

} // namespace ExpressionBuilder
