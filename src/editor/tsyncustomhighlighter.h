#pragma once

#include "editor/tokenkind.h"
#include "editor/tsynhighlighterattributes.h"
#include "settings/colorschemes.h"

#include <QString>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class IniFile;

// Base of the highlighters: an attribute list sorted by name (letter case
// ignored) and a token stream over one line of 8-bit text at a time.
//
// The stream: SetLine() makes the first token current; Next() moves on;
// GetEol() is true once the line is used up. The line's bytes are not
// copied, so they must outlive the scan of that line. The scanning state at
// the end of a line (inside a comment, a tag, a string ...) carries over to
// the next SetLine() on the same instance; GetRange()/SetRange() expose it as
// an integer so an edit control can resume styling at any line.
class TSynCustomHighlighter {
public:
    TSynCustomHighlighter();
    virtual ~TSynCustomHighlighter();
    TSynCustomHighlighter(const TSynCustomHighlighter&) = delete;
    TSynCustomHighlighter& operator=(const TSynCustomHighlighter&) = delete;

    // A short language name ("Java", "HTML", ...).
    virtual QString languageName() const = 0;
    // File filter for open and save dialogs, "Java files (*.java)|*.java".
    virtual QString defaultFilter() const = 0;
    // Text for the colour preview; empty where the language has none.
    virtual QString sampleSource() const { return {}; }

    int attrCount() const { return int(m_attributes.size()); }
    TSynHighlighterAttributes* attribute(int index) const;
    TSynHighlighterAttributes* attributeByName(const QString& name) const;

    // Every attribute's name, colours and style, in list order.
    AttributeList attributeStyles() const;

    // One section per attribute with Background, Foreground and Style, in
    // one rewrite of the file. Throws IniWriteError when the file cannot be
    // written.
    void SaveAttributesToIni(IniFile& ini) const;
    // Applies the keys present in each attribute's section; attributes without
    // a section (or with an empty one) keep their values.
    void LoadAttributesFromIni(const IniFile& ini);

    // Token stream.
    void SetLine(std::string_view line, int lineNumber);
    bool GetEol() const { return m_tokenKind == TokenKind::Null; }
    void Next();
    std::string_view GetToken() const { return m_line.substr(m_tokenPos, m_run - m_tokenPos); }
    QString GetTokenText() const;
    int GetTokenPos() const { return int(m_tokenPos); } // 0-based column
    TokenKind GetTokenKind() const { return m_tokenKind; }
    // The attribute that paints the current token, or none.
    virtual TSynHighlighterAttributes* GetTokenAttribute() const = 0;

    virtual int GetRange() const = 0;
    virtual void SetRange(int range) = 0;
    virtual void ResetRange() = 0;

    // Listeners are told after any attribute changes.
    using ChangeListener = std::function<void()>;
    int addChangeListener(ChangeListener listener);
    void removeChangeListener(int id);

protected:
    // Called by the subclass constructor; keeps the list sorted.
    TSynHighlighterAttributes* addAttribute(const QString& name);
    // Scans one token starting at m_run: sets m_tokenKind and advances m_run.
    // Called with m_run < m_line.size().
    virtual void scanToken() = 0;
    // Moves m_run past the first `closer` from m_run on and returns true;
    // without one, to the line's end and returns false.
    bool skipPast(std::string_view closer);
    // From the opening quote at m_run: past the matching quote, a backslash
    // escaping the byte after it; an unterminated string ends with the line.
    void skipQuoted(char quote);

    std::string_view m_line;
    std::size_t m_run = 0;
    std::size_t m_tokenPos = 0;
    int m_lineNumber = 0;
    TokenKind m_tokenKind = TokenKind::Null;

private:
    friend class TSynHighlighterAttributes;
    void attributeChanged();

    std::vector<std::unique_ptr<TSynHighlighterAttributes>> m_attributes;
    std::vector<std::pair<int, ChangeListener>> m_listeners;
    int m_nextListenerId = 1;
    // While attributes are loaded together, listeners hear once at the end.
    bool m_holdNotices = false;
    bool m_changedWhileHeld = false;
};
