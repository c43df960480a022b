#include "editor/widgets/synstyler.h"

#include "editor/tsyncustomhighlighter.h"

#include <Qsci/qsciscintillabase.h>

#include <QWidget>

#include <algorithm>
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
        putStyle(0, std::size_t(end - start));
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
        m_highlighter->SetLine(std::string_view(text + (lineStart - start), std::size_t(lineEnd - lineStart)), line);
        std::size_t done = 0; // bytes of the line styled so far
        for (; !m_highlighter->GetEol(); m_highlighter->Next()) {
            const TSynHighlighterAttributes* attr = m_highlighter->GetTokenAttribute();
            const std::size_t at = std::size_t(m_highlighter->GetTokenPos());
            const std::size_t size = m_highlighter->GetToken().size();
            if (at < done || size == 0)
                continue;
            putStyle(0, at - done);
            putStyle(attr ? char(attr->index() + 1) : 0, size);
            done = at + size;
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
