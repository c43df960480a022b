#include "editor/tsynperlsyn.h"

#include "editor/heredocterminators.h"
#include "editor/wordset.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

enum CharClass : unsigned char {
    ccIllegal, ccSpace, ccWord, ccDigit, ccSymbol, ccOperator, ccQuote,
    ccDollar, ccAt, ccPercent, ccHash, ccSlash, ccLess, ccDot,
};

constexpr std::array<unsigned char, 256> makeClasses()
{
    std::array<unsigned char, 256> t{}; // everything else is illegal
    for (unsigned char c : std::string_view(" \t\r\n\f\v"))
        t[c] = ccSpace;
    for (int c = 'a'; c <= 'z'; ++c)
        t[c] = t[c - 'a' + 'A'] = ccWord;
    t['_'] = ccWord;
    // Under "use utf8" names may hold any letter: every byte from 0x80 up
    // belongs to a name, so a character is never split between two tokens.
    for (int c = 0x80; c <= 0xFF; ++c)
        t[c] = ccWord;
    for (int c = '0'; c <= '9'; ++c)
        t[c] = ccDigit;
    for (unsigned char c : std::string_view("(){}[];,"))
        t[c] = ccSymbol;
    for (unsigned char c : std::string_view("=>+-*!~\\?:&|^"))
        t[c] = ccOperator;
    t['"'] = t['\''] = t['`'] = ccQuote;
    t['$'] = ccDollar;
    t['@'] = ccAt;
    t['%'] = ccPercent;
    t['#'] = ccHash;
    t['/'] = ccSlash;
    t['<'] = ccLess;
    t['.'] = ccDot;
    return t;
}
constexpr std::array<unsigned char, 256> kClass = makeClasses();

