#include "html/htmlattributes.h"
#include "html/tagatcaret.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

QString shippedFile()
{
    return QStringLiteral(VORNIC_SOURCE_DIR "/data/completion/htmlattributes.txt");
}

// Each tag pattern with its list as the attribute table gives them.
const struct { const char* tag; std::vector<const char*> entries; } kExpectedLists[] = {
    {"body", {R"(background)", R"(bgcolor)", R"(alink)", R"(link)", R"(onload)", R"(onunload)", R"(text)", R"(vlink)"}},
    {"applet", {R"(align="left")", R"(align="right")", R"(align="top")", R"(align="middle")", R"(align="bottom")", R"(alt)", R"(code)", R"(height)", R"(width)", R"(hspace)", R"(vspace)", R"(name)", R"(onblur)", R"(onfocus)", R"(tabindex)"}},
    {"area", {R"(alt)", R"(coords)", R"(href)", R"(nohref)", R"(shape="default")", R"(shape="rect")", R"(shape="circle")", R"(shape="poly")", R"(target)", R"(target="_blank")", R"(target="_new")", R"(target="_parent")", R"(target="_self")", R"(target="_top")"}},
    {"a", {R"(href)", R"(name)", R"(target)", R"(target="_blank")", R"(target="_new")", R"(target="_parent")", R"(target="_self")", R"(target="_top")"}},
    {"basefont", {R"(size)"}},
    {"base", {R"(href)", R"(target)", R"(target="_blank")", R"(target="_new")", R"(target="_parent")", R"(target="_self")", R"(target="_top")"}},
    {"caption", {R"(align="top")", R"(align="bottom")", R"(align="left")", R"(align="right")"}},
    {"div", {R"(align="left")", R"(align="right")", R"(align="center")", R"(align="justify")"}},
    {"embed", {R"(height)", R"(width)", R"(name)", R"(param)", R"(src)"}},
    {"font", {R"(color)", R"(face)", R"(size)"}},
    {"form", {R"(action)", R"(enctype)", R"(method="get")", R"(method="post")", R"(name)", R"(onreset)", R"(onsubmit)", R"(target)", R"(target="_blank")", R"(target="_new")", R"(target="_parent")", R"(target="_self")", R"(target="_top")"}},
    {"frameset", {R"(border)", R"(bordercolor)", R"(cols)", R"(rows)", R"(framespacing)", R"(onload)", R"(onunload)"}},
    {"frame", {R"(bordercolor)", R"(frameborder)", R"(marginheight)", R"(marginwidth)", R"(name)", R"(noresize)", R"(scrolling="yes")", R"(scrolling="no")", R"(scrolling="auto")", R"(src)"}},
    {"h1", {R"(align="left")", R"(align="right")", R"(align="center")"}},
    {"h2", {R"(align="left")", R"(align="right")", R"(align="center")"}},
    {"h3", {R"(align="left")", R"(align="right")", R"(align="center")"}},
    {"h4", {R"(align="left")", R"(align="right")", R"(align="center")"}},
    {"h5", {R"(align="left")", R"(align="right")", R"(align="center")"}},
    {"h6", {R"(align="left")", R"(align="right")", R"(align="center")"}},
    {"hr", {R"(noshade)", R"(size)", R"(width)", R"(align="left")", R"(align="right")", R"(align="center")"}},
    {"img", {R"(alt)", R"(border)", R"(width)", R"(height)", R"(hspace)", R"(vspace)", R"(ismap)", R"(lowsrc)", R"(name)", R"(src)", R"(usemap)", R"(loop)", R"(align="left")", R"(align="right")", R"(align="center")", R"(align="top")", R"(align="texttop")", R"(align="middle")", R"(align="absmiddle")", R"(align="bottom")", R"(align="absbottom")", R"(align="baseline")"}},
    {"input", {R"(alt)", R"(width)", R"(height)", R"(maxlength)", R"(name)", R"(size)", R"(src)", R"(type="button")", R"(type="checkbox")", R"(checked)", R"(type="file")", R"(type="hidden")", R"(type="image")", R"(type="password")", R"(type="radio")", R"(type="reset")", R"(type="submit")", R"(type="text")", R"(value)", R"(align="left")", R"(align="right")", R"(align="center")", R"(align="top")", R"(align="texttop")", R"(align="middle")", R"(align="absmiddle")", R"(align="bottom")", R"(align="absbottom")", R"(align="baseline")"}},
    {"link", {R"(rel)", R"(href)", R"(media="screen")", R"(media="print")", R"(media="projection")", R"(media="braille")", R"(media="speech")", R"(media="all")", R"(type)"}},
    {"map", {R"(name)"}},
    {"meta", {R"(content)", R"(http-equiv="copyright")", R"(http-equiv="description")", R"(http-equiv="expires")", R"(http-equiv="keywords")", R"(http-equiv="refresh")", R"(http-equiv="reply-to")", R"(url)"}},
    {"ol", {R"(type="A")", R"(type="a")", R"(type="I")", R"(type="i")", R"(type="1")", R"(start)"}},
    {"option", {R"(value)"}},
    {"object", {R"(classid)", R"(codebase)", R"(data)", R"(height)", R"(width)", R"(type)", R"(align="left")", R"(align="right")", R"(align="center")", R"(align="top")", R"(align="middle")", R"(align="bottom")", R"(align="baseline")", R"(align="texttop")", R"(align="absmiddle")", R"(align="absbottom")"}},
    {"p", {R"(align="left")", R"(align="right")", R"(align="center")"}},
    {"param", {R"(name)", R"(value)"}},
    {"script", {R"(language)", R"(src)"}},
    {"style", {R"(type)"}},
    {"select", {R"(multiple)", R"(name)", R"(onblur)", R"(onchange)", R"(onfocus)", R"(size)", R"(align="left")", R"(align="right")", R"(align="top")", R"(align="middle")", R"(align="bottom")"}},
    {"table", {R"(bgcolor)", R"(border)", R"(cellpadding)", R"(cellspacing)", R"(cols)", R"(height)", R"(width)", R"(align="left")", R"(align="right")", R"(align="center")"}},
    {"td", {R"(align="left")", R"(align="right")", R"(align="center")", R"(bgcolor)", R"(colspan)", R"(rowspan)", R"(width)", R"(height)", R"(nowrap)", R"(valign="top")", R"(valign="middle")", R"(valign="bottom")", R"(valign="baseline")"}},
    {"th", {R"(align="left")", R"(align="right")", R"(align="center")", R"(bgcolor)", R"(colspan)", R"(rowspan)", R"(width)", R"(height)", R"(nowrap)", R"(valign="top")", R"(valign="middle")", R"(valign="bottom")", R"(valign="baseline")"}},
    {"textarea", {R"(cols)", R"(rows)", R"(name)", R"(wrap="off")", R"(wrap="virtual")", R"(wrap="physical")", R"(onblur)", R"(onchange)", R"(onfocus)"}},
    {"tr", {R"(align="left")", R"(align="right")", R"(align="center")", R"(bgcolor)", R"(valign="top")", R"(valign="middle")", R"(valign="bottom")", R"(valign="baseline")"}},
    {"ul", {R"(type="disc")", R"(type="circle")", R"(type="square")"}},
    {"bgsound", {R"(loop)", R"(loop="infinite")", R"(src)", R"(volume)"}},
    {"iframe", {R"(align="bottom")", R"(align="left")", R"(align="middle")", R"(align="right")", R"(align="top")", R"(frameborder)", R"(height)", R"(hspace)", R"(marginheight)", R"(marginwidth)", R"(name)", R"(scrolling)", R"(src)", R"(vspace)", R"(width)"}},
    {"ilayer", {R"(above)", R"(background)", R"(below)", R"(bgcolor)", R"(clip="bottom")", R"(clip="left")", R"(clip="right")", R"(clip="top")", R"(height)", R"(left)", R"(name)", R"(onblur)", R"(onfocus)", R"(onload)", R"(pagex)", R"(pagey)", R"(src)", R"(top)", R"(visibility="show")", R"(visibility="hide")", R"(visibility="inherit")", R"(width)", R"(z-index)"}},
    {"legend", {R"(accesskey)", R"(align="top")", R"(align="bottom")", R"(align="left")", R"(align="right")", R"(align="center")"}},
    {"marquee", {R"(align="top")", R"(align="bottom")", R"(align="middle")", R"(behavior="scroll")", R"(behavior="slide")", R"(behavior="alternate")", R"(bgcolor)", R"(direction="left")", R"(direction="right")", R"(direction="down")", R"(direction="up")", R"(height)", R"(width)", R"(hspace)", R"(vspace)", R"(loop)", R"(loop="infinite")", R"(scrollamount)", R"(scrolldelay)"}},
    {"multicol", {R"(cols)", R"(gutter)", R"(width)"}},
    {"spacer", {R"(align="left")", R"(align="right")", R"(align="top")", R"(align="texttop")", R"(align="middle")", R"(align="absmiddle")", R"(align="baseline")", R"(align="bottom")", R"(align="absbottom")", R"(height)", R"(width)", R"(size)", R"(type="horizontal")", R"(type="vertical")", R"(type="block")"}},
};

} // namespace

