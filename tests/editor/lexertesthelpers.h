#pragma once

#include "editor/tokenstream.h"
#include "editor/tsyncustomhighlighter.h"
#include "editor/tsynhighlighterattributes.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// Case tables and checks that every highlighter's tests share: the ones
// that hold for any language (tokens cover the line, a stored range
// resumes, bad input ends), written once over the highlighter's type.

inline std::string joined(const std::vector<Tok>& toks)
{
    std::string s;
    for (const Tok& t : toks)
        s += t.text;
    return s;
}

struct LineCase {
    const char* name;
    std::string line;
    std::vector<Tok> expected;
};

inline void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << c.name;
}

struct MultiCase {
    const char* name;
    std::vector<std::string> lines;
    std::vector<std::vector<Tok>> expected;
};

inline void PrintTo(const MultiCase& c, std::ostream* os)
{
    *os << c.name;
}

// The edit control restyles from any line with the range stored for the
// line before; a fresh instance given that range must continue identically.
template <class Highlighter> void expectResumesFromStoredRange(const MultiCase& c)
{
    Highlighter first;
    std::vector<int> ranges;
    for (const std::string& line : c.lines) {
        tokenizeLine(first, line);
        ranges.push_back(first.GetRange());
    }
    for (std::size_t i = 1; i < c.lines.size(); ++i) {
        Highlighter resumed;
        resumed.SetRange(ranges[i - 1]);
        EXPECT_EQ(tokenizeLine(resumed, c.lines[i]), c.expected[i]) << "line " << i;
        EXPECT_EQ(resumed.GetRange(), ranges[i]) << "line " << i;
    }
}

// The sample's lines, split where the sample breaks them (CR LF).
inline std::vector<std::string> sampleLines(const TSynCustomHighlighter& hl)
{
    std::vector<std::string> lines;
    for (const QString& l : hl.sampleSource().split(QStringLiteral("\r\n")))
        lines.push_back(l.toStdString());
    return lines;
}

// The sample lexes to the expected tokens, which cover each line, and
// leaves the highlighter outside any range.
template <class Highlighter> void expectSampleTokens(const std::vector<std::vector<Tok>>& expected)
{
    Highlighter hl;
    const std::vector<std::string> lines = sampleLines(hl);
    const auto actual = tokenizeLines(hl, lines);
    EXPECT_EQ(actual, expected);
    for (std::size_t i = 0; i < lines.size() && i < actual.size(); ++i)
        EXPECT_EQ(joined(actual[i]), lines[i]);
    EXPECT_EQ(hl.GetRange(), Highlighter().GetRange());
}

inline QStringList attributeNames(const TSynCustomHighlighter& hl)
{
    QStringList names;
    for (int i = 0; i < hl.attrCount(); ++i)
        names << hl.attribute(i)->name();
    return names;
}

// The name of the attribute each token kind of the line paints with.
inline std::map<TokenKind, QString> attributesByKind(TSynCustomHighlighter& hl, const std::string& line)
{
    std::map<TokenKind, QString> seen;
    for (hl.SetLine(line, 0); !hl.GetEol(); hl.Next())
        seen[hl.GetTokenKind()] = hl.GetTokenAttribute() ? hl.GetTokenAttribute()->name() : QString();
    return seen;
}

// Every byte after every prefix that switches the scanner into a special
// path: the tokens must cover the line exactly, none empty.
template <class Highlighter> void expectEveryByteCoveredAfter(std::initializer_list<const char*> prefixes)
{
    for (const char* prefix : prefixes) {
        for (int b = 0; b < 256; ++b) {
            const std::string line = std::string(prefix) + char(b) + " x";
            Highlighter hl;
            const std::vector<Tok> toks = tokenizeLine(hl, line);
            EXPECT_EQ(joined(toks), line) << prefix << " " << b;
            for (const Tok& t : toks)
                EXPECT_FALSE(t.text.empty()) << prefix << " " << b;
        }
    }
}

constexpr std::size_t kMegabyte = 1 << 20;

inline std::string randomBytes(std::size_t size, unsigned seed)
{
    std::string s(size, '\0');
    std::mt19937 gen(seed);
    for (char& c : s)
        c = char(gen() & 0xFF);
    return s;
}

// Tokens must tile the line: non-empty, each starting where the last ended.
// Returns how many there are.
inline std::size_t countTilingTokens(TSynCustomHighlighter& hl, const std::string& line)
{
    std::size_t count = 0;
    std::size_t end = 0;
    for (hl.SetLine(line, 0); !hl.GetEol(); hl.Next()) {
        EXPECT_EQ(end, std::size_t(hl.GetTokenPos()));
        EXPECT_FALSE(hl.GetToken().empty());
        end = std::size_t(hl.GetTokenPos()) + hl.GetToken().size();
        ++count;
    }
    EXPECT_EQ(line.size(), end);
    return count;
}

// The unit over and over, until the text is at least size bytes long.
inline std::string repeated(std::string_view unit, std::size_t size)
{
    std::string s;
    while (s.size() < size)
        s += unit;
    return s;
}

// Each line lexes (in linear time, or the test does not finish) to tokens
// that cover it exactly.
template <class Highlighter> void expectLinesCovered(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines) {
        Highlighter hl;
        EXPECT_EQ(joined(tokenizeLine(hl, line)), line) << line.substr(0, 8);
    }
}
