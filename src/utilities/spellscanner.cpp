#include "utilities/spellscanner.h"

#include "editor/tokenwalker.h"
#include "editor/tsyncustomhighlighter.h"

std::vector<WordSpan> wordsIn(QStringView text, const SpellOptions& options)
{
    std::vector<WordSpan> words;
    forEachWord(text, options, [&words](int start, int length) { words.push_back({start, length}); });
    return words;
}

QStringList checkedAttributeNames()
{
    return {QStringLiteral("Comment"), QStringLiteral("Text"), QStringLiteral("String"),
            QStringLiteral("Documentation")};
}

SpellScanner::SpellScanner(TSynCustomHighlighter* highlighter, const SpellOptions& options)
    : m_highlighter(highlighter), m_options(options)
{
    if (!m_highlighter)
        return;
    m_walker.emplace(*m_highlighter);
    const QStringList names = checkedAttributeNames();
    m_checked.resize(std::size_t(m_highlighter->attrCount()));
    for (int i = 0; i < m_highlighter->attrCount(); ++i)
        m_checked[std::size_t(i)] = names.contains(m_highlighter->attribute(i)->name(), Qt::CaseInsensitive);
}

void SpellScanner::reset()
{
    if (m_highlighter)
        m_highlighter->ResetRange();
}

int SpellScanner::state() const { return m_highlighter ? m_highlighter->GetRange() : 0; }

void SpellScanner::setState(int state)
{
    if (m_highlighter)
        m_highlighter->SetRange(state);
}

const std::vector<WordSpan>& SpellScanner::wordsOfLine(const QString& line, int lineNumber)
{
    m_words.clear();
    auto add = [this](int offset) {
        return [this, offset](int start, int length) { m_words.push_back({offset + start, length}); };
    };
    if (!m_highlighter) {
        forEachWord(line, m_options, add(0));
        return m_words;
    }
    TokenWalker& walker = *m_walker;
    for (walker.setLine(line, lineNumber); !walker.eol(); walker.next()) {
        const TSynHighlighterAttributes* a = walker.attribute();
        if (a && m_checked[std::size_t(a->index())] && walker.length() > 0)
            forEachWord(walker.text(), m_options, add(walker.start()));
    }
    return m_words;
}

int countUnknownWords(const QStringList& lines, TSynCustomHighlighter* highlighter, const SpellOptions& options,
                      const std::function<bool(QStringView)>& isKnown)
{
    SpellScanner scanner(highlighter, options);
    scanner.reset();
    int unknown = 0;
    for (int i = 0; i < lines.size(); ++i)
        for (const WordSpan& w : scanner.wordsOfLine(lines[i], i))
            if (!isKnown(QStringView(lines[i]).mid(w.start, w.length)))
                ++unknown;
    return unknown;
}