// Every pattern of the table gives its list, sorted as the popup shows it.
TEST(HtmlAttributesTest, ShippedFileGivesEachPatternItsList)
{
    const Result<HtmlAttributeTable> table = HtmlAttributeTable::read(shippedFile());
    ASSERT_TRUE(table.ok()) << table.error().toStdString();
    for (const auto& row : kExpectedLists) {
        QStringList expected;
        for (const char* e : row.entries)
            expected << QString::fromUtf8(e);
        sortAttributeEntries(expected);
        EXPECT_EQ(table.value().entriesFor(QString::fromUtf8(row.tag)), expected) << row.tag;
    }
}

TEST(HtmlAttributesTest, FirstMatchingRuleWins)
{
    const Result<HtmlAttributeTable> table = HtmlAttributeTable::read(shippedFile());
    ASSERT_TRUE(table.ok());
    auto first = [&](const char* tag) { return table.value().entriesFor(QLatin1String(tag)).value(0); };
    EXPECT_EQ(first("basefont"), "size");            // before base
    EXPECT_EQ(first("frameset"), "border");          // before frame
    EXPECT_EQ(first("thead"), "align=\"center\"");   // td/th
    EXPECT_EQ(first("a"), "href");
    for (const char* none : {"abbr", "pre", "span", "head", "html", ""})
        EXPECT_TRUE(table.value().entriesFor(QLatin1String(none)).isEmpty()) << none;
    // Letter case first ignored, then by code point.
    const QStringList ol = table.value().entriesFor(QStringLiteral("ol"));
    EXPECT_EQ(ol, (QStringList{"start", "type=\"1\"", "type=\"A\"", "type=\"a\"", "type=\"I\"", "type=\"i\""}));
}

