#include "html/htmlescaping.h"
#include "html/taginsertion.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

using TagInsertion::Position;

// Applies an edit to lines the way the edit control would.
QStringList applied(QStringList lines, const TagInsertion::Edit& edit)
{
    const int index = edit.at.line - 1;
    const QString line = lines[index];
    const QString before = line.left(edit.at.column - 1);
    const QString after = line.mid(edit.at.column - 1);
    QStringList parts = QString(before + edit.text + after).split(QLatin1Char('\r'));
    lines.removeAt(index);
    for (qsizetype i = 0; i < parts.size(); ++i)
        lines.insert(index + i, parts[i]);
    return lines;
}

} // namespace

TEST(TagInsertionTest, HeadScriptGoesAfterTheHeadTagAndTheCaretFollowsItsText)
{
    QStringList page;
    for (int i = 1; i <= 25; ++i)
        page << QStringLiteral("line %1").arg(i);
    page[2] = QStringLiteral("<HEAD>");
    auto lineAt = [&page](int i) { return page.value(i); };
    const auto edit = TagInsertion::SoekOgLeggInn(lineAt, int(page.size()), QStringLiteral("<head>"),
                                                  QStringLiteral("a\rb\rc"));
    ASSERT_TRUE(edit.has_value());
    EXPECT_EQ(edit->at, (Position{7, 3}));
    const QStringList after = applied(page, *edit);
    EXPECT_EQ(after.mid(2, 4), (QStringList{"<HEAD>", "a", "b", "c"})); // the tag keeps its case
    // A caret on line 20 is on line 23 afterwards: three lines came above it.
    EXPECT_EQ(TagInsertion::caretAfter({5, 20}, *edit), (Position{5, 23}));
    EXPECT_EQ(TagInsertion::caretAfter({4, 2}, *edit), (Position{4, 2}));
    EXPECT_EQ(after[22], "line 20");
}

TEST(TagInsertionTest, BodyAttributeGoesInsideTheStartTag)
{
    QStringList page{QStringLiteral("<html>"), QStringLiteral("  <body bgcolor=\"white\">text")};
    auto lineAt = [&page](int i) { return page.value(i); };
    const auto edit = TagInsertion::LeggInnTekstITag(lineAt, int(page.size()), QStringLiteral("<body"),
                                                     QStringLiteral(" onLoad=\"TimeStatusline()\""), 0);
    ASSERT_TRUE(edit.has_value());
    EXPECT_EQ(applied(page, *edit)[1], "  <body onLoad=\"TimeStatusline()\" bgcolor=\"white\">text");
    // A caret after the tag on the same line moves right by the text.
    EXPECT_EQ(TagInsertion::caretAfter({27, 2}, *edit), (Position{27 + 26, 2}));
    EXPECT_EQ(TagInsertion::caretAfter({3, 2}, *edit), (Position{3, 2}));
}

TEST(TagInsertionTest, SearchStartsAtTheDocumentStart)
{
    QStringList page{QStringLiteral("x <head>"), QStringLiteral("<head>")};
    auto lineAt = [&page](int i) { return page.value(i); };
    const auto end = TagInsertion::findTagEnd(lineAt, int(page.size()), QStringLiteral("<head>"));
    ASSERT_TRUE(end.has_value());
    EXPECT_EQ(*end, (Position{9, 1}));
    EXPECT_FALSE(TagInsertion::findTagEnd(lineAt, int(page.size()), QStringLiteral("<body")).has_value());
    const auto edit = TagInsertion::SoekOgLeggInn(lineAt, int(page.size()), QStringLiteral("<head>"), QStringLiteral("s"));
    // A caret on the tag's line after it moves to the inserted line.
    EXPECT_EQ(TagInsertion::caretAfter({9, 1}, *edit), (Position{9, 1}));
}

TEST(HtmlEscaperTest, EachContext)
{
    const HtmlEscaper all;
    const HtmlEscaper latin1(latin1CanHold);
    struct Case {
        const char* text;
        const char* content;
        const char* attribute;
        const char* scriptInAttribute;
        const char* scriptString;
    } cases[] = {
        {"Ordinary text, 12 æøå", "Ordinary text, 12 æøå", "Ordinary text, 12 æøå", "Ordinary text, 12 æøå",
         "Ordinary text, 12 æøå"},
        {"a \"b\" 'c' \\d </e>", "a \"b\" 'c' \\d </e>", "a &quot;b&quot; 'c' \\d </e>",
         "a &quot;b&quot; \\'c\\' \\\\d </e>", "a \\\"b\\\" 'c' \\\\d <\\/e>"},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(all.content(text), QString::fromUtf8(c.content));
        EXPECT_EQ(all.attribute(text), QString::fromUtf8(c.attribute));
        EXPECT_EQ(all.scriptInAttribute(text), QString::fromUtf8(c.scriptInAttribute));
        EXPECT_EQ(all.scriptString(text), QString::fromUtf8(c.scriptString));
        EXPECT_EQ(latin1.attribute(text), QString::fromUtf8(c.attribute)); // Latin-1 holds all of it
    }
    const QString wide = QString::fromUtf8("€ 😀");
    EXPECT_EQ(all.content(wide), wide);
    EXPECT_EQ(latin1.content(wide), "&#8364; &#128512;");
    EXPECT_EQ(latin1.scriptString(wide), "\\u20AC \\uD83D\\uDE00");
    EXPECT_EQ(latin1.scriptInAttribute(wide), "\\u20AC \\uD83D\\uDE00");
}
