#include "settings/optionssettings.h"

#include "common/programfolderfixture.h"
#include "settings/inifile.h"
#include "settings/programfolder.h"

namespace {

struct SwitchCase {
    const char* label;
    CompilerSwitches switches;
    const char* expected;
};

TEST(DebugGenOptionsTest, SwitchesFromTheCompilerBoxes)
{
    CompilerSwitches none;
    none.AllDebugInfo = none.VerboseOutput = false;
    auto with = [none](auto set) {
        CompilerSwitches s = none;
        set(s);
        return s;
    };
    const SwitchCase cases[] = {
        {"defaults: all and verbose", CompilerSwitches{}, "-g -verbose"},
        {"line number and local variable",
         with([](auto& s) { s.SelDebugLineNum = s.SelDebugLocalVar = true; }), "-g:lines,vars"},
        {"line number alone", with([](auto& s) { s.SelDebugLineNum = true; }), "-g:lines"},
        {"all three selected",
         with([](auto& s) { s.SelDebugLineNum = s.SelDebugSourceFile = s.SelDebugLocalVar = true; }),
         "-g:lines,source,vars"},
        {"source and vars", with([](auto& s) { s.SelDebugSourceFile = s.SelDebugLocalVar = true; }),
         "-g:source,vars"},
        // javac refuses "-g:" alone: no debug box leaves javac its default.
        {"no box", none, ""},
        {"no debug box, verbose", with([](auto& s) { s.VerboseOutput = true; }), "-verbose"},
        {"no debug box, no warnings", with([](auto& s) { s.DisableVarn = true; }), "-nowarn "},
        {"none wins over all",
         with([](auto& s) { s.AllDebugInfo = s.NoDebugInfo = s.VerboseOutput = s.DisableVarn = true; }),
         "-g:none -verbose -nowarn "},
        {"all wins over selected", with([](auto& s) { s.AllDebugInfo = s.SelDebugSourceFile = true; }), "-g"},
    };
    for (const SwitchCase& c : cases)
        EXPECT_EQ(DebugGenOptions(c.switches), c.expected) << c.label;
}

struct NumberCase {
    const char* fontSize;
    const char* gutterSize;
    const char* autoSave;
    const char* message; // null: valid
};

TEST(OptionsSettingsTest, NumberBoxesMustHoldWholeNumbersInRange)
{
    const NumberCase cases[] = {
        {"10", "52", "1", nullptr},
        {"12x", "52", "1", "'12x' is not a valid integer value"},
        {"10", "", "1", "'' is not a valid integer value"},
        {"10", "0x10", "5", nullptr},
        {"10", "52", "0", "'0' is not a valid integer value"},
        {"0", "52", "1", "'0' is not a valid integer value"},
        {"73", "52", "1", "'73' is not a valid integer value"},
        {"10", "301", "1", "'301' is not a valid integer value"},
        {"10", "-1", "1", "'-1' is not a valid integer value"},
        {"10", "52", "99999999999", "'99999999999' is not a valid integer value"},
        {"1.5", "x", "y", "'1.5' is not a valid integer value"},
    };
    for (const NumberCase& c : cases) {
        OptionsSettings s;
        s.FontSize = c.fontSize;
        s.GutterSize = c.gutterSize;
        s.AutoSaveInterval = c.autoSave;
        const auto message = s.invalidNumber();
        EXPECT_EQ(message.value_or(QString()), c.message ? QString(c.message) : QString()) << c.fontSize;
    }
}

class OptionsSettingsFileTest : public ProgramFolderTest {};

// OK on a dialog that shows the defaults writes them in the order of its
// steps; read back, they are what the dialog showed.
TEST_F(OptionsSettingsFileTest, DefaultsWrittenAndReadBack)
{
    IniFile ini(programFile("Vornic.ini"));
    const OptionsSettings defaults = OptionsSettings::read(ini, false);
    EXPECT_EQ(defaults, OptionsSettings{});
    IniBatch batch;
    defaults.write(batch);
    ini.Apply(batch);
    EXPECT_EQ(read("Vornic.ini"),
              "[EditorOptions]\nFontType=Courier New\nFontSize=10\nBGColor=clWhite\nGTRColor=clBtnFace\n"
              "ShowLineNumbers=0\nShowGutter=1\nGutterSize=52\nLeadingZeros=0\nCompProposal=1\nAutoCompletion=1\n"
              "[CompilerOptions]\nClassPathDir=.\nJavaBinDir=\nAllDebugInfo=1\nNoDebugInfo=0\nVerboseOutput=1\n"
              "DisableVarn=0\nSelDebugLineNum=0\nSelDebugSourceFile=0\nSelDebugLocalVar=0\n"
              "[ApplicationOptions]\nViewSecialChars=0\nShowPrintLnNr=0\nNameOfPrntDoc=1\nShowColorHighltPrint=1\n"
              "WarnBeforeClose=1\nAutoSave=0\nAutoSaveInterval=1\nPrintDate=0\nPrintTime=0\nPrintHeader=1\n"
              "PrintFooter=1\nPrintPageNum=1\nTmpltCodeOnNewDoc=1\nJavaQuickFind=1\nJavaAppsInDosWindow=0\n"
              "[SpellCheck]\nDictLanguage=\nUnderlineColor=clRed\nAutoSpellCheck=1\nIgnoreWordsWithNum=0\n"
              "IgnoreSingleChar=0\nShowHourglass=0\n");
    EXPECT_EQ(OptionsSettings::read(ini, true), defaults);
}

TEST_F(OptionsSettingsFileTest, StoredValuesAndTheirQuirks)
{
    write("Vornic.ini", "[EditorOptions]\nFontType=Monospace\nGTRColor=no colour\nBGColor=$00FF0000\n"
                        "[ApplicationOptions]\nPrintDate=word\n[SpellCheck]\nDictLanguage=Other..\n");
    IniFile ini(programFile("Vornic.ini"));
    const OptionsSettings s = OptionsSettings::read(ini, true);
    EXPECT_EQ(s.FontType, "Monospace");
    EXPECT_EQ(s.GTRColor, Colors::clBtnFace); // a colour that is no colour reads as the default
    EXPECT_EQ(s.BGColor, Colors::clBlue);
    EXPECT_FALSE(s.PrintDate);
    // With "Other.." chosen no spell check key is written, and an empty
    // font box keeps the stored font.
    OptionsSettings changed = s;
    changed.FontType.clear();
    IniBatch batch;
    changed.write(batch);
    ini.Apply(batch);
    EXPECT_EQ(ini.ReadString("EditorOptions", "FontType", ""), "Monospace");
    EXPECT_EQ(ini.ReadSection("SpellCheck"), QStringList{"DictLanguage"});
    // No English dictionary and no stored language: an empty language.
    EXPECT_EQ(OptionsSettings::read(IniFile(homeFile("none.ini")), false).DictLanguage, "");
    EXPECT_EQ(OptionsSettings::read(IniFile(homeFile("none.ini")), true).DictLanguage, "English");
}

} // namespace
