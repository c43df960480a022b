// Golden files of the wizards' generated text: each family's cases are
// rendered one after another under a header line and compared with the
// family's file in tests/data/html/golden. A generated line break (a lone
// CR) is written as a line end there.
#include "html/fieldwizards.h"
#include "html/frameswizard.h"
#include "html/htmlescaping.h"
#include "html/scriptwizards.h"
#include "html/tablewizard.h"
#include "html/textwizards.h"

#include "common/golden.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

QString goldenPath(const char* name)
{
    return QStringLiteral(HTML_FIXTURES "/golden/") + QLatin1String(name);
}

// Collects the cases of one golden file.
class Golden {
public:
    void add(const char* title, const QString& text)
    {
        EXPECT_FALSE(text.contains(QLatin1Char('\n'))) << title << ": generated lines are separated by CR only";
        m_out += QStringLiteral("=== ") + QLatin1String(title) + QLatin1Char('\n') + QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')) +
                 QLatin1Char('\n');
    }
    void add(const char* title, const Insertion& insertion)
    {
        add(title, insertion.text);
        if (insertion.caret)
            m_out += QStringLiteral("--- caret: line %1, %2 %3\n")
                         .arg(insertion.caret->lineDelta)
                         .arg(insertion.caret->rule == CaretMove::Column::Absolute ? QStringLiteral("column")
                                                                                    : QStringLiteral("from caret"))
                         .arg(insertion.caret->column);
    }
    void check(const char* file) const { expectMatchesGolden(goldenPath(file), m_out); }

private:
    QString m_out;
};

const HtmlEscaper utf8;
const HtmlEscaper latin1(latin1CanHold);

QString table(const TableValues& v, const QString& indentation)
{
    const Result<QString> r = tableMarkup(v, indentation, utf8);
    EXPECT_TRUE(r.ok()) << r.error().toStdString();
    return r ? r.value() : QString();
}

} // namespace

TEST(GeneratorsTest, Tables)
{
    Golden g;
    g.add("defaults, no indentation", table({}, {}));
    TableValues twoByFour;
    twoByFour.rows = QStringLiteral("2");
    twoByFour.columns = QStringLiteral("4");
    g.add("row 2, column 4", table(twoByFour, {}));
    TableValues all;
    all.rows = QStringLiteral("1");
    all.columns = QStringLiteral("2");
    all.cellSpacing = QStringLiteral("2");
    all.cellPadding = QStringLiteral("3");
    all.width = QStringLiteral("400");
    all.widthUnit = QStringLiteral("Pixel");
    all.height = QStringLiteral("50");
    all.frame = false;
    all.alignment = QStringLiteral("Center");
    all.bgColor = QStringLiteral("#00FF00");
    all.name = QStringLiteral("t");
    g.add("every attribute, colour typed with #, four blanks of indentation", table(all, QStringLiteral("    ")));
    TableValues percent;
    percent.rows = QStringLiteral("0");
    percent.width.clear();
    percent.height = QStringLiteral("50");
    percent.heightUnit = QStringLiteral("Prosent");
    percent.widthUnit = QStringLiteral("Prosent");
    g.add("height in percent, no width, no rows", table(percent, {}));
    TableValues noCells;
    noCells.rows = QStringLiteral(" 1 ");
    noCells.columns = QStringLiteral("-2");
    noCells.width = QStringLiteral("say \"wide\"");
    g.add("a row without cells; a quote in a value", table(noCells, {}));
    g.check("tables.golden");
}

TEST(GeneratorsTest, TableRefusesWhatItCannotWrite)
{
    struct Case {
        const char* rows;
        const char* columns;
        const char* message;
    } cases[] = {
        {"abc", "3", "'abc' is not a valid integer value."},
        {"3", "", "'' is not a valid integer value."},
        {"101", "100", "A table of 10100 cells is too large. The wizard makes tables of up to 10,000 cells."},
    };
    for (const Case& c : cases) {
        TableValues v;
        v.rows = QLatin1String(c.rows);
        v.columns = QLatin1String(c.columns);
        const Result<QString> r = tableMarkup(v, {}, utf8);
        ASSERT_FALSE(r.ok()) << c.rows << " x " << c.columns;
        EXPECT_EQ(r.error(), QLatin1String(c.message));
    }
    TableValues largest;
    largest.rows = QStringLiteral("100");
    largest.columns = QStringLiteral("100");
    EXPECT_TRUE(tableMarkup(largest, {}, utf8).ok());
    EXPECT_EQ(colorHexText(0, 255, 0), "00FF00");
    EXPECT_EQ(colorHexText(10, 11, 171), "0A0BAB");
}