TEST(HtmlAttributesTest, BadLinesNameFileLineAndReason)
{
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"# ok\n<table : border\n<td border", "f.txt, line 3: a rule needs a colon between its tag patterns and its attributes."},
        {" : border", "f.txt, line 1: there is no tag pattern before the colon."},
        {"<td :   ", "f.txt, line 1: there is no attribute after the colon."},
        {"td : border", "f.txt, line 1: a tag pattern begins with \"<\" and a letter of the tag."},
    };
    for (const Case& c : cases) {
        const Result<HtmlAttributeTable> r = HtmlAttributeTable::parse(QString::fromUtf8(c.text), QStringLiteral("f.txt"));
        ASSERT_FALSE(r.ok()) << c.text;
        EXPECT_EQ(r.error(), QString::fromUtf8(c.message));
    }
    const Result<HtmlAttributeTable> missing = HtmlAttributeTable::read(QStringLiteral("/nonexistent/htmlattributes.txt"));
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().contains(QLatin1String("/nonexistent/htmlattributes.txt")));
}

TEST(HtmlAttributesTest, InsertChoice)
{
    struct Case {
        const char* chosen;
        const char* text;
        int caretBack;
    } cases[] = {
        {"border", "border=\"\"", 1},
        {"nowrap", "nowrap", 0},
        {"checked", "checked", 0},
        {"align=\"center\"", "align=\"center\"", 0},
        {"", "", 0},
    };
    for (const Case& c : cases) {
        const AttributeInsertion a = attributeInsertion(QString::fromUtf8(c.chosen));
        EXPECT_EQ(a.text, QString::fromUtf8(c.text)) << c.chosen;
        EXPECT_EQ(a.caretBack, c.caretBack) << c.chosen;
    }
}

// The caret is the "|" in each case's text (lines separated by "\n").
TEST(TagAtCaretTest, FindKeyWordInNow)
{
    struct Case {
        const char* text;
        const char* tag;
    } cases[] = {
        {"<table |", "table"},
        {"<TABLE border=\"1\" |", "table"},
        {"<td |", "td"},
        {"<thead |", "thead"},
        {"<p |", "p"},
        {"<table|>", "table"},
        {"<table>|", ""},
        {"<table> |", ""},
        {"<a href=\"x |y\">", ""},
        {"<a href=\"x |", ""},
        {"<a href=\"x\" |", "a"},
        {"<!-- <table | -->", ""},
        {"<!--\n<table |\n-->", ""},
        {"text <!-- open\n<table |", ""},
        {"<!-- done -->\n<table |", "table"},
        {"<table\n |", ""},
        {"</table |", ""},
        {"<nosuchtag |", ""},
        {"<p>x</p> <img |", "img"},
        {"<img src=\"a.gif\"> |", ""},
        {"|", ""},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        QStringList lines = text.split(QLatin1Char('\n'));
        int caretLine = 0, caretColumn = 0;
        for (int i = 0; i < lines.size(); ++i) {
            const qsizetype at = lines[i].indexOf(QLatin1Char('|'));
            if (at >= 0) {
                caretLine = i + 1;
                caretColumn = int(at) + 1;
                lines[i].remove(at, 1);
            }
        }
        const QString tag = TagAtCaret::FindKeyWordInNow([&](int i) { return lines.value(i).toLatin1(); }, caretColumn,
                                                         caretLine);
        EXPECT_EQ(tag, QString::fromUtf8(c.tag)) << c.text;
        const QByteArray document = lines.join(QLatin1Char('\n')).toLatin1();
        EXPECT_EQ(TagAtCaret::FindKeyWordInNow(std::string_view(document.constData(), std::size_t(document.size())),
                                               caretColumn, caretLine),
                  QString::fromUtf8(c.tag))
            << c.text << " (document bytes)";
    }
}
