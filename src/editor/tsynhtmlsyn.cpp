#include "editor/tsynhtmlsyn.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

// Character classes, one table lookup per byte on the hot path.
enum : std::uint8_t {
    cBlank = 1,     // blanks, tabs and stray line-end bytes
    cName = 2,      // tag and attribute name characters
    cTextStop = 4,  // ends a text run: "<" and "&"
    cAlpha = 8,     // may begin a named entity
    cDigit = 16,
    cHex = 32,
};

constexpr std::array<std::uint8_t, 256> makeClasses()
{
    std::array<std::uint8_t, 256> t{};
    for (int c = 0; c < 256; ++c) {
        std::uint8_t k = 0;
        const bool alpha = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool digit = c >= '0' && c <= '9';
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v')
            k |= cBlank;
        // Bytes above 127 are Latin-1 letters in an 8-bit document.
        if (alpha || digit || c == '-' || c == '_' || c == ':' || c == '.' || c >= 128)
            k |= cName;
        if (c == '<' || c == '&')
            k |= cTextStop;
        if (alpha)
            k |= cAlpha;
        if (digit)
            k |= cDigit | cHex;
        if ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))
            k |= cHex;
        t[std::size_t(c)] = k;
    }
    return t;
}

constexpr std::array<std::uint8_t, 256> kClass = makeClasses();

constexpr std::array<char, 256> makeLower()
{
    std::array<char, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[std::size_t(c)] = char(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return t;
}

constexpr std::array<char, 256> kLower = makeLower();

inline bool is(char c, std::uint8_t cls) { return (kClass[std::uint8_t(c)] & cls) != 0; }

struct KnownTagName {
    std::string_view name; // lower case
    bool hasEndTag;        // whether "/name" is known too
};

// The known tags, grouped by length so a lookup compares only names of the
// token's length. `false` marks the tags whose end-tag form is not known.
constexpr KnownTagName kLen1[] = {{"a", true}, {"b", true}, {"i", true}, {"p", true},
                                  {"q", true}, {"s", true}, {"u", true}};
constexpr KnownTagName kLen2[] = {
    {"br", false}, {"dd", true}, {"dl", true}, {"dt", true}, {"em", true}, {"h1", true}, {"h2", true},
    {"h3", true},  {"h4", true}, {"h5", true}, {"h6", true}, {"hr", false}, {"li", true}, {"ol", true},
    {"td", true},  {"th", true}, {"tr", true}, {"tt", true}, {"ul", true}};
constexpr KnownTagName kLen3[] = {
    {"big", true}, {"col", false}, {"del", true}, {"dfn", true}, {"dir", true}, {"div", true},
    {"img", false}, {"ins", true}, {"kbd", true}, {"map", true}, {"pre", true}, {"sub", true},
    {"sup", true}, {"var", true}, {"wbr", false}, {"xmp", true}};
constexpr KnownTagName kLen4[] = {
    {"abbr", true}, {"area", false}, {"base", false}, {"body", true}, {"cite", true}, {"code", true},
    {"font", true}, {"form", true},  {"head", true},  {"html", true}, {"link", false}, {"menu", true},
    {"meta", false}, {"nobr", true}, {"samp", true},  {"span", true}};
constexpr KnownTagName kLen5[] = {
    {"blink", true}, {"embed", true}, {"frame", false}, {"input", false}, {"label", true},
    {"layer", true}, {"param", false}, {"small", true}, {"style", true},  {"table", true},
    {"tbody", true}, {"tfoot", true},  {"thead", true}, {"title", true}};
constexpr KnownTagName kLen6[] = {
    {"applet", true}, {"button", true}, {"center", true}, {"iframe", true}, {"ilayer", true},
    {"keygen", false}, {"legend", true}, {"nextid", false}, {"object", true}, {"option", true},
    {"script", true}, {"select", true}, {"server", true}, {"spacer", false}, {"strike", true},
    {"strong", true}};
constexpr KnownTagName kLen7[] = {
    {"acronym", true}, {"address", true}, {"bgsound", false}, {"caption", true}, {"comment", true},
    {"isindex", false}, {"listing", true}, {"marquee", true}, {"noembed", true}, {"nolayer", true}};
constexpr KnownTagName kLen8[] = {
    {"!doctype", false}, {"basefont", false}, {"colgroup", true}, {"fieldset", true}, {"frameset", true},
    {"multicol", true},  {"noframes", true},  {"noscript", true}, {"textarea", true}};
constexpr KnownTagName kLen9[] = {{"plaintext", false}};
constexpr KnownTagName kLen10[] = {{"blockquote", true}};

template <std::size_t N>
bool findTag(const KnownTagName (&table)[N], const char* lower, bool endTag)
{
    for (const KnownTagName& t : table)
        if (t.name[0] == lower[0] && std::memcmp(t.name.data(), lower, t.name.size()) == 0)
            return !endTag || t.hasEndTag;
    return false;
}

// A tag name token, with the "/" of an end tag, against the known tags.
bool isKnownTag(std::string_view token)
{
    const bool endTag = !token.empty() && token[0] == '/';
    if (endTag)
        token.remove_prefix(1);
    constexpr std::size_t kLongest = 10;
    if (token.empty() || token.size() > kLongest)
        return false;
    char lower[kLongest];
    for (std::size_t i = 0; i < token.size(); ++i)
        lower[i] = kLower[std::uint8_t(token[i])];
    switch (token.size()) {
    case 1: return findTag(kLen1, lower, endTag);
    case 2: return findTag(kLen2, lower, endTag);
    case 3: return findTag(kLen3, lower, endTag);
    case 4: return findTag(kLen4, lower, endTag);
    case 5: return findTag(kLen5, lower, endTag);
    case 6: return findTag(kLen6, lower, endTag);
    case 7: return findTag(kLen7, lower, endTag);
    case 8: return findTag(kLen8, lower, endTag);
    case 9: return findTag(kLen9, lower, endTag);
    default: return findTag(kLen10, lower, endTag);
    }
}

// The end of an entity starting with the "&" at `at`, or npos when the
// ampersand starts none: "&name", "&#digits" or "&#xhex", each with an
// optional ";".
std::size_t entityEnd(std::string_view line, std::size_t at)
{
    std::size_t p = at + 1;
    const std::size_t n = line.size();
    if (p < n && is(line[p], cAlpha)) {
        while (p < n && is(line[p], cAlpha | cDigit))
            ++p;
    } else if (p < n && line[p] == '#') {
        ++p;
        std::uint8_t digits = cDigit;
        if (p < n && (line[p] == 'x' || line[p] == 'X')) {
            ++p;
            digits = cHex;
        }
        const std::size_t first = p;
        while (p < n && is(line[p], digits))
            ++p;
        if (p == first)
            return std::string_view::npos;
    } else {
        return std::string_view::npos;
    }
    if (p < n && line[p] == ';')
        ++p;
    return p;
}

constexpr int kStateCount = 8;

} // namespace

