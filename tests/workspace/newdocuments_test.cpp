#include "workspace/newdocuments.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace NewDocuments {
void PrintTo(const CaretPlace& p, std::ostream* os)
{
    *os << "(column " << p.column << ", line " << p.line << ')';
}
} // namespace NewDocuments

namespace {

using NewDocuments::CaretPlace;
using NewDocuments::Highlighter;
using NewDocuments::Kind;
using NewDocuments::ToolPage;

// Where inserting text into an empty document leaves the caret: a CR, an LF
// or a CR LF pair each start a new line.
CaretPlace endOfInsertedText(const QString& text)
{
    CaretPlace at;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            ++at.line;
            at.column = 1;
        } else {
            ++at.column;
        }
    }
    return at;
}

// Line ends made visible, so a failure shows where the texts differ.
QString visible(QString text)
{
    return text.replace(QLatin1String("\r"), QLatin1String("<CR>")).replace(QLatin1String("\n"), QLatin1String("<LF>"));
}

QString joined(const QStringList& lines, const char* separator)
{
    return lines.join(QLatin1String(separator));
}

struct TemplateCase {
    const char* name;
    Kind kind;
    QString expected;
};

TEST(NewDocumentsTemplate, ByteForByte)
{
    const TemplateCase cases[] = {
        {"JavaApplication", Kind::JavaApplication,
         joined({"", "class Classname {", "  public static void main(String args[]) {", "     ", "  }", "}"}, "\r")},
        {"JavaApplet", Kind::JavaApplet,
         joined({"", "import java.awt.*;", "import javax.swing.*;", "", "public class Applet1 extends JApplet {",
                 "  public void init() {", "    Container content = getContentPane();", "  }", "}"},
                "\r")},
        {"Html", Kind::Html,
         joined({"<html>", "<head>", "<title>No title</title>", "</head>", "<body>", "", "</body>", "</html>"}, "\r")},
        {"PerlWithCrLf", Kind::Perl,
         joined({"#!/bin/perl", "require \"cgi-lib.pl\";", "use sigtrap;", "do 'envars.pl';", "$_ = $password1;",
                 "sub WriteBack {", "        while ($_ ne \"fred\")    {", "                sleep 5;", "        }",
                 "}"},
                "\r\n")},
        {"Php", Kind::Php, joined({"function aFunction() {", "", "}"}, "\r")},
        {"Xml", Kind::Xml,
         joined({"", "<?xml version=\"1.0\"?>", "<!DOCTYPE root [", "  ]>", "<!-- Comment -->", "<root>",
                 "  <![CDATA[ **CDATA section** ]]>", "", "</root>"},
                "\r")},
        {"Css", Kind::Css, joined({"body", "{", "  font-family: \"Arial\";", "  font-size: 12pt;", "", "}"}, "\r")},
        {"TextHasNone", Kind::Text, QString()},
        {"CustomLanguageHasNone", Kind::CustomLanguage, QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString actual = NewDocuments::templateText(c.kind);
        EXPECT_EQ(visible(c.expected), visible(actual));
        EXPECT_TRUE(c.expected == actual);
    }
}

struct CaretCase {
    const char* name;
    Kind kind;
    bool templateInserted;
    CaretPlace caret;
    std::optional<CaretPlace> expected;
};

// With the template, the caret the insertion leaves is computed from the
// template itself, so these also check the Part's stated results.
TEST(NewDocumentsCaret, AfterTemplate)
{
    const CaretCase cases[] = {
        {"JavaApplication", Kind::JavaApplication, true, {}, CaretPlace{6, 4}},
        {"JavaApplet", Kind::JavaApplet, true, {}, CaretPlace{42, 7}},
        {"Html", Kind::Html, true, {}, CaretPlace{1, 6}},
        {"PerlStaysAtEnd", Kind::Perl, true, {}, CaretPlace{2, 10}},
        {"PhpLineAboveColumn4", Kind::Php, true, {}, CaretPlace{4, 2}},
        {"XmlColumn3LineUp", Kind::Xml, true, {}, CaretPlace{3, 8}},
        {"CssColumn3AboveLast", Kind::Css, true, {}, CaretPlace{3, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CaretPlace end = endOfInsertedText(NewDocuments::templateText(c.kind));
        EXPECT_EQ(c.expected, NewDocuments::caretAfterTemplate(c.kind, true, end));
    }
}

TEST(NewDocumentsCaret, Rules)
{
    const CaretCase cases[] = {
        // No template: only HTML and XML move the caret of the empty document.
        {"JavaApplicationNoTemplate", Kind::JavaApplication, false, {1, 1}, std::nullopt},
        {"JavaAppletNoTemplate", Kind::JavaApplet, false, {1, 1}, std::nullopt},
        {"HtmlNoTemplateStillLine6", Kind::Html, false, {1, 1}, CaretPlace{1, 6}},
        {"PerlNoTemplate", Kind::Perl, false, {1, 1}, std::nullopt},
        {"PhpNoTemplate", Kind::Php, false, {1, 1}, std::nullopt},
        {"XmlNoTemplateKeepsLine1", Kind::Xml, false, {1, 1}, CaretPlace{3, 1}},
        {"CssNoTemplate", Kind::Css, false, {1, 1}, std::nullopt},
        {"TextNoTemplate", Kind::Text, false, {1, 1}, std::nullopt},
        {"CustomLanguageNoTemplate", Kind::CustomLanguage, false, {1, 1}, std::nullopt},
        // The relative rules follow the caret the insertion left, whatever it is.
        {"PhpFollowsCaret", Kind::Php, true, {9, 5}, CaretPlace{4, 4}},
        {"PhpNeverAboveLine1", Kind::Php, true, {7, 1}, CaretPlace{4, 1}},
        {"XmlFollowsCaret", Kind::Xml, true, {20, 12}, CaretPlace{3, 11}},
        {"XmlWithoutTemplateFollowsCaret", Kind::Xml, false, {5, 2}, CaretPlace{3, 1}},
        {"CssFollowsCaret", Kind::Css, true, {2, 9}, CaretPlace{3, 8}},
        {"PerlKeepsAnyCaret", Kind::Perl, true, {7, 3}, CaretPlace{7, 3}},
        // Fixed places ignore where the insertion ended.
        {"JavaApplicationFixed", Kind::JavaApplication, true, {30, 30}, CaretPlace{6, 4}},
        {"JavaAppletFixed", Kind::JavaApplet, true, {30, 30}, CaretPlace{42, 7}},
        {"HtmlFixed", Kind::Html, true, {30, 30}, CaretPlace{1, 6}},
        {"TextWithTextKeepsCaret", Kind::Text, true, {4, 4}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, NewDocuments::caretAfterTemplate(c.kind, c.templateInserted, c.caret));
    }
}

TEST(NewDocumentsCaret, LagEnhetHTMLGoesToColumn1OfTheLine)
{
    EXPECT_EQ((CaretPlace{1, 6}), NewDocuments::LagEnhetHTMLCaret(6));
    EXPECT_EQ((CaretPlace{1, 3}), NewDocuments::LagEnhetHTMLCaret(3));
    EXPECT_EQ(6, NewDocuments::HtmlTemplateCaretLine);
}

struct KindCase {
    Kind kind;
    const char* menuCaption;
    const char* popupCaption;
    const char* handler;
    const char* extension;
    Highlighter highlighter;
    ToolPage page;
    std::optional<int> entry;
    bool tabsShown;
    bool generalButtons;
};

TEST(NewDocumentsTable, EveryKind)
{
    const KindCase cases[] = {
        {Kind::JavaApplication, "Java application document", "Java application", "Source1Click", ".java",
         Highlighter::Java, ToolPage::Java, 0, true, false},
        {Kind::JavaApplet, "Java applet document", "Java applet", "Applet1Click", ".java", Highlighter::Java,
         ToolPage::Java, 0, true, false},
        {Kind::Html, "HTML document", "html document", "HTMLdocument1Click", ".htm", Highlighter::Html, ToolPage::Html,
         1, false, false},
        {Kind::Perl, "Perl document", "Perl document", "Perldocument1Click", ".pl", Highlighter::Perl,
         ToolPage::General, 2, false, true},
        {Kind::Php, "PHP document", "php document", "PHPdocument1Click", ".php", Highlighter::Php, ToolPage::General, 3,
         false, true},
        {Kind::Xml, "XML document", "xml document", "XMLdocument1Click", ".xml", Highlighter::Xml, ToolPage::General, 4,
         false, true},
        {Kind::Css, "CSS document", "css document", "CSSdocument1Click", ".css", Highlighter::Css, ToolPage::General, 5,
         false, true},
        {Kind::Text, "Text file", "txt file", "Textfile1Click", ".txt", Highlighter::None, ToolPage::General, 6, false,
         true},
        {Kind::CustomLanguage, "", "", "GeneralDocument", "", Highlighter::General, ToolPage::General, std::nullopt,
         false, true},
    };
    ASSERT_EQ(std::size(cases), NewDocuments::kinds().size());
    for (const auto& c : cases) {
        const auto& k = NewDocuments::info(c.kind);
        SCOPED_TRACE(c.handler);
        EXPECT_EQ(c.kind, k.kind);
        EXPECT_STREQ(c.menuCaption, k.menuCaption);
        EXPECT_STREQ(c.popupCaption, k.popupCaption);
        EXPECT_STREQ(c.handler, k.handler);
        EXPECT_STREQ(c.extension, k.extension);
        EXPECT_EQ(c.highlighter, k.highlighter);
        EXPECT_EQ(c.page, k.page);
        EXPECT_EQ(c.entry, k.fileTypeEntry);
        EXPECT_EQ(c.tabsShown, k.bottomTabsShown);
        EXPECT_EQ(c.generalButtons, k.generalButtonsEnabled);
    }
}

} // namespace
