#include "utilities/spellscanner.h"

#include "editor/tokenwalker.h"
#include "editor/tsyncustomhighlighter.h"

namespace {

bool isApostrophe(QChar c)
{
    return c == u'\'' || c == u'`' || c == u'\u00B4' || c == u'\u2019';
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

} // namespace

std::vector<WordSpan> wordsIn(QStringView text, const SpellOptions& options)
{
    std::vector<WordSpan> words;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (!isWordChar(text[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        bool letter = false, digit = false;
        while (i < n) {
            const QChar c = text[i];
            if (isWordChar(c)) {
                letter = letter || c.isLetter();
                digit = digit || c.isDigit();
                ++i;
            } else if (isApostrophe(c) && i + 1 < n && text[i + 1].isLetter() && i > start) {
                ++i; // an apostrophe between letters belongs to the word
            } else {
                break;
            }
        }
        const int length = int(i - start);
        if (!letter || (digit && options.IgnoreWordsWithNum) || (length == 1 && options.IgnoreSingleChar))
            continue;
        words.push_back({int(start), length});
    }
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

std::vector<WordSpan> SpellScanner::wordsOfLine(const QString& line, int lineNumber)
{
    if (!m_highlighter)
        return wordsIn(line, m_options);
    std::vector<WordSpan> words;
    TokenWalker& walker = *m_walker;
    for (walker.setLine(line, lineNumber); !walker.eol(); walker.next()) {
        const TSynHighlighterAttributes* a = walker.attribute();
        if (!a || !m_checked[std::size_t(a->index())] || walker.length() == 0)
            continue;
        for (const WordSpan& w : wordsIn(walker.text(), m_options))
            words.push_back({walker.start() + w.start, w.length});
    }
    return words;
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
