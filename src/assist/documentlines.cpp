#include "assist/documentlines.h"

#include <cstring>

DocumentLines::DocumentLines(std::string_view text) : m_text(text)
{
    if (text.empty())
        return;
    const char* data = text.data();
    const std::size_t n = text.size();
    m_starts.reserve(n / 24 + 1);
    m_ends.reserve(n / 24 + 1);
    std::size_t start = 0;
    if (!std::memchr(data, '\r', n)) {
        // The usual case: the edit control's own LF line ends only.
        while (const void* nl = std::memchr(data + start, '\n', n - start)) {
            const std::size_t end = std::size_t(static_cast<const char*>(nl) - data);
            m_starts.push_back(start);
            m_ends.push_back(end);
            start = end + 1;
        }
    } else {
        for (std::size_t i = 0; i < n; ++i) {
            if (data[i] != '\n' && data[i] != '\r')
                continue;
            m_starts.push_back(start);
            m_ends.push_back(i);
            if (data[i] == '\r' && i + 1 < n && data[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    m_starts.push_back(start);
    m_ends.push_back(n);
}

std::string_view DocumentLines::line(int index) const
{
    if (index < 0 || index >= count())
        return {};
    const std::size_t i = std::size_t(index);
    return m_text.substr(m_starts[i], m_ends[i] - m_starts[i]);
}
