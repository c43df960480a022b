#include "workspace/endtags.h"

#include <gtest/gtest.h>

namespace {

enum class Lang { Html, Xml };

struct EndTagCase {
    const char* name;
    Lang lang;
    const char* line;
    int column; // 0: the caret right after the line's last character
    const char* expected; // "" for no end tag
};

// The line is the caret line as it is before the ">" is inserted.
const EndTagCase endTagCases[] = {
    {"HtmlBold", Lang::Html, "<b", 0, "</b>"},
    {"HtmlBoldAfterText", Lang::Html, "Some <b", 0, "</b>"},
    {"HtmlKeepsLetterCase", Lang::Html, "<Table", 0, "</Table>"},
    {"HtmlTableWithBorder", Lang::Html, "<table border=1", 0, "</table>"},
    {"HtmlBreakIsSingle", Lang::Html, "<br", 0, ""},
    {"HtmlUpperCaseBreakIsNotSingle", Lang::Html, "<BR", 0, "</BR>"},
    {"HtmlAbbrCountsAsSingle", Lang::Html, "<abbr", 0, ""},
    {"HtmlFrameIsSingle", Lang::Html, "<frame", 0, ""},
    {"HtmlFramesetIsNot", Lang::Html, "<frameset", 0, "</frameset>"},
    {"HtmlClosingBold", Lang::Html, "</b", 0, ""},
    {"HtmlLinkWithHrefValue", Lang::Html, "<a href=\"page.htm\"", 0, "</a>"},
    {"HtmlInputWithTypeValue", Lang::Html, "<input type=\"text\"", 0, ""},
    {"HtmlCellWithBareNowrap", Lang::Html, "<td nowrap", 0, ""},
    {"HtmlBlankAfterBareNowrap", Lang::Html, "<td nowrap ", 0, "</td>"},
    {"HtmlUnknownTag", Lang::Html, "<foo", 0, ""},
    {"HtmlCaretBeyondLineEnd", Lang::Html, "<b", 5, ""},
    {"HtmlAlreadyClosedEarlier", Lang::Html, "<b>bold", 0, ""},
    {"HtmlNewTagAfterEndTag", Lang::Html, "</b><i", 0, "</i>"},
    {"HtmlCaretInsideLine", Lang::Html, "<b and more", 3, "</b>"},
    {"HtmlSelfClosingSlash", Lang::Html, "<p/", 0, ""},
    {"HtmlCaretRightAfterLessThan", Lang::Html, "<", 0, ""},
    {"HtmlInsideComment", Lang::Html, "<!-- <b", 0, ""},
    {"HtmlDoctypeDeclaration", Lang::Html, "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\"", 0, ""},
    {"HtmlBareDoctype", Lang::Html, "<!DOCTYPE", 0, ""},
    {"HtmlEmptyLine", Lang::Html, "", 1, ""},
    {"HtmlCaretAtColumnOne", Lang::Html, "<b", 1, ""},
    {"XmlUnknownToHtmlIsFine", Lang::Xml, "<foo", 0, "</foo>"},
    {"XmlWithAttribute", Lang::Xml, "<item id=\"1\"", 0, "</item>"},
    {"XmlNamespacedName", Lang::Xml, "<x:y", 0, "</x:y>"},
    {"XmlNoSingleTags", Lang::Xml, "<br", 0, "</br>"},
    {"XmlClosing", Lang::Xml, "</foo", 0, ""},
    {"XmlSelfClosingSlash", Lang::Xml, "<a/", 0, ""},
    {"XmlAlreadyClosedEarlier", Lang::Xml, "<a>text", 0, ""},
    {"XmlNewTagAfterEndTag", Lang::Xml, "</a><b", 0, "</b>"},
    {"XmlNewTagAfterEmptyElement", Lang::Xml, "<a/><b", 0, "</b>"},
    {"XmlCaretBeyondLineEnd", Lang::Xml, "<foo", 7, ""},
    {"XmlInsideComment", Lang::Xml, "<!-- <b", 0, ""},
    {"XmlProcessingInstruction", Lang::Xml, "<?xml version=\"1.0\"?", 0, ""},
    // The caret column counts characters; the highlighter reads UTF-8.
    {"HtmlAfterTextOutsideLatin1", Lang::Html, "\xE2\x98\x83 Gr\xC3\xBC\xC3\x9F" "e <b", 0, "</b>"},
    {"HtmlCaretInsideLineAfterNonAscii", Lang::Html, "\xC3\xB8<b and more", 4, "</b>"},
    {"XmlNameOutsideLatin1", Lang::Xml, "<\xCF\x80\xE2\x82\xAC", 0, "</\xCF\x80\xE2\x82\xAC>"},
};

class EndTagsTest : public testing::TestWithParam<EndTagCase> {};

TEST_P(EndTagsTest, EndTagForCaret)
{
    const EndTagCase& c = GetParam();
    const QString line = QString::fromUtf8(c.line);
    const int column = c.column ? c.column : int(line.size()) + 1;
    const std::optional<QString> tag =
        c.lang == Lang::Html ? EndTags::htmlEndTag(line, column) : EndTags::xmlEndTag(line, column);
    EXPECT_EQ(tag.value_or(QString()), QString::fromUtf8(c.expected));
    EXPECT_EQ(tag.has_value(), *c.expected != '\0');
}

INSTANTIATE_TEST_SUITE_P(Cases, EndTagsTest, testing::ValuesIn(endTagCases),
                         [](const testing::TestParamInfo<EndTagCase>& info) { return std::string(info.param.name); });

TEST(EndTagsSingleTag, NamesWithoutEndTag)
{
    const struct {
        const char* tag;
        bool single;
    } cases[] = {
        {"b", false},      {"table", false},   {"br", true},      {"BR", false},    {"hr", true},
        {"abbr", true},    {"nobr", true},     {"blink", true},   {"area", true},   {"bgsound", true},
        {"spacer", true},  {"meta", true},     {"base", true},    {"basefont", true}, {"img", true},
        {"input", true},   {"link", true},     {"wbr", true},     {"frame", true},  {"FRAME", false},
        {"frameset", false}, {"iframe", false}, {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EndTags::SingleTag(QString::fromLatin1(c.tag)), c.single) << c.tag;
}

// Every byte value and carets far past the end must neither crash nor hang.
TEST(EndTagsRobustness, AnyByteAnyColumn)
{
    QString line;
    for (int b = 0; b < 256; ++b)
        line += QChar(b);
    line += QStringLiteral("<b");
    for (int column : {-5, 0, 1, 2, 100, 258, 259, 1000000}) {
        (void)EndTags::htmlEndTag(line, column);
        (void)EndTags::xmlEndTag(line, column);
    }
}

} // namespace
