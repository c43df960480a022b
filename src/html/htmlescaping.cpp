#include "html/htmlescaping.h"

#include <QList>
#include <QStringView>

HtmlEscaper::HtmlEscaper() : m_canHold([](char32_t) { return true; }) {}

HtmlEscaper::HtmlEscaper(CanHold canHold) : m_canHold(std::move(canHold))
{
    if (!m_canHold)
        m_canHold = [](char32_t) { return true; };
}

bool latin1CanHold(char32_t c)
{
    return c <= 0xFF;
}

void HtmlEscaper::appendCharacter(QString& out, char32_t c, Unholdable how) const
{
    if (m_canHold(c)) {
        out.append(QString::fromUcs4(&c, 1));
        return;
    }
    if (how == Unholdable::Reference) {
        out += QStringLiteral("&#%1;").arg(quint32(c));
        return;
    }
    // A script string counts UTF-16 units: a character beyond the basic
    // plane is its surrogate pair.
    const QString units = QString::fromUcs4(&c, 1);
    for (QChar unit : units)
        out += QStringLiteral("\\u") + QString::number(unit.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

namespace {

template <class Each>
QString mapCharacters(const QString& text, Each each)
{
    QString out;
    out.reserve(text.size());
    for (char32_t c : QStringView(text).toUcs4())
        each(out, c);
    return out;
}

} // namespace

QString HtmlEscaper::content(const QString& text) const
{
    return mapCharacters(text, [this](QString& out, char32_t c) { appendCharacter(out, c, Unholdable::Reference); });
}

QString HtmlEscaper::attribute(const QString& text) const
{
    return mapCharacters(text, [this](QString& out, char32_t c) {
        if (c == U'"')
            out += QStringLiteral("&quot;");
        else
            appendCharacter(out, c, Unholdable::Reference);
    });
}

QString HtmlEscaper::scriptInAttribute(const QString& text) const
{
    return mapCharacters(text, [this](QString& out, char32_t c) {
        if (c == U'\\')
            out += QStringLiteral("\\\\");
        else if (c == U'\'')
            out += QStringLiteral("\\'");
        else if (c == U'"')
            out += QStringLiteral("&quot;");
        else
            appendCharacter(out, c, Unholdable::ScriptEscape);
    });
}

QString HtmlEscaper::scriptString(const QString& text) const
{
    QString out = mapCharacters(text, [this](QString& out, char32_t c) {
        if (c == U'\\')
            out += QStringLiteral("\\\\");
        else if (c == U'"')
            out += QStringLiteral("\\\"");
        else
            appendCharacter(out, c, Unholdable::ScriptEscape);
    });
    // "</" would end the script element early.
    return out.replace(QStringLiteral("</"), QStringLiteral("<\\/"));
}
