#pragma once

#include "settings/tcolor.h"

#include <QString>

#include <optional>

class IniBatch;
class IniFile;

// The seven compiler boxes of the options dialog.
struct CompilerSwitches {
    bool AllDebugInfo = true;
    bool NoDebugInfo = false;
    bool VerboseOutput = true;
    bool DisableVarn = false;
    bool SelDebugLineNum = false;
    bool SelDebugSourceFile = false;
    bool SelDebugLocalVar = false;
    bool operator==(const CompilerSwitches&) const = default;
};

// The javac switches the compiler boxes stand for: "-g" (all), "-g:none"
// (none, winning over all) or "-g:" with lines, source and vars, then
// " -verbose" and " -nowarn ". With no debug box checked javac is left to
// its own default: it refuses a bare "-g:".
QString DebugGenOptions(const CompilerSwitches& switches);

// The settings of the options dialog's Editor, Compiler, Application and
// Spell Checker pages as the dialog shows them. The three number boxes
// hold text: OK writes what was typed, once it is known to be a number.
struct OptionsSettings {
    // EditorOptions
    QString FontType = QStringLiteral("Courier New");
    QString FontSize = QStringLiteral("10");
    TColor BGColor = Colors::clWhite;
    TColor GTRColor = Colors::clBtnFace;
    bool ShowLineNumbers = false;
    bool ShowGutter = true;
    QString GutterSize = QStringLiteral("52");
    bool LeadingZeros = false;
    bool CompProposal = true;
    bool AutoCompletion = true;
    // CompilerOptions
    QString ClassPathDir = QStringLiteral(".");
    QString JavaBinDir;
    CompilerSwitches compiler;
    // ApplicationOptions
    bool ViewSecialChars = false;
    bool ShowPrintLnNr = false;
    bool NameOfPrntDoc = true;
    bool ShowColorHighltPrint = true;
    bool PrintDate = false;
    bool PrintTime = false;
    bool PrintHeader = true;
    bool PrintFooter = true;
    bool PrintPageNum = true;
    bool WarnBeforeClose = true;
    bool AutoSave = false;
    QString AutoSaveInterval = QStringLiteral("1");
    bool TmpltCodeOnNewDoc = true;
    bool JavaQuickFind = true;
    bool JavaAppsInDosWindow = false;
    // SpellCheck
    QString DictLanguage;
    TColor UnderlineColor = Colors::clRed;
    bool AutoSpellCheck = true;
    bool IgnoreWordsWithNum = false;
    bool IgnoreSingleChar = false;
    bool ShowHourglass = false;

    bool operator==(const OptionsSettings&) const = default;

    // ReadIniFile: every key with the dialog's default. `englishInstalled`
    // decides DictLanguage's default ("English" or empty). A colour key that
    // is no colour reads as its default.
    static OptionsSettings read(const IniFile& ini, bool englishInstalled);

    // The first number box whose text is no whole number in its range (the
    // range the value is kept to when it is read, SettingRanges):
    // "'<text>' is not a valid integer value". Nothing when all are.
    std::optional<QString> invalidNumber() const;

    // What OK writes to Vornic.ini, in the order of its steps. The spell
    // check keys are left out while the language is "Other..".
    void write(IniBatch& batch) const;
};
