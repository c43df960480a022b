#include "editor/widgets/synstyler.h"

#include "editor/tsyncustomhighlighter.h"

#include <Qsci/qsciscintillabase.h>

#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <cstring>

SynStyler::SynStyler(QsciScintillaBase* view) : QObject(view), m_view(view)
{
    connect(view, &QsciScintillaBase::SCN_STYLENEEDED, this, &SynStyler::styleNeeded);
}

void SynStyler::setHighlighter(TSynCustomHighlighter* highlighter)
{
    m_highlighter = highlighter;
    if (m_highlighter) {
        m_highlighter->ResetRange();
        m_initialRange = m_highlighter->GetRange();
    }
    m_view->SendScintilla(QsciScintillaBase::SCI_SETLEXER, QsciScintillaBase::SCLEX_CONTAINER);
    m_view->SendScintilla(QsciScintillaBase::SCI_CLEARDOCUMENTSTYLE);
    restyle();
}

void SynStyler::restyle()
{
    // Styling only what is asked for: a large file opened is not lexed whole
    // at once, and rules set after the highlighter reach every line.
    m_view->SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, 0, 0x1f);
    m_view->viewport()->update();
}

void SynStyler::flushStyles()
{
    if (m_used == 0)
        return;
    m_view->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, std::size_t(m_used), m_styles.data());
    m_used = 0;
}

void SynStyler::putStyle(char style, std::size_t count)
{
    while (count > 0) {
        const std::size_t n = std::min(count, m_styles.size() - m_used);
        std::memset(m_styles.data() + m_used, style, n);
        m_used += n;
        count -= n;
        if (m_used == m_styles.size())
            flushStyles();
    }
}

void SynStyler::styleNeeded(int position)
{
    using S = QsciScintillaBase;
    const long endStyled = m_view->SendScintilla(S::SCI_GETENDSTYLED);
    const int firstLine = int(m_view->SendScintilla(S::SCI_LINEFROMPOSITION, endStyled));
    const long start = m_view->SendScintilla(S::SCI_POSITIONFROMLINE, firstLine);
    const long docLength = m_view->SendScintilla(S::SCI_GETLENGTH);
    const int lastLine = int(m_view->SendScintilla(S::SCI_LINEFROMPOSITION, std::min<long>(position, docLength)));
    const long lineAfter = m_view->SendScintilla(S::SCI_POSITIONFROMLINE, lastLine + 1);
    const long end = lineAfter < 0 ? docLength : std::min(lineAfter, docLength);
    if (end <= start)
        return;

    // Styles go to Scintilla through a small buffer, a slice at a time: a
    // whole document styled at once never costs a byte per character here.
    if (m_styles.empty())
        m_styles.resize(kStyleSlice);
    m_used = 0;
    m_view->SendScintilla(S::SCI_STARTSTYLING, start, 0x1f);
    if (!m_highlighter) {
        // Text without a highlighter is one run per line: long ones are cut.
        const char* text =
            reinterpret_cast<const char*>(m_view->SendScintilla(S::SCI_GETRANGEPOINTER, start, end - start));
        for (int line = firstLine; line <= lastLine && text; ++line) {
            const long lineStart = std::max(long(m_view->SendScintilla(S::SCI_POSITIONFROMLINE, line)), start);
            const long lineEnd = std::min(long(m_view->SendScintilla(S::SCI_GETLINEENDPOSITION, line)), end);
            long next = m_view->SendScintilla(S::SCI_POSITIONFROMLINE, line + 1);
            if (next < 0 || next > end)
                next = end;
            if (lineEnd - lineStart > LongLineBytes) {
                m_lineStyles.assign(std::size_t(lineEnd - lineStart), 0);
                putLongLine(text + (lineStart - start), std::size_t(lineEnd - lineStart));
                std::vector<char>().swap(m_lineStyles);
                putStyle(0, std::size_t(next - lineEnd));
            } else {
                putStyle(0, std::size_t(next - lineStart));
            }
        }
        flushStyles();
        return;
    }
    // Points into the document; valid until the document changes.
    const char* text = reinterpret_cast<const char*>(m_view->SendScintilla(S::SCI_GETRANGEPOINTER, start, end - start));
    // The state is set once; from line to line it carries over in the
    // highlighter itself.
    m_highlighter->SetRange(firstLine > 0 ? int(m_view->SendScintilla(S::SCI_GETLINESTATE, firstLine - 1))
                                          : m_initialRange);
    long lineStart = start;
    for (int line = firstLine; line <= lastLine && text && lineStart < end; ++line) {
        const long lineEnd = std::min(long(m_view->SendScintilla(S::SCI_GETLINEENDPOSITION, line)), end);
        const char* lineText = text + (lineStart - start);
        const std::size_t length = std::size_t(lineEnd - lineStart);
        m_highlighter->SetLine(std::string_view(lineText, length), line);
        const bool longLine = lineEnd - lineStart > LongLineBytes;
        if (longLine)
            m_lineStyles.assign(length, 0);
        std::size_t done = 0; // bytes of the line styled so far
        for (; !m_highlighter->GetEol(); m_highlighter->Next()) {
            const TSynHighlighterAttributes* attr = m_highlighter->GetTokenAttribute();
            const std::size_t at = std::size_t(m_highlighter->GetTokenPos());
            const std::size_t size = m_highlighter->GetToken().size();
            if (at < done || size == 0)
                continue;
            const char style = attr ? char(attr->index() + 1) : 0;
            if (longLine)
                std::memset(m_lineStyles.data() + at, style, std::min(size, length - at));
            else {
                putStyle(0, at - done);
                putStyle(style, size);
            }
            done = at + size;
        }
        if (longLine) {
            putLongLine(lineText, length);
            done = length;
            std::vector<char>().swap(m_lineStyles);
        }
        m_view->SendScintilla(S::SCI_SETLINESTATE, line, m_highlighter->GetRange());
        long next = m_view->SendScintilla(S::SCI_POSITIONFROMLINE, line + 1);
        if (next < 0 || next > end)
            next = end;
        // The rest of the line and its line end.
        putStyle(0, std::size_t(next - lineStart) - done);
        lineStart = next;
    }
    flushStyles();
}

