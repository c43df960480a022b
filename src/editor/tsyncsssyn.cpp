#include "editor/tsyncsssyn.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

enum CharClass : std::uint8_t {
    ccSymbol, // any byte with no other use is a one-byte symbol
    ccSpace,  // blanks, tabs and the other control characters
    ccNameStart,
    ccDigit,
    ccMinus, // a sign, a name part (-moz-box) or a symbol
    ccSlash,
    ccQuote,
    ccHash,
    ccDot,
    ccAt,
};

constexpr std::array<std::uint8_t, 256> makeCharClasses()
{
    std::array<std::uint8_t, 256> t{};
    for (int c = 0; c <= 0x20; ++c)
        t[c] = ccSpace;
    for (int c = 'a'; c <= 'z'; ++c)
        t[c] = ccNameStart;
    for (int c = 'A'; c <= 'Z'; ++c)
        t[c] = ccNameStart;
    // CSS lets any non-ASCII character stand in a name.
    for (int c = 0x80; c <= 0xFF; ++c)
        t[c] = ccNameStart;
    t['_'] = ccNameStart;
    for (int c = '0'; c <= '9'; ++c)
        t[c] = ccDigit;
    t['-'] = ccMinus;
    t['/'] = ccSlash;
    t['"'] = t['\''] = ccQuote;
    t['#'] = ccHash;
    t['.'] = ccDot;
    t['@'] = ccAt;
    return t;
}

constexpr std::array<std::uint8_t, 256> kCharClass = makeCharClasses();

constexpr std::array<bool, 256> makeNameChars()
{
    std::array<bool, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[c] = kCharClass[c] == ccNameStart || kCharClass[c] == ccDigit || kCharClass[c] == ccMinus;
    return t;
}

constexpr std::array<bool, 256> kNameChar = makeNameChars();

constexpr int kMaxDepth = 0xFFFF;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

TSynCssSyn::TSynCssSyn()
{
    m_commentAttri = addAttribute(QStringLiteral("Comment"));
    m_commentAttri->assign(Colors::clGray, Colors::clNone, fsItalic);
    m_identifierAttri = addAttribute(QStringLiteral("Identifier"));
    m_identifierAttri->assign(Colors::clNavy, Colors::clNone, 0);
    m_numberAttri = addAttribute(QStringLiteral("Number"));
    m_numberAttri->assign(Colors::clPurple, Colors::clNone, 0);
    m_spaceAttri = addAttribute(QStringLiteral("Space"));
    m_stringAttri = addAttribute(QStringLiteral("String"));
    m_stringAttri->assign(Colors::clBlue, Colors::clNone, 0);
    m_symbolAttri = addAttribute(QStringLiteral("Symbol"));
    m_symbolAttri->assign(Colors::clMaroon, Colors::clNone, fsBold);
}

QString TSynCssSyn::languageName() const { return QStringLiteral("CSS"); }

QString TSynCssSyn::defaultFilter() const { return QStringLiteral("Cascading Stylesheets (*.css)|*.css"); }

QString TSynCssSyn::sampleSource() const
{
    return QStringLiteral("/* Style sheet of the site */\r\n"
                          "body {\r\n"
                          "  font-family: Verdana, sans-serif;\r\n"
                          "  font-size: 12pt;\r\n"
                          "  color: #000080;\r\n"
                          "  background: #ffffff url(\"back.gif\") no-repeat;\r\n"
                          "}\r\n"
                          "h1, h2 > em { margin: 1.5em 0 -2px; }\r\n"
                          "#main .note:hover { border: 1px solid #ccc !important; }\r\n"
                          "@media print { a { text-decoration: none; } }");
}

TSynHighlighterAttributes* TSynCssSyn::GetTokenAttribute() const
{
    switch (m_tokenKind) {
    case TokenKind::Comment: return m_commentAttri;
    case TokenKind::Identifier: return m_identifierAttri;
    case TokenKind::Number: return m_numberAttri;
    case TokenKind::Space: return m_spaceAttri;
    case TokenKind::String: return m_stringAttri;
    case TokenKind::Symbol: return m_symbolAttri;
    default: return nullptr;
    }
}

// Bit 0: inside a comment; bit 1: inside a value; the rest: brace depth.
int TSynCssSyn::GetRange() const { return int(m_inComment) | (int(m_inValue) << 1) | (m_depth << 2); }

void TSynCssSyn::SetRange(int range)
{
    if (range < 0) {
        ResetRange();
        return;
    }
    m_inComment = (range & 1) != 0;
    m_inValue = (range & 2) != 0;
    m_depth = std::min(range >> 2, kMaxDepth);
}

void TSynCssSyn::ResetRange()
{
    m_inComment = false;
    m_inValue = false;
    m_depth = 0;
}

