#include "workspace/searchsession.h"

#include "editor/textsearch.h"
#include "settings/tcolor.h"

#include <limits>

SearchSession::SearchSession(SearchEditor& editor, SearchFeedback& feedback) : m_editor(editor), m_feedback(feedback) {}

int SearchSession::searchOptions(const SearchQuery& query)
{
    int options = 0;
    if (!query.down)
        options |= ssoBackwards;
    if (query.matchCase)
        options |= ssoMatchCase;
    if (query.wholeWord)
        options |= ssoWholeWord;
    return options;
}

QString SearchSession::emptySearchMessage()
{
    return QStringLiteral("No search string has previously been defined. Can't search for empty text.");
}

QString SearchSession::notFoundMessage(const QString& searchText)
{
    return QStringLiteral("Searchtext '") + searchText + QStringLiteral("' not found");
}

bool SearchSession::search(const SearchQuery& query, bool quietMiss)
{
    if (query.findText.isEmpty()) {
        m_feedback.beep();
        m_feedback.showInformation(emptySearchMessage());
        m_feedback.setFindNextEnabled(false);
        return false;
    }
    if (m_editor.searchReplace(query.findText, QString(), searchOptions(query)) > 0) {
        m_feedback.setFindNextEnabled(true);
        return true;
    }
    m_feedback.beep();
    if (!quietMiss)
        m_feedback.showInformation(notFoundMessage(query.findText));
    m_feedback.setFindNextEnabled(false);
    return false;
}

void SearchSession::Finn()
{
    search(m_find, false);
}

void SearchSession::FinnNeste()
{
    Finn();
}

bool SearchSession::FinnErstatt()
{
    return search(m_replace, m_replace.replaceAll);
}

void SearchSession::replaceFound()
{
    // Searching backwards, the next search starts at the caret: left after
    // the new text it would find the replacement again whenever that holds
    // the search text, and replace all would never end.
    const SearchPoint start = m_editor.blockBegin();
    m_editor.setSelText(m_replace.replaceText);
    if (!m_replace.down)
        m_editor.setCaretXY(start.Char, start.Line);
}

void SearchSession::Erstatt()
{
    if (m_replace.replaceAll) {
        while (FinnErstatt())
            replaceFound();
    } else if (m_editor.selAvail()) {
        m_editor.setSelText(m_replace.replaceText);
    }
}

void SearchSession::replaceAgain()
{
    FinnErstatt();
    Erstatt();
}

namespace GotoLine {

QString groupCaption(int lineCount)
{
    return QStringLiteral("Line number (1 - ") + QString::number(lineCount) + QStringLiteral("):");
}

std::optional<int> parseLineNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > std::numeric_limits<int>::max() + (negative ? 1LL : 0LL))
            return std::nullopt;
    }
    return int(negative ? -value : value);
}

QString invalidIntegerMessage(const QString& text)
{
    return Colors::invalidIntegerMessage(text);
}

} // namespace GotoLine
