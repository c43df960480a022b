#include "editor/tsynhtmlsyn.h"
#include "editor/tsynjavasyn.h"
#include "utilities/spellscanner.h"

#include <gtest/gtest.h>

namespace {

QStringList wordsOf(QStringView text, const SpellOptions& options = {})
{
    QStringList out;
    for (const WordSpan& w : wordsIn(text, options))
        out << text.mid(w.start, w.length).toString();
    return out;
}

TEST(SpellWords, SplitsAtNonLettersAndKeepsInnerApostrophes)
{
    EXPECT_EQ(wordsOf(u"Don't stop: it's 'quoted', the students' x2y 42 3.5 caf\u00e9_au-lait"),
              (QStringList{"Don't", "stop", "it's", "quoted", "the", "students", "x2y", "caf\u00e9", "au", "lait"}));
    EXPECT_EQ(wordsOf(u"a b2 c", {true, false}), (QStringList{"a", "c"}));  // IgnoreWordsWithNum
    EXPECT_EQ(wordsOf(u"a b2 c", {false, true}), (QStringList{"b2"}));      // IgnoreSingleChar
    EXPECT_EQ(wordsOf(u"I am x", {false, true}), (QStringList{"am"}));
}

QStringList checkedWords(TSynCustomHighlighter* highlighter, const QStringList& lines)
{
    SpellScanner scanner(highlighter, {});
    scanner.reset();
    QStringList out;
    for (int i = 0; i < lines.size(); ++i)
        for (const WordSpan& w : scanner.wordsOfLine(lines[i], i))
            out << lines[i].mid(w.start, w.length);
    return out;
}

// Only comments, documentation comments, strings and HTML text are checked;
// code, tags and attributes are not.
TEST(SpellScanner, ChecksOnlyCommentStringAndTextTokens)
{
    TSynJavaSyn java;
    EXPECT_EQ(checkedWords(&java, {"/** docword", " * more */ int recieve = call(\"strword\"); // lineword",
                                   "/* block", "end */ char c = 'q';"}),
              (QStringList{"docword", "more", "strword", "lineword", "block", "end", "q"}));
    TSynHTMLSyn html;
    EXPECT_EQ(checkedWords(&html, {"<p class=\"attrword\">textword &amp; more</p><!-- note -->"}),
              (QStringList{"textword", "more", "note"}));
    EXPECT_EQ(checkedWords(nullptr, {"plain text, all of it"}), (QStringList{"plain", "text", "all", "of", "it"}));
}

TEST(SpellScanner, CountsUnknownWordsOfADocument)
{
    TSynJavaSyn java;
    const QStringList lines = {"// good bad", "int bad = 1; /* good", "bad */ s = \"bad\";"};
    const int unknown =
        countUnknownWords(lines, &java, {}, [](QStringView w) { return w == QLatin1String("good"); });
    EXPECT_EQ(unknown, 3);
}

} // namespace
