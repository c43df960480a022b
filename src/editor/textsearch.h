#pragma once

#include <QByteArray>

#include <cstddef>
#include <optional>
#include <string_view>

// Search options of the edit control.
enum SearchOption {
    ssoMatchCase = 1,
    ssoWholeWord = 2,
    ssoBackwards = 4,
    ssoEntireScope = 8,
    ssoSelectedOnly = 16,
    ssoReplace = 32,
    ssoReplaceAll = 64,
};

// Finds a pattern in UTF-8 text, working on the document's bytes in place.
// Matches start and end on character boundaries. Without ssoMatchCase,
// characters compare by their case-folded forms (ASCII on the bytes, the
// rest decoded), so a match may be longer or shorter than the pattern.
class TextSearch {
public:
    TextSearch(QByteArray pattern, int options);

    struct Match {
        std::size_t position = 0;
        std::size_t length = 0;
        bool operator==(const Match&) const = default;
    };

    // The first match starting in [from, to) that ends by `to`, or the last
    // such match when searching backwards.
    std::optional<Match> find(std::string_view text, std::size_t from, std::size_t to) const;

    // Letters, digits and "_" make words.
    static bool isWordCharacter(char32_t c);

private:
    // The length of a match at `pos` ending by `to`, if there is one.
    std::optional<std::size_t> matchAt(std::string_view text, std::size_t pos, std::size_t to) const;
    bool wordBoundaries(std::string_view text, std::size_t pos, std::size_t end) const;

    QByteArray m_pattern;
    int m_options;
};
