#include "editor/tsynphpsyn.h"

#include "editor/heredocterminators.h"
#include "editor/wordset.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

enum CharClass : unsigned char {
    ccIllegal, ccSpace, ccWord, ccDigit, ccSymbol, ccQuote, ccDollar, ccHash, ccSlash, ccLess, ccQuestion, ccDot,
};

constexpr std::array<unsigned char, 256> makeClasses()
{
    std::array<unsigned char, 256> t{}; // control bytes and DEL are invalid
    for (unsigned char c : std::string_view(" \t\r\n"))
        t[c] = ccSpace;
    // PHP takes every byte from 0x80 up as a name character, so UTF-8
    // identifiers and stray Latin-1 bytes both read as names.
    for (int c = 0x80; c <= 0xFF; ++c)
        t[c] = ccWord;
    for (int c = 'a'; c <= 'z'; ++c)
        t[c] = t[c - 'a' + 'A'] = ccWord;
    t['_'] = ccWord;
    for (int c = '0'; c <= '9'; ++c)
        t[c] = ccDigit;
    for (unsigned char c : std::string_view("(){}[];,=+-*%!~&|^:>@\\"))
        t[c] = ccSymbol;
    t['"'] = t['\''] = t['`'] = ccQuote;
    t['$'] = ccDollar;
    t['#'] = ccHash;
    t['/'] = ccSlash;
    t['<'] = ccLess;
    t['?'] = ccQuestion;
    t['.'] = ccDot;
    return t;
}
constexpr std::array<unsigned char, 256> kClass = makeClasses();

bool isWordChar(unsigned char c) { return kClass[c] == ccWord || kClass[c] == ccDigit; }
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(unsigned char c) { return isDigit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f'); }
bool isBlank(unsigned char c) { return c == ' ' || c == '\t'; }
// The byte at i, or 0 past the end, so look-ahead needs no bounds test.
unsigned char byteAt(std::string_view s, std::size_t i) { return i < s.size() ? static_cast<unsigned char>(s[i]) : 0; }
unsigned char lower(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; }

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

const WordSet& keywords()
{
    // PHP's keywords ignore case: FUNCTION, Function and function.
    static const WordSet set({
        "__class__", "__dir__", "__file__", "__function__", "__halt_compiler", "__line__", "__method__",
        "__namespace__", "__trait__", "abstract", "and", "array", "as", "break", "callable", "case", "catch",
        "class", "clone", "const", "continue", "declare", "default", "die", "do", "echo", "else", "elseif",
        "empty", "enddeclare", "endfor", "endforeach", "endif", "endswitch", "endwhile", "enum", "eval",
        "exit", "extends", "false", "final", "finally", "fn", "for", "foreach", "function", "global", "goto",
        "if", "implements", "include", "include_once", "instanceof", "insteadof", "interface", "isset",
        "list", "match", "namespace", "new", "null", "or", "print", "private", "protected", "public",
        "readonly", "require", "require_once", "return", "static", "switch", "throw", "trait", "true", "try",
        "unset", "use", "var", "while", "xor", "yield",
    }, WordSet::Case::Ignore);
    return set;
}

// Heredoc terminators, one table for every instance so that a range taken
// from one highlighter resumes in another.
HereDocTerminators& terminators()
{
    static HereDocTerminators table;
    return table;
}

constexpr std::size_t kMaxTerminatorLength = HereDocTerminators::kMaxTerminatorLength;

// Range layout: bits 0-1 the state; for Quote bits 2-9 the delimiter; for
// HereDoc bits 2 up the terminator's index.
constexpr int kStateMask = 3;

} // namespace