bool isWordStart(unsigned char c) { return kClass[c] == ccWord; }
bool isWordChar(unsigned char c) { return kClass[c] == ccWord || kClass[c] == ccDigit; }
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool isAlpha(unsigned char c) { return kClass[c] == ccWord && c != '_'; }
bool isBlank(unsigned char c) { return c == ' ' || c == '\t'; }
bool isHexDigit(unsigned char c) { return isDigit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f'); }
bool isUpper(unsigned char c) { return c >= 'A' && c <= 'Z'; }
// Perl takes almost any printable byte as a quote delimiter; control bytes,
// bytes above 126 and word characters are refused so that bad input cannot
// open a text that nothing visible closes.
bool isDelimiter(unsigned char c) { return c > ' ' && c < 0x7F && !isWordChar(c); }
// What may follow "%" where a term is due: %name, %$ref, %{...}, %::name, %+, %-.
bool startsHash(unsigned char c) { return isWordStart(c) || c == '$' || c == '{' || c == ':' || c == '+' || c == '-'; }

// The byte at i, or 0 past the end, so look-ahead needs no bounds test.
unsigned char byteAt(std::string_view s, std::size_t i) { return i < s.size() ? static_cast<unsigned char>(s[i]) : 0; }

unsigned char closingDelimiter(unsigned char open)
{
    switch (open) {
    case '(': return ')';
    case '[': return ']';
    case '{': return '}';
    case '<': return '>';
    default: return open;
    }
}

const WordSet& keywords()
{
    static const WordSet set{
        // declarations, control flow and word operators
        "my", "our", "local", "state", "sub", "if", "elsif", "else", "unless", "while", "until", "for",
        "foreach", "do", "last", "next", "redo", "return", "goto", "continue", "package", "require", "use",
        "no", "and", "or", "not", "xor", "eq", "ne", "lt", "gt", "le", "ge", "cmp", "BEGIN", "END", "INIT",
        "CHECK", "UNITCHECK", "DESTROY", "AUTOLOAD", "__END__", "__DATA__", "__FILE__", "__LINE__",
        "__PACKAGE__", "__SUB__",
        // built-in functions
        "abs", "accept", "alarm", "atan2", "bind", "binmode", "bless", "caller", "chdir", "chmod", "chomp",
        "chop", "chown", "chr", "chroot", "close", "closedir", "connect", "cos", "crypt", "dbmclose",
        "dbmopen", "defined", "delete", "die", "dump", "each", "eof", "eval", "exec", "exists", "exit", "exp",
        "fcntl", "fileno", "flock", "fork", "format", "formline", "getc", "getlogin", "getpeername",
        "getpgrp", "getppid", "getpriority", "glob", "gmtime", "grep", "hex", "index", "int", "ioctl", "join",
        "keys", "kill", "lc", "lcfirst", "length", "link", "listen", "localtime", "log", "lstat", "map",
        "mkdir", "msgctl", "msgget", "msgrcv", "msgsnd", "oct", "open", "opendir", "ord", "pack", "pipe",
        "pop", "pos", "print", "printf", "prototype", "push", "quotemeta", "rand", "read", "readdir",
        "readline", "readlink", "readpipe", "recv", "ref", "rename", "reset", "reverse", "rewinddir",
        "rindex", "rmdir", "say", "scalar", "seek", "seekdir", "select", "semctl", "semget", "semop", "send",
        "setpgrp", "setpriority", "shift", "shmctl", "shmget", "shmread", "shmwrite", "shutdown", "sin",
        "sleep", "socket", "socketpair", "sort", "splice", "split", "sprintf", "sqrt", "srand", "stat",
        "study", "substr", "symlink", "syscall", "sysopen", "sysread", "sysseek", "system", "syswrite",
        "tell", "telldir", "tie", "tied", "time", "times", "truncate", "uc", "ucfirst", "umask", "undef",
        "unlink", "unpack", "unshift", "untie", "utime", "values", "vec", "wait", "waitpid", "wantarray",
        "warn", "write",
    };
    return set;
}

const WordSet& pragmas()
{
    static const WordSet set{
        "attributes", "autodie", "autouse", "base", "bigint", "bignum", "bigrat", "blib", "bytes",
        "charnames", "constant", "diagnostics", "encoding", "feature", "fields", "filetest", "if",
        "integer", "less", "lib", "locale", "mro", "open", "ops", "overload", "parent", "re", "sigtrap",
        "sort", "strict", "subs", "threads", "utf8", "vars", "vmsish", "warnings",
    };
    return set;
}

// Here-document terminators, one table for every instance so that a range
// taken from one highlighter resumes in another.
HereDocTerminators& terminators()
{
    static HereDocTerminators table;
    return table;
}

constexpr std::size_t kMaxTerminatorLength = HereDocTerminators::kMaxTerminatorLength;

// Range layout: bits 0-2 the state; for Quote bit 3 modifiers, bits 4-11 the
// opening delimiter, bit 12 parts left, bits 13-28 the nesting depth; for
// QuoteGap bit 3 modifiers; for HereDoc bit 3 indented, bits 4 up the index.
constexpr int kStateMask = 7;
constexpr int kMaxDepth = 0xFFFF;

constexpr std::string_view kOperators[] = {
    "<=>", "**=", "||=", "&&=", "//=", "<<=", ">>=", "...", "=~", "!~", "->", "=>", "==", "!=", "<=", ">=",
    "**",  "++",  "--",  "..",  "+=",  "-=",  "*=",  "/=",  ".=", "%=", "&=", "|=", "^=", "&&", "||", "//",
    "<<",  ">>",  "::",
};
constexpr std::string_view kOperatorChars = "=<>+-*/%.!~\\?:&|^";
// Punctuation variables such as $& and $/. "$(", "$)" and "$;" are left out
// because prototypes like ($;$) are far more common in source than they are.
constexpr std::string_view kPunctuationVariables = "&`'+!@/\\,.<>:?-|~=%\"";

} // namespace

