// Fuzzes the highlighters' token streams. The first byte picks the
// highlighter: (byte + 1) % 7, so the seed files can start with a digit
// "0" Java, "1" HTML, "2" CSS, "3" XML, "4" Perl, "5" PHP, "6" configurable.
// For the configurable one the rest of the first line sets it up: a byte of
// comment-style bits, a byte of flags (bit 0 single quote, bit 1
// preprocessor, bits 2-3 the identifier characters, bit 4 keywords in
// UTF-8), then keywords separated by blanks or commas. The remaining bytes are the document,
// split into lines at '\n' and fed in order to one instance.
//
// Per line the tokens must be non-empty, contiguous, inside the line and
// cover it, each with an attribute; and a fresh instance resumed with the
// range stored after the previous line must give the same tokens and end in
// the same range, as an edit control restyling from that line relies on.
// Any violation prints what broke and traps.
#include "editor/tsyncsssyn.h"
#include "editor/tsyngeneralsyn.h"
#include "editor/tsynhtmlsyn.h"
#include "editor/tsynjavasyn.h"
#include "editor/tsynperlsyn.h"
#include "editor/tsynphpsyn.h"
#include "editor/tsynxmlsyn.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

namespace {

constexpr int kHighlighterCount = 7;
constexpr int kGeneral = 6;
// A fresh instance costs tens of microseconds under the sanitizers; a
// megabyte of empty lines would need a million. Beyond this many lines only
// every n-th line is resumed.
constexpr std::size_t kMaxResumeChecks = 8192;

struct Token {
    std::size_t pos;
    std::size_t length;
    TokenKind kind;
    bool operator==(const Token&) const = default;
};

struct GeneralSetup {
    int commentStyles = 0;
    int flags = 0;
    QStringList keywords;
    TSynGeneralSyn::CharSet extraIdentifierChars;
};

struct Input {
    int highlighter = 0;
    GeneralSetup general;
    std::string_view document;
};

// Where a violation happened, for the message printed before the trap.
struct Where {
    const char* highlighter;
    std::size_t line;
};

[[noreturn]] void fail(const Where& at, const char* what, std::size_t token)
{
    std::fprintf(stderr, "invariant violated: %s (highlighter %s, line %zu, token %zu)\n", what, at.highlighter,
                 at.line, token);
    __builtin_trap();
}

void check(bool ok, const Where& at, const char* what, std::size_t token = 0)
{
    if (!ok)
        fail(at, what, token);
}

Input parseInput(std::string_view bytes)
{
    Input in;
    in.highlighter = (static_cast<unsigned char>(bytes[0]) + 1) % kHighlighterCount;
    std::string_view rest = bytes.substr(1);
    if (in.highlighter != kGeneral) {
        in.document = rest;
        return in;
    }
    const std::size_t eol = rest.find('\n');
    const std::string_view header = rest.substr(0, eol);
    in.document = eol == std::string_view::npos ? std::string_view() : rest.substr(eol + 1);
    GeneralSetup& g = in.general;
    if (header.size() > 0)
        g.commentStyles = static_cast<unsigned char>(header[0]) & 31;
    if (header.size() > 1)
        g.flags = static_cast<unsigned char>(header[1]);
    const std::string_view words = header.size() > 2 ? header.substr(2) : std::string_view();
    std::size_t start = 0;
    for (std::size_t i = 0; i <= words.size(); ++i) {
        if (i < words.size() && words[i] != ' ' && words[i] != ',') {
            g.extraIdentifierChars.set(static_cast<unsigned char>(words[i]));
            continue;
        }
        if (i > start) {
            // Definition files are read as UTF-8, so keywords may hold more than Latin-1.
            const char* word = words.data() + start;
            const auto length = qsizetype(i - start);
            g.keywords << ((g.flags & 16) ? QString::fromUtf8(word, length) : QString::fromLatin1(word, length));
        }
        start = i + 1;
    }
    return in;
}

TSynGeneralSyn::CharSet defaultIdentifierChars()
{
    TSynGeneralSyn::CharSet chars;
    for (int c = 0; c < 256; ++c)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')
            chars.set(std::size_t(c));
    return chars;
}

std::unique_ptr<TSynGeneralSyn> makeGeneral(const GeneralSetup& g)
{
    auto hl = std::make_unique<TSynGeneralSyn>();
    hl->setKeywords(g.keywords);
    hl->setCommentStyles(g.commentStyles);
    hl->setStringDelimiter((g.flags & 1) ? TSynGeneralSyn::StringDelimiter::SingleQuote
                                         : TSynGeneralSyn::StringDelimiter::DoubleQuote);
    hl->setDetectPreprocessor((g.flags & 2) != 0);
    switch ((g.flags >> 2) & 3) {
    case 0: // the highlighter's default
        break;
    case 1: { // what the editor windows use: "!" up to 255
        TSynGeneralSyn::CharSet chars;
        for (int c = '!'; c < 256; ++c)
            chars.set(std::size_t(c));
        hl->setIdentifierChars(chars);
        break;
    }
    case 2:
        hl->setIdentifierChars(defaultIdentifierChars() | g.extraIdentifierChars);
        break;
    case 3: // blanks and NUL included
        hl->setIdentifierChars(~defaultIdentifierChars());
        break;
    }
    return hl;
}

std::unique_ptr<TSynCustomHighlighter> makeHighlighter(const Input& in)
{
    switch (in.highlighter) {
    case 0:
        return std::make_unique<TSynJavaSyn>();
    case 1:
        return std::make_unique<TSynHTMLSyn>();
    case 2:
        return std::make_unique<TSynCssSyn>();
    case 3:
        return std::make_unique<TSynXMLSyn>();
    case 4:
        return std::make_unique<TSynPerlSyn>();
    case 5:
        return std::make_unique<TSynPHPSyn>();
    default:
        return makeGeneral(in.general);
    }
}

const char* highlighterName(int id)
{
    static const char* const names[kHighlighterCount] = {"Java", "HTML", "CSS", "XML", "Perl", "PHP", "General"};
    return names[id];
}

// Tokens of one line with the structural checks; returns the range after it.
int scanLine(TSynCustomHighlighter& hl, std::string_view line, const Where& at, std::vector<Token>& out)
{
    out.clear();
    std::size_t end = 0;
    hl.SetLine(line, int(at.line));
    for (; !hl.GetEol(); hl.Next()) {
        const std::size_t n = out.size();
        check(n < line.size(), at, "more tokens than bytes: the line end is never reached", n);
        const std::string_view t = hl.GetToken();
        check(!t.empty(), at, "empty token", n);
        check(std::size_t(hl.GetTokenPos()) == end, at, "token does not start where the last one ended", n);
        check(t.data() == line.data() + end, at, "token text is not the line's bytes", n);
        check(t.size() <= line.size() - end, at, "token runs past the line end", n);
        check(hl.GetTokenKind() > TokenKind::Null && hl.GetTokenKind() <= TokenKind::Preprocessor, at,
              "token kind out of range", n);
        check(hl.GetTokenAttribute() != nullptr, at, "token without an attribute", n);
        out.push_back({end, t.size(), hl.GetTokenKind()});
        end += t.size();
    }
    check(end == line.size(), at, "tokens do not cover the line", out.size());
    return hl.GetRange();
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t eol = text.find('\n', start);
        if (eol == std::string_view::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, eol - start));
        start = eol + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const Input in = parseInput(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::vector<std::string_view> lines = splitLines(in.document);

    const std::unique_ptr<TSynCustomHighlighter> continuous = makeHighlighter(in);
    std::vector<Token> tokens, resumedTokens;
    int range = continuous->GetRange();
    const std::size_t resumeStride = std::max<std::size_t>(1, lines.size() / kMaxResumeChecks);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Where at{highlighterName(in.highlighter), i};
        const int rangeBefore = range;
        range = scanLine(*continuous, lines[i], at, tokens);
        if (i % resumeStride != 0)
            continue;

        const std::unique_ptr<TSynCustomHighlighter> resumed = makeHighlighter(in);
        resumed->SetRange(rangeBefore);
        const int resumedRange = scanLine(*resumed, lines[i], at, resumedTokens);
        for (std::size_t t = 0; t < tokens.size() || t < resumedTokens.size(); ++t)
            check(t < tokens.size() && t < resumedTokens.size() && tokens[t] == resumedTokens[t], at,
                  "a fresh instance resumed with the stored range gives other tokens", t);
        check(resumedRange == range, at, "a fresh instance resumed with the stored range ends in another range");
    }
    return 0;
}
