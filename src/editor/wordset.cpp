#include "editor/wordset.h"

#include <algorithm>
#include <bit>

namespace {

unsigned char lower(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? c + 32 : c;
}

} // namespace

WordSet::WordSet(std::initializer_list<std::string_view> words, Case letterCase) : m_case(letterCase)
{
    // At most a quarter full, so a probe for a word that is not there (most
    // tokens) stops at an empty slot after a step or two.
    m_slots.resize(std::bit_ceil(std::max<std::size_t>(16, 4 * words.size())));
    m_mask = m_slots.size() - 1;
    for (std::string_view w : words) {
        if (w.empty() || contains(w))
            continue; // an empty slot marks the end of a probe chain
        std::size_t i = hash(w) & m_mask;
        while (!m_slots[i].empty())
            i = (i + 1) & m_mask;
        m_slots[i] = w;
        m_maxLength = std::max(m_maxLength, w.size());
    }
}

bool WordSet::contains(std::string_view word) const
{
    if (word.empty() || word.size() > m_maxLength)
        return false;
    for (std::size_t i = hash(word) & m_mask; !m_slots[i].empty(); i = (i + 1) & m_mask)
        if (equal(m_slots[i], word))
            return true;
    return false;
}

std::size_t WordSet::hash(std::string_view word) const
{
    std::size_t h = 2166136261u; // FNV-1a
    for (unsigned char c : word)
        h = (h ^ (m_case == Case::Ignore ? lower(c) : c)) * 16777619u;
    return h;
}

bool WordSet::equal(std::string_view stored, std::string_view word) const
{
    if (m_case == Case::Sensitive)
        return stored == word;
    return stored.size() == word.size() &&
           std::equal(stored.begin(), stored.end(), word.begin(), [](char a, char b) { return lower(a) == lower(b); });
}
