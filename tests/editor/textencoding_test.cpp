#include "editor/textencoding.h"

#include <gtest/gtest.h>

namespace {

using namespace TextEncodings;

struct DetectCase {
    const char* name;
    QByteArray bytes;
    TextEncoding expected;
};

class EncodingDetection : public ::testing::TestWithParam<DetectCase> {};

TEST_P(EncodingDetection, ValidUtf8IsUtf8AndAnythingElseEightBit)
{
    EXPECT_EQ(detect(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, EncodingDetection,
    ::testing::Values(DetectCase{"Empty", "", TextEncoding::Utf8},
                      DetectCase{"Ascii", "class A {}\r\n", TextEncoding::Utf8},
                      DetectCase{"Utf8",
                                 "Gr\xC3\xBC\xC3\x9F"
                                 "e, na\xC3\xAFve \xE2\x98\x83 \xF0\x9F\x98\x80",
                                 TextEncoding::Utf8},
                      DetectCase{"Utf8WithBom", "\xEF\xBB\xBFx = \xC3\xB8", TextEncoding::Utf8},
                      DetectCase{"NulIsUtf8", QByteArray("a\0b", 3), TextEncoding::Utf8},
                      DetectCase{"Latin1",
                                 "Gr\xFC\xDF"
                                 "e",
                                 TextEncoding::Windows1252},
                      DetectCase{"Windows1252Quotes", "\x93quoted\x94 \x80 5", TextEncoding::Windows1252},
                      DetectCase{"Overlong", "\xC0\x80", TextEncoding::Windows1252},
                      DetectCase{"Surrogate", "\xED\xA0\x80", TextEncoding::Windows1252},
                      DetectCase{"AboveUnicode", "\xF4\x90\x80\x80", TextEncoding::Windows1252},
                      DetectCase{"CutAtTheEnd", "ok \xE2\x98", TextEncoding::Windows1252},
                      DetectCase{"LoneContinuation",
                                 "a\x80"
                                 "b",
                                 TextEncoding::Windows1252},
                      // One bad byte deep inside a long valid file.
                      DetectCase{"InvalidInTheMiddle",
                                 QByteArray(100000, 'a') + "\xC3\xA9\xFF" + QByteArray(100000, 'b'),
                                 TextEncoding::Windows1252}),
    [](const auto& info) { return std::string(info.param.name); });

class EightBitEncodings : public ::testing::TestWithParam<TextEncoding> {};

TEST_P(EightBitEncodings, EveryByteComesBack)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all += char(i);
    const QByteArray utf8 = toUtf8(all, GetParam());
    EXPECT_TRUE(isValidUtf8(utf8));
    EXPECT_EQ(fromUtf8(utf8, GetParam()), all);
    EXPECT_EQ(encode(decode(all, GetParam()), GetParam()), all);
}

TEST_P(EightBitEncodings, CharactersWithoutAByteAreRefusedNotQuestionMarks)
{
    const QString text = QString::fromUtf8("a\xE2\x98\x83 \xF0\x9F\x98\x80\xE2\x98\x83");
    EXPECT_EQ(encode(text, GetParam()), std::nullopt);
    EXPECT_EQ(fromUtf8(text.toUtf8(), GetParam()), std::nullopt);
    EXPECT_EQ(unencodable(text, GetParam()), QString::fromUtf8("\xE2\x98\x83\xF0\x9F\x98\x80"));
    EXPECT_EQ(unencodable(QStringLiteral("plain"), GetParam()), QString());
}

INSTANTIATE_TEST_SUITE_P(Encodings, EightBitEncodings,
                         ::testing::Values(TextEncoding::Windows1252, TextEncoding::Latin1, TextEncoding::Latin9),
                         [](const auto& info) {
                             return charsetName(info.param).remove(QLatin1Char('-')).toStdString();
                         });

TEST(TextEncodings, EightBitTablesDifferWhereTheyShould)
{
    // Windows-1252 shows 0x80 as the euro sign and its five undefined bytes
    // as their Latin-1 code points; ISO-8859-15 has the euro at 0xA4.
    EXPECT_EQ(decode("\x80\x81\x9D\xA4", TextEncoding::Windows1252),
              QString::fromUtf8("\xE2\x82\xAC\xC2\x81\xC2\x9D\xC2\xA4"));
    EXPECT_EQ(decode("\x80\xA4", TextEncoding::Latin1), QString::fromUtf8("\xC2\x80\xC2\xA4"));
    EXPECT_EQ(decode("\xA4", TextEncoding::Latin9), QString::fromUtf8("\xE2\x82\xAC"));
    EXPECT_EQ(encode(QString::fromUtf8("\xC3\xB8\xE2\x82\xAC"), TextEncoding::Windows1252), QByteArray("\xF8\x80"));
    EXPECT_EQ(encode(QString::fromUtf8("\xE2\x82\xAC"), TextEncoding::Latin1), std::nullopt);
    EXPECT_EQ(encode(QString(QChar(0xD800)), TextEncoding::Utf8), std::nullopt); // a lone surrogate
}

struct ColumnCase {
    const char* name;
    const char* utf8;
    qsizetype units;
    qsizetype offset;
    qsizetype beyond;
};

class Utf16Columns : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(Utf16Columns, MapOntoUtf8Bytes)
{
    const ColumnCase& c = GetParam();
    qsizetype beyond = -1;
    EXPECT_EQ(utf8Offset(c.utf8, c.units, &beyond), c.offset);
    EXPECT_EQ(beyond, c.beyond);
    EXPECT_EQ(utf16Length(c.utf8), QString::fromUtf8(c.utf8).size());
}

INSTANTIATE_TEST_SUITE_P(Cases, Utf16Columns,
                         ::testing::Values(ColumnCase{"Ascii", "abc", 2, 2, 0},
                                           ColumnCase{"AfterTwoByteCharacter", "\xC3\xBCx", 1, 2, 0},
                                           ColumnCase{"AfterThreeByteCharacter", "\xE2\x98\x83x", 1, 3, 0},
                                           ColumnCase{"AfterSurrogatePair", "\xF0\x9F\x98\x80x", 2, 4, 0},
                                           ColumnCase{"InsideSurrogatePairRoundsUp", "\xF0\x9F\x98\x80x", 1, 4, 0},
                                           ColumnCase{"BeyondTheEnd", "\xC3\xBC", 4, 2, 3},
                                           ColumnCase{"Empty", "", 0, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
