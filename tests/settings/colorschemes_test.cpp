#include "settings/colorschemes.h"

#include "common/programfolderfixture.h"
#include "settings/inifile.h"

namespace {

using namespace ColorSchemes;

TEST(ColorSchemesTest, HighlighterOfALanguageName)
{
    using L = PreviewLanguage;
    const struct {
        const char* name;
        L highlighter;
    } cases[] = {
        {"Java", L::Java}, {"MyJava", L::Java}, {"java", L::General}, {"HTML", L::HTML}, {"PERL", L::PERL},
        {"Lisp", L::General}, {"PHPXML", L::PHP}, {"XMLPHP", L::PHP}, {"XML", L::XML}, {"CSSHTML", L::HTML},
    };
    for (const auto& c : cases)
        EXPECT_EQ(highlighterOf(c.name), c.highlighter) << c.name;
}

TEST(ColorSchemesTest, PresetAddedUnlessAnItemEqualsIt)
{
    EXPECT_EQ(presetListWith({"Dark"}, "Dark2"), QStringList({"Dark", "Dark2"}));
    EXPECT_EQ(presetListWith({"Dark", "Dark2"}, "Dark"), QStringList({"Dark", "Dark2"}));
    EXPECT_EQ(presetListWith({"Dark"}, "dark"), QStringList({"Dark", "dark"}));
}

class ColorFileTest : public ProgramFolderTest {};

TEST_F(ColorFileTest, AttributesWrittenInSignedDecimal)
{
    IniFile file(homeFile("colors/x.ini"));
    IniBatch batch;
    writeAttributes(batch, {{"Comment", Colors::clNavy, Colors::clNone, 2},
                            {"Space", Colors::clWindowText, Colors::clBtnFace, 0}});
    ASSERT_TRUE(QDir(home()).mkpath("colors"));
    file.Apply(batch);
    EXPECT_EQ(read("colors/x.ini"), "[Comment]\nBackground=536870911\nForeground=8388608\nStyle=2\n"
                                    "[Space]\nBackground=-2147483633\nForeground=-2147483640\nStyle=0\n");
    // toc.col: blank lines are no presets; a missing list is empty.
    EXPECT_EQ(readPresetList().value(), QStringList());
    write("colors/toc.col", "Calm\r\n\r\nHigh contrast\r\n");
    EXPECT_EQ(readPresetList().value(), QStringList({"Calm", "High contrast"}));
}

} // namespace
