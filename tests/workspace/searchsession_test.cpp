#include "workspace/searchsession.h"

#include "editor/textsearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// An edit control over one string with "\n" line breaks that searches like
// the real one: from the caret, no wrapping, the match selected.
class FakeEditor : public SearchEditor {
public:
    QString text;
    qsizetype anchor = 0;
    qsizetype caret = 0;
    std::vector<int> optionsSeen;

    void select(qsizetype from, qsizetype to)
    {
        anchor = from;
        caret = to;
    }
    QString selected() const { return text.mid(std::min(anchor, caret), std::abs(caret - anchor)); }

    int searchReplace(const QString& search, const QString& replace, int options) override
    {
        optionsSeen.push_back(options);
        EXPECT_TRUE(replace.isEmpty());
        const QByteArray bytes = text.toLatin1();
        const std::string_view view(bytes.constData(), std::size_t(bytes.size()));
        const bool backwards = options & ssoBackwards;
        const std::size_t from = backwards ? 0 : std::size_t(caret);
        const std::size_t to = backwards ? std::size_t(caret) : view.size();
        const auto hit = TextSearch(search.toLatin1(), options).find(view, from, to);
        if (!hit)
            return 0;
        const qsizetype s = qsizetype(hit->position), e = s + qsizetype(hit->length);
        backwards ? select(e, s) : select(s, e);
        return 1;
    }
    bool selAvail() const override { return anchor != caret; }
    SearchPoint blockBegin() const override
    {
        const qsizetype at = std::min(anchor, caret);
        const qsizetype lineStart = text.lastIndexOf(u'\n', at - 1) + 1;
        return {int(at - lineStart) + 1, int(text.left(at).count(u'\n')) + 1};
    }
    void setSelText(const QString& t) override
    {
        const qsizetype s = std::min(anchor, caret);
        text.replace(s, std::abs(caret - anchor), t);
        anchor = caret = s + t.size();
    }
    void setCaretXY(int column, int line) override
    {
        qsizetype at = 0;
        for (int l = 1; l < line; ++l)
            at = text.indexOf(u'\n', at) + 1;
        anchor = caret = at + column - 1;
    }
};

class RecordingFeedback : public SearchFeedback {
public:
    int beeps = 0;
    QStringList messages;
    std::vector<bool> findNextStates;

    void beep() override { ++beeps; }
    void showInformation(const QString& text) override { messages << text; }
    void setFindNextEnabled(bool enabled) override { findNextStates.push_back(enabled); }
    bool findNextEnabled() const { return !findNextStates.empty() && findNextStates.back(); }
};

class SearchSessionTest : public ::testing::Test {
protected:
    void setText(const QString& text, qsizetype caret = 0)
    {
        m_editor.text = text;
        m_editor.select(caret, caret);
    }
    SearchQuery& find(const QString& text)
    {
        m_session.findQuery().findText = text;
        return m_session.findQuery();
    }
    SearchQuery& replace(const QString& text, const QString& by, bool all)
    {
        SearchQuery& q = m_session.replaceQuery();
        q.findText = text;
        q.replaceText = by;
        q.replaceAll = all;
        return q;
    }

    FakeEditor m_editor;
    RecordingFeedback m_feedback;
    SearchSession m_session{m_editor, m_feedback};
};

const QString emptyMessage =
    QStringLiteral("No search string has previously been defined. Can't search for empty text.");

TEST(SearchQueryTest, DialogsOpenWithDownOnAndTheRestOff)
{
    const SearchQuery q;
    EXPECT_TRUE(q.down);
    EXPECT_FALSE(q.matchCase);
    EXPECT_FALSE(q.wholeWord);
    EXPECT_FALSE(q.replaceAll);
    EXPECT_EQ(SearchSession::searchOptions(q), 0);
}

struct OptionCase {
    const char* name;
    bool down, matchCase, wholeWord, replaceAll;
    int expected;
};

