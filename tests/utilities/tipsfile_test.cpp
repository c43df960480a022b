#include "utilities/tipsfile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TipsFile parsed(const char* text)
{
    Result<TipsFile> r = TipsFile::parse(QByteArray(text));
    EXPECT_TRUE(r.ok()) << r.error().toStdString();
    return r.ok() ? r.take() : TipsFile();
}

TEST(TipsFile, TipFollowsItsMarkerAndMarkersDoNotMatchLongerNumbers)
{
    const TipsFile tips = parsed("Title\n----\n3\r\n  #10% \nten\n#1%\r\none\nignored\n# 2 %\nnot two\n#2%\n#3%\nthree\n");
    EXPECT_EQ(tips.count(), 3);
    EXPECT_EQ(tips.tip(1), QStringLiteral("one"));  // "#10%" holds no "#1%"
    EXPECT_EQ(tips.tip(10), QStringLiteral("ten"));
    EXPECT_EQ(tips.tip(2), std::nullopt);            // the line after holds a "#"
    EXPECT_EQ(tips.tip(3), QStringLiteral("three"));
    EXPECT_EQ(tips.tip(4), std::nullopt);            // no marker
}

TEST(TipsFile, CycleStartsAfterTheRandomTip)
{
    EXPECT_EQ(nextTipNumber(3, 3), 1);
    EXPECT_EQ(nextTipNumber(1, 3), 2);
    EXPECT_EQ(nextTipNumber(1, 1), 1);
}

// A count that is no number or below 1 is the conversion error: no tip
// number is ever picked from it.
TEST(TipsFile, BadCountIsAConversionError)
{
    const std::pair<const char*, const char*> cases[] = {
        {"a\nb\nmany\n#1%\nx\n", "'many' is not a valid integer value"},
        {"a\nb\n0\n", "'0' is not a valid integer value"},
        {"a\nb\n-4\n", "'-4' is not a valid integer value"},
        {"a\nb\n", "'' is not a valid integer value"},
        {"", "'' is not a valid integer value"},
    };
    for (const auto& [text, message] : cases) {
        const Result<TipsFile> r = TipsFile::parse(QByteArray(text));
        ASSERT_FALSE(r.ok()) << text;
        EXPECT_EQ(r.error(), QLatin1String(message));
    }
}

TEST(TipsFile, MissingFileIsAFileError)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tips.txt"));
    const Result<TipsFile> r = TipsFile::read(path);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.error().contains(path)) << r.error().toStdString();
}

} // namespace