TSynPerlSyn::TSynPerlSyn()
{
    m_commentAttri = addAttribute(QStringLiteral("Comment"));
    m_commentAttri->assign(Colors::clGreen, Colors::clNone, fsItalic);
    m_identifierAttri = addAttribute(QStringLiteral("Identifier"));
    m_invalidAttri = addAttribute(QStringLiteral("Illegal char"));
    m_invalidAttri->assign(Colors::clRed, Colors::clNone, 0);
    m_numberAttri = addAttribute(QStringLiteral("Number"));
    m_numberAttri->assign(Colors::clBlue, Colors::clNone, 0);
    m_operatorAttri = addAttribute(QStringLiteral("Operator"));
    m_operatorAttri->assign(Colors::clMaroon, Colors::clNone, 0);
    m_pragmaAttri = addAttribute(QStringLiteral("Pragma"));
    m_pragmaAttri->assign(Colors::clTeal, Colors::clNone, fsBold);
    m_keyAttri = addAttribute(QStringLiteral("Reserved word"));
    m_keyAttri->assign(Colors::clNavy, Colors::clNone, fsBold);
    m_spaceAttri = addAttribute(QStringLiteral("Space"));
    m_stringAttri = addAttribute(QStringLiteral("String"));
    m_stringAttri->assign(Colors::clPurple, Colors::clNone, 0);
    m_symbolAttri = addAttribute(QStringLiteral("Symbol"));
    m_variableAttri = addAttribute(QStringLiteral("Variable"));
    m_variableAttri->assign(Colors::clOlive, Colors::clNone, 0);
}

QString TSynPerlSyn::languageName() const { return QStringLiteral("Perl"); }

QString TSynPerlSyn::defaultFilter() const { return QStringLiteral("Perl Files (*.pl,*.pm,*.cgi)|*.pl;*.pm;*.cgi"); }

QString TSynPerlSyn::sampleSource() const
{
    return QStringLiteral("#!/bin/perl\r\n"
                          "require \"cgi-lib.pl\";\r\n"
                          "use sigtrap;\r\n"
                          "do 'envars.pl';\r\n"
                          "$_ = $password1;\r\n"
                          "sub WriteBack {\r\n"
                          "        while ($_ ne \"fred\")    {\r\n"
                          "                sleep 5;\r\n"
                          "        }\r\n"
                          "}");
}

TSynHighlighterAttributes* TSynPerlSyn::GetTokenAttribute() const
{
    switch (m_tokenKind) {
    case TokenKind::Comment: return m_commentAttri;
    case TokenKind::Identifier: return m_identifierAttri;
    case TokenKind::Unknown: return m_invalidAttri;
    case TokenKind::Number: return m_numberAttri;
    case TokenKind::Operator: return m_operatorAttri;
    case TokenKind::Pragma: return m_pragmaAttri;
    case TokenKind::Keyword: return m_keyAttri;
    case TokenKind::Space: return m_spaceAttri;
    case TokenKind::String: return m_stringAttri;
    case TokenKind::Symbol: return m_symbolAttri;
    case TokenKind::Variable: return m_variableAttri;
    default: return nullptr;
    }
}

int TSynPerlSyn::GetRange() const
{
    // A marker's body begins on the next line unless this one ended inside a text.
    if (m_pendingHereDoc >= 0 && m_state == State::Default)
        return int(State::HereDoc) | (int(m_pendingIndented) << 3) | (m_pendingHereDoc << 4);
    switch (m_state) {
    case State::Quote:
        return int(m_state) | (int(m_modifiers) << 3) | (int(m_delimiter) << 4) | (m_partsLeft << 12) |
               (std::min(m_depth, kMaxDepth) << 13);
    case State::QuoteGap: return int(m_state) | (int(m_modifiers) << 3);
    case State::HereDoc: return int(m_state) | (int(m_hereDocIndented) << 3) | (m_hereDoc << 4);
    default: return int(m_state);
    }
}

