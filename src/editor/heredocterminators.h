#pragma once

#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Here-document terminators by number. A highlighter's range is one integer,
// so a range inside a here-document carries the index of its terminator in
// such a table. A highlighter keeps one table for all its instances, so that
// a range taken from one instance resumes in another; the lock is there
// because instances may lex on different threads. Bounded, so hostile input
// cannot grow it without limit.
class HereDocTerminators {
public:
    static constexpr std::size_t kMaxTerminators = 1 << 16;
    static constexpr std::size_t kMaxTerminatorLength = 255;

    // The index of the text, added if it is new; -1 once the table is full,
    // and the marker is then not followed. Highlighters refuse markers
    // longer than kMaxTerminatorLength before they get here.
    int intern(std::string_view text);
    // The text at the index; nothing for an index this table never gave.
    std::optional<std::string> at(int index) const;

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_texts;
    std::unordered_map<std::string, int> m_indexes;
};