void SynStyler::putLongLine(const char* text, std::size_t length)
{
    using S = QsciScintillaBase;
    if (!m_bigPositionCache) {
        // Room for the pieces of a long line (16 bytes an entry).
        m_view->SendScintilla(S::SCI_SETPOSITIONCACHE, 1 << 17);
        m_bigPositionCache = true;
    }
    // Pieces of 4 to 28 bytes (Scintilla caches those under 30), cut where a
    // hash of the last bytes says so, and only between characters.
    constexpr std::size_t kMin = 4, kMax = 28;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::size_t pieceStart = 0;
    std::uint32_t pieceHash = 2166136261u;
    int previousVariant = -1;
    char previousBase = -1;
    for (std::size_t i = 0; i < length; ++i) {
        pieceHash = (pieceHash ^ bytes[i]) * 16777619u;
        const std::size_t next = i + 1;
        const std::size_t size = next - pieceStart;
        const bool atEnd = next == length;
        const bool styleChanges = !atEnd && m_lineStyles[next] != m_lineStyles[pieceStart];
        const bool betweenCharacters = atEnd || (bytes[next] & 0xC0) != 0x80;
        const std::uint32_t window = (std::uint32_t(bytes[i]) << 16) ^ (i > 0 ? std::uint32_t(bytes[i - 1]) << 8 : 0) ^
                                     (i > 1 ? bytes[i - 2] : 0);
        const bool chosenCut = size >= kMin && ((window * 2654435761u) >> 28) == 0;
        if (!(atEnd || styleChanges || (betweenCharacters && (chosenCut || size >= kMax))))
            continue;
        const char base = m_lineStyles[pieceStart];
        int variant = int(pieceHash % 3);
        // Neighbours in one style must differ, or Scintilla joins them.
        if (base == previousBase && variant == previousVariant)
            variant = (variant + 1) % 3;
        putStyle(char(base + variant * TwinOffset), size);
        previousBase = base;
        previousVariant = variant;
        pieceStart = next;
        pieceHash = 2166136261u;
    }
}
