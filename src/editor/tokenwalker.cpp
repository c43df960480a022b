#include "editor/tokenwalker.h"

#include "editor/tsyncustomhighlighter.h"

#include <string_view>

namespace {

bool fitsInLatin1(const QString& line)
{
    for (QChar c : line)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

} // namespace

void TokenWalker::setLine(const QString& line, int lineNumber)
{
    m_line = line;
    m_wide = !fitsInLatin1(line);
    if (m_wide) {
        m_bytes = line.toUtf8();
    } else {
        // Into the buffer of the line before: no allocation per line.
        m_bytes.resize(line.size());
        char* out = m_bytes.data();
        for (QChar c : line)
            *out++ = char(c.unicode());
    }
    if (m_wide) {
        // Character index of every byte offset. Continuation bytes map to
        // the character they belong to, so a token boundary inside one still
        // gives whole characters; a 4-byte sequence is two UTF-16 units.
        m_charIndex.assign(std::size_t(m_bytes.size()) + 1, 0);
        int unit = 0;
        qsizetype b = 0;
        while (b < m_bytes.size()) {
            const unsigned char byte = static_cast<unsigned char>(m_bytes[b]);
            const int len = byte < 0x80 ? 1 : (byte >> 5) == 0x6 ? 2 : (byte >> 4) == 0xE ? 3 : 4;
            for (int k = 0; k < len && b + k < m_bytes.size(); ++k)
                m_charIndex[std::size_t(b + k)] = unit;
            unit += len == 4 ? 2 : 1;
            b += len;
        }
        m_charIndex[std::size_t(m_bytes.size())] = int(line.size());
    }
    m_highlighter.SetLine(std::string_view(m_bytes.constData(), std::size_t(m_bytes.size())), lineNumber);
    takeToken();
}

bool TokenWalker::eol() const { return m_highlighter.GetEol(); }

void TokenWalker::next()
{
    m_highlighter.Next();
    takeToken();
}

TokenKind TokenWalker::kind() const { return m_highlighter.GetTokenKind(); }

TSynHighlighterAttributes* TokenWalker::attribute() const { return m_highlighter.GetTokenAttribute(); }

int TokenWalker::charIndexOf(int byteOffset) const
{
    return m_wide ? m_charIndex[std::size_t(byteOffset)] : byteOffset;
}

void TokenWalker::takeToken()
{
    if (m_highlighter.GetEol()) {
        m_start = int(m_line.size());
        m_length = 0;
        return;
    }
    const int pos = m_highlighter.GetTokenPos();
    const int end = pos + int(m_highlighter.GetToken().size());
    m_start = charIndexOf(pos);
    m_length = charIndexOf(end) - m_start;
}
