#include "settings/optionssettings.h"

#include "settings/inifile.h"
#include "settings/settingranges.h"

namespace {

const QString kEditor = QStringLiteral("EditorOptions");
const QString kCompiler = QStringLiteral("CompilerOptions");
const QString kApplication = QStringLiteral("ApplicationOptions");
const QString kSpell = QStringLiteral("SpellCheck");

TColor colorOr(const IniSection& section, const QString& key, TColor defaultValue)
{
    try {
        return section.ReadColor(key, defaultValue);
    } catch (const IniConversionError&) {
        return defaultValue;
    }
}

bool inRange(const QString& text, int low, int high)
{
    const auto v = parseIniInteger(text);
    return v && *v >= low && *v <= high;
}

} // namespace

QString DebugGenOptions(const CompilerSwitches& s)
{
    QString g = QStringLiteral("-g:");
    if (s.SelDebugLineNum)
        g += s.SelDebugSourceFile || s.SelDebugLocalVar ? QStringLiteral("lines,") : QStringLiteral("lines");
    if (s.SelDebugSourceFile)
        g += s.SelDebugLocalVar ? QStringLiteral("source,") : QStringLiteral("source");
    if (s.SelDebugLocalVar)
        g += QStringLiteral("vars");
    if (s.AllDebugInfo)
        g = QStringLiteral("-g");
    if (s.NoDebugInfo)
        g = QStringLiteral("-g:none");
    // javac refuses a bare "-g:": with no debug box checked it keeps its default.
    QString text = g == QLatin1String("-g:") ? QString() : g;
    if (s.VerboseOutput)
        text += QStringLiteral(" -verbose");
    if (s.DisableVarn)
        text += QStringLiteral(" -nowarn ");
    if (text.startsWith(u' '))
        text.remove(0, 1);
    return text;
}

