#include "editor/textsearch.h"

#include <QChar>

#include <cstring>

namespace {

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

struct Decoded {
    char32_t code;
    std::size_t length;
};

// The character at `pos`; a byte that starts no valid character stands for
// itself, one byte long.
Decoded decodeAt(std::string_view s, std::size_t pos)
{
    const auto c = static_cast<unsigned char>(s[pos]);
    if (c < 0x80)
        return {c, 1};
    std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    if (n == 1 || pos + n > s.size())
        return {c, 1};
    char32_t code = c & (0x3F >> (n - 1));
    for (std::size_t i = 1; i < n; ++i) {
        const auto next = static_cast<unsigned char>(s[pos + i]);
        if (!isContinuation(next))
            return {c, 1};
        code = (code << 6) | (next & 0x3F);
    }
    return {code, n};
}

char32_t folded(char32_t c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + 32 : c;
    return QChar::toCaseFolded(c);
}

} // namespace

TextSearch::TextSearch(QByteArray pattern, int options) : m_pattern(std::move(pattern)), m_options(options) {}

bool TextSearch::isWordCharacter(char32_t c)
{
    if (c < 0x80)
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    return QChar::isLetterOrNumber(c);
}

std::optional<std::size_t> TextSearch::matchAt(std::string_view text, std::size_t pos, std::size_t to) const
{
    const std::string_view pattern(m_pattern.constData(), std::size_t(m_pattern.size()));
    if (m_options & ssoMatchCase) {
        if (to - pos < pattern.size() || std::memcmp(text.data() + pos, pattern.data(), pattern.size()) != 0)
            return std::nullopt;
        return pattern.size();
    }
    std::size_t t = pos;
    for (std::size_t p = 0; p < pattern.size();) {
        if (t >= to)
            return std::nullopt;
        const auto tc = static_cast<unsigned char>(text[t]);
        const auto pc = static_cast<unsigned char>(pattern[p]);
        if (tc < 0x80 && pc < 0x80) {
            if (folded(tc) != folded(pc))
                return std::nullopt;
            ++t;
            ++p;
            continue;
        }
        const Decoded a = decodeAt(text, t), b = decodeAt(pattern, p);
        if (t + a.length > to || (a.code != b.code && folded(a.code) != folded(b.code)))
            return std::nullopt;
        t += a.length;
        p += b.length;
    }
    return t - pos;
}

bool TextSearch::wordBoundaries(std::string_view text, std::size_t pos, std::size_t end) const
{
    if (pos > 0) {
        std::size_t start = pos - 1;
        while (start > 0 && pos - start < 4 && isContinuation(static_cast<unsigned char>(text[start])))
            --start;
        if (isWordCharacter(decodeAt(text, start).code))
            return false;
    }
    return end >= text.size() || !isWordCharacter(decodeAt(text, end).code);
}

std::optional<TextSearch::Match> TextSearch::find(std::string_view text, std::size_t from, std::size_t to) const
{
    if (m_pattern.isEmpty() || to > text.size() || from >= to)
        return std::nullopt;
    auto tryAt = [&](std::size_t pos) -> std::optional<Match> {
        if (isContinuation(static_cast<unsigned char>(text[pos])))
            return std::nullopt;
        const std::optional<std::size_t> length = matchAt(text, pos, to);
        if (!length || ((m_options & ssoWholeWord) && !wordBoundaries(text, pos, pos + *length)))
            return std::nullopt;
        return Match{pos, *length};
    };
    if (m_options & ssoBackwards) {
        for (std::size_t pos = to; pos-- > from;)
            if (const auto m = tryAt(pos))
                return m;
        return std::nullopt;
    }
    const auto first = static_cast<unsigned char>(m_pattern[0]);
    // A first byte that matches only itself is skipped to with memchr, which
    // keeps searching long documents fast.
    const bool exactFirst =
        (m_options & ssoMatchCase) || (first < 0x80 && folded(first) == first && !(first >= 'a' && first <= 'z'));
    for (std::size_t pos = from; pos < to; ++pos) {
        if (exactFirst) {
            const void* hit = std::memchr(text.data() + pos, first, to - pos);
            if (!hit)
                return std::nullopt;
            pos = std::size_t(static_cast<const char*>(hit) - text.data());
        }
        if (const auto m = tryAt(pos))
            return m;
    }
    return std::nullopt;
}
