#pragma once

#include <QString>

#include <optional>
#include <span>

// The kinds of document that "&New" and the new-document popup make: what
// each one looks like to the frame window, the template it starts from and
// where the caret goes after the template. The frame window's handlers carry
// out the steps; this only holds the data and the caret rules.
namespace NewDocuments {

enum class Kind { JavaApplication, JavaApplet, Html, Perl, Php, Xml, Css, Text, CustomLanguage };

// The editor window's highlighter switch to call (Java keeps the window's
// initial one; General is the configurable highlighter of custom languages).
enum class Highlighter { Java, Html, Perl, Php, Xml, Css, None, General };

// The tool page shown; the other two of the three are hidden.
enum class ToolPage { Java, Html, General };

struct KindInfo {
    Kind kind;
    const char* menuCaption;  // under "&New"; empty for a custom language (its name)
    const char* popupCaption; // in PopupMenu3; empty for a custom language
    const char* handler;
    // Ends the "Untitled<n>" caption. Empty for a custom language, whose
    // extension is firstFileExtension() of its FileExt.
    const char* extension;
    Highlighter highlighter;
    ToolPage page;
    // Entry of the file panel's file-type box, from 0. None for a custom
    // language: the last entry whose description contains its extension.
    std::optional<int> fileTypeEntry;
    bool bottomTabsShown;       // EnableDisableTabs
    bool generalButtonsEnabled; // EnableGeneralButtons(true)
};

// Every kind, in the order of Kind.
std::span<const KindInfo> kinds();
const KindInfo& info(Kind kind);

// The template inserted with SkrivTekstenTilEditor when TmpltCodeOnNewDoc is
// on. Lines are separated by a lone CR, except Perl's, which is the Perl
// highlighter's sample text with CR LF. Empty for text and custom languages.
QString templateText(Kind kind);

struct CaretPlace {
    int column = 1; // 1-based
    int line = 1;   // 1-based
    bool operator==(const CaretPlace&) const = default;
};

// Where to put the caret once the template step is done, given whether the
// template was inserted and where the insertion left the caret. None: leave
// the caret where it is. Lines are kept >= 1; the edit control clamps a line
// beyond the text (HTML's line 6 in an empty document).
std::optional<CaretPlace> caretAfterTemplate(Kind kind, bool templateInserted, CaretPlace caret);

// LagEnhetHTML: make HTML unit. Its caret goes to the given line, column 1,
// with or without a template.
CaretPlace LagEnhetHTMLCaret(int caretLine);

// The line HTMLdocument1Click hands to LagEnhetHTML.
constexpr int HtmlTemplateCaretLine = 6;

} // namespace NewDocuments
