#include "settings/tcolor.h"

#include <gtest/gtest.h>

namespace {

struct ColorCase {
    const char* text;
    TColor value;
};

// Every name of the table, in both directions.
const ColorCase kNamed[] = {
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000}, {"clPurple", 0x800080}, {"clTeal", 0x808000}, {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF}, {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
    {"clScrollBar", TColor(0x80000000)}, {"clBackground", TColor(0x80000001)},
    {"clActiveCaption", TColor(0x80000002)}, {"clInactiveCaption", TColor(0x80000003)},
    {"clMenu", TColor(0x80000004)}, {"clWindow", TColor(0x80000005)}, {"clWindowFrame", TColor(0x80000006)},
    {"clMenuText", TColor(0x80000007)}, {"clWindowText", TColor(0x80000008)},
    {"clCaptionText", TColor(0x80000009)}, {"clActiveBorder", TColor(0x8000000A)},
    {"clInactiveBorder", TColor(0x8000000B)}, {"clAppWorkSpace", TColor(0x8000000C)},
    {"clHighlight", TColor(0x8000000D)}, {"clHighlightText", TColor(0x8000000E)},
    {"clBtnFace", TColor(0x8000000F)}, {"clBtnShadow", TColor(0x80000010)}, {"clGrayText", TColor(0x80000011)},
    {"clBtnText", TColor(0x80000012)}, {"clInactiveCaptionText", TColor(0x80000013)},
    {"clBtnHighlight", TColor(0x80000014)}, {"cl3DDkShadow", TColor(0x80000015)},
    {"cl3DLight", TColor(0x80000016)}, {"clInfoText", TColor(0x80000017)}, {"clInfoBk", TColor(0x80000018)},
    {"clGradientActiveCaption", TColor(0x8000001B)}, {"clGradientInactiveCaption", TColor(0x8000001C)},
    {"clNone", 0x1FFFFFFF}, {"clDefault", 0x20000000},
};

TEST(ColorNotation, EveryNameRoundTrips)
{
    for (const ColorCase& c : kNamed) {
        EXPECT_EQ(Colors::ColorToString(c.value), c.text);
        EXPECT_EQ(Colors::StringToColor(c.text), c.value) << c.text;
        EXPECT_EQ(Colors::StringToColor(QString(c.text).toUpper()), c.value) << c.text;
    }
}

TEST(ColorNotation, UnnamedValuesAndBadText)
{
    EXPECT_EQ(Colors::ColorToString(0x00ABCDEF), "$00ABCDEF");
    EXPECT_EQ(Colors::ColorToString(TColor(0x80000019)), "$80000019");
    EXPECT_EQ(Colors::StringToColor("$00abcdef"), 0x00ABCDEF);
    EXPECT_EQ(Colors::StringToColor("255"), 255);
    EXPECT_EQ(Colors::StringToColor("-2147483633"), Colors::clBtnFace); // as colour files write it
    EXPECT_EQ(Colors::StringToColor("clPink"), std::nullopt);
    EXPECT_EQ(Colors::StringToColor(""), std::nullopt);
}

} // namespace