void TSynCssSyn::scanToken()
{
    if (m_inComment) {
        scanComment();
        return;
    }
    const char* s = m_line.data();
    const std::size_t n = m_line.size();
    const char next = m_run + 1 < n ? s[m_run + 1] : '\0';
    switch (kCharClass[std::uint8_t(s[m_run])]) {
    case ccSpace:
        do
            ++m_run;
        while (m_run < n && kCharClass[std::uint8_t(s[m_run])] == ccSpace);
        m_tokenKind = TokenKind::Space;
        break;
    case ccNameStart: scanIdentifier(); break;
    case ccDigit: scanNumber(); break;
    case ccMinus:
        if (startsNumber(m_run + 1))
            scanNumber();
        else if (next == '-' || kCharClass[std::uint8_t(next)] == ccNameStart)
            scanIdentifier();
        else
            scanSymbol();
        break;
    case ccSlash:
        if (next == '*') {
            m_inComment = true;
            m_run += 2;
            scanComment();
        } else {
            scanSymbol();
        }
        break;
    case ccQuote: scanString(s[m_run]); break;
    case ccHash: scanHash(); break;
    case ccDot: scanDot(); break;
    case ccAt:
        if (kNameChar[std::uint8_t(next)])
            scanIdentifier();
        else
            scanSymbol();
        break;
    default: scanSymbol(); break;
    }
}

// Inside /* */: up to and including "*/", or the rest of the line.
void TSynCssSyn::scanComment()
{
    m_tokenKind = TokenKind::Comment;
    if (skipPast("*/"))
        m_inComment = false;
}

// Up to the matching quote, a backslash escaping the byte after it; an
// unterminated string ends with the line.
void TSynCssSyn::scanString(char quote)
{
    m_tokenKind = TokenKind::String;
    skipQuoted(quote);
}

bool TSynCssSyn::startsNumber(std::size_t pos) const
{
    const std::size_t n = m_line.size();
    if (pos < n && isDigit(m_line[pos]))
        return true;
    return pos + 1 < n && m_line[pos] == '.' && isDigit(m_line[pos + 1]);
}

// An optional minus, digits with an optional fraction, then a unit (px, em,
// deg ...) or "%".
void TSynCssSyn::scanNumber()
{
    m_tokenKind = TokenKind::Number;
    const char* s = m_line.data();
    const std::size_t n = m_line.size();
    std::size_t i = m_run;
    if (s[i] == '-')
        ++i;
    while (i < n && isDigit(s[i]))
        ++i;
    if (i + 1 < n && s[i] == '.' && isDigit(s[i + 1])) {
        i += 2;
        while (i < n && isDigit(s[i]))
            ++i;
    }
    if (i < n && s[i] == '%') {
        ++i;
    } else {
        while (i < n && kCharClass[std::uint8_t(s[i])] == ccNameStart)
            ++i;
    }
    m_run = i;
}

// A name with its leading "-", "@", "." or "#" if any: margin-top, -moz-box,
// @media, .note, #main.
void TSynCssSyn::scanIdentifier()
{
    m_tokenKind = TokenKind::Identifier;
    const char* s = m_line.data();
    const std::size_t n = m_line.size();
    std::size_t i = m_run + 1;
    while (i < n && kNameChar[std::uint8_t(s[i])])
        ++i;
    m_run = i;
}

// "#" starts a colour inside a value and an id selector elsewhere.
void TSynCssSyn::scanHash()
{
    const std::size_t n = m_line.size();
    if (m_run + 1 >= n || !kNameChar[std::uint8_t(m_line[m_run + 1])]) {
        scanSymbol();
        return;
    }
    scanIdentifier();
    if (m_inValue)
        m_tokenKind = TokenKind::Number;
}

// ".5" is a number; ".note" a class selector outside values; else a symbol.
void TSynCssSyn::scanDot()
{
    if (startsNumber(m_run)) {
        scanNumber();
        return;
    }
    const std::size_t n = m_line.size();
    const std::uint8_t next = m_run + 1 < n ? std::uint8_t(m_line[m_run + 1]) : 0;
    if (!m_inValue && (kCharClass[next] == ccNameStart || kCharClass[next] == ccMinus))
        scanIdentifier();
    else
        scanSymbol();
}

// One byte; the structural ones move the brace depth and the value flag.
void TSynCssSyn::scanSymbol()
{
    m_tokenKind = TokenKind::Symbol;
    switch (m_line[m_run]) {
    case '{':
        m_depth = std::min(m_depth + 1, kMaxDepth);
        m_inValue = false;
        break;
    case '}':
        m_depth = std::max(m_depth - 1, 0);
        m_inValue = false;
        break;
    case ';': m_inValue = false; break;
    case ':':
        if (m_depth > 0)
            m_inValue = true;
        break;
    default: break;
    }
    ++m_run;
}