TSynPHPSyn::TSynPHPSyn()
{
    m_commentAttri = addAttribute(QStringLiteral("Comment"));
    m_commentAttri->assign(Colors::clGreen, Colors::clNone, fsItalic);
    m_identifierAttri = addAttribute(QStringLiteral("Identifier"));
    m_invalidAttri = addAttribute(QStringLiteral("Invalid symbol"));
    m_invalidAttri->assign(Colors::clRed, Colors::clNone, 0);
    m_numberAttri = addAttribute(QStringLiteral("Number"));
    m_numberAttri->assign(Colors::clBlue, Colors::clNone, 0);
    m_keyAttri = addAttribute(QStringLiteral("Reserved word"));
    m_keyAttri->assign(Colors::clNavy, Colors::clNone, fsBold);
    m_spaceAttri = addAttribute(QStringLiteral("Space"));
    m_stringAttri = addAttribute(QStringLiteral("String"));
    m_stringAttri->assign(Colors::clPurple, Colors::clNone, 0);
    m_symbolAttri = addAttribute(QStringLiteral("Symbol"));
    m_symbolAttri->assign(Colors::clMaroon, Colors::clNone, 0);
    m_variableAttri = addAttribute(QStringLiteral("Variable"));
    m_variableAttri->assign(Colors::clOlive, Colors::clNone, 0);
}

QString TSynPHPSyn::languageName() const { return QStringLiteral("PHP"); }

QString TSynPHPSyn::defaultFilter() const
{
    return QStringLiteral("PHP Files (*.php,*.php3,*.phtml,*.inc)|*.php;*.php3;*.phtml;*.inc");
}

QString TSynPHPSyn::sampleSource() const
{
    return QStringLiteral("<?php\r\n"
                          "// Syntax highlighting\r\n"
                          "class Greeter {\r\n"
                          "    private $name = 'World';\r\n"
                          "    /* Says hello\r\n"
                          "       a few times */\r\n"
                          "    public function greet($times = 3) {\r\n"
                          "        for ($i = 0; $i < $times; $i++)\r\n"
                          "            echo \"Hello, {$this->name}!\\n\";\r\n"
                          "        return 0x1F;\r\n"
                          "    }\r\n"
                          "}\r\n"
                          "?>");
}

TSynHighlighterAttributes* TSynPHPSyn::GetTokenAttribute() const
{
    switch (m_tokenKind) {
    case TokenKind::Comment: return m_commentAttri;
    case TokenKind::Identifier: return m_identifierAttri;
    case TokenKind::Unknown: return m_invalidAttri;
    case TokenKind::Number: return m_numberAttri;
    case TokenKind::Keyword: return m_keyAttri;
    case TokenKind::Space: return m_spaceAttri;
    case TokenKind::String: return m_stringAttri;
    case TokenKind::Symbol: return m_symbolAttri;
    case TokenKind::Variable: return m_variableAttri;
    default: return nullptr;
    }
}

int TSynPHPSyn::GetRange() const
{
    // A marker's body begins on the next line unless this one ended inside
    // a comment or string.
    if (m_pendingHereDoc >= 0 && m_state == State::Default)
        return int(State::HereDoc) | (m_pendingHereDoc << 2);
    switch (m_state) {
    case State::Quote: return int(m_state) | (int(m_delimiter) << 2);
    case State::HereDoc: return int(m_state) | (m_hereDoc << 2);
    default: return int(m_state);
    }
}

void TSynPHPSyn::SetRange(int range)
{
    ResetRange();
    switch (State(range & kStateMask)) {
    case State::Comment: m_state = State::Comment; break;
    case State::Quote: {
        const int delimiter = (range >> 2) & 0xFF;
        if (delimiter == '\'' || delimiter == '"' || delimiter == '`') {
            m_state = State::Quote;
            m_delimiter = static_cast<unsigned char>(delimiter);
        }
        break;
    }
    case State::HereDoc: setHereDoc(range >> 2); break;
    default: break;
    }
}

void TSynPHPSyn::ResetRange()
{
    m_state = State::Default;
    m_delimiter = 0;
    m_hereDoc = -1;
    m_terminator.clear();
    m_pendingHereDoc = -1;
}

