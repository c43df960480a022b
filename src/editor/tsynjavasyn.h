#pragma once

#include "editor/tsyncustomhighlighter.h"

// Java highlighter. Besides colouring, its token stream is what the Java
// source scanners walk, so the token boundaries are part of its contract:
// braces, brackets, parentheses, ";", "," and "." are always single-symbol
// tokens, and exactly the 52 reserved words of the language are keywords.
//
// Block comments, documentation comments and text blocks carry over lines.
class TSynJavaSyn : public TSynCustomHighlighter {
public:
    // Scanning state at the end of a line, as GetRange() reports it.
    enum class Range { Normal = 0, Comment = 1, Documentation = 2, TextBlock = 3 };

    TSynJavaSyn();

    QString languageName() const override;
    QString defaultFilter() const override;

    TSynHighlighterAttributes* GetTokenAttribute() const override;

    int GetRange() const override { return int(m_range); }
    void SetRange(int range) override;
    void ResetRange() override { m_range = Range::Normal; }

protected:
    void scanToken() override;

private:
    void scanBlockComment(TokenKind kind);
    void scanTextBlock();
    void scanSlash();
    void scanString(char quote);
    void scanNumber();
    void scanIdentifier();
    void scanOperator();

    Range m_range = Range::Normal;

    TSynHighlighterAttributes* m_commentAttri;
    TSynHighlighterAttributes* m_documentationAttri;
    TSynHighlighterAttributes* m_identifierAttri;
    TSynHighlighterAttributes* m_invalidAttri;
    TSynHighlighterAttributes* m_numberAttri;
    TSynHighlighterAttributes* m_keywordAttri;
    TSynHighlighterAttributes* m_spaceAttri;
    TSynHighlighterAttributes* m_stringAttri;
    TSynHighlighterAttributes* m_symbolAttri;
};
