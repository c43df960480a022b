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

// Finds a pattern in 8-bit text (bytes compare ignoring Latin-1 letter case
// unless ssoMatchCase). Works on the document's bytes in place.
class TextSearch {
public:
    TextSearch(QByteArray pattern, int options);

    // The first match starting in [from, to) that ends by `to`, or the last
    // such match when searching backwards.
    std::optional<std::size_t> find(std::string_view text, std::size_t from, std::size_t to) const;
    std::size_t length() const { return std::size_t(m_pattern.size()); }

    static bool isWordChar(unsigned char c);

private:
    bool matchesAt(std::string_view text, std::size_t pos, std::size_t to) const;

    QByteArray m_pattern;
    int m_options;
};
