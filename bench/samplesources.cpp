#include "samplesources.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace {

// Small deterministic generator, so every run lexes the same bytes.
class Dice {
public:
    unsigned next(unsigned bound)
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return unsigned(m_state >> 33) % bound;
    }
    template <std::size_t N> std::string_view pick(const std::string_view (&words)[N]) { return words[next(N)]; }

private:
    std::uint64_t m_state = 0x5eed;
};

// Collects lines and joins them; stops taking lines once it has enough.
class LineSink {
public:
    explicit LineSink(int wanted) : m_wanted(wanted) { m_text.reserve(std::size_t(wanted) * 40); }
    bool full() const { return m_count >= m_wanted; }
    template <typename... Parts> void add(const Parts&... parts)
    {
        if (full())
            return;
        if (m_count++ > 0)
            m_text += '\n';
        (m_text.append(std::string_view(parts)), ...);
    }
    std::string take()
    {
        while (!full())
            add("");
        return std::move(m_text);
    }

private:
    std::string m_text;
    int m_count = 0;
    int m_wanted;
};

constexpr std::string_view kTypes[] = {"int",     "long", "double",       "String",
                                       "boolean", "char", "List<String>", "Map<String, Integer>"};
constexpr std::string_view kNames[] = {"count", "index",  "total", "buffer", "result", "value",
                                       "name",  "offset", "limit", "cursor", "width",  "height"};
constexpr std::string_view kNumbers[] = {"0",      "1",    "42",     "0x7F", "1_000_000", "3.14159",
                                         "2.5e-3", "100L", "0b1010", "077",  "1.0f",      "65535"};
constexpr std::string_view kStrings[] = {"\"hello, world\"",
                                         "\"path/to/file.txt\"",
                                         "\"a \\\"quoted\\\" word\"",
                                         "\"tab\\tnewline\\n\"",
                                         "\"\"",
                                         "\"Cannot open file \\\"%s\\\".\""};
constexpr std::string_view kWords[] = {"Returns", "the",     "number", "of",      "lines", "read", "from", "stream",
                                       "while",   "keeping", "state",  "current", "value", "when", "empty"};

std::string numbered(std::string_view stem, int n)
{
    return std::string(stem) + std::to_string(n);
}

void javaComment(LineSink& out, Dice& dice, std::string_view indent, bool doc)
{
    out.add(indent, doc ? "/**" : "/*");
    for (unsigned i = 0, n = 1 + dice.next(4); i < n; ++i) {
        std::string words;
        for (unsigned w = 0, m = 4 + dice.next(8); w < m; ++w) {
            words += dice.pick(kWords);
            words += ' ';
        }
        out.add(indent, " * ", words);
    }
    if (doc)
        out.add(indent, " * @return the ", dice.pick(kNames));
    out.add(indent, " */");
}

void javaStatement(LineSink& out, Dice& dice, std::string_view indent)
{
    const std::string_view a = dice.pick(kNames), b = dice.pick(kNames);
    switch (dice.next(9)) {
    case 0:
        out.add(indent, dice.pick(kTypes), " ", a, " = ", dice.pick(kNumbers), ";");
        break;
    case 1:
        out.add(indent, a, " += (", b, " * 3 + 7) % 11 << 2;");
        break;
    case 2:
        out.add(indent, "String ", a, " = ", dice.pick(kStrings), " + ", b, ";");
        break;
    case 3:
        out.add(indent, a, " = ", b, " != null && ", b, ".length() >= 0x10 ? -1 : ~", a, ";");
        break;
    case 4:
        out.add(indent, "System.out.println(", dice.pick(kStrings), " + ", a, "[i] + ',' + '\\n');");
        break;
    case 5:
        out.add(indent, "// ", dice.pick(kWords), " ", dice.pick(kWords), " the ", a, " before use");
        break;
    case 6:
        out.add(indent, "result.put(", dice.pick(kStrings), ", Integer.valueOf(", a, " >>> 1)); // cache");
        break;
    case 7:
        out.add(indent, a, "++; ", b, "--; /* inline */ ", a, " ^= ", b, " | 0xFF & ", dice.pick(kNumbers), ";");
        break;
    default:
        out.add(indent, "return ", a, " == ", b, " || !", a, ".isEmpty();");
        break;
    }
}

void javaMethod(LineSink& out, Dice& dice, int n)
{
    javaComment(out, dice, "    ", true);
    if (dice.next(3) == 0)
        out.add("    ", "@Override");
    const std::string name = numbered("compute", n);
    out.add("    ", "public ", dice.pick(kTypes), " ", name, "(final int limit, String[] args) throws Exception {");
    for (unsigned s = 0, m = 2 + dice.next(4); s < m; ++s)
        javaStatement(out, dice, "        ");
    out.add("        ", "for (int i = 0; i < limit; i++) {");
    out.add("            ", "if (args[i].equals(", dice.pick(kStrings), ") && i % 2 == 0) {");
    for (unsigned s = 0, m = 1 + dice.next(3); s < m; ++s)
        javaStatement(out, dice, "                ");
    out.add("            ", "} else if (i > ", dice.pick(kNumbers), ") {");
    out.add("                ", "break;");
    out.add("            ", "}");
    out.add("        ", "}");
    if (dice.next(4) == 0)
        javaComment(out, dice, "        ", false);
    out.add("        ", "while (cursor < width) { cursor += step(cursor, 'x'); }");
    for (unsigned s = 0, m = 1 + dice.next(3); s < m; ++s)
        javaStatement(out, dice, "        ");
    out.add("        ", "return ", dice.pick(kNames), ";");
    out.add("    ", "}");
    out.add("");
}

} // namespace