namespace {

Insertion field(FieldWizardKind kind, std::initializer_list<std::pair<const char*, const char*>> texts,
                std::initializer_list<const char*> ticked = {}, FieldContext context = {},
                const HtmlEscaper& escaper = utf8)
{
    FieldValues v;
    for (const auto& [key, text] : texts)
        v.texts.insert(QLatin1String(key), QString::fromUtf8(text));
    for (const char* key : ticked)
        v.ticked.insert(QLatin1String(key));
    return fieldWizard(kind).generate(v, context, escaper);
}

} // namespace

TEST(GeneratorsTest, FieldWizards)
{
    using K = FieldWizardKind;
    FieldContext catalog{QStringLiteral("  "), QStringLiteral("images"), true};
    FieldContext noFolder{{}, {}, true};
    Golden g;
    g.add("checkbox with only Checked", field(K::CheckBox, {}, {"checked"}));
    g.add("checkbox, name trimmed, label as typed", field(K::CheckBox, {{"name", " news "}, {"label", " Send me <b>news</b>"}}, {"checked"}));
    g.add("checkbox, a blank label", field(K::CheckBox, {{"name", "a"}, {"label", "   "}}));
    g.add("radio button", field(K::RadioButton, {{"name", "size"}, {"label", "Large"}}));
    g.add("text field", field(K::TextField, {{"name", "q"}, {"value", "search"}, {"size", "20"}}));
    g.add("text field, quotes in the value", field(K::TextField, {{"value", "say \"hi\""}}));
    g.add("password field, blanks only count as empty", field(K::PasswordField, {{"name", "pw"}, {"value", "  "}}));
    g.add("hidden field", field(K::HiddenField, {{"name", "id"}, {"value", "7"}}));
    g.add("file field", field(K::FileField, {{"name", "upload"}, {"size", "40"}}));
    g.add("image button", field(K::ImageButton, {{"name", "go"}, {"source", "images/go.gif"}}));
    g.add("button without a type", field(K::Button, {{"name", "b"}, {"value", "Go"}}));
    g.add("send button", field(K::Button, {{"type", "Send button"}, {"value", "Send"}}));
    g.add("reset button", field(K::Button, {{"type", "Reset button"}}));
    g.add("text area with its defaults", field(K::TextArea, {{"rows", "10"}, {"cols", "30"}}));
    g.add("text area, physical", field(K::TextArea, {{"name", "msg"}, {"rows", "5"}, {"cols", "40"}, {"wrap", "Physical"}}));
    g.add("horizontal rule", field(K::HorizontalRule, {{"alignment", "center"}, {"size", "2"}, {"width", "50%"}}, {"noshade"}));
    g.add("object, indented by two",
          field(K::Object, {{"width", "100"}, {"height", "50"}, {"classId", "clsid:1"}, {"data", "a.swf"},
                            {"codebase", "http://x"}, {"mimeType", "application/x-shockwave-flash"}, {"id", "o1"}},
                {}, catalog));
    g.add("image without a catalog", field(K::Image, {{"file", "/home/u/pic.png"}, {"height", "31"}, {"width", "47"}}));
    g.add("image with a catalog, every field",
          field(K::Image,
                {{"file", "pic.png"}, {"height", "31"}, {"width", "47"}, {"name", "n"}, {"alignment", "left"},
                 {"hspace", "2"}, {"vspace", "3"}, {"alt", "A \"pic\""}, {"useMap", "m"}, {"lowsrc", "/tmp/low.gif"},
                 {"border", "0"}},
                {"ismap"}, catalog));
    g.add("image, catalog with an empty images folder", field(K::Image, {{"file", "pic.png"}}, {}, noFolder));
    g.add("browser information, every box",
          field(K::BrowserInformation, {}, {"browserType", "browserVersion", "codeName", "platform", "language"}));
    g.add("browser information, no box", field(K::BrowserInformation, {}));
    g.add("8-bit document: characters it cannot hold",
          field(K::TextField, {{"name", "€uro"}, {"value", "café ☺ 😀"}}, {}, {}, latin1));
    g.check("fieldwizards.golden");
}

