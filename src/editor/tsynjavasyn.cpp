#include "editor/tsynjavasyn.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

// What a byte can start (or, for Letter and Digit, continue).
enum CharClass : std::uint8_t {
    ccInvalid,     // no use in Java outside strings and comments
    ccSpace,       // blanks, tabs and the other control characters
    ccLetter,      // starts and continues an identifier
    ccDigit,
    ccSlash,       // comment or division
    ccDoubleQuote, // string or text block
    ccSingleQuote, // character literal
    ccDot,         // member access or the start of a number such as .5
    ccPunctuation, // always a one-byte symbol: ( ) [ ] { } ; ,
    ccOperator,    // a symbol that may group with the next bytes
};

constexpr std::array<std::uint8_t, 256> makeCharClasses()
{
    std::array<std::uint8_t, 256> t{};
    for (int c = 0; c <= 0x20; ++c)
        t[c] = ccSpace;
    for (int c = 'a'; c <= 'z'; ++c)
        t[c] = ccLetter;
    for (int c = 'A'; c <= 'Z'; ++c)
        t[c] = ccLetter;
    // Java names may hold any letter: every byte from 0x80 up (each byte of
    // a UTF-8 character, or an 8-bit one) belongs to a name, so a character
    // is never split between two tokens.
    for (int c = 0x80; c <= 0xFF; ++c)
        t[c] = ccLetter;
    t['$'] = t['_'] = ccLetter;
    for (int c = '0'; c <= '9'; ++c)
        t[c] = ccDigit;
    t['/'] = ccSlash;
    t['"'] = ccDoubleQuote;
    t['\''] = ccSingleQuote;
    t['.'] = ccDot;
    for (char c : std::string_view("()[]{};,"))
        t[std::uint8_t(c)] = ccPunctuation;
    for (char c : std::string_view("=!<>&|+-*%^~?:@"))
        t[std::uint8_t(c)] = ccOperator;
    return t;
}

constexpr std::array<std::uint8_t, 256> kCharClass = makeCharClasses();

constexpr std::array<bool, 256> makeIdentifierChars()
{
    std::array<bool, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[c] = kCharClass[c] == ccLetter || kCharClass[c] == ccDigit;
    return t;
}

constexpr std::array<bool, 256> kIdentifierChar = makeIdentifierChars();

// The reserved words, in alphabetical order so that the ones sharing a first
// letter stand together; kBucket gives each letter's slice.
constexpr std::array<std::string_view, 52> kKeywords = {
    "abstract", "assert", "boolean", "break", "byte", "case", "catch", "char", "class", "const", "continue",
    "default", "do", "double", "else", "extends", "false", "final", "finally", "float", "for", "goto", "if",
    "implements", "import", "instanceof", "int", "interface", "long", "native", "new", "null", "package",
    "private", "protected", "public", "return", "short", "static", "strictfp", "super", "switch",
    "synchronized", "this", "throw", "throws", "transient", "true", "try", "void", "volatile", "while",
};

constexpr std::size_t kLongestKeyword = 12; // "synchronized"

constexpr std::array<std::uint8_t, 27> makeBuckets()
{
    std::array<std::uint8_t, 27> b{};
    std::size_t k = 0;
    for (int letter = 0; letter < 26; ++letter) {
        b[letter] = std::uint8_t(k);
        while (k < kKeywords.size() && kKeywords[k][0] == 'a' + letter)
            ++k;
    }
    b[26] = std::uint8_t(k);
    return b;
}

constexpr std::array<std::uint8_t, 27> kBucket = makeBuckets();
static_assert(kBucket[26] == kKeywords.size(), "keywords must be sorted by first letter");

