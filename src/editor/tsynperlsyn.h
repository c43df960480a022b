#pragma once

#include "editor/tsyncustomhighlighter.h"

#include <string>

// Perl highlighter. Besides line-local tokens it carries over lines: POD
// blocks, the data section after __END__/__DATA__, quoted texts ("...",
// '...', `...`, q qq qw qx m qr s tr y and /.../ patterns) and
// here-documents. A here-document's terminator is interned in a
// process-wide table so that the integer range can name it.
class TSynPerlSyn : public TSynCustomHighlighter {
public:
    TSynPerlSyn();

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
    enum class State { Default, Pod, Data, Quote, QuoteGap, HereDoc };

    void beginLine();
    void scanCode();
    void scanPodLine();
    void scanHereDocLine();
    void scanQuoteGap();
    void scanQuoteBody();
    void openQuote(unsigned char delimiter, int partsLeft, bool modifiers);
    void scanSpace();
    void scanWord(bool afterUse, bool bareName);
    bool tryQuoteOperator(std::string_view word);
    void scanNumber();
    void scanDollar();
    void scanSigil();
    bool tryHereDoc();
    void scanOperator();
    std::size_t qualifiedNameEnd(std::size_t pos) const;
    void setHereDoc(int index, bool indented);

    State m_state = State::Default;
    // Inside a quoted text: its opening delimiter, bracket nesting depth,
    // parts still to come (the replacement of s and tr) and whether
    // trailing modifier letters belong to it.
    unsigned char m_delimiter = 0;
    int m_depth = 0;
    int m_partsLeft = 0;
    bool m_modifiers = false;
    // Inside a here-document.
    int m_hereDoc = -1;
    bool m_hereDocIndented = false;
    std::string m_terminator;
    // A here-document marker seen on this line; its body starts on the next.
    int m_pendingHereDoc = -1;
    bool m_pendingIndented = false;
    // Line-local context for the guesses Perl's grammar needs.
    bool m_expectTerm = true;   // "/" starts a pattern, "%" a hash, "<<" a here-document
    bool m_afterUse = false;    // the next word may be a pragma
    bool m_bareName = false;    // after "->" or "sub": a name, never a quote operator

    TSynHighlighterAttributes* m_commentAttri;
    TSynHighlighterAttributes* m_identifierAttri;
    TSynHighlighterAttributes* m_invalidAttri;
    TSynHighlighterAttributes* m_numberAttri;
    TSynHighlighterAttributes* m_operatorAttri;
    TSynHighlighterAttributes* m_pragmaAttri;
    TSynHighlighterAttributes* m_keyAttri;
    TSynHighlighterAttributes* m_spaceAttri;
    TSynHighlighterAttributes* m_stringAttri;
    TSynHighlighterAttributes* m_symbolAttri;
    TSynHighlighterAttributes* m_variableAttri;
};