void TSynPerlSyn::SetRange(int range)
{
    ResetRange();
    switch (State(range & kStateMask)) {
    case State::Pod:
    case State::Data: m_state = State(range & kStateMask); break;
    case State::Quote: {
        const auto delimiter = static_cast<unsigned char>((range >> 4) & 0xFF);
        if (!isDelimiter(delimiter))
            break; // not a range this highlighter made
        m_state = State::Quote;
        m_modifiers = (range >> 3) & 1;
        m_delimiter = delimiter;
        m_partsLeft = (range >> 12) & 1;
        m_depth = std::max(1, (range >> 13) & kMaxDepth);
        break;
    }
    case State::QuoteGap:
        m_state = State::QuoteGap;
        m_modifiers = (range >> 3) & 1;
        break;
    case State::HereDoc: setHereDoc(range >> 4, (range >> 3) & 1); break;
    default: break;
    }
}

void TSynPerlSyn::ResetRange()
{
    m_state = State::Default;
    m_delimiter = 0;
    m_depth = 0;
    m_partsLeft = 0;
    m_modifiers = false;
    m_hereDoc = -1;
    m_hereDocIndented = false;
    m_terminator.clear();
    m_pendingHereDoc = -1;
    m_pendingIndented = false;
}

void TSynPerlSyn::setHereDoc(int index, bool indented)
{
    std::optional<std::string> text = terminators().at(index);
    if (!text) {
        m_state = State::Default;
        return;
    }
    m_state = State::HereDoc;
    m_hereDoc = index;
    m_hereDocIndented = indented;
    m_terminator = std::move(*text);
}

void TSynPerlSyn::scanToken()
{
    if (m_run == 0)
        beginLine();
    switch (m_state) {
    case State::Default: scanCode(); break;
    case State::Pod: scanPodLine(); break;
    case State::Data:
        m_run = m_line.size();
        m_tokenKind = TokenKind::Comment;
        break;
    case State::Quote: scanQuoteBody(); break;
    case State::QuoteGap: scanQuoteGap(); break;
    case State::HereDoc: scanHereDocLine(); break;
    }
}

void TSynPerlSyn::beginLine()
{
    if (m_pendingHereDoc >= 0) {
        if (m_state == State::Default)
            setHereDoc(m_pendingHereDoc, m_pendingIndented);
        m_pendingHereDoc = -1;
    }
    m_expectTerm = true;
    m_afterUse = false;
    m_bareName = false;
    // "=head1", "=pod", "=begin" ... at the start of a line open POD.
    if (m_state == State::Default && m_line.size() > 1 && m_line[0] == '=' && isAlpha(m_line[1]))
        m_state = State::Pod;
}

void TSynPerlSyn::scanPodLine()
{
    m_run = m_line.size();
    m_tokenKind = TokenKind::Comment;
    if (m_tokenPos == 0 && m_line.starts_with("=cut") && (m_line.size() == 4 || !isWordChar(m_line[4])))
        m_state = State::Default;
}

void TSynPerlSyn::scanHereDocLine()
{
    m_run = m_line.size();
    m_tokenKind = TokenKind::String;
    std::string_view body = m_line.substr(m_tokenPos);
    if (m_hereDocIndented)
        while (!body.empty() && isBlank(body.front()))
            body.remove_prefix(1);
    if (m_tokenPos == 0 && body == m_terminator) {
        m_state = State::Default;
        m_hereDoc = -1;
        m_terminator.clear();
    }
}

// Between the two bracketed parts of s{...}{...} or tr[...][...], where
// blanks, line breaks and comments may come before the second part.
void TSynPerlSyn::scanQuoteGap()
{
    const auto c = static_cast<unsigned char>(m_line[m_run]);
    if (kClass[c] == ccSpace) {
        scanSpace();
    } else if (c == '#') {
        m_run = m_line.size();
        m_tokenKind = TokenKind::Comment;
    } else if (isDelimiter(c)) {
        openQuote(c, 0, m_modifiers);
    } else {
        m_state = State::Default;
        m_expectTerm = false;
        scanCode();
    }
}