bool isKeyword(const char* text, std::size_t length)
{
    if (length < 2 || length > kLongestKeyword)
        return false;
    const unsigned letter = unsigned(std::uint8_t(text[0])) - 'a';
    if (letter >= 26)
        return false;
    for (unsigned k = kBucket[letter]; k < kBucket[letter + 1]; ++k)
        if (kKeywords[k].size() == length && std::memcmp(kKeywords[k].data(), text, length) == 0)
            return true;
    return false;
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f');
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

TSynJavaSyn::TSynJavaSyn()
{
    m_commentAttri = addAttribute(QStringLiteral("Comment"));
    m_commentAttri->assign(Colors::clGreen, Colors::clNone, fsItalic);
    m_documentationAttri = addAttribute(QStringLiteral("Documentation"));
    m_documentationAttri->assign(Colors::clTeal, Colors::clNone, fsItalic);
    m_identifierAttri = addAttribute(QStringLiteral("Identifier"));
    m_invalidAttri = addAttribute(QStringLiteral("Invalid symbol"));
    m_invalidAttri->assign(Colors::clRed, Colors::clNone, 0);
    m_numberAttri = addAttribute(QStringLiteral("Number"));
    m_numberAttri->assign(Colors::clPurple, Colors::clNone, 0);
    m_keywordAttri = addAttribute(QStringLiteral("Reserved word"));
    m_keywordAttri->assign(Colors::clNavy, Colors::clNone, fsBold);
    m_spaceAttri = addAttribute(QStringLiteral("Space"));
    m_stringAttri = addAttribute(QStringLiteral("String"));
    m_stringAttri->assign(Colors::clBlue, Colors::clNone, 0);
    m_symbolAttri = addAttribute(QStringLiteral("Symbol"));
}

QString TSynJavaSyn::languageName() const { return QStringLiteral("Java"); }

QString TSynJavaSyn::defaultFilter() const { return QStringLiteral("Java files (*.java)|*.java"); }

TSynHighlighterAttributes* TSynJavaSyn::GetTokenAttribute() const
{
    switch (m_tokenKind) {
    case TokenKind::Comment: return m_commentAttri;
    case TokenKind::Documentation: return m_documentationAttri;
    case TokenKind::Identifier: return m_identifierAttri;
    case TokenKind::Keyword: return m_keywordAttri;
    case TokenKind::Number: return m_numberAttri;
    case TokenKind::Space: return m_spaceAttri;
    case TokenKind::String: return m_stringAttri;
    case TokenKind::Symbol: return m_symbolAttri;
    case TokenKind::Unknown: return m_invalidAttri;
    default: return nullptr;
    }
}

void TSynJavaSyn::SetRange(int range)
{
    // A stored range from elsewhere must not put the scanner in a state it
    // has no code for.
    m_range = (range >= int(Range::Normal) && range <= int(Range::TextBlock)) ? Range(range) : Range::Normal;
}

void TSynJavaSyn::scanToken()
{
    switch (m_range) {
    case Range::Comment: scanBlockComment(TokenKind::Comment); return;
    case Range::Documentation: scanBlockComment(TokenKind::Documentation); return;
    case Range::TextBlock: scanTextBlock(); return;
    case Range::Normal: break;
    }

    const char* s = m_line.data();
    const std::size_t n = m_line.size();
    switch (kCharClass[std::uint8_t(s[m_run])]) {
    case ccSpace:
        do
            ++m_run;
        while (m_run < n && kCharClass[std::uint8_t(s[m_run])] == ccSpace);
        m_tokenKind = TokenKind::Space;
        break;
    case ccLetter: scanIdentifier(); break;
    case ccDigit: scanNumber(); break;
    case ccSlash: scanSlash(); break;
    case ccDoubleQuote:
        if (m_run + 2 < n && s[m_run + 1] == '"' && s[m_run + 2] == '"') {
            m_run += 3;
            m_range = Range::TextBlock;
            scanTextBlock();
        } else {
            scanString('"');
        }
        break;
    case ccSingleQuote: scanString('\''); break;
    case ccDot:
        if (m_run + 1 < n && isDigit(s[m_run + 1])) {
            scanNumber();
        } else {
            ++m_run;
            m_tokenKind = TokenKind::Symbol;
        }
        break;
    case ccPunctuation:
        ++m_run;
        m_tokenKind = TokenKind::Symbol;
        break;
    case ccOperator: scanOperator(); break;
    default:
        ++m_run;
        m_tokenKind = TokenKind::Unknown;
        break;
    }
}

// Inside /* */ or /** */: up to and including "*/", or the rest of the line.
void TSynJavaSyn::scanBlockComment(TokenKind kind)
{
    m_tokenKind = kind;
    if (skipPast("*/"))
        m_range = Range::Normal;
}

// Inside a """ text block: up to and including the closing """, or the rest
// of the line. A backslash escapes the byte after it, so \""" does not close.
void TSynJavaSyn::scanTextBlock()
{
    m_tokenKind = TokenKind::String;
    const char* s = m_line.data();
    const std::size_t n = m_line.size();
    std::size_t i = m_run;
    while (i < n) {
        if (s[i] == '\\') {
            i += 2;
        } else if (s[i] == '"' && i + 2 < n && s[i + 1] == '"' && s[i + 2] == '"') {
            m_run = i + 3;
            m_range = Range::Normal;
            return;
        } else {
            ++i;
        }
    }
    m_run = n;
}

void TSynJavaSyn::scanSlash()
{
    const char* s = m_line.data();
    const std::size_t n = m_line.size();
    const char next = m_run + 1 < n ? s[m_run + 1] : '\0';
    if (next == '/') {
        m_run = n;
        m_tokenKind = TokenKind::Comment;
    } else if (next == '*') {
        // "/**/" is an empty ordinary comment, not the start of documentation.
        const bool doc = m_run + 2 < n && s[m_run + 2] == '*' && !(m_run + 3 < n && s[m_run + 3] == '/');
        m_range = doc ? Range::Documentation : Range::Comment;
        m_run += doc ? 3 : 2;
        scanBlockComment(doc ? TokenKind::Documentation : TokenKind::Comment);
    } else {
        m_run += next == '=' ? 2 : 1;
        m_tokenKind = TokenKind::Symbol;
    }
}

// A string or character literal up to its closing quote; an unterminated one
// ends with the line, and the next line starts afresh.
void TSynJavaSyn::scanString(char quote)
{
    m_tokenKind = TokenKind::String;
    skipQuoted(quote);
}

// Decimal, octal, hexadecimal and binary literals, with fraction, exponent,
// underscores and type suffix: 42, 0x1F, 0b1010, 1_000L, 3.14, .5, 1.5e-3f.
void TSynJavaSyn::scanNumber()
{
    m_tokenKind = TokenKind::Number;
    const char* s = m_line.data();
    const std::size_t n = m_line.size();
    std::size_t i = m_run;
    auto at = [&](std::size_t k) { return k < n ? s[k] : '\0'; };

    const char radix = char(at(i + 1) | 0x20);
    if (s[i] == '0' && (radix == 'x' || radix == 'b')) {
        i += 2;
        while (i < n && (isHexDigit(s[i]) || s[i] == '_' || s[i] == '.'))
            ++i;
        if ((at(i) | 0x20) == 'p') { // hexadecimal floating point exponent
            const std::size_t digit = (at(i + 1) == '+' || at(i + 1) == '-') ? i + 2 : i + 1;
            if (isDigit(at(digit)))
                i = digit;
        }
    } else {
        while (i < n && (isDigit(s[i]) || s[i] == '_'))
            ++i;
        if (at(i) == '.') {
            ++i;
            while (i < n && (isDigit(s[i]) || s[i] == '_'))
                ++i;
        }
        if ((at(i) | 0x20) == 'e') {
            const std::size_t digit = (at(i + 1) == '+' || at(i + 1) == '-') ? i + 2 : i + 1;
            if (isDigit(at(digit)))
                i = digit;
        }
    }
    while (i < n && isDigit(s[i]))
        ++i;
    switch (at(i)) {
    case 'l': case 'L': case 'f': case 'F': case 'd': case 'D': ++i; break;
    default: break;
    }
    m_run = i;
}

void TSynJavaSyn::scanIdentifier()
{
    const char* s = m_line.data();
    const std::size_t n = m_line.size();
    std::size_t i = m_run + 1;
    while (i < n && kIdentifierChar[std::uint8_t(s[i])])
        ++i;
    m_tokenKind = isKeyword(s + m_run, i - m_run) ? TokenKind::Keyword : TokenKind::Identifier;
    m_run = i;
}

// Operators group into their Java spellings (==, +=, >>>=, ->, :: ...);
// "@" of an annotation, "~" and "?" stand alone.
void TSynJavaSyn::scanOperator()
{
    m_tokenKind = TokenKind::Symbol;
    const char* s = m_line.data();
    const std::size_t n = m_line.size();
    auto at = [&](std::size_t k) { return k < n ? s[k] : '\0'; };
    const char c = s[m_run];
    const char n1 = at(m_run + 1);
    const char n2 = at(m_run + 2);
    std::size_t length = 1;
    switch (c) {
    case '=': case '!': case '*': case '%': case '^':
        length = n1 == '=' ? 2 : 1;
        break;
    case '+': case '-':
        length = (n1 == c || n1 == '=' || (c == '-' && n1 == '>')) ? 2 : 1;
        break;
    case '&': case '|':
        length = (n1 == c || n1 == '=') ? 2 : 1;
        break;
    case ':':
        length = n1 == ':' ? 2 : 1;
        break;
    case '<':
        length = n1 == '<' ? (n2 == '=' ? 3 : 2) : (n1 == '=' ? 2 : 1);
        break;
    case '>':
        if (n1 == '>' && n2 == '>')
            length = at(m_run + 3) == '=' ? 4 : 3;
        else if (n1 == '>')
            length = n2 == '=' ? 3 : 2;
        else
            length = n1 == '=' ? 2 : 1;
        break;
    default:
        break;
    }
    m_run += length;
}
