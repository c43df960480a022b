#pragma once

#include "editor/tsyncustomhighlighter.h"

// Highlighter for XML documents and DTDs. The end-tag insertion and the
// comment test walk its tokens: "<", "</", ">", "/>", "<!--" and "-->" are
// Symbol tokens ("</" is one token, marking an end tag), and the element
// name follows "<" or "</" as its own token.
//
// The range packs the scanner state, whether the current attribute is a
// namespace declaration, and inside a DOCTYPE the bracket depth and any
// open quote or comment, so GetRange()/SetRange() resume at any line.
class TSynXMLSyn : public TSynCustomHighlighter {
public:
    TSynXMLSyn();

    QString languageName() const override;
    QString defaultFilter() const override;
    QString sampleSource() const override;

    TSynHighlighterAttributes* GetTokenAttribute() const override;
    int GetRange() const override;
    void SetRange(int range) override;
    void ResetRange() override;

protected:
    void scanToken() override;

private:
    enum class State {
        Text,
        ElementName,  // after "<" or "</"
        Tag,          // inside a tag, between attributes
        AfterEquals,  // after "=": a value comes next
        DoubleQuoted, // inside "..." of a tag
        SingleQuoted, // inside '...' of a tag
        Comment,      // between "<!--" and "-->"
        CData,        // inside <![CDATA[ ... ]]>
        DocType,      // inside <!DOCTYPE ... > or another <! declaration
        ProcessingInstruction, // inside <? ... ?>
    };
    // Where a DOCTYPE scan stands besides its bracket depth.
    enum class DeclPart { Plain, DoubleQuoted, SingleQuoted, Comment };

    void scanText();
    void scanLessThan();
    void scanElementName();
    void scanTag();
    void scanAfterEquals();
    void scanQuoted(char quote);
    void scanComment();
    void scanUntil(std::string_view end, TokenKind kind);
    void scanDocType();
    void scanBlanks();
    void scanName();
    TokenKind valueKind() const;

    State m_state = State::Text;
    bool m_namespaceAttr = false;
    DeclPart m_declPart = DeclPart::Plain;
    int m_declDepth = 0;

    TSynHighlighterAttributes* m_attrNameAttri;
    TSynHighlighterAttributes* m_attrValueAttri;
    TSynHighlighterAttributes* m_cdataAttri;
    TSynHighlighterAttributes* m_commentAttri;
    TSynHighlighterAttributes* m_docTypeAttri;
    TSynHighlighterAttributes* m_elementAttri;
    TSynHighlighterAttributes* m_entityRefAttri;
    TSynHighlighterAttributes* m_nsAttrNameAttri;
    TSynHighlighterAttributes* m_nsAttrValueAttri;
    TSynHighlighterAttributes* m_processingAttri;
    TSynHighlighterAttributes* m_symbolAttri;
    TSynHighlighterAttributes* m_textAttri;
    TSynHighlighterAttributes* m_spaceAttri;
};