void TSynPerlSyn::openQuote(unsigned char delimiter, int partsLeft, bool modifiers)
{
    m_state = State::Quote;
    m_delimiter = delimiter;
    m_depth = 1;
    m_partsLeft = partsLeft;
    m_modifiers = modifiers;
    ++m_run; // the delimiter
    scanQuoteBody();
}

void TSynPerlSyn::scanQuoteBody()
{
    m_tokenKind = TokenKind::String;
    const std::size_t n = m_line.size();
    while (m_run < n) {
        const unsigned char open = m_delimiter;
        const unsigned char close = closingDelimiter(open);
        const auto c = static_cast<unsigned char>(m_line[m_run++]);
        if (c == '\\') {
            if (m_run < n)
                ++m_run;
            continue;
        }
        if (open != close && c == open) {
            m_depth = std::min(m_depth + 1, kMaxDepth);
            continue;
        }
        if (c != close || (open != close && --m_depth > 0))
            continue;
        if (m_partsLeft > 0) {
            m_partsLeft = 0;
            m_depth = 1;
            if (open == close)
                continue; // s/a/b/: the closing delimiter opens the replacement
            // s{a}{b}: the replacement has delimiters of its own.
            std::size_t p = m_run;
            while (p < n && isBlank(m_line[p]))
                ++p;
            if (p == n || (m_line[p] == '#' && p > m_run)) {
                m_state = State::QuoteGap;
                return;
            }
            if (isDelimiter(m_line[p])) {
                m_delimiter = m_line[p];
                m_run = p + 1;
                continue;
            }
        } else if (m_modifiers) {
            while (m_run < n && isAlpha(m_line[m_run]))
                ++m_run;
        }
        m_state = State::Default;
        m_expectTerm = false;
        return;
    }
}

void TSynPerlSyn::scanSpace()
{
    while (m_run < m_line.size() && kClass[static_cast<unsigned char>(m_line[m_run])] == ccSpace)
        ++m_run;
    m_tokenKind = TokenKind::Space;
}

void TSynPerlSyn::scanCode()
{
    const auto c = byteAt(m_line, m_run);
    const auto cls = CharClass(kClass[c]);
    if (cls == ccSpace) {
        scanSpace();
        return;
    }
    if (cls == ccHash) {
        m_run = m_line.size();
        m_tokenKind = TokenKind::Comment;
        return;
    }
    // The "use" and "->" context lasts to the next token that is no blank.
    const bool afterUse = m_afterUse;
    const bool bareName = m_bareName;
    m_afterUse = m_bareName = false;
    const unsigned char next = byteAt(m_line, m_run + 1);
    switch (cls) {
    case ccWord: scanWord(afterUse, bareName); break;
    case ccDigit: scanNumber(); break;
    case ccQuote: openQuote(c, 0, false); break;
    case ccDollar: scanDollar(); break;
    case ccAt: scanSigil(); break;
    case ccDot: m_expectTerm && isDigit(next) ? scanNumber() : scanOperator(); break;
    case ccPercent: m_expectTerm && startsHash(next) ? scanSigil() : scanOperator(); break;
    case ccSlash: m_expectTerm ? openQuote(c, 0, true) : scanOperator(); break; // a pattern where a term is due
    case ccLess:
        if (!(m_expectTerm && tryHereDoc()))
            scanOperator();
        break;
    case ccSymbol:
        ++m_run;
        m_tokenKind = TokenKind::Symbol;
        m_expectTerm = c != ')' && c != ']' && c != '}';
        break;
    case ccOperator: scanOperator(); break;
    default:
        ++m_run;
        m_tokenKind = TokenKind::Unknown;
        break;
    }
}

