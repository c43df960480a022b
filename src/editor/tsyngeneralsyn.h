#pragma once

#include "editor/tsyncustomhighlighter.h"

#include <QStringList>

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>

// The configurable highlighter behind custom languages: keywords, comment
// styles, the string quote and the characters of a word are all settings.
//
// A word is a run of identifier characters (numbers: the same, starting with
// a digit). Blanks, "//", the opener of any enabled comment style and the
// string quote always end a word, so that with every character from "!" up
// counted as identifier characters comments and strings are still found.
class TSynGeneralSyn : public TSynCustomHighlighter {
public:
    // Bits of the comment set.
    enum CommentStyle : int {
        AnsiComment = 1,   // (* ... *), over lines
        PascalComment = 2, // { ... }, over lines
        CComment = 4,      // /* ... */, over lines
        AsmComment = 8,    // ; to the line end
        BasComment = 16,   // ; to the line end
    };
    enum class StringDelimiter { SingleQuote, DoubleQuote };
    using CharSet = std::bitset<256>;

    TSynGeneralSyn();

    QString languageName() const override;
    QString defaultFilter() const override { return m_filter; }
    void setDefaultFilter(const QString& filter) { m_filter = filter; }

    // Keywords are kept in upper case and matched ignoring case.
    void clearKeywords();
    void addKeyword(const QString& keyword);
    void setKeywords(const QStringList& keywords);
    const QStringList& keywords() const { return m_keywords; }

    void setCommentStyles(int styles);
    int commentStyles() const { return m_commentStyles; }
    void setStringDelimiter(StringDelimiter delimiter);
    StringDelimiter stringDelimiter() const { return m_delimiter; }
    // Default: ASCII letters, digits and "_".
    void setIdentifierChars(const CharSet& chars);
    const CharSet& identifierChars() const { return m_identifierChars; }
    // When on, a line whose first non-blank is "#" is preprocessor text.
    void setDetectPreprocessor(bool on) { m_detectPreprocessor = on; }
    bool detectPreprocessor() const { return m_detectPreprocessor; }

    TSynHighlighterAttributes* GetTokenAttribute() const override;

    int GetRange() const override { return int(m_range); }
    void SetRange(int range) override;
    void ResetRange() override { m_range = Range::Normal; }

protected:
    void scanToken() override;

private:
    enum class Range { Normal = 0, AnsiComment = 1, PascalComment = 2, CComment = 3 };

    // Hashes views too, so lookups need no std::string per token.
    struct KeywordHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };

    void rebuildCharClasses();
    bool opensComment(std::size_t pos) const;
    bool isPreprocessorLine() const;
    void scanCommentBody();
    void scanWord();
    void scanString();

    QStringList m_keywords;
    std::unordered_set<std::string, KeywordHash, std::equal_to<>> m_keywordSet;
    std::size_t m_longestKeyword = 0;
    int m_commentStyles = 0;
    StringDelimiter m_delimiter = StringDelimiter::DoubleQuote;
    CharSet m_identifierChars;
    bool m_detectPreprocessor = false;
    QString m_filter;
    Range m_range = Range::Normal;
    std::array<std::uint8_t, 256> m_charClass{};

    TSynHighlighterAttributes* m_commentAttri;
    TSynHighlighterAttributes* m_identifierAttri;
    TSynHighlighterAttributes* m_numberAttri;
    TSynHighlighterAttributes* m_preprocessorAttri;
    TSynHighlighterAttributes* m_keywordAttri;
    TSynHighlighterAttributes* m_spaceAttri;
    TSynHighlighterAttributes* m_stringAttri;
    TSynHighlighterAttributes* m_symbolAttri;
};
