#pragma once

#include "editor/tsyncustomhighlighter.h"

#include <string>

// PHP highlighter. The whole document is taken as PHP code: the open and
// close tags are Symbol tokens and text outside them is not told apart. It
// carries over lines: /* */ comments, quoted strings and heredoc/nowdoc
// bodies, whose terminators are interned in a process-wide table so that
// the integer range can name them.
class TSynPHPSyn : public TSynCustomHighlighter {
public:
    TSynPHPSyn();

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
    enum class State { Default, Comment, Quote, HereDoc };

    void beginLine();
    void scanCode();
    void scanComment(unsigned char second);
    void scanBlockComment();
    void scanLineComment();
    void scanQuoteBody();
    void scanHereDocLine();
    void scanWord();
    void scanNumber();
    void scanVariable();
    void scanLess();
    bool tryHereDoc();
    void setHereDoc(int index);

    State m_state = State::Default;
    unsigned char m_delimiter = 0; // of the open string: ' " or `
    int m_hereDoc = -1;
    std::string m_terminator;
    // A heredoc marker seen on this line; its body starts on the next.
    int m_pendingHereDoc = -1;

    TSynHighlighterAttributes* m_commentAttri;
    TSynHighlighterAttributes* m_identifierAttri;
    TSynHighlighterAttributes* m_invalidAttri;
    TSynHighlighterAttributes* m_numberAttri;
    TSynHighlighterAttributes* m_keyAttri;
    TSynHighlighterAttributes* m_spaceAttri;
    TSynHighlighterAttributes* m_stringAttri;
    TSynHighlighterAttributes* m_symbolAttri;
    TSynHighlighterAttributes* m_variableAttri;
};
