#include "editor/tsyngeneralsyn.h"

#include <algorithm>
#include <cstring>

namespace {

// Bits of the per-instance character table, rebuilt when a setting changes.
enum CharFlag : std::uint8_t {
    cfSpace = 1,      // a blank or control character
    cfIdentifier = 2, // in the identifier set
    cfDigit = 4,      // starts a number
    cfStop = 8,       // may open a comment or a string here: check before taking it into a word
};

// Upper case of the 8-bit (Latin-1) text the documents hold. Applied to the
// keywords and to the words looked up, so both sides agree byte for byte.
constexpr std::array<char, 256> makeUpperCase()
{
    std::array<char, 256> t{};
    for (int c = 0; c < 256; ++c) {
        const bool lower = (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
        t[c] = char(lower ? c - 0x20 : c);
    }
    return t;
}

constexpr std::array<char, 256> kUpper = makeUpperCase();

std::string upperLatin1(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = kUpper[std::uint8_t(c)];
    return out;
}

} // namespace

TSynGeneralSyn::TSynGeneralSyn()
{
    m_commentAttri = addAttribute(QStringLiteral("Comment"));
    m_commentAttri->assign(Colors::clGreen, Colors::clNone, fsItalic);
    m_identifierAttri = addAttribute(QStringLiteral("Identifier"));
    m_numberAttri = addAttribute(QStringLiteral("Number"));
    m_numberAttri->assign(Colors::clPurple, Colors::clNone, 0);
    m_preprocessorAttri = addAttribute(QStringLiteral("Preprocessor"));
    m_preprocessorAttri->assign(Colors::clTeal, Colors::clNone, 0);
    m_keywordAttri = addAttribute(QStringLiteral("Reserved word"));
    m_keywordAttri->assign(Colors::clNavy, Colors::clNone, fsBold);
    m_spaceAttri = addAttribute(QStringLiteral("Space"));
    m_stringAttri = addAttribute(QStringLiteral("String"));
    m_stringAttri->assign(Colors::clBlue, Colors::clNone, 0);
    m_symbolAttri = addAttribute(QStringLiteral("Symbol"));

    for (int c = 'a'; c <= 'z'; ++c)
        m_identifierChars.set(std::size_t(c)).set(std::size_t(c - 0x20));
    // Every byte from 0x80 up, so a UTF-8 character stays in one token.
    for (int c = 0x80; c <= 0xFF; ++c)
        m_identifierChars.set(std::size_t(c));
    for (int c = '0'; c <= '9'; ++c)
        m_identifierChars.set(std::size_t(c));
    m_identifierChars.set('_');
    rebuildCharClasses();
}

QString TSynGeneralSyn::languageName() const { return QStringLiteral("General"); }

void TSynGeneralSyn::clearKeywords()
{
    m_keywords.clear();
    m_keywordSet.clear();
    m_longestKeyword = 0;
}

void TSynGeneralSyn::addKeyword(const QString& keyword)
{
    const QByteArray latin1 = keyword.toLatin1();
    std::string upper = upperLatin1(std::string_view(latin1.constData(), std::size_t(latin1.size())));
    m_keywords.append(QString::fromLatin1(upper.data(), qsizetype(upper.size())));
    m_longestKeyword = std::max(m_longestKeyword, upper.size());
    m_keywordSet.insert(std::move(upper));
}

void TSynGeneralSyn::setKeywords(const QStringList& keywords)
{
    clearKeywords();
    for (const QString& k : keywords)
        addKeyword(k);
}

void TSynGeneralSyn::setCommentStyles(int styles)
{
    m_commentStyles = styles & (AnsiComment | PascalComment | CComment | AsmComment | BasComment);
    rebuildCharClasses();
}

void TSynGeneralSyn::setStringDelimiter(StringDelimiter delimiter)
{
    m_delimiter = delimiter;
    rebuildCharClasses();
}

void TSynGeneralSyn::setIdentifierChars(const CharSet& chars)
{
    m_identifierChars = chars;
    rebuildCharClasses();
}

void TSynGeneralSyn::rebuildCharClasses()
{
    for (int c = 0; c < 256; ++c) {
        std::uint8_t flags = 0;
        if (c <= 0x20)
            flags |= cfSpace;
        if (m_identifierChars.test(std::size_t(c)))
            flags |= cfIdentifier;
        if (c >= '0' && c <= '9')
            flags |= cfDigit;
        m_charClass[std::size_t(c)] = flags;
    }
    m_charClass['/'] |= cfStop;
    m_charClass[m_delimiter == StringDelimiter::SingleQuote ? '\'' : '"'] |= cfStop;
    if (m_commentStyles & AnsiComment)
        m_charClass['('] |= cfStop;
    if (m_commentStyles & PascalComment)
        m_charClass['{'] |= cfStop;
    if (m_commentStyles & (AsmComment | BasComment))
        m_charClass[';'] |= cfStop;
}

TSynHighlighterAttributes* TSynGeneralSyn::GetTokenAttribute() const
{
    switch (m_tokenKind) {
    case TokenKind::Comment: return m_commentAttri;
    case TokenKind::Identifier: return m_identifierAttri;
    case TokenKind::Keyword: return m_keywordAttri;
    case TokenKind::Number: return m_numberAttri;
    case TokenKind::Preprocessor: return m_preprocessorAttri;
    case TokenKind::Space: return m_spaceAttri;
    case TokenKind::String: return m_stringAttri;
    case TokenKind::Symbol: return m_symbolAttri;
    default: return nullptr;
    }
}

void TSynGeneralSyn::SetRange(int range)
{
    m_range = (range >= int(Range::Normal) && range <= int(Range::CComment)) ? Range(range) : Range::Normal;
}

// Whether an enabled comment style, or "//", opens at pos.
bool TSynGeneralSyn::opensComment(std::size_t pos) const
{
    const char next = pos + 1 < m_line.size() ? m_line[pos + 1] : '\0';
    switch (m_line[pos]) {
    case '/': return next == '/' || ((m_commentStyles & CComment) && next == '*');
    case '(': return (m_commentStyles & AnsiComment) && next == '*';
    case '{': return (m_commentStyles & PascalComment) != 0;
    case ';': return (m_commentStyles & (AsmComment | BasComment)) != 0;
    default: return false;
    }
}

bool TSynGeneralSyn::isPreprocessorLine() const
{
    std::size_t i = 0;
    while (i < m_run && std::uint8_t(m_line[i]) <= 0x20)
        ++i;
    return i == m_run;
}

void TSynGeneralSyn::scanToken()
{
    if (m_range != Range::Normal) {
        scanCommentBody();
        return;
    }
    const char* s = m_line.data();
    const std::size_t n = m_line.size();
    const std::uint8_t flags = m_charClass[std::uint8_t(s[m_run])];

    if (flags & cfSpace) {
        do
            ++m_run;
        while (m_run < n && (m_charClass[std::uint8_t(s[m_run])] & cfSpace));
        m_tokenKind = TokenKind::Space;
        return;
    }
    if (m_detectPreprocessor && s[m_run] == '#' && isPreprocessorLine()) {
        m_run = n;
        m_tokenKind = TokenKind::Preprocessor;
        return;
    }
    if ((flags & cfStop) && opensComment(m_run)) {
        const char c = s[m_run];
        const char next = m_run + 1 < n ? s[m_run + 1] : '\0';
        if ((c == '/' && next == '/') || c == ';') {
            m_run = n;
            m_tokenKind = TokenKind::Comment;
            return;
        }
        m_range = c == '(' ? Range::AnsiComment : c == '{' ? Range::PascalComment : Range::CComment;
        m_run += c == '{' ? 1 : 2;
        scanCommentBody();
        return;
    }
    if (flags & cfStop) {
        const char quote = m_delimiter == StringDelimiter::SingleQuote ? '\'' : '"';
        if (s[m_run] == quote) {
            scanString();
            return;
        }
    }
    if (flags & (cfDigit | cfIdentifier)) {
        scanWord();
        return;
    }
    ++m_run;
    m_tokenKind = TokenKind::Symbol;
}

// Inside a block comment: up to and including its closer, or the line's end.
void TSynGeneralSyn::scanCommentBody()
{
    m_tokenKind = TokenKind::Comment;
    const std::string_view closer =
        m_range == Range::PascalComment ? "}" : m_range == Range::AnsiComment ? "*)" : "*/";
    if (skipPast(closer))
        m_range = Range::Normal;
}

// A run of identifier characters, or, starting with a digit, a number that
// also takes digits and "." (3.14). Either ends where a comment or a string
// would open.
void TSynGeneralSyn::scanWord()
{
    const char* s = m_line.data();
    const std::size_t n = m_line.size();
    const bool number = (m_charClass[std::uint8_t(s[m_run])] & cfDigit) != 0;
    const std::uint8_t accept = number ? std::uint8_t(cfIdentifier | cfDigit) : std::uint8_t(cfIdentifier);
    const char quote = m_delimiter == StringDelimiter::SingleQuote ? '\'' : '"';
    std::size_t i = m_run + 1;
    while (i < n) {
        const std::uint8_t f = m_charClass[std::uint8_t(s[i])];
        if (!(f & accept) && !(number && s[i] == '.'))
            break;
        if ((f & cfStop) && (s[i] == quote || opensComment(i)))
            break;
        ++i;
    }
    const std::size_t length = i - m_run;
    m_tokenKind = number ? TokenKind::Number : TokenKind::Identifier;
    if (!number && length <= m_longestKeyword) {
        // Upper-case copy on the stack; only words longer than any buffer
        // worth keeping there (and no longer than the longest keyword) pay
        // for a heap string.
        char buffer[128];
        std::string heap;
        char* upper = buffer;
        if (length > sizeof buffer) {
            heap.resize(length);
            upper = heap.data();
        }
        for (std::size_t k = 0; k < length; ++k)
            upper[k] = kUpper[std::uint8_t(s[m_run + k])];
        if (m_keywordSet.find(std::string_view(upper, length)) != m_keywordSet.end())
            m_tokenKind = TokenKind::Keyword;
    }
    m_run = i;
}

// To the next delimiter or the end of the line; no escapes.
void TSynGeneralSyn::scanString()
{
    m_tokenKind = TokenKind::String;
    const char quote = m_delimiter == StringDelimiter::SingleQuote ? '\'' : '"';
    const void* hit = std::memchr(m_line.data() + m_run + 1, quote, m_line.size() - m_run - 1);
    m_run = hit ? std::size_t(static_cast<const char*>(hit) - m_line.data()) + 1 : m_line.size();
}
