#include "editor/textsearch.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct FindCase {
    const char* name;
    const char* text; // UTF-8
    const char* pattern;
    int options;
    std::size_t from, to;
    std::optional<std::size_t> expected;
    std::size_t length = 0; // of the match; 0: the pattern's
};

class TextSearchFind : public ::testing::TestWithParam<FindCase> {};

TEST_P(TextSearchFind, Finds)
{
    const FindCase& c = GetParam();
    const std::string_view text(c.text);
    const std::size_t to = c.to == std::size_t(-1) ? text.size() : c.to;
    const auto match = TextSearch(c.pattern, c.options).find(text, c.from, to);
    EXPECT_EQ(match ? std::optional(match->position) : std::nullopt, c.expected);
    if (match)
        EXPECT_EQ(match->length, c.length ? c.length : std::strlen(c.pattern));
}

constexpr std::size_t End = std::size_t(-1);

INSTANTIATE_TEST_SUITE_P(
    Cases, TextSearchFind,
    ::testing::Values(FindCase{"IgnoresCase", "Hello World", "world", 0, 0, End, 6},
                      FindCase{"MatchCaseMisses", "Hello World", "world", ssoMatchCase, 0, End, std::nullopt},
                      FindCase{"NonAsciiCase", "caf\u00C9!", "\u00E9", 0, 0, End, 3},
                      FindCase{"NonAsciiMatchCaseMisses", "caf\u00C9!", "\u00E9", ssoMatchCase, 0, End, std::nullopt},
                      // The Kelvin sign folds to k: three bytes match one.
                      FindCase{"FoldingChangesLength", "5 \u212A!", "k", 0, 0, End, 2, 3},
                      // A byte inside a character is no match for it.
                      FindCase{"OnlyWholeCharacters", "\u6A29", "\xA9", ssoMatchCase, 0, End, std::nullopt},
                      FindCase{"WholeWordSkipsPart", "counter count", "count", ssoWholeWord, 0, End, 8},
                      FindCase{"WholeWordUnderscore", "a_count count_", "count", ssoWholeWord, 0, End, std::nullopt},
                      FindCase{"WholeWordNonAsciiLetter", "\u00F8l l", "l", ssoWholeWord, 0, End, 4},
                      FindCase{"FromCaret", "abab", "ab", 0, 1, End, 2},
                      FindCase{"MatchMustEndByTo", "abcabc", "abc", 0, 0, 2, std::nullopt},
                      FindCase{"BackwardsTakesLast", "x.x.x", "x", ssoBackwards, 0, End, 4},
                      FindCase{"BackwardsBeforeCaret", "x.x.x", "x", ssoBackwards, 0, 4, 2},
                      FindCase{"BackwardsFromStartFindsNothing", "x.x", "x", ssoBackwards, 0, 0, std::nullopt},
                      FindCase{"NonLetterFirstByte", "a{b{c", "{c", 0, 0, End, 3},
                      FindCase{"EmptyPattern", "abc", "", 0, 0, End, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
