#pragma once

#include "editor/tokenkind.h"

#include <QByteArray>
#include <QString>

#include <vector>

class TSynCustomHighlighter;
class TSynHighlighterAttributes;

// Walks a highlighter's tokens over text lines given as QString, reporting
// each token as a range of the line's characters. The exporters, the print
// engine, the statistics and the spell checker read documents this way, so
// they work the same whether a document holds 8-bit or UTF-8 text.
//
// A line whose characters all fit in one byte is scanned as those bytes,
// exactly as the edit control styles an 8-bit document; any other line is
// scanned as UTF-8, and byte offsets are mapped back to characters.
class TokenWalker {
public:
    explicit TokenWalker(TSynCustomHighlighter& highlighter) : m_highlighter(highlighter) {}

    // Scans `line` with the state the previous line left (or the state set
    // on the highlighter). The walker keeps its own copy of the bytes.
    void setLine(const QString& line, int lineNumber);
    bool eol() const;
    void next();

    int start() const { return m_start; }   // character index in the line
    int length() const { return m_length; } // in characters
    TokenKind kind() const;
    TSynHighlighterAttributes* attribute() const;
    QStringView text() const { return QStringView(m_line).mid(m_start, m_length); }

    TSynCustomHighlighter& highlighter() const { return m_highlighter; }

private:
    void takeToken();
    int charIndexOf(int byteOffset) const;

    TSynCustomHighlighter& m_highlighter;
    QString m_line;
    QByteArray m_bytes;
    bool m_wide = false;          // scanned as UTF-8
    std::vector<int> m_charIndex; // byte offset -> character index, for UTF-8 lines
    int m_start = 0;
    int m_length = 0;
};
