#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <vector>

// A class name as the scanners look for it in a document's bytes. A UTF-8
// document holds a non-ASCII name in UTF-8, an 8-bit one in Latin-1; the
// pattern knows both forms, so callers need not know the encoding. An empty
// name is found nowhere.
class NamePattern {
public:
    explicit NamePattern(const QString& name);

    bool empty() const { return m_forms.front().empty(); }
    // The name occurs in the text.
    bool foundIn(std::string_view text) const;
    // before + name + after occurs in the text (with an empty name: before + after).
    bool foundIn(std::string_view text, std::string_view before, std::string_view after) const;

private:
    std::vector<std::string> m_forms;
};
