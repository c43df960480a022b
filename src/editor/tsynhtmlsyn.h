#pragma once

#include "editor/tsyncustomhighlighter.h"

// Highlighter for HTML documents. Besides painting, its token stream is
// walked by the end-tag insertion, the comment test, Strip HTML and the
// attribute popup, so the token boundaries are part of its contract:
// "<", ">" and other tag punctuation are Symbol tokens; the tag name right
// after "<" (with the "/" of an end tag) is KnownTag or UnknownTag; a
// comment's token on each line includes the "<!--" and "-->" it holds; text
// between tags keeps its inner blanks.
//
// The range is the scanner state at the end of the line; nothing else is
// carried, so GetRange()/SetRange() resume at any line.
class TSynHTMLSyn : public TSynCustomHighlighter {
public:
    TSynHTMLSyn();

    QString languageName() const override;
    QString defaultFilter() const override;

    TSynHighlighterAttributes* GetTokenAttribute() const override;
    int GetRange() const override;
    void SetRange(int range) override;
    void ResetRange() override;

protected:
    void scanToken() override;

private:
    enum class State {
        Text,         // outside any tag
        TagOpen,      // right after "<": the tag name comes next
        Tag,          // inside a tag, between attributes
        AfterEquals,  // after "=": a value comes next
        DoubleQuoted, // inside "..." of a tag
        SingleQuoted, // inside '...' of a tag
        Comment,      // inside <!-- ... -->
        ServerScript, // inside <% ... %>
    };

    void scanText();
    void scanTagOpen();
    void scanTag();
    void scanAfterEquals();
    void scanQuoted(char quote);
    void scanComment();
    void scanServerScript();
    void scanLessThan();
    void scanBlanks();

    State m_state = State::Text;

    TSynHighlighterAttributes* m_aspAttri;
    TSynHighlighterAttributes* m_commentAttri;
    TSynHighlighterAttributes* m_entityAttri;
    TSynHighlighterAttributes* m_identifierAttri;
    TSynHighlighterAttributes* m_keyAttri;
    TSynHighlighterAttributes* m_spaceAttri;
    TSynHighlighterAttributes* m_symbolAttri;
    TSynHighlighterAttributes* m_textAttri;
    TSynHighlighterAttributes* m_undefKeyAttri;
    TSynHighlighterAttributes* m_valueAttri;
};