OptionsSettings OptionsSettings::read(const IniFile& ini, bool englishInstalled)
{
    OptionsSettings s;
    const IniSection e = ini.ReadSectionValues(kEditor);
    s.FontType = e.ReadString(QStringLiteral("FontType"), s.FontType);
    s.FontSize = e.ReadString(QStringLiteral("FontSize"), s.FontSize);
    s.BGColor = colorOr(e, QStringLiteral("BGColor"), s.BGColor);
    s.GTRColor = colorOr(e, QStringLiteral("GTRColor"), s.GTRColor);
    s.ShowLineNumbers = e.ReadBool(QStringLiteral("ShowLineNumbers"), s.ShowLineNumbers);
    s.ShowGutter = e.ReadBool(QStringLiteral("ShowGutter"), s.ShowGutter);
    s.GutterSize = e.ReadString(QStringLiteral("GutterSize"), s.GutterSize);
    s.LeadingZeros = e.ReadBool(QStringLiteral("LeadingZeros"), s.LeadingZeros);
    s.CompProposal = e.ReadBool(QStringLiteral("CompProposal"), s.CompProposal);
    s.AutoCompletion = e.ReadBool(QStringLiteral("AutoCompletion"), s.AutoCompletion);

    const IniSection c = ini.ReadSectionValues(kCompiler);
    s.ClassPathDir = c.ReadString(QStringLiteral("ClassPathDir"), s.ClassPathDir);
    s.JavaBinDir = c.ReadString(QStringLiteral("JavaBinDir"), s.JavaBinDir);
    CompilerSwitches& k = s.compiler;
    k.AllDebugInfo = c.ReadBool(QStringLiteral("AllDebugInfo"), k.AllDebugInfo);
    k.NoDebugInfo = c.ReadBool(QStringLiteral("NoDebugInfo"), k.NoDebugInfo);
    k.VerboseOutput = c.ReadBool(QStringLiteral("VerboseOutput"), k.VerboseOutput);
    k.DisableVarn = c.ReadBool(QStringLiteral("DisableVarn"), k.DisableVarn);
    k.SelDebugLineNum = c.ReadBool(QStringLiteral("SelDebugLineNum"), k.SelDebugLineNum);
    k.SelDebugSourceFile = c.ReadBool(QStringLiteral("SelDebugSourceFile"), k.SelDebugSourceFile);
    k.SelDebugLocalVar = c.ReadBool(QStringLiteral("SelDebugLocalVar"), k.SelDebugLocalVar);

    const IniSection a = ini.ReadSectionValues(kApplication);
    s.ViewSecialChars = a.ReadBool(QStringLiteral("ViewSecialChars"), s.ViewSecialChars);
    s.ShowPrintLnNr = a.ReadBool(QStringLiteral("ShowPrintLnNr"), s.ShowPrintLnNr);
    s.NameOfPrntDoc = a.ReadBool(QStringLiteral("NameOfPrntDoc"), s.NameOfPrntDoc);
    s.ShowColorHighltPrint = a.ReadBool(QStringLiteral("ShowColorHighltPrint"), s.ShowColorHighltPrint);
    s.PrintDate = a.ReadBool(QStringLiteral("PrintDate"), s.PrintDate);
    s.PrintTime = a.ReadBool(QStringLiteral("PrintTime"), s.PrintTime);
    s.PrintHeader = a.ReadBool(QStringLiteral("PrintHeader"), s.PrintHeader);
    s.PrintFooter = a.ReadBool(QStringLiteral("PrintFooter"), s.PrintFooter);
    s.PrintPageNum = a.ReadBool(QStringLiteral("PrintPageNum"), s.PrintPageNum);
    s.WarnBeforeClose = a.ReadBool(QStringLiteral("WarnBeforeClose"), s.WarnBeforeClose);
    s.AutoSave = a.ReadBool(QStringLiteral("AutoSave"), s.AutoSave);
    s.AutoSaveInterval = a.ReadString(QStringLiteral("AutoSaveInterval"), s.AutoSaveInterval);
    s.TmpltCodeOnNewDoc = a.ReadBool(QStringLiteral("TmpltCodeOnNewDoc"), s.TmpltCodeOnNewDoc);
    s.JavaQuickFind = a.ReadBool(QStringLiteral("JavaQuickFind"), s.JavaQuickFind);
    s.JavaAppsInDosWindow = a.ReadBool(QStringLiteral("JavaAppsInDosWindow"), s.JavaAppsInDosWindow);

    const IniSection p = ini.ReadSectionValues(kSpell);
    s.DictLanguage = p.ReadString(QStringLiteral("DictLanguage"), englishInstalled ? QStringLiteral("English") : QString());
    s.UnderlineColor = colorOr(p, QStringLiteral("UnderlineColor"), s.UnderlineColor);
    s.AutoSpellCheck = p.ReadBool(QStringLiteral("AutoSpellCheck"), s.AutoSpellCheck);
    s.IgnoreWordsWithNum = p.ReadBool(QStringLiteral("IgnoreWordsWithNum"), s.IgnoreWordsWithNum);
    s.IgnoreSingleChar = p.ReadBool(QStringLiteral("IgnoreSingleChar"), s.IgnoreSingleChar);
    s.ShowHourglass = p.ReadBool(QStringLiteral("ShowHourglass"), s.ShowHourglass);
    return s;
}

std::optional<QString> OptionsSettings::invalidNumber() const
{
    using namespace SettingRanges;
    const struct {
        const QString& text;
        int low, high;
    } boxes[] = {
        {FontSize, MinFontSize, MaxFontSize},
        {GutterSize, 0, MaxGutterWidth},
        {AutoSaveInterval, MinAutoSaveMinutes, MaxAutoSaveMinutes},
    };
    for (const auto& b : boxes)
        if (!inRange(b.text, b.low, b.high))
            return Colors::invalidIntegerMessage(b.text);
    return std::nullopt;
}