TEST(GeneratorsTest, TextWizards)
{
    Golden g;
    FontValues boldItalic;
    boldItalic.font = QStringLiteral("Arial");
    boldItalic.size = QStringLiteral("3");
    boldItalic.bold = boldItalic.italics = true;
    g.add("font: bold, italics, Arial, size 3 around Hi", fontMarkup(boldItalic, QStringLiteral("Hi"), utf8));
    FontValues listed;
    listed.font = QStringLiteral("Ignored");
    listed.fonts = QStringList{QStringLiteral("Verdana"), QStringLiteral("Arial, Helvetica, sans-serif")};
    listed.size = QStringLiteral("2");
    listed.underline = true;
    g.add("font: a list of fonts, underlined, no selection", fontMarkup(listed, {}, utf8));
    g.add("font: nothing chosen", fontMarkup({}, QStringLiteral("x"), utf8));

    LinkValues print;
    print.link = QStringLiteral("#");
    print.linkText = QStringLiteral("Print <b>me</b>");
    print.onClick = true;
    print.clickChoice = QStringLiteral("Print document");
    print.onMouseOver = true;
    print.statusLineEvents = statusLineEvents(QStringLiteral("It's \"printing\" C:\\"), utf8);
    g.add("link printing the page, with a status message", linkMarkup(print, utf8));
    LinkValues anchor;
    anchor.name = QStringLiteral("top");
    anchor.linkText = QStringLiteral("Top");
    anchor.onClick = true;
    anchor.clickChoice = QStringLiteral("Close browser window");
    g.add("anchor: no link, events ignored", linkMarkup(anchor, utf8));
    BrowserWindowValues window;
    window.document = QStringLiteral("help.html");
    window.title = QStringLiteral("Bob's help");
    window.height = QStringLiteral("300");
    window.width = QStringLiteral("200");
    window.toolbar = window.scrollbars = window.status = true;
    LinkValues opening;
    opening.link = QStringLiteral("#");
    opening.linkText = QStringLiteral("Help");
    opening.onClick = true;
    opening.clickChoice = QStringLiteral("Open Browser window");
    opening.browserWindowEvent = browserWindowEvent(window, utf8);
    g.add("link opening a browser window", linkMarkup(opening, utf8));
    g.add("browser window, no box, no size", browserWindowEvent({}, utf8));

    g.add("comment of one line", commentMarkup(QStringLiteral("Made by me"), {}, utf8));
    g.add("comment of three lines, indented by four",
          commentMarkup(QStringLiteral("one\ntwo\nthree\n"), QStringLiteral("    "), utf8));
    g.add("empty comment", commentMarkup({}, {}, utf8));

    const QStringList items{QStringLiteral("HTML 1.0"), QStringLiteral("<i>HTML</i> 2.0")};
    g.add("ordered list from 3, roman", orderedListMarkup(QStringLiteral("Big roman index letters"), QStringLiteral("3"), items, {}, utf8));
    g.add("ordered list without a choice, indented by two", orderedListMarkup({}, {}, items, QStringLiteral("  "), utf8));
    g.add("unordered list, circle", unorderedListMarkup(QStringLiteral("Circle"), items, {}, utf8));
    g.add("unordered list without a choice", unorderedListMarkup({}, {}, {}, utf8));
    SelectionListValues select;
    select.name = QStringLiteral("pick");
    select.multiline = true;
    select.length = QStringLiteral("4");
    select.entries = QStringList{QStringLiteral("Red"), QStringLiteral("Green")};
    g.add("selection list, multiline, length 4", selectionListMarkup(select, QStringLiteral("  "), utf8));
    select.multiline = false;
    g.add("selection list, length ignored without Multiline", selectionListMarkup(select, {}, utf8));
    g.check("textwizards.golden");

    EXPECT_EQ(orderedListExample(QStringLiteral("Large index letters")), "A.  HTML 1.0\nB.  HTML 2.0\nC.  HTML 4.0");
    EXPECT_EQ(orderedListExample(QStringLiteral("Smal roman index letters")), "i.  HTML 1.0\nii.  HTML 2.0\niii.  HTML 4.0");
    EXPECT_EQ(importedEntries({QStringLiteral("a"), QStringLiteral(" "), QString(), QStringLiteral(" b")}),
              (QStringList{QStringLiteral("a"), QStringLiteral(" b")}));
}

