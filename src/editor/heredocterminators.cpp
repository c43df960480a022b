#include "editor/heredocterminators.h"

int HereDocTerminators::intern(std::string_view text)
{
    std::lock_guard lock(m_mutex);
    std::string key(text);
    if (auto it = m_indexes.find(key); it != m_indexes.end())
        return it->second;
    if (m_texts.size() >= kMaxTerminators)
        return -1;
    const int index = int(m_texts.size());
    m_texts.push_back(key);
    m_indexes.emplace(std::move(key), index);
    return index;
}

std::optional<std::string> HereDocTerminators::at(int index) const
{
    std::lock_guard lock(m_mutex);
    if (index < 0 || std::size_t(index) >= m_texts.size())
        return std::nullopt;
    return m_texts[std::size_t(index)];
}