TSynHTMLSyn::TSynHTMLSyn()
{
    m_aspAttri = addAttribute(QStringLiteral("Asp"));
    m_aspAttri->assign(Colors::clBlack, Colors::clYellow, 0);
    m_commentAttri = addAttribute(QStringLiteral("Comment"));
    m_commentAttri->assign(Colors::clGray, Colors::clNone, fsItalic);
    m_entityAttri = addAttribute(QStringLiteral("Escape ampersand"));
    m_entityAttri->assign(Colors::clGreen, Colors::clNone, fsBold);
    m_identifierAttri = addAttribute(QStringLiteral("Identifier"));
    m_identifierAttri->assign(Colors::clMaroon, Colors::clNone, 0);
    m_keyAttri = addAttribute(QStringLiteral("Reserved word"));
    m_keyAttri->assign(Colors::clNavy, Colors::clNone, fsBold);
    m_spaceAttri = addAttribute(QStringLiteral("Space"));
    m_symbolAttri = addAttribute(QStringLiteral("Symbol"));
    m_symbolAttri->assign(Colors::clBlue, Colors::clNone, 0);
    m_textAttri = addAttribute(QStringLiteral("Text"));
    m_textAttri->assign(Colors::clBlack, Colors::clNone, 0);
    m_undefKeyAttri = addAttribute(QStringLiteral("Unknown word"));
    m_undefKeyAttri->assign(Colors::clRed, Colors::clNone, fsBold);
    m_valueAttri = addAttribute(QStringLiteral("Value"));
    m_valueAttri->assign(Colors::clPurple, Colors::clNone, 0);
}

QString TSynHTMLSyn::languageName() const { return QStringLiteral("HTML"); }

QString TSynHTMLSyn::defaultFilter() const
{
    return QStringLiteral("HTML Document (*.htm,*.html)|*.htm;*.html");
}

TSynHighlighterAttributes* TSynHTMLSyn::GetTokenAttribute() const
{
    switch (m_tokenKind) {
    case TokenKind::Comment: return m_commentAttri;
    case TokenKind::Symbol: return m_symbolAttri;
    case TokenKind::KnownTag: return m_keyAttri;
    case TokenKind::UnknownTag: return m_undefKeyAttri;
    case TokenKind::AttributeName: return m_identifierAttri;
    case TokenKind::AttributeValue: return m_valueAttri;
    case TokenKind::Space: return m_spaceAttri;
    case TokenKind::Text: return m_textAttri;
    case TokenKind::Entity: return m_entityAttri;
    case TokenKind::ServerScript: return m_aspAttri;
    default: return nullptr;
    }
}

int TSynHTMLSyn::GetRange() const { return int(m_state); }

void TSynHTMLSyn::SetRange(int range)
{
    m_state = range >= 0 && range < kStateCount ? State(range) : State::Text;
}

void TSynHTMLSyn::ResetRange() { m_state = State::Text; }

void TSynHTMLSyn::scanToken()
{
    switch (m_state) {
    case State::Text: scanText(); break;
    case State::TagOpen: scanTagOpen(); break;
    case State::Tag: scanTag(); break;
    case State::AfterEquals: scanAfterEquals(); break;
    case State::DoubleQuoted: scanQuoted('"'); break;
    case State::SingleQuoted: scanQuoted('\''); break;
    case State::Comment: scanComment(); break;
    case State::ServerScript: scanServerScript(); break;
    }
}

