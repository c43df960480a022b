#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// The lines of a document held as one byte string, split without copying at
// CR LF, LF or CR, as the edit control splits them; the line ends are not
// part of a line. An empty text has no lines, and a text that ends with a
// line end has an empty last line (as the edit control shows it).
class DocumentLines {
public:
    explicit DocumentLines(std::string_view text);

    int count() const { return int(m_starts.size()); }
    // Empty outside 0 .. count() - 1.
    std::string_view line(int index) const;
    std::string_view text() const { return m_text; }

private:
    std::string_view m_text;
    std::vector<std::size_t> m_starts;
    std::vector<std::size_t> m_ends;
};