void TSynPHPSyn::setHereDoc(int index)
{
    std::optional<std::string> text = terminators().at(index);
    if (!text) {
        m_state = State::Default;
        return;
    }
    m_state = State::HereDoc;
    m_hereDoc = index;
    m_terminator = std::move(*text);
}

void TSynPHPSyn::scanToken()
{
    if (m_run == 0)
        beginLine();
    switch (m_state) {
    case State::Default: scanCode(); break;
    case State::Comment: scanBlockComment(); break;
    case State::Quote: scanQuoteBody(); break;
    case State::HereDoc: scanHereDocLine(); break;
    }
}

void TSynPHPSyn::beginLine()
{
    if (m_pendingHereDoc >= 0) {
        if (m_state == State::Default)
            setHereDoc(m_pendingHereDoc);
        m_pendingHereDoc = -1;
    }
}

void TSynPHPSyn::scanCode()
{
    const unsigned char c = byteAt(m_line, m_run);
    const unsigned char next = byteAt(m_line, m_run + 1);
    m_tokenKind = TokenKind::Symbol;
    switch (kClass[c]) {
    case ccSpace:
        while (kClass[byteAt(m_line, m_run)] == ccSpace)
            ++m_run;
        m_tokenKind = TokenKind::Space;
        break;
    case ccWord: scanWord(); break;
    case ccDigit: scanNumber(); break;
    case ccDollar: scanVariable(); break;
    case ccQuote:
        m_state = State::Quote;
        m_delimiter = c;
        ++m_run;
        scanQuoteBody();
        break;
    case ccHash:
        if (next == '[') // #[ opens an attribute
            ++m_run;
        else
            scanLineComment();
        break;
    case ccSlash:
        if (next == '/' || next == '*')
            scanComment(next);
        else
            ++m_run;
        break;
    case ccDot:
        if (isDigit(next))
            scanNumber();
        else
            ++m_run;
        break;
    case ccLess: scanLess(); break;
    case ccQuestion: m_run += next == '>' ? 2 : 1; break; // ?> closes
    case ccSymbol: ++m_run; break;
    default:
        ++m_run;
        m_tokenKind = TokenKind::Unknown;
        break;
    }
}

void TSynPHPSyn::scanComment(unsigned char second)
{
    if (second == '/') {
        scanLineComment();
        return;
    }
    m_state = State::Comment;
    m_run += 2;
    scanBlockComment();
}

void TSynPHPSyn::scanBlockComment()
{
    m_tokenKind = TokenKind::Comment;
    if (skipPast("*/"))
        m_state = State::Default;
}

// "//" and "#" comments end at the line's end or just before a close tag.
void TSynPHPSyn::scanLineComment()
{
    m_tokenKind = TokenKind::Comment;
    const std::size_t end = m_line.find("?>", m_run + 1);
    m_run = end == std::string_view::npos ? m_line.size() : end;
}

void TSynPHPSyn::scanQuoteBody()
{
    m_tokenKind = TokenKind::String;
    const std::size_t n = m_line.size();
    while (m_run < n) {
        const auto c = static_cast<unsigned char>(m_line[m_run++]);
        if (c == '\\') {
            if (m_run < n)
                ++m_run;
        } else if (c == m_delimiter) {
            m_state = State::Default;
            return;
        }
    }
}

// A body line, or the terminator line: the name after optional blanks, not
// followed by a name character. Code after the terminator is scanned as such.
void TSynPHPSyn::scanHereDocLine()
{
    m_tokenKind = TokenKind::String;
    const std::size_t n = m_line.size();
    std::size_t p = m_run;
    while (p < n && isBlank(m_line[p]))
        ++p;
    const std::size_t end = p + m_terminator.size();
    if (m_run == 0 && m_line.substr(p).starts_with(m_terminator) && (end == n || !isWordChar(m_line[end]))) {
        m_run = end;
        m_state = State::Default;
        m_hereDoc = -1;
        m_terminator.clear();
        return;
    }
    m_run = n;
}