void TSynHTMLSyn::scanText()
{
    const char c = m_line[m_run];
    if (c == '<') {
        scanLessThan();
        return;
    }
    if (c == '&') {
        if (const std::size_t end = entityEnd(m_line, m_run); end != std::string_view::npos) {
            m_run = end;
            m_tokenKind = TokenKind::Entity;
            return;
        }
    }
    const std::size_t n = m_line.size();
    if (is(c, cBlank)) {
        // Blanks are Space where nothing but blanks stands between markup (or
        // the line's ends); between words they stay in the Text token, since
        // Strip HTML keeps Text and drops Space.
        const std::size_t start = m_run;
        while (m_run < n && is(m_line[m_run], cBlank))
            ++m_run;
        if (start == 0 || m_run == n || m_line[m_run] == '<') {
            m_tokenKind = TokenKind::Space;
            return;
        }
    }
    while (m_run < n) {
        const char d = m_line[m_run];
        if (is(d, cTextStop) && (d == '<' || entityEnd(m_line, m_run) != std::string_view::npos))
            break;
        ++m_run;
    }
    m_tokenKind = TokenKind::Text;
}

void TSynHTMLSyn::scanLessThan()
{
    const std::string_view rest = m_line.substr(m_run);
    if (rest.starts_with("<!--")) {
        m_state = State::Comment;
        // "<!-->" ends at once, as it does for callers that look for "-->"
        // in the comment token.
        m_run += 2;
        scanComment();
        return;
    }
    if (rest.starts_with("<%")) {
        m_state = State::ServerScript;
        m_run += 2;
        scanServerScript();
        return;
    }
    ++m_run;
    m_state = State::TagOpen;
    m_tokenKind = TokenKind::Symbol;
}

void TSynHTMLSyn::scanTagOpen()
{
    m_state = State::Tag;
    const std::size_t n = m_line.size();
    std::size_t p = m_run;
    if (m_line[p] == '/')
        ++p;
    if (p < n && (is(m_line[p], cName) || m_line[p] == '!')) {
        ++p;
        while (p < n && is(m_line[p], cName))
            ++p;
        m_run = p;
        m_tokenKind = isKnownTag(GetToken()) ? TokenKind::KnownTag : TokenKind::UnknownTag;
        return;
    }
    scanTag();
}

void TSynHTMLSyn::scanTag()
{
    const char c = m_line[m_run];
    if (is(c, cBlank)) {
        scanBlanks();
        return;
    }
    if (c == '"' || c == '\'') {
        scanQuoted(c);
        return;
    }
    if (is(c, cName)) {
        const std::size_t n = m_line.size();
        while (m_run < n && is(m_line[m_run], cName))
            ++m_run;
        m_tokenKind = TokenKind::AttributeName;
        return;
    }
    ++m_run;
    m_tokenKind = TokenKind::Symbol;
    if (c == '>')
        m_state = State::Text;
    else if (c == '=')
        m_state = State::AfterEquals;
    else if (c == '<') // a tag left open: a new one starts
        m_state = State::TagOpen;
}

void TSynHTMLSyn::scanAfterEquals()
{
    const char c = m_line[m_run];
    if (is(c, cBlank)) {
        scanBlanks();
        return;
    }
    if (c == '>') {
        ++m_run;
        m_state = State::Text;
        m_tokenKind = TokenKind::Symbol;
        return;
    }
    m_state = State::Tag;
    if (c == '"' || c == '\'') {
        scanQuoted(c);
        return;
    }
    const std::size_t n = m_line.size();
    while (m_run < n && !is(m_line[m_run], cBlank) && m_line[m_run] != '>')
        ++m_run;
    m_tokenKind = TokenKind::AttributeValue;
}

void TSynHTMLSyn::scanQuoted(char quote)
{
    // Entered at the opening quote from a tag, or at the line start when the
    // value goes on from an earlier line.
    if (m_state != State::DoubleQuoted && m_state != State::SingleQuoted)
        ++m_run;
    const std::size_t close = m_line.find(quote, m_run);
    if (close == std::string_view::npos) {
        m_run = m_line.size();
        m_state = quote == '"' ? State::DoubleQuoted : State::SingleQuoted;
    } else {
        m_run = close + 1;
        m_state = State::Tag;
    }
    m_tokenKind = TokenKind::AttributeValue;
}

void TSynHTMLSyn::scanComment()
{
    if (skipPast("-->"))
        m_state = State::Text;
    m_tokenKind = TokenKind::Comment;
}

void TSynHTMLSyn::scanServerScript()
{
    if (skipPast("%>"))
        m_state = State::Text;
    m_tokenKind = TokenKind::ServerScript;
}

void TSynHTMLSyn::scanBlanks()
{
    const std::size_t n = m_line.size();
    while (m_run < n && is(m_line[m_run], cBlank))
        ++m_run;
    m_tokenKind = TokenKind::Space;
}