class SearchOptionsTest : public ::testing::TestWithParam<OptionCase> {};

TEST_P(SearchOptionsTest, MapsTheDialogOptionsAndNeverScopeOrReplace)
{
    const OptionCase& c = GetParam();
    SearchQuery q;
    q.down = c.down;
    q.matchCase = c.matchCase;
    q.wholeWord = c.wholeWord;
    q.replaceAll = c.replaceAll;
    EXPECT_EQ(SearchSession::searchOptions(q), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchOptionsTest,
                         ::testing::Values(OptionCase{"Up", false, false, false, false, ssoBackwards},
                                           OptionCase{"MatchCase", true, true, false, false, ssoMatchCase},
                                           OptionCase{"WholeWord", true, false, true, false, ssoWholeWord},
                                           OptionCase{"AllUp", false, true, true, false,
                                                      ssoBackwards | ssoMatchCase | ssoWholeWord},
                                           OptionCase{"ReplaceAllIsNotPassed", true, false, false, true, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SearchSessionTest, FindSelectsEachOccurrenceThenMissesWithBeepAndMessage)
{
    setText("one two\none", 0);
    find("one");
    m_session.Finn();
    EXPECT_EQ(m_editor.anchor, 0);
    EXPECT_EQ(m_editor.caret, 3);
    EXPECT_TRUE(m_feedback.findNextEnabled());

    m_session.FinnNeste();
    EXPECT_EQ(m_editor.anchor, 8);
    EXPECT_EQ(m_editor.caret, 11);
    EXPECT_EQ(m_feedback.beeps, 0);
    EXPECT_TRUE(m_feedback.messages.isEmpty());

    m_session.FinnNeste();
    EXPECT_EQ(m_feedback.beeps, 1);
    EXPECT_EQ(m_feedback.messages, QStringList{"Searchtext 'one' not found"});
    EXPECT_FALSE(m_feedback.findNextEnabled());
    EXPECT_EQ(m_editor.selected(), "one"); // the selection stays

    // A later hit enables Find Next again.
    setText("one", 0);
    m_session.FinnNeste();
    EXPECT_TRUE(m_feedback.findNextEnabled());
}

TEST_F(SearchSessionTest, BackwardFindFromTheStartReportsNotFound)
{
    setText("abc abc", 0);
    find("abc").down = false;
    m_session.Finn();
    EXPECT_EQ(m_editor.optionsSeen, std::vector<int>{ssoBackwards});
    EXPECT_EQ(m_feedback.beeps, 1);
    EXPECT_EQ(m_feedback.messages, QStringList{"Searchtext 'abc' not found"});
    EXPECT_FALSE(m_feedback.findNextEnabled());
}

TEST_F(SearchSessionTest, BackwardFindGoesTowardsTheStartWithTheCaretAtTheMatchStart)
{
    setText("abc abc abc", 11);
    find("abc").down = false;
    m_session.Finn();
    EXPECT_EQ(m_editor.caret, 8);
    m_session.FinnNeste();
    EXPECT_EQ(m_editor.caret, 4);
    EXPECT_EQ(m_editor.anchor, 7);
    EXPECT_EQ(m_feedback.beeps, 0);
}

TEST_F(SearchSessionTest, EmptySearchTextBeepsShowsTheMessageAndSearchesNothing)
{
    setText("text", 0);
    m_session.Finn();
    m_session.FinnErstatt();
    EXPECT_TRUE(m_editor.optionsSeen.empty());
    EXPECT_EQ(m_feedback.beeps, 2);
    EXPECT_EQ(m_feedback.messages, QStringList({emptyMessage, emptyMessage}));
    EXPECT_EQ(m_feedback.findNextStates, std::vector<bool>({false, false}));
}

TEST_F(SearchSessionTest, FindUsesTheFindDialogAndFinnErstattTheReplaceDialog)
{
    setText("cat dog", 0);
    find("dog");
    replace("cat", "", false).matchCase = true;
    EXPECT_TRUE(m_session.FinnErstatt());
    EXPECT_EQ(m_editor.selected(), "cat");
    m_session.Finn();
    EXPECT_EQ(m_editor.selected(), "dog");
    EXPECT_EQ(m_editor.optionsSeen, std::vector<int>({ssoMatchCase, 0}));
}

struct MissCase {
    const char* name;
    bool replaceAll;
    bool messageShown;
};

class FinnErstattMissTest : public SearchSessionTest, public ::testing::WithParamInterface<MissCase> {};

TEST_P(FinnErstattMissTest, MessageIsLeftOutOnlyInReplaceAllButTheBeepStays)
{
    setText("nothing here", 0);
    replace("zzz", "y", GetParam().replaceAll);
    EXPECT_FALSE(m_session.FinnErstatt());
    EXPECT_EQ(m_feedback.beeps, 1);
    EXPECT_EQ(m_feedback.messages.size(), GetParam().messageShown ? 1 : 0);
    EXPECT_FALSE(m_feedback.findNextEnabled());
}

INSTANTIATE_TEST_SUITE_P(Cases, FinnErstattMissTest,
                         ::testing::Values(MissCase{"Replace", false, true}, MissCase{"ReplaceAll", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ReplaceAllCase {
    const char* name;
    const char* text;
    qsizetype caret;
    const char* search;
    const char* by;
    bool down;
    const char* expected;
};

class ReplaceAllTest : public SearchSessionTest, public ::testing::WithParamInterface<ReplaceAllCase> {};

TEST_P(ReplaceAllTest, ReplacesEveryMatchFromTheCaretWithoutAMessage)
{
    const ReplaceAllCase& c = GetParam();
    setText(c.text, c.caret);
    replace(c.search, c.by, true).down = c.down;
    m_session.Erstatt();
    EXPECT_EQ(m_editor.text, c.expected);
    EXPECT_TRUE(m_feedback.messages.isEmpty());
    EXPECT_EQ(m_feedback.beeps, 1); // the final miss
    EXPECT_FALSE(m_feedback.findNextEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceAllTest,
    ::testing::Values(ReplaceAllCase{"Banana", "banana", 0, "a", "b", true, "bbnbnb"},
                      ReplaceAllCase{"OnlyAfterTheCaret", "banana", 3, "a", "b", true, "banbnb"},
                      ReplaceAllCase{"BackwardsOnlyBeforeTheCaret", "banana", 3, "a", "b", false, "bbnana"},
                      ReplaceAllCase{"ReplacementHoldsTheSearch", "banana", 0, "a", "aa", true, "baanaanaa"},
                      ReplaceAllCase{"BackwardsReplacementHoldsTheSearch", "banana", 6, "a", "aa", false, "baanaanaa"},
                      ReplaceAllCase{"AcrossLines", "a\nxa\na", 0, "a", "b\nb", true, "b\nb\nxb\nb\nb\nb"},
                      ReplaceAllCase{"BackwardsAcrossLines", "a\nxa\na", 6, "a", "b\nb", false, "b\nb\nxb\nb\nb\nb"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SearchSessionTest, ReplaceAllWithAnEmptySearchEndsAtOnce)
{
    setText("banana", 0);
    replace("", "b", true);
    m_session.Erstatt();
    EXPECT_EQ(m_editor.text, "banana");
    EXPECT_EQ(m_feedback.messages, QStringList{emptyMessage});
}

TEST_F(SearchSessionTest, ReplaceReplacesOnlyTheSelection)
{
    setText("one one", 0);
    replace("one", "two", false);
    m_session.Erstatt(); // nothing selected: nothing happens
    EXPECT_EQ(m_editor.text, "one one");
    EXPECT_TRUE(m_editor.optionsSeen.empty());

    ASSERT_TRUE(m_session.FinnErstatt());
    m_session.Erstatt();
    EXPECT_EQ(m_editor.text, "two one");
    EXPECT_EQ(m_feedback.beeps, 0);
}

TEST_F(SearchSessionTest, ReplaceAgainWithNoSearchShowsTheMessageAndReplacesNothing)
{
    setText("banana", 0);
    m_session.replaceAgain();
    EXPECT_EQ(m_editor.text, "banana");
    EXPECT_EQ(m_feedback.beeps, 1);
    EXPECT_EQ(m_feedback.messages, QStringList{emptyMessage});
    EXPECT_FALSE(m_feedback.findNextEnabled());
}

TEST_F(SearchSessionTest, ReplaceAgainWithNoSearchReplacesTheSelectionByTheEmptyText)
{
    setText("banana", 0);
    m_editor.select(1, 3);
    m_session.replaceAgain();
    EXPECT_EQ(m_editor.text, "bana");
    EXPECT_EQ(m_feedback.messages, QStringList{emptyMessage});
}

TEST_F(SearchSessionTest, ReplaceAgainAfterReplaceFindsAndReplacesTheNextOccurrence)
{
    setText("x = x + x", 0);
    replace("x", "y", false);
    m_session.replaceAgain();
    EXPECT_EQ(m_editor.text, "y = x + x");
    m_session.replaceAgain();
    EXPECT_EQ(m_editor.text, "y = y + x");
    EXPECT_EQ(m_feedback.beeps, 0);
}

TEST_F(SearchSessionTest, ReplaceAgainAfterAMissReplacesWhateverIsSelected)
{
    setText("abc", 0);
    m_editor.select(0, 1);
    replace("zzz", "Q", false);
    m_session.replaceAgain();
    EXPECT_EQ(m_editor.text, "Qbc");
    EXPECT_EQ(m_feedback.messages, QStringList{"Searchtext 'zzz' not found"});
}

TEST_F(SearchSessionTest, ReplaceAgainAfterReplaceAllReplacesAllAfterTheOccurrenceItFound)
{
    // The first search only selects; the replace-all loop then starts after it.
    setText("a a a a", 0);
    replace("a", "b", true);
    m_session.replaceAgain();
    EXPECT_EQ(m_editor.text, "a b b b");
    EXPECT_TRUE(m_feedback.messages.isEmpty());
}

struct LineNumberCase {
    const char* name;
    const char* text;
    std::optional<int> expected;
};

class GotoLineParseTest : public ::testing::TestWithParam<LineNumberCase> {};

TEST_P(GotoLineParseTest, ConvertsLikeTheIntegerConversion)
{
    EXPECT_EQ(GotoLine::parseLineNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GotoLineParseTest,
    ::testing::Values(LineNumberCase{"Plain", "12", 12}, LineNumberCase{"LeadingBlanks", "  7", 7},
                      LineNumberCase{"Plus", "+4", 4}, LineNumberCase{"Negative", "-3", -3},
                      LineNumberCase{"Zero", "0", 0}, LineNumberCase{"IntMax", "2147483647", 2147483647},
                      LineNumberCase{"IntMin", "-2147483648", -2147483647 - 1},
                      LineNumberCase{"Overflow", "2147483648", std::nullopt}, LineNumberCase{"Empty", "", std::nullopt},
                      LineNumberCase{"SignOnly", "-", std::nullopt},
                      LineNumberCase{"TrailingBlank", "12 ", std::nullopt},
                      LineNumberCase{"Letters", "abc", std::nullopt}, LineNumberCase{"Decimal", "1.5", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GotoLineTest, Texts)
{
    EXPECT_EQ(GotoLine::groupCaption(40), "Line number (1 - 40):");
    EXPECT_EQ(GotoLine::invalidIntegerMessage("abc"), "'abc' is not a valid integer value");
}

} // namespace
