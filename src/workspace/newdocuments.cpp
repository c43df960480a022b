#include "workspace/newdocuments.h"

#include "editor/tsynperlsyn.h"

#include <algorithm>
#include <array>

namespace NewDocuments {
namespace {

constexpr std::array<KindInfo, 9> kindTable = {{
    {Kind::JavaApplication, "Java application document", "Java application", "Source1Click", ".java", Highlighter::Java,
     ToolPage::Java, 0, true, false},
    {Kind::JavaApplet, "Java applet document", "Java applet", "Applet1Click", ".java", Highlighter::Java,
     ToolPage::Java, 0, true, false},
    {Kind::Html, "HTML document", "html document", "HTMLdocument1Click", ".htm", Highlighter::Html, ToolPage::Html, 1,
     false, false},
    {Kind::Perl, "Perl document", "Perl document", "Perldocument1Click", ".pl", Highlighter::Perl, ToolPage::General, 2,
     false, true},
    {Kind::Php, "PHP document", "php document", "PHPdocument1Click", ".php", Highlighter::Php, ToolPage::General, 3,
     false, true},
    {Kind::Xml, "XML document", "xml document", "XMLdocument1Click", ".xml", Highlighter::Xml, ToolPage::General, 4,
     false, true},
    {Kind::Css, "CSS document", "css document", "CSSdocument1Click", ".css", Highlighter::Css, ToolPage::General, 5,
     false, true},
    {Kind::Text, "Text file", "txt file", "Textfile1Click", ".txt", Highlighter::None, ToolPage::General, 6, false,
     true},
    {Kind::CustomLanguage, "", "", "GeneralDocument", "", Highlighter::General, ToolPage::General, std::nullopt, false,
     true},
}};

// The table is indexed by Kind.
constexpr bool tableFollowsKind()
{
    for (std::size_t i = 0; i < kindTable.size(); ++i)
        if (static_cast<std::size_t>(kindTable[i].kind) != i)
            return false;
    return true;
}
static_assert(tableFollowsKind());

// Generated text ends its lines with a lone CR; the edit control turns each
// into a line break. No template ends with one, so the caret is left on the
// template's last line.
constexpr const char* javaApplicationTemplate = "\r"
                                                "class Classname {\r"
                                                "  public static void main(String args[]) {\r"
                                                "     \r"
                                                "  }\r"
                                                "}";

constexpr const char* javaAppletTemplate = "\r"
                                           "import java.awt.*;\r"
                                           "import javax.swing.*;\r"
                                           "\r"
                                           "public class Applet1 extends JApplet {\r"
                                           "  public void init() {\r"
                                           "    Container content = getContentPane();\r"
                                           "  }\r"
                                           "}";

constexpr const char* htmlTemplate = "<html>\r"
                                     "<head>\r"
                                     "<title>No title</title>\r"
                                     "</head>\r"
                                     "<body>\r"
                                     "\r"
                                     "</body>\r"
                                     "</html>";

constexpr const char* phpTemplate = "function aFunction() {\r"
                                    "\r"
                                    "}";

constexpr const char* xmlTemplate = "\r"
                                    "<?xml version=\"1.0\"?>\r"
                                    "<!DOCTYPE root [\r"
                                    "  ]>\r"
                                    "<!-- Comment -->\r"
                                    "<root>\r"
                                    "  <![CDATA[ **CDATA section** ]]>\r"
                                    "\r"
                                    "</root>";

constexpr const char* cssTemplate = "body\r"
                                    "{\r"
                                    "  font-family: \"Arial\";\r"
                                    "  font-size: 12pt;\r"
                                    "\r"
                                    "}";

// One line up from the caret, never above the first line.
CaretPlace lineAbove(int column, CaretPlace caret)
{
    return {column, std::max(1, caret.line - 1)};
}

} // namespace

std::span<const KindInfo> kinds()
{
    return kindTable;
}

const KindInfo& info(Kind kind)
{
    return kindTable[static_cast<std::size_t>(kind)];
}

QString templateText(Kind kind)
{
    switch (kind) {
    case Kind::JavaApplication:
        return QString::fromLatin1(javaApplicationTemplate);
    case Kind::JavaApplet:
        return QString::fromLatin1(javaAppletTemplate);
    case Kind::Html:
        return QString::fromLatin1(htmlTemplate);
    // The Perl document starts from the highlighter's own sample, CR LF and all.
    case Kind::Perl:
        return TSynPerlSyn().sampleSource();
    case Kind::Php:
        return QString::fromLatin1(phpTemplate);
    case Kind::Xml:
        return QString::fromLatin1(xmlTemplate);
    case Kind::Css:
        return QString::fromLatin1(cssTemplate);
    case Kind::Text:
    case Kind::CustomLanguage:
        break;
    }
    return {};
}

std::optional<CaretPlace> caretAfterTemplate(Kind kind, bool templateInserted, CaretPlace caret)
{
    switch (kind) {
    // HTML and XML move the caret whether or not a template went in.
    case Kind::Html:
        return LagEnhetHTMLCaret(HtmlTemplateCaretLine);
    case Kind::Xml:
        return lineAbove(3, caret);
    case Kind::Text:
    case Kind::CustomLanguage:
        return std::nullopt;
    default:
        break;
    }
    if (!templateInserted)
        return std::nullopt;
    switch (kind) {
    case Kind::JavaApplication:
        return CaretPlace{6, 4}; // end of the line of five blanks
    case Kind::JavaApplet:
        return CaretPlace{42, 7}; // end of the getContentPane() line
    case Kind::Perl:
        return caret; // stays at the end of the text
    case Kind::Php:
        return lineAbove(4, caret);
    case Kind::Css:
        return lineAbove(3, caret);
    default:
        return std::nullopt;
    }
}

CaretPlace LagEnhetHTMLCaret(int caretLine)
{
    return {1, caretLine};
}

} // namespace NewDocuments
