#include "html/textwizards.h"

#include "html/htmlescaping.h"
#include "html/insertion.h"

namespace {

QString quotedAttribute(const char* name, const QString& value, const HtmlEscaper& e)
{
    return QStringLiteral(" %1=\"%2\"").arg(QLatin1String(name), e.attribute(value));
}

} // namespace

QString fontMarkup(const FontValues& v, const QString& selection, const HtmlEscaper& e)
{
    QString tag = QStringLiteral("<font");
    if (!v.fonts.isEmpty()) {
        tag += quotedAttribute("Face", v.fonts.join(QLatin1Char(',')), e);
        if (!v.size.isEmpty())
            tag += quotedAttribute("Size", v.size, e);
    } else {
        if (!v.size.isEmpty())
            tag += quotedAttribute("Size", v.size, e);
        if (!v.font.isEmpty())
            tag += quotedAttribute("Face", v.font, e);
    }
    tag += QLatin1Char('>');
    QString text;
    if (v.bold)
        text += QStringLiteral("<b>");
    if (v.italics)
        text += QStringLiteral("<i>");
    if (v.underline)
        text += QStringLiteral("<u>");
    text += tag + e.content(selection) + QStringLiteral("</font>");
    if (v.underline)
        text += QStringLiteral("</u>");
    if (v.italics)
        text += QStringLiteral("</i>");
    if (v.bold)
        text += QStringLiteral("</b>");
    return text;
}

QStringList predefinedFontSeries()
{
    return {QStringLiteral("Arial, Helvetica, sans-serif"), QStringLiteral("Times New Roman, Times, serif"),
            QStringLiteral("Courier New, Courier, mono"), QStringLiteral("Georgia, Times New Roman, Times, serif"),
            QStringLiteral("Verdana, Arial, Helvetica, sans-serif")};
}

QString browserWindowEvent(const BrowserWindowValues& v, const HtmlEscaper& e)
{
    QStringList features;
    const std::pair<bool, const char*> boxes[] = {
        {v.toolbar, "toolbar=yes"},       {v.location, "location=yes"},   {v.menubar, "menubar=yes"},
        {v.scrollbars, "scrollbars=yes"}, {v.resizable, "resizable=yes"}, {v.status, "status=yes"},
    };
    for (const auto& [ticked, feature] : boxes)
        if (ticked)
            features << QLatin1String(feature);
    if (!v.height.isEmpty())
        features << QStringLiteral("height=") + v.height;
    if (!v.width.isEmpty())
        features << QStringLiteral("width=") + v.width;
    return QStringLiteral(" onClick=\"javascript:window.open('%1','%2','%3'); return true\"")
        .arg(e.scriptInAttribute(v.document), e.scriptInAttribute(v.title),
             e.scriptInAttribute(features.join(QLatin1Char(','))));
}

QString statusLineEvents(const QString& message, const HtmlEscaper& e)
{
    return QStringLiteral(" onMouseOut=\"javascript:window.status=' ';return true;\" "
                          "onMouseOver=\"javascript:window.status='%1';return true\" ")
        .arg(e.scriptInAttribute(message));
}

QString linkMarkup(const LinkValues& v, const HtmlEscaper& e)
{
    const QString text = e.content(v.linkText);
    if (v.link.isEmpty())
        return QStringLiteral("<a name=\"%1\">").arg(e.attribute(v.name)) + text + QStringLiteral("</a>");
    QString events;
    if (v.onClick) {
        if (v.clickChoice == QLatin1String("Print document"))
            events += QStringLiteral(" onClick=\"javascript:self.print()\"");
        else if (v.clickChoice == QLatin1String("Close browser window"))
            events += QStringLiteral(" onClick=\"javascript:self.close()\"");
        else
            events += v.browserWindowEvent;
    }
    if (v.onMouseOver)
        events += v.statusLineEvents;
    return QStringLiteral("<a href=\"%1\"").arg(e.attribute(v.link)) + events + QLatin1Char('>') + text +
           QStringLiteral("</a>");
}

