#include "editor/tsyncustomexporter.h"

#include "editor/linestore.h"
#include "editor/tokenwalker.h"
#include "editor/tsyncustomhighlighter.h"

#include <algorithm>

namespace {

ExportStyle styleOf(const TSynHighlighterAttributes* attribute)
{
    ExportStyle s;
    if (!attribute)
        return s;
    const TColor fg = attribute->foreground();
    // System colours and "none" print as the default text colour.
    if (fg != Colors::clNone && fg != Colors::clDefault && !Colors::isSystemColor(fg))
        s.foreground = fg & 0xFFFFFF;
    s.bold = attribute->style() & fsBold;
    s.italic = attribute->style() & fsItalic;
    s.underline = attribute->style() & fsUnderline;
    return s;
}

bool isBlank(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == u' ' || c == u'\t'; });
}

// Appends text of a style, joining it to the last run when both look alike.
// Blanks take any style but an underline, so "a b" in one colour is one run.
void append(ExportLine& line, QStringView text, const ExportStyle& style)
{
    if (text.isEmpty())
        return;
    if (!line.empty()) {
        ExportRun& last = line.back();
        const bool lastBlank = isBlank(last.text) && !last.style.underline;
        if (last.style == style || (isBlank(text) && !style.underline && !last.style.underline)) {
            last.text += text;
            return;
        }
        if (lastBlank) {
            last.text += text;
            last.style = style;
            return;
        }
    }
    line.push_back({text.toString(), style});
}

} // namespace

void TSynCustomExporter::ExportAll(const QStringList& lines)
{
    m_data = format(collect(lines, 0, 0, int(lines.size()) - 1, -1));
}

void TSynCustomExporter::ExportRange(const QStringList& lines, int startChar, int startLine, int endChar, int endLine)
{
    const int last = std::min(int(lines.size()), endLine) - 1;
    m_data = format(collect(lines, std::max(startLine, 1) - 1, std::max(startChar, 1) - 1, last,
                            endLine - 1 > last ? -1 : std::max(endChar, 1) - 1));
}

std::vector<ExportLine> TSynCustomExporter::collect(const QStringList& lines, int firstLine, int firstChar,
                                                    int lastLine, int endChar) const
{
    std::vector<ExportLine> out;
    if (firstLine > lastLine)
        return out;
    out.reserve(std::size_t(lastLine - firstLine + 1));
    if (!m_highlighter) {
        for (int i = firstLine; i <= lastLine; ++i) {
            const QString& text = lines[i];
            const int from = i == firstLine ? std::min(firstChar, int(text.size())) : 0;
            const int to = i == lastLine && endChar >= 0 ? std::clamp(endChar, from, int(text.size())) : int(text.size());
            ExportLine line;
            append(line, QStringView(text).mid(from, to - from), ExportStyle{});
            out.push_back(std::move(line));
        }
        return out;
    }
    m_highlighter->ResetRange();
    TokenWalker walker(*m_highlighter);
    // The lines before the range only carry the scanner's state to it.
    for (int i = 0; i < firstLine; ++i)
        for (walker.setLine(lines[i], i); !walker.eol(); walker.next()) {
        }
    for (int i = firstLine; i <= lastLine; ++i) {
        const QString& text = lines[i];
        const int from = i == firstLine ? std::min(firstChar, int(text.size())) : 0;
        const int to = i == lastLine && endChar >= 0 ? std::clamp(endChar, from, int(text.size())) : int(text.size());
        ExportLine line;
        for (walker.setLine(text, i); !walker.eol(); walker.next()) {
            const int s = std::max(walker.start(), from);
            const int e = std::min(walker.start() + walker.length(), to);
            if (e > s)
                append(line, QStringView(text).mid(s, e - s), styleOf(walker.attribute()));
        }
        out.push_back(std::move(line));
    }
    return out;
}

Result<void> TSynCustomExporter::SaveToFile(const QString& path) const
{
    return writeFileAtomically(path, m_data);
}
