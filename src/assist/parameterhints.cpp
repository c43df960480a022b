#include "assist/parameterhints.h"

namespace ParameterHints {
namespace {

// Letters, digits and "_"; the Latin-1 letters from 192 up except the
// multiplication and division signs; any letter or digit beyond Latin-1.
bool isIdentifierChar(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_')
        return true;
    if (u >= 192 && u <= 255)
        return u != 215 && u != 247;
    return u > 255 && c.isLetterOrNumber();
}

} // namespace

std::optional<int> currentParameter(const QString& line, int caretColumn, const QString& lastChosenMethod)
{
    if (line.isEmpty())
        return std::nullopt;
    qsizetype i = std::min<qsizetype>(caretColumn - 2, line.size() - 1);
    int commas = 0;
    while (i >= 0) {
        const QChar c = line.at(i);
        if (c == QLatin1Char(',')) {
            ++commas;
        } else if (c == QLatin1Char(')')) {
            // Skip the group this ")" closes.
            int depth = 1;
            while (--i >= 0 && depth > 0) {
                if (line.at(i) == QLatin1Char(')'))
                    ++depth;
                else if (line.at(i) == QLatin1Char('('))
                    --depth;
            }
            continue;
        } else if (c == QLatin1Char('(')) {
            qsizetype end = i - 1;
            while (end >= 0 && !isIdentifierChar(line.at(end)))
                --end;
            if (end < 0)
                return std::nullopt;
            qsizetype start = end;
            while (start > 0 && isIdentifierChar(line.at(start - 1)))
                --start;
            const QString word = line.mid(start, end - start + 1).toUpper();
            if (!lastChosenMethod.isEmpty() && lastChosenMethod.contains(word))
                return commas;
        }
        --i;
    }
    return std::nullopt;
}

QStringList parametersOf(const QString& item)
{
    QString text = item;
    if (text.startsWith(QLatin1Char('"')))
        text.remove(0, 1);
    if (text.endsWith(QLatin1Char('"')))
        text.chop(1);
    QStringList parameters = text.split(QStringLiteral("\", \""));
    for (QString& p : parameters)
        p = p.trimmed();
    return parameters;
}

} // namespace ParameterHints
