#include "editor/textsearch.h"

#include <array>
#include <cstring>

namespace {

// Latin-1 lower case: A-Z and 0xC0-0xDE without the multiplication sign.
constexpr std::array<unsigned char, 256> makeLower()
{
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[std::size_t(i)] = (i >= 'A' && i <= 'Z') || (i >= 0xC0 && i <= 0xDE && i != 0xD7)
                                ? static_cast<unsigned char>(i + 32)
                                : static_cast<unsigned char>(i);
    return t;
}
constexpr auto kLower = makeLower();

// Whether some other byte lower-cases to c.
bool makeUpperExists(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
}

} // namespace

TextSearch::TextSearch(QByteArray pattern, int options) : m_pattern(std::move(pattern)), m_options(options) {}

bool TextSearch::isWordChar(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
           (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

bool TextSearch::matchesAt(std::string_view text, std::size_t pos, std::size_t to) const
{
    const std::size_t n = length();
    if (pos + n > to)
        return false;
    const auto* t = reinterpret_cast<const unsigned char*>(text.data()) + pos;
    const auto* p = reinterpret_cast<const unsigned char*>(m_pattern.constData());
    if (m_options & ssoMatchCase) {
        if (std::memcmp(t, p, n) != 0)
            return false;
    } else {
        for (std::size_t i = 0; i < n; ++i)
            if (kLower[t[i]] != kLower[p[i]])
                return false;
    }
    if (m_options & ssoWholeWord) {
        if (pos > 0 && isWordChar(static_cast<unsigned char>(text[pos - 1])))
            return false;
        if (pos + n < text.size() && isWordChar(static_cast<unsigned char>(text[pos + n])))
            return false;
    }
    return true;
}

std::optional<std::size_t> TextSearch::find(std::string_view text, std::size_t from, std::size_t to) const
{
    const std::size_t n = length();
    if (n == 0 || to > text.size() || from >= to || to - from < n)
        return std::nullopt;
    const std::size_t last = to - n;
    if (m_options & ssoBackwards) {
        for (std::size_t pos = last + 1; pos-- > from;)
            if (matchesAt(text, pos, to))
                return pos;
        return std::nullopt;
    }
    const unsigned char first = static_cast<unsigned char>(m_pattern[0]);
    // A first byte without another case can be skipped to with memchr, which
    // keeps searching long documents fast.
    const bool caseless = !(m_options & ssoMatchCase);
    const bool hasOtherCase = caseless && (kLower[first] != first || makeUpperExists(first));
    for (std::size_t pos = from; pos <= last; ++pos) {
        if (!hasOtherCase) {
            const void* hit = std::memchr(text.data() + pos, first, last - pos + 1);
            if (!hit)
                return std::nullopt;
            pos = std::size_t(static_cast<const char*>(hit) - text.data());
        }
        if (matchesAt(text, pos, to))
            return pos;
    }
    return std::nullopt;
}
