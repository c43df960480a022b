#include "editor/tsynexporterhtml.h"

namespace {

QString hexColor(TColor c)
{
    return QStringLiteral("#%1%2%3")
        .arg(Colors::red(c), 2, 16, QLatin1Char('0'))
        .arg(Colors::green(c), 2, 16, QLatin1Char('0'))
        .arg(Colors::blue(c), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString spanStyle(const ExportStyle& s)
{
    QString css = QStringLiteral("color: ") + hexColor(s.foreground) + QLatin1Char(';');
    if (s.bold)
        css += QStringLiteral(" font-weight: bold;");
    if (s.italic)
        css += QStringLiteral(" font-style: italic;");
    if (s.underline)
        css += QStringLiteral(" text-decoration: underline;");
    return css;
}

} // namespace

QString TSynExporterHTML::escape(QStringView text)
{
    QString out;
    out.reserve(text.size() + 16);
    for (QChar c : text) {
        switch (c.unicode()) {
        case '&': out += QStringLiteral("&amp;"); break;
        case '<': out += QStringLiteral("&lt;"); break;
        case '>': out += QStringLiteral("&gt;"); break;
        case '"': out += QStringLiteral("&quot;"); break;
        case '\'': out += QStringLiteral("&#39;"); break;
        case '\t': out += c; break;
        default:
            if (c.unicode() < 0x20)
                out += QChar(0xFFFD); // no HTML page may hold these
            else if (c.unicode() >= 0x80 && c.unicode() <= 0x9F)
                // Bytes of an 8-bit document: browsers show these references
                // as the Windows code page's characters (the euro sign ...).
                out += QStringLiteral("&#%1;").arg(c.unicode());
            else
                out += c;
        }
    }
    return out;
}

QByteArray TSynExporterHTML::format(const std::vector<ExportLine>& lines) const
{
    QString html;
    if (CompleteDocument) {
        html += QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"UTF-8\">\n"
                               "<meta name=\"generator\" content=\"Pellam Vornic\">\n<title>");
        html += escape(Title);
        html += QStringLiteral("</title>\n</head>\n<body text=\"#000000\" bgcolor=\"#FFFFFF\">\n");
    }
    html += QStringLiteral("<pre><code><font face=\"Courier New\" size=\"3\">");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            html += QLatin1Char('\n');
        for (const ExportRun& run : lines[i]) {
            html += QStringLiteral("<span style=\"") + spanStyle(run.style) + QStringLiteral("\">");
            html += escape(run.text);
            html += QStringLiteral("</span>");
        }
    }
    html += QStringLiteral("</font></code></pre>\n");
    if (CompleteDocument)
        html += QStringLiteral("</body>\n</html>\n");
    return html.toUtf8();
}
