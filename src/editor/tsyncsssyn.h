#pragma once

#include "editor/tsyncustomhighlighter.h"

// CSS highlighter. Selectors, property names and value words are
// identifiers ("#id", ".class", "@media" and "margin-top" each one token);
// lengths with their unit (12pt, 1.5em, 50%) and, inside a declaration
// value, colours such as #fff are numbers.
//
// The range keeps what a line break may interrupt: an open comment, the
// brace depth, and whether a declaration value is being read.
class TSynCssSyn : public TSynCustomHighlighter {
public:
    TSynCssSyn();

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
    void scanComment();
    void scanString(char quote);
    void scanNumber();
    void scanIdentifier();
    void scanHash();
    void scanDot();
    void scanSymbol();
    bool startsNumber(std::size_t pos) const;

    bool m_inComment = false;
    bool m_inValue = false; // after "property:" until ";" or a brace
    int m_depth = 0;        // brace nesting, capped

    TSynHighlighterAttributes* m_commentAttri;
    TSynHighlighterAttributes* m_identifierAttri;
    TSynHighlighterAttributes* m_numberAttri;
    TSynHighlighterAttributes* m_spaceAttri;
    TSynHighlighterAttributes* m_stringAttri;
    TSynHighlighterAttributes* m_symbolAttri;
};