QString commentMarkup(const QString& text, const QString& indentation, const HtmlEscaper& e)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    // A break after the last line starts no line of its own.
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() <= 1) {
        // One line: the comment closes on the next line, after the text's break.
        const QString line = lines.value(0);
        return QStringLiteral("<!-- ") + e.content(line) + (line.isEmpty() ? QString() : CR) +
               QStringLiteral(" -->");
    }
    QString out = QStringLiteral("<!-- ");
    for (const QString& line : lines)
        out += CR + indentation + QStringLiteral("  ") + e.content(line);
    return out + CR + indentation + QStringLiteral("-->");
}

QStringList orderedListTypes()
{
    return {QStringLiteral("Large index letters"), QStringLiteral("Smal index letters"),
            QStringLiteral("Big roman index letters"), QStringLiteral("Smal roman index letters"),
            QStringLiteral("Ordinary index numbers")};
}

QString orderedListTypeLetter(const QString& choice)
{
    static const char* const letters[] = {"A", "a", "I", "i"};
    const int index = int(orderedListTypes().indexOf(choice));
    return index >= 0 && index < 4 ? QLatin1String(letters[index]) : QStringLiteral("1");
}

QString orderedListExample(const QString& choice)
{
    static const char* const numbers[][3] = {
        {"A", "B", "C"}, {"a", "b", "c"}, {"I", "II", "III"}, {"i", "ii", "iii"}, {"1", "2", "3"}};
    const int index = int(orderedListTypes().indexOf(choice));
    const auto& n = numbers[index >= 0 && index < 4 ? index : 4];
    return QStringLiteral("%1.  HTML 1.0\n%2.  HTML 2.0\n%3.  HTML 4.0")
        .arg(QLatin1String(n[0]), QLatin1String(n[1]), QLatin1String(n[2]));
}

namespace {

QString listItems(const QStringList& elements, const QString& indentation, const HtmlEscaper& e)
{
    QString out;
    for (const QString& element : elements)
        out += indentation + QStringLiteral("  <li>") + e.content(element) + QStringLiteral("</li>") + CR;
    return out;
}

} // namespace

QString orderedListMarkup(const QString& typeChoice, const QString& start, const QStringList& elements,
                          const QString& indentation, const HtmlEscaper& e)
{
    const QString type = orderedListTypeLetter(typeChoice);
    const QString head = start.isEmpty()
                             ? QStringLiteral("<ol type=\"%1\">").arg(type)
                             : QStringLiteral("<ol start=\"%1\" type=\"%2\">").arg(e.attribute(start), type);
    return head + CR + listItems(elements, indentation, e) + indentation + QStringLiteral("</ol>");
}

QStringList unorderedListTypes()
{
    return {QStringLiteral("Disc"), QStringLiteral("Circle"), QStringLiteral("Square")};
}

QString unorderedListMarkup(const QString& typeChoice, const QStringList& elements, const QString& indentation,
                            const HtmlEscaper& e)
{
    const char* type = typeChoice == QLatin1String("Disc")     ? "disc"
                       : typeChoice == QLatin1String("Circle") ? "circle"
                                                               : "square";
    return QStringLiteral("<ul type=\"%1\">").arg(QLatin1String(type)) + CR + listItems(elements, indentation, e) +
           indentation + QStringLiteral("</ul>");
}

QString selectionListMarkup(const SelectionListValues& v, const QString& indentation, const HtmlEscaper& e)
{
    QString out = QStringLiteral("<select");
    if (!v.name.isEmpty())
        out += quotedAttribute("name", v.name, e);
    if (v.multiline) {
        if (!v.length.isEmpty())
            out += quotedAttribute("size", v.length, e);
        out += QStringLiteral(" multiple");
    }
    out += QLatin1Char('>') + CR;
    for (const QString& entry : v.entries)
        out += indentation + QStringLiteral("  <option>") + e.content(entry) + CR;
    return out + indentation + QStringLiteral("</select>");
}

QStringList importedEntries(const QStringList& lines)
{
    QStringList out;
    for (const QString& line : lines)
        if (!line.trimmed().isEmpty())
            out << line;
    return out;
}
