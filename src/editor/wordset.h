#pragma once

#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <vector>

// A fixed set of words for keyword lookup in the highlighters: an
// open-addressing table filled once, so a lookup hashes the token where it
// lies in the line and allocates nothing. The words are not copied; they must
// outlive the set (string literals in practice).
class WordSet {
public:
    // Ignore folds ASCII letters, as PHP does for its keywords.
    enum class Case { Sensitive, Ignore };

    WordSet(std::initializer_list<std::string_view> words, Case letterCase = Case::Sensitive);

    bool contains(std::string_view word) const;

private:
    std::size_t hash(std::string_view word) const;
    bool equal(std::string_view stored, std::string_view word) const;

    std::vector<std::string_view> m_slots;
    std::size_t m_mask = 0;
    std::size_t m_maxLength = 0;
    Case m_case;
};
