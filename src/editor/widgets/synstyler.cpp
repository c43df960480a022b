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

    m_styles.assign(std::size_t(end - start), 0);
    if (m_highlighter) {
        // Points into the document; valid until the document changes.
        const char* text = reinterpret_cast<const char*>(m_view->SendScintilla(S::SCI_GETRANGEPOINTER, start, end - start));
        // The state is set once; from line to line it carries over in the
        // highlighter itself.
        m_highlighter->SetRange(firstLine > 0 ? int(m_view->SendScintilla(S::SCI_GETLINESTATE, firstLine - 1))
                                              : m_initialRange);
        long lineStart = start;
        for (int line = firstLine; line <= lastLine && text; ++line) {
            const long lineEnd = std::min(long(m_view->SendScintilla(S::SCI_GETLINEENDPOSITION, line)), end);
            m_highlighter->SetLine(std::string_view(text + (lineStart - start), std::size_t(lineEnd - lineStart)), line);
            char* out = m_styles.data() + (lineStart - start);
            for (; !m_highlighter->GetEol(); m_highlighter->Next()) {
                const TSynHighlighterAttributes* attr = m_highlighter->GetTokenAttribute();
                const char style = attr ? char(attr->index() + 1) : 0;
                const std::string_view tok = m_highlighter->GetToken();
                std::memset(out + m_highlighter->GetTokenPos(), style, tok.size());
            }
            m_view->SendScintilla(S::SCI_SETLINESTATE, line, m_highlighter->GetRange());
            lineStart = m_view->SendScintilla(S::SCI_POSITIONFROMLINE, line + 1);
            if (lineStart < 0 || lineStart >= end)
                break;
        }
    }
    m_view->SendScintilla(S::SCI_STARTSTYLING, start, 0x1f);
    m_view->SendScintilla(S::SCI_SETSTYLINGEX, std::size_t(end - start), m_styles.data());
}