std::size_t TSynPerlSyn::qualifiedNameEnd(std::size_t pos) const
{
    const std::size_t n = m_line.size();
    for (;;) {
        while (pos < n && isWordChar(m_line[pos]))
            ++pos;
        if (pos + 1 < n && m_line[pos] == ':' && m_line[pos + 1] == ':')
            pos += 2;
        else
            return pos;
    }
}

void TSynPerlSyn::scanWord(bool afterUse, bool bareName)
{
    const bool termDue = m_expectTerm;
    m_run = qualifiedNameEnd(m_run);
    const std::string_view word = m_line.substr(m_tokenPos, m_run - m_tokenPos);
    if (!bareName && tryQuoteOperator(word))
        return;
    m_expectTerm = false;
    if (afterUse && pragmas().contains(word)) {
        m_tokenKind = TokenKind::Pragma;
    } else if (word.size() > 1 && word[0] == 'v' &&
               std::all_of(word.begin() + 1, word.end(), [](char ch) { return isDigit(ch); })) {
        // a version string: v5.10.1
        while (m_run + 1 < m_line.size() && m_line[m_run] == '.' && isDigit(m_line[m_run + 1]))
            for (++m_run; m_run < m_line.size() && isDigit(m_line[m_run]);)
                ++m_run;
        m_tokenKind = TokenKind::Number;
    } else if (keywords().contains(word)) {
        m_tokenKind = TokenKind::Keyword;
        m_expectTerm = true;
        m_afterUse = word == "use" || word == "no";
        m_bareName = word == "sub";
        if (word == "__END__" || word == "__DATA__")
            m_state = State::Data;
    } else if (word == "x" && !termDue) {
        m_tokenKind = TokenKind::Operator; // repetition; a term before it made it an operator
        m_expectTerm = true;
    } else {
        m_tokenKind = TokenKind::Identifier;
    }
}

bool TSynPerlSyn::tryQuoteOperator(std::string_view word)
{
    int partsLeft = 0;
    bool modifiers = true;
    if (word == "q" || word == "qq" || word == "qw" || word == "qx")
        modifiers = false;
    else if (word == "s" || word == "tr" || word == "y")
        partsLeft = 1;
    else if (word != "m" && word != "qr")
        return false;
    // -s $file is a file test, not a substitution.
    if (word.size() == 1 && m_tokenPos > 0 && m_line[m_tokenPos - 1] == '-')
        return false;
    const std::size_t n = m_line.size();
    std::size_t p = m_run;
    while (p < n && isBlank(m_line[p]))
        ++p;
    if (p == n)
        return false;
    const auto c = static_cast<unsigned char>(m_line[p]);
    // Hash keys {s}, fat commas (q => 1) and list items use the word as a name.
    if ((c == '=' && p + 1 < n && m_line[p + 1] == '>') || c == ',' || c == ';' || c == ')' || c == '}')
        return false;
    if ((c == '#' && p > m_run) || !isDelimiter(c))
        return false;
    m_run = p;
    openQuote(c, partsLeft, modifiers);
    return true;
}