void TSynPHPSyn::scanWord()
{
    while (m_run < m_line.size() && isWordChar(m_line[m_run]))
        ++m_run;
    const std::string_view word = m_line.substr(m_tokenPos, m_run - m_tokenPos);
    // After -> and :: a keyword spelling names a member: $list->list().
    const std::string_view before = m_line.substr(0, m_tokenPos);
    const bool member = before.ends_with("->") || before.ends_with("::");
    m_tokenKind = !member && keywords().contains(word) ? TokenKind::Keyword : TokenKind::Identifier;
}

void TSynPHPSyn::scanNumber()
{
    std::size_t p = m_run;
    const auto at = [this](std::size_t i) { return byteAt(m_line, i); };
    const unsigned char radix = at(p) == '0' ? (at(p + 1) | 0x20) : 0;
    if (radix == 'x') {
        for (p += 2; isHexDigit(at(p)) || at(p) == '_';)
            ++p;
    } else if (radix == 'b' || radix == 'o') {
        for (p += 2; isDigit(at(p)) || at(p) == '_';)
            ++p;
    } else {
        while (isDigit(at(p)) || at(p) == '_')
            ++p;
        if (at(p) == '.' && isDigit(at(p + 1)))
            for (++p; isDigit(at(p)) || at(p) == '_';)
                ++p;
        if ((at(p) | 0x20) == 'e') {
            std::size_t q = p + 1;
            if (at(q) == '+' || at(q) == '-')
                ++q;
            if (isDigit(at(q)))
                for (p = q; isDigit(at(p)) || at(p) == '_';)
                    ++p;
        }
    }
    m_run = p;
    m_tokenKind = TokenKind::Number;
}

// $name, and $$name for variable variables; a bare run of $ before {expr}.
void TSynPHPSyn::scanVariable()
{
    const std::size_t n = m_line.size();
    std::size_t p = m_run + 1;
    while (p < n && m_line[p] == '$')
        ++p;
    if (p < n && kClass[static_cast<unsigned char>(m_line[p])] == ccWord)
        while (p < n && isWordChar(m_line[p]))
            ++p;
    m_run = p;
    m_tokenKind = TokenKind::Variable;
}

// The open tags <?php, <?= and <?, a heredoc marker, or a plain "<".
void TSynPHPSyn::scanLess()
{
    const std::string_view rest = m_line.substr(m_run);
    m_tokenKind = TokenKind::Symbol;
    if (rest.starts_with("<?")) {
        m_run += equalsIgnoringCase(rest.substr(2, 3), "php") ? 5 : rest.starts_with("<?=") ? 3 : 2;
        return;
    }
    if (rest.starts_with("<<<") && tryHereDoc())
        return;
    ++m_run;
}

// <<<NAME, <<<"NAME" (heredoc) and <<<'NAME' (nowdoc). The marker is a
// String token; the body follows from the next line on.
bool TSynPHPSyn::tryHereDoc()
{
    const std::size_t n = m_line.size();
    std::size_t p = m_run + 3;
    while (p < n && isBlank(m_line[p]))
        ++p;
    const char quote = p < n && (m_line[p] == '"' || m_line[p] == '\'') ? m_line[p] : 0;
    if (quote)
        ++p;
    const std::size_t start = p;
    if (p >= n || kClass[static_cast<unsigned char>(m_line[p])] != ccWord)
        return false;
    while (p < n && isWordChar(m_line[p]) && p - start <= kMaxTerminatorLength)
        ++p;
    const std::string_view terminator = m_line.substr(start, p - start);
    if (terminator.size() > kMaxTerminatorLength || (quote && (p >= n || m_line[p] != quote)))
        return false;
    m_run = quote ? p + 1 : p;
    m_tokenKind = TokenKind::String;
    if (m_pendingHereDoc < 0)
        m_pendingHereDoc = terminators().intern(terminator);
    return true;
}
