#pragma once

#include <QString>

#include <functional>

// How typed text goes into generated markup. Attribute values and script
// strings are escaped so the user's text cannot end them early; element
// content (link text, list items, labels, comments) stays as typed, as
// authors put markup there. A character the document cannot hold (an 8-bit
// document and a character outside its set) becomes a reference the browser
// reads back: &#N; in markup, \uXXXX in scripts. Ordinary text comes out
// unchanged.
class HtmlEscaper {
public:
    // Whether the document's encoding holds the character (a code point).
    using CanHold = std::function<bool(char32_t)>;

    HtmlEscaper(); // a document that holds every character
    explicit HtmlEscaper(CanHold canHold);

    // Element content: only characters the document cannot hold change.
    QString content(const QString& text) const;
    // A double-quoted attribute value: " becomes &quot;.
    QString attribute(const QString& text) const;
    // A single-quoted script string inside a double-quoted attribute
    // (onMouseOver="...'text'..."): \ and ' escaped first, then ".
    QString scriptInAttribute(const QString& text) const;
    // A double-quoted string inside a script element: \, " and </.
    QString scriptString(const QString& text) const;

private:
    enum class Unholdable { Reference, ScriptEscape };
    void appendCharacter(QString& out, char32_t c, Unholdable how) const;

    CanHold m_canHold;
};

// The set an 8-bit document holds: Latin-1.
bool latin1CanHold(char32_t c);