void TSynPerlSyn::scanNumber()
{
    const auto at = [this](std::size_t i) { return byteAt(m_line, i); };
    std::size_t p = m_run;
    if (at(p) == '0' && (at(p + 1) | 0x20) == 'x') {
        for (p += 2; isHexDigit(at(p)) || at(p) == '_';)
            ++p;
    } else if (at(p) == '0' && (at(p + 1) | 0x20) == 'b') {
        for (p += 2; at(p) == '0' || at(p) == '1' || at(p) == '_';)
            ++p;
    } else {
        while (isDigit(at(p)) || at(p) == '_')
            ++p;
        if (at(p) == '.' && isDigit(at(p + 1))) // "1..10" is a range, not a fraction
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
    m_expectTerm = false;
}

void TSynPerlSyn::scanDollar()
{
    const auto at = [this](std::size_t i) { return byteAt(m_line, i); };
    const std::size_t n = m_line.size();
    std::size_t p = m_run + 1;
    const auto startsName = [&](std::size_t i) { return isWordStart(at(i)) || (at(i) == ':' && at(i + 1) == ':'); };
    if (at(p) == '#') { // $#array, or $# before {expr} and $ref
        ++p;
        if (startsName(p))
            p = qualifiedNameEnd(p);
    } else {
        while (at(p) == '$') // $$ref, $$$ref
            ++p;
        if (startsName(p)) {
            p = qualifiedNameEnd(p);
        } else if (isDigit(at(p))) {
            while (isDigit(at(p)))
                ++p;
        } else if (at(p) == '{' && isWordStart(at(p + 1))) { // ${name}
            const std::size_t end = qualifiedNameEnd(p + 1);
            if (at(end) == '}')
                p = end + 1;
        } else if (p == m_run + 1 && p < n) {
            if (at(p) == '^' && (isUpper(at(p + 1)) || at(p + 1) == '_'))
                p += 2; // $^W
            else if (at(p) != 0 && kPunctuationVariables.find(char(at(p))) != std::string_view::npos)
                ++p;
        }
    }
    m_run = p;
    m_tokenKind = TokenKind::Variable;
    m_expectTerm = false;
}

// @array and %hash with their $ref and package forms; a lone sigil before {.
void TSynPerlSyn::scanSigil()
{
    const std::size_t n = m_line.size();
    std::size_t p = m_run + 1;
    while (p < n && m_line[p] == '$')
        ++p;
    if (p < n && (isWordStart(m_line[p]) || (m_line[p] == ':' && p + 1 < n && m_line[p + 1] == ':')))
        p = qualifiedNameEnd(p);
    else if (p == m_run + 1 && p < n && (m_line[p] == '+' || m_line[p] == '-'))
        ++p; // @- @+ %+ %-
    m_run = p;
    m_tokenKind = TokenKind::Variable;
    m_expectTerm = false;
}

// <<EOF, <<"EOF", <<'EOF', <<~EOF where a term is due. The marker is a
// String token; the body follows from the next line on.
bool TSynPerlSyn::tryHereDoc()
{
    const std::size_t n = m_line.size();
    std::size_t p = m_run + 1;
    if (p >= n || m_line[p] != '<')
        return false;
    ++p;
    const bool indented = p < n && m_line[p] == '~';
    if (indented)
        ++p;
    std::size_t q = p;
    while (q < n && isBlank(m_line[q]))
        ++q;
    std::string_view terminator;
    if (q < n && (m_line[q] == '"' || m_line[q] == '\'' || m_line[q] == '`')) {
        const std::size_t close = m_line.substr(q + 1, kMaxTerminatorLength + 1).find(m_line[q]);
        if (close == std::string_view::npos)
            return false;
        terminator = m_line.substr(q + 1, close);
        p = q + close + 2;
    } else if (q == p && q < n && isWordStart(m_line[q])) {
        while (q < n && isWordChar(m_line[q]))
            ++q;
        terminator = m_line.substr(p, q - p);
        p = q;
    }
    if (terminator.empty() || terminator.size() > kMaxTerminatorLength)
        return false;
    m_run = p;
    m_tokenKind = TokenKind::String;
    m_expectTerm = false;
    if (m_pendingHereDoc < 0) { // further markers on the line are not followed
        const int index = terminators().intern(terminator);
        m_pendingHereDoc = index;
        m_pendingIndented = index >= 0 && indented;
    }
    return true;
}

void TSynPerlSyn::scanOperator()
{
    const std::string_view rest = m_line.substr(m_run, 3);
    m_tokenKind = TokenKind::Operator;
    m_expectTerm = true;
    for (std::string_view op : kOperators) {
        if (rest.starts_with(op)) {
            m_run += op.size();
            m_bareName = op == "->";
            return;
        }
    }
    const char c = m_line[m_run++];
    if (c == 0 || kOperatorChars.find(c) == std::string_view::npos)
        m_tokenKind = TokenKind::Unknown;
}