std::string generateJavaSource(int lines)
{
    LineSink out(lines);
    Dice dice;
    out.add("package org.example.bench.sample;");
    out.add("");
    for (std::string_view imp : {"java.util.ArrayList", "java.util.HashMap", "java.util.List", "java.util.Map",
                                 "java.io.IOException", "java.io.InputStream", "java.nio.file.Files"})
        out.add("import ", imp, ";");
    out.add("");
    for (int cls = 0; !out.full(); ++cls) {
        javaComment(out, dice, {}, true);
        const std::string name = numbered("Sample", cls);
        out.add("public class ", name, " extends AbstractWorker implements Runnable, Comparable<", name, "> {");
        out.add("    ", "private static final int MAX_", std::to_string(cls), " = 0x7FFF;");
        out.add("    ", "private final Map<String, Integer> result = new HashMap<>();");
        out.add("    ", "protected double ratio = 2.5e-3; // tuned by hand");
        out.add("    ", "private String label = ", dice.pick(kStrings), ";");
        out.add("");
        for (int m = 0, count = 3 + int(dice.next(5)); m < count && !out.full(); ++m)
            javaMethod(out, dice, m);
        out.add("    ", "@Override public void run() { label = label.trim(); }");
        out.add("}");
        out.add("");
    }
    return out.take();
}

std::string generateSingleClassJavaSource(int lines, std::string_view className, std::string_view header)
{
    LineSink out(lines);
    Dice dice;
    out.add("public class ", className, " {");
    std::size_t start = 0;
    while (start <= header.size()) {
        const std::size_t end = std::min(header.find('\n', start), header.size());
        out.add(header.substr(start, end - start));
        start = end + 1;
    }
    for (int m = 0; !out.full(); ++m)
        javaMethod(out, dice, m);
    return out.take();
}

namespace {

constexpr std::string_view kTags[] = {"p", "div", "span", "li", "td", "h2", "em", "strong", "blockquote"};
constexpr std::string_view kEntities[] = {"&amp;", "&lt;", "&gt;", "&copy;", "&nbsp;", "&#169;", "&eacute;", "&quot;"};
constexpr std::string_view kClasses[] = {"\"row\"", "\"col-md-4 item\"", "'note'", "\"nav active\"", "main"};

void htmlText(LineSink& out, Dice& dice, std::string_view indent)
{
    const std::string_view tag = dice.pick(kTags);
    std::string text;
    for (unsigned w = 0, m = 3 + dice.next(7); w < m; ++w) {
        text += dice.pick(kWords);
        text += ' ';
        if (dice.next(5) == 0) {
            text += dice.pick(kEntities);
            text += ' ';
        }
    }
    switch (dice.next(5)) {
    case 0:
        out.add(indent, "<", tag, " class=", dice.pick(kClasses), ">");
        out.add(indent, "  ", text, "<a href=\"page.html#top\" title='Go up'>up</a>");
        out.add(indent, "</", tag, ">");
        break;
    case 1:
        out.add(indent, "<img src=\"images/photo.png\" alt=\"A photo\" width=120 "
                        "height=\"80\" border=0>");
        break;
    case 2:
        out.add(indent, "<!-- ", text);
        out.add(indent, "     still inside the comment <b>not a tag</b> -->");
        break;
    default:
        out.add(indent, "<", tag, " id=\"item\" class=", dice.pick(kClasses), ">", text);
        out.add(indent, "</", tag, ">");
        break;
    }
}

} // namespace

std::string generateHtmlSource(int lines)
{
    LineSink out(lines);
    Dice dice;
    out.add("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">");
    out.add("<html lang=\"en\">");
    out.add("<head>");
    out.add("  ", "<meta http-equiv=\"Content-Type\" content=\"text/html; "
                  "charset=iso-8859-1\">");
    out.add("  ", "<title>Benchmark page &mdash; sample</title>");
    out.add("  ", "<link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\">");
    out.add("</head>");
    out.add("<body bgcolor=\"#FFFFFF\" text=\"#000000\" onload='init()'>");
    while (!out.full()) {
        out.add("  ", "<table border=\"1\" cellpadding=\"4\" width=\"100%\">");
        for (unsigned r = 0, rows = 2 + dice.next(4); r < rows; ++r) {
            out.add("    ", "<tr>");
            out.add("      ", "<td align=\"left\" valign=top>", dice.pick(kWords), " &amp; ", dice.pick(kWords),
                    "</td><td>42</td>");
            out.add("    ", "</tr>");
        }
        out.add("  ", "</table>");
        out.add("  ", "<ul>");
        for (unsigned i = 0, items = 3 + dice.next(6); i < items; ++i)
            htmlText(out, dice, "    ");
        out.add("  ", "</ul>");
        out.add("  ", "<form action=\"/cgi-bin/submit.pl\" method=\"post\"><input "
                      "type=\"text\" name=\"q\" "
                      "value=\"search here\"><input type=submit></form>");
    }
    return out.take();
}