TEST(GeneratorsTest, Frames)
{
    Golden g;
    auto add = [&g](const char* title, const FramesWizard::Frameset& f) {
        QString pages;
        for (const FramesWizard::Page& p : f.pages)
            pages += QLatin1Char(' ') + p.fileName;
        g.add(title, f.text);
        if (!pages.isEmpty())
            g.add("  pages made:", pages.trimmed());
    };
    add("layout 2, no pages, no borders", FramesWizard::build(QStringLiteral("2"), false, false, 17));
    add("layout 1, pages, borders", FramesWizard::build(QStringLiteral("1"), true, true, 17));
    add("layout 6, no pages", FramesWizard::build(QStringLiteral("6"), false, false, 0));
    add("layout 7, pages", FramesWizard::build(QStringLiteral("7"), false, true, 5));
    add("layout 7, no pages", FramesWizard::build(QStringLiteral("7"), true, false, 5));
    add("layout 8, pages", FramesWizard::build(QStringLiteral("8"), true, true, 5));
    add("Other", FramesWizard::build(QStringLiteral("Other"), false, true, 5));
    g.add("page text", FramesWizard::emptyPageText());
    g.check("frames.golden");

    // A page of that name is open: the number is drawn again.
    int draws = 0;
    const int n = FramesWizard::drawNumber(
        QStringLiteral("2"), [&draws] { return draws++ == 0 ? 17 : 18; },
        [](const QString& name) { return name == QLatin1String("ContentID17.html"); });
    EXPECT_EQ(n, 18);
}

TEST(GeneratorsTest, Scripts)
{
    using namespace ScriptWizards;
    Golden g;
    RolloverValues r;
    r.originalImage = QStringLiteral("off.gif");
    r.rolloverImage = QStringLiteral("on.gif");
    r.name = defaultRolloverName(42);
    r.message = QStringLiteral("Go home");
    g.add("rollover with the images folder", rolloverMarkup(r, QStringLiteral("images/"), utf8));
    r.link = QStringLiteral("a \"b\".html");
    r.message = QStringLiteral("It's C:\\ \"here\"");
    g.add("rollover, quotes and backslashes", rolloverMarkup(r, {}, utf8));
    g.add("rollover head script", rolloverHeadScript());
    const std::vector<LinkRow> rows{{QStringLiteral("Home"), QStringLiteral(" www.example.com ")},
                                    {QStringLiteral("<b>News</b>"), QStringLiteral("news.example.com/?a=\"1\"")}};
    g.add("link list 42, indented by two", linkListMarkup(rows, 42, QStringLiteral("  "), utf8));
    g.add("link list head script", linkListHeadScript(42));
    g.add("random image, two entries in the images folder",
          randomImageMarkup({QStringLiteral("a.gif"), QStringLiteral("b.gif")}, QStringLiteral("images/"), false, utf8));
    g.add("random background image, entries needing escapes",
          randomImageMarkup({QStringLiteral("x\"y.gif"), QStringLiteral("</script>.gif"), QStringLiteral("c:\\d.gif")}, {},
                            true, utf8));
    g.add("random image in an 8-bit document", randomImageMarkup({QStringLiteral("☺.gif")}, {}, false, latin1));
    g.add("status line clock script", statuslineClockScript());
    g.add("status line clock onLoad", statuslineClockOnLoad());
    g.add("text field clock form", textfieldClockForm());
    g.add("text field clock script", textfieldClockScript());
    g.add("text field clock onLoad", textfieldClockOnLoad());
    g.add("todays date", todaysDateScript());
    g.add("last modified", lastModifiedScript());
    g.check("scripts.golden");
}

TEST(GeneratorsTest, ScriptHelpers)
{
    using namespace ScriptWizards;
    EXPECT_EQ(defaultRolloverName(7), "ImageID7");
    for (const char* good : {"ImageID7", "_a", "$", "a1_$"})
        EXPECT_TRUE(isScriptIdentifier(QLatin1String(good))) << good;
    for (const char* bad : {"", "1a", "a b", "a-b", "a\"", "a);alert(1"})
        EXPECT_FALSE(isScriptIdentifier(QLatin1String(bad))) << bad;

    const auto rows = linkRowsFromLines({QStringLiteral("Home"), QString(), QStringLiteral("www.a.no"),
                                         QStringLiteral("  "), QStringLiteral("Odd")});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].value, "Home");
    EXPECT_EQ(rows[0].link, "www.a.no");
    EXPECT_EQ(rows[1].value, "Odd");
    EXPECT_EQ(rows[1].link, "");

    // A second list serves the script already in the document.
    EXPECT_EQ(linkListNumberInDocument(linkListHeadScript(1234)), 1234);
    EXPECT_EQ(linkListNumberInDocument(QStringLiteral("<html></html>")), std::nullopt);
}
