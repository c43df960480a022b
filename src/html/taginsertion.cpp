#include "html/taginsertion.h"

namespace TagInsertion {

std::optional<Position> findTagEnd(const LineSource& lineAt, int lineCount, const QString& tag)
{
    if (tag.isEmpty())
        return std::nullopt;
    for (int i = 0; i < lineCount; ++i) {
        const qsizetype at = lineAt(i).indexOf(tag, 0, Qt::CaseInsensitive);
        if (at >= 0)
            return Position{int(at + tag.size()) + 1, i + 1};
    }
    return std::nullopt;
}

std::optional<Edit> SoekOgLeggInn(const LineSource& lineAt, int lineCount, const QString& tag, const QString& text)
{
    const auto end = findTagEnd(lineAt, lineCount, tag);
    if (!end)
        return std::nullopt;
    return Edit{*end, QStringLiteral("\r") + text};
}

std::optional<Edit> LeggInnTekstITag(const LineSource& lineAt, int lineCount, const QString& tag,
                                     const QString& text, int lineBreaks)
{
    const auto end = findTagEnd(lineAt, lineCount, tag);
    if (!end)
        return std::nullopt;
    return Edit{*end, QString(std::max(lineBreaks, 0), QLatin1Char('\r')) + text};
}

Position caretAfter(Position caret, const Edit& edit)
{
    const Position at = edit.at;
    if (caret.line < at.line || (caret.line == at.line && caret.column <= at.column))
        return caret;
    QString text = edit.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\r")).replace(QLatin1Char('\n'), QLatin1Char('\r'));
    const int breaks = int(text.count(QLatin1Char('\r')));
    if (caret.line != at.line)
        return {caret.column, caret.line + breaks};
    if (breaks == 0)
        return {caret.column + int(text.size()), caret.line};
    const int lastLength = int(text.size() - text.lastIndexOf(QLatin1Char('\r')) - 1);
    return {lastLength + 1 + (caret.column - at.column), caret.line + breaks};
}

} // namespace TagInsertion
