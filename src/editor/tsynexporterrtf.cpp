#include "editor/tsynexporterrtf.h"

#include <algorithm>

QByteArray TSynExporterRTF::escape(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() + 16);
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u < 0x20 || (u >= 0x80 && u <= 0xFF)) {
            out += "\\'";
            out += QByteArray::number(int(u), 16).rightJustified(2, '0');
        } else if (u > 0xFF) {
            // UTF-16 unit as a signed 16-bit number, "?" for readers
            // without Unicode.
            out += "\\u" + QByteArray::number(int(std::int16_t(u))) + '?';
        } else {
            out += char(u);
        }
    }
    return out;
}

QByteArray TSynExporterRTF::format(const std::vector<ExportLine>& lines) const
{
    // The colour table: entry 0 is the reader's default, then each colour
    // used, in order of first use.
    std::vector<TColor> colors;
    for (const ExportLine& line : lines)
        for (const ExportRun& run : line)
            if (std::find(colors.begin(), colors.end(), run.style.foreground) == colors.end())
                colors.push_back(run.style.foreground);

    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\n"
                     "{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}\n"
                     "{\\colortbl ;";
    for (TColor c : colors)
        rtf += "\\red" + QByteArray::number(Colors::red(c)) + "\\green" + QByteArray::number(Colors::green(c)) +
               "\\blue" + QByteArray::number(Colors::blue(c)) + ';';
    rtf += "}\n";
    if (!Title.isEmpty())
        rtf += "{\\info{\\title " + escape(Title) + "}}\n";
    rtf += "\\uc1\\pard\\plain\\f0\\fs20\n";
    for (const ExportLine& line : lines) {
        for (const ExportRun& run : line) {
            const auto index = std::find(colors.begin(), colors.end(), run.style.foreground) - colors.begin() + 1;
            rtf += "{\\cf" + QByteArray::number(qsizetype(index));
            if (run.style.bold)
                rtf += "\\b";
            if (run.style.italic)
                rtf += "\\i";
            if (run.style.underline)
                rtf += "\\ul";
            rtf += ' ' + escape(run.text) + '}';
        }
        rtf += "\\par\n";
    }
    rtf += "}\n";
    return rtf;
}