void OptionsSettings::write(IniBatch& b) const
{
    if (!FontType.isEmpty())
        b.WriteString(kEditor, QStringLiteral("FontType"), FontType);
    b.WriteString(kEditor, QStringLiteral("FontSize"), FontSize);
    b.WriteColor(kEditor, QStringLiteral("BGColor"), BGColor);
    b.WriteColor(kEditor, QStringLiteral("GTRColor"), GTRColor);
    b.WriteBool(kEditor, QStringLiteral("ShowLineNumbers"), ShowLineNumbers);
    b.WriteBool(kEditor, QStringLiteral("ShowGutter"), ShowGutter);
    b.WriteString(kEditor, QStringLiteral("GutterSize"), GutterSize);
    b.WriteBool(kEditor, QStringLiteral("LeadingZeros"), LeadingZeros);
    b.WriteBool(kEditor, QStringLiteral("CompProposal"), CompProposal);
    b.WriteBool(kEditor, QStringLiteral("AutoCompletion"), AutoCompletion);

    b.WriteString(kCompiler, QStringLiteral("ClassPathDir"), ClassPathDir);
    b.WriteString(kCompiler, QStringLiteral("JavaBinDir"), JavaBinDir);
    b.WriteBool(kCompiler, QStringLiteral("AllDebugInfo"), compiler.AllDebugInfo);
    b.WriteBool(kCompiler, QStringLiteral("NoDebugInfo"), compiler.NoDebugInfo);
    b.WriteBool(kCompiler, QStringLiteral("VerboseOutput"), compiler.VerboseOutput);
    b.WriteBool(kCompiler, QStringLiteral("DisableVarn"), compiler.DisableVarn);
    b.WriteBool(kCompiler, QStringLiteral("SelDebugLineNum"), compiler.SelDebugLineNum);
    b.WriteBool(kCompiler, QStringLiteral("SelDebugSourceFile"), compiler.SelDebugSourceFile);
    b.WriteBool(kCompiler, QStringLiteral("SelDebugLocalVar"), compiler.SelDebugLocalVar);

    b.WriteBool(kApplication, QStringLiteral("ViewSecialChars"), ViewSecialChars);
    b.WriteBool(kApplication, QStringLiteral("ShowPrintLnNr"), ShowPrintLnNr);
    b.WriteBool(kApplication, QStringLiteral("NameOfPrntDoc"), NameOfPrntDoc);
    b.WriteBool(kApplication, QStringLiteral("ShowColorHighltPrint"), ShowColorHighltPrint);
    b.WriteBool(kApplication, QStringLiteral("WarnBeforeClose"), WarnBeforeClose);
    b.WriteBool(kApplication, QStringLiteral("AutoSave"), AutoSave);
    b.WriteString(kApplication, QStringLiteral("AutoSaveInterval"), AutoSaveInterval);
    b.WriteBool(kApplication, QStringLiteral("PrintDate"), PrintDate);
    b.WriteBool(kApplication, QStringLiteral("PrintTime"), PrintTime);
    b.WriteBool(kApplication, QStringLiteral("PrintHeader"), PrintHeader);
    b.WriteBool(kApplication, QStringLiteral("PrintFooter"), PrintFooter);
    b.WriteBool(kApplication, QStringLiteral("PrintPageNum"), PrintPageNum);
    b.WriteBool(kApplication, QStringLiteral("TmpltCodeOnNewDoc"), TmpltCodeOnNewDoc);
    b.WriteBool(kApplication, QStringLiteral("JavaQuickFind"), JavaQuickFind);
    b.WriteBool(kApplication, QStringLiteral("JavaAppsInDosWindow"), JavaAppsInDosWindow);

    if (!DictLanguage.contains(QLatin1String("Other"))) {
        b.WriteString(kSpell, QStringLiteral("DictLanguage"), DictLanguage);
        b.WriteColor(kSpell, QStringLiteral("UnderlineColor"), UnderlineColor);
        b.WriteBool(kSpell, QStringLiteral("AutoSpellCheck"), AutoSpellCheck);
        b.WriteBool(kSpell, QStringLiteral("IgnoreWordsWithNum"), IgnoreWordsWithNum);
        b.WriteBool(kSpell, QStringLiteral("IgnoreSingleChar"), IgnoreSingleChar);
        b.WriteBool(kSpell, QStringLiteral("ShowHourglass"), ShowHourglass);
    }
}
