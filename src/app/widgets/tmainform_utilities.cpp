// TMainForm: statistics, spell checking and the tip of the day.
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "editor/widgets/tsynedit.h"
#include "settings/inifile.h"
#include "settings/programfolder.h"
#include "utilities/documentstatistics.h"
#include "utilities/widgets/statisticswindows.h"
#include "utilities/widgets/tspellcheckfrm.h"
#include "utilities/widgets/tsynspellcheck.h"
#include "utilities/widgets/ttipwindowfrm.h"
#include "workspace/widgets/teditform.h"

#include <QAction>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace {
const QString kSpellCheck = QStringLiteral("SpellCheck");
}

void TMainForm::wireUtilities()
{
    SpellChecker1 = new TSynSpellCheck(this);
    SpellChecker1->OnCheckWord = [this](const QString& word, const QStringList& suggestions, QString& correct,
                                        SpellAction& action) {
        SpellChecker1CheckWord(word, suggestions, correct, action);
    };
    SpellChecker1->OnDone = [this] { SpellChecker1Done(); };
    SpellChecker1->OnError = [this](const QString& message) { reportError(message); };
    auto on = [this](const char* name, void (TMainForm::*handler)()) {
        if (QAction* a = menus->action(QLatin1String(name)))
            connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    on("Statistics1", &TMainForm::Statistics1Click);
    on("Spellcheck1", &TMainForm::Spellcheck1Click);
    on("ipoftheday1", &TMainForm::ipoftheday1Click);
}

// ---- tip of the day ------------------------------------------------------

TTipWindowFrm* TMainForm::showTipOfTheDay()
{
    auto* tip = new TTipWindowFrm(*SettingsIni, programFile(QStringLiteral("tips.txt")), this);
    tip->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        tip->move(screen->availableGeometry().center() - tip->rect().center());
    tip->show();
    return tip;
}

void TMainForm::ipoftheday1Click()
{
    showTipOfTheDay()->activateWindow();
}

// ---- spell checking ------------------------------------------------------

void TMainForm::setUpSpellChecker()
{
    const QString folder = programFile(QStringLiteral("dictionaries"));
    SpellChecker1->DictionaryDirectory = folder;
    SpellChecker1->UserDirectory = folder;
    if (!SpellChecker1->GetDictionaryList().isEmpty())
        // A language without a dictionary leaves none loaded; the check
        // command says so when it is used.
        SpellChecker1->LoadDictionary(SettingsIni->ReadString(kSpellCheck, QStringLiteral("DictLanguage"),
                                                              QStringLiteral("English")));
    ApplySpellCheckOptions();
}

void TMainForm::ApplySpellCheckOptions()
{
    const IniSection s = SettingsIni->ReadSectionValues(kSpellCheck);
    SpellChecker1->setAutoSpellCheck(s.ReadBool(QStringLiteral("AutoSpellCheck"), true));
    SpellChecker1->setOptions({s.ReadBool(QStringLiteral("IgnoreWordsWithNum"), false),
                               s.ReadBool(QStringLiteral("IgnoreSingleChar"), false)});
    SpellChecker1->ShowHourglass = s.ReadBool(QStringLiteral("ShowHourglass"), false);
    try {
        SpellChecker1->setUnderlineColor(s.ReadColor(QStringLiteral("UnderlineColor"), Colors::clRed));
    } catch (const IniConversionError& e) {
        reportError(e.message());
    }
}

void TMainForm::Spellcheck1Click()
{
    TEditForm* w = GetActiveEditor();
    if (!w)
        return;
    if (!SpellChecker1->dictionaryLoaded()) {
        reportError(QStringLiteral("No dictionary is loaded."));
        return;
    }
    TSynEdit* edit = w->SynEdit1;
    if (edit->text().trimmed().isEmpty())
        return; // only blanks: nothing to check
    const int column = edit->caretX(), line = edit->caretY();
    SpellChecker1->setEditor(edit);
    SpellChecker1->SpellCheck();
    if (GetActiveEditor() == w) {
        edit->setCaretX(column);
        edit->setCaretY(line);
    }
}

void TMainForm::SpellChecker1CheckWord(const QString& word, const QStringList& suggestions, QString& correctWord,
                                       SpellAction& action)
{
    if (!SpellCheckFrm)
        SpellCheckFrm = new TSpellCheckFrm(this);
    SpellCheckFrm->ask(word, suggestions, correctWord, action);
}

void TMainForm::SpellChecker1Done()
{
    QMessageBox::information(this, QStringLiteral("Information"), QStringLiteral("Spell check done!"));
}

// ---- statistics ----------------------------------------------------------

void TMainForm::Statistics1Click()
{
    TEditForm* w = GetActiveEditor();
    if (!w)
        return;
    const QStringList lines = w->documentLines();
    const StatisticsKind kind = statisticsKindOf(w->caption());
    StatisticsWindow* window = nullptr;
    switch (kind) {
    case StatisticsKind::Java:
        window = new TStatisticsFrm(countStatistics(lines, kind), int(FinnKlasseNavnene().size()), this);
        break;
    case StatisticsKind::Html:
        window = new TStatisticsHTMLFrm(countStatistics(lines, kind), this);
        break;
    case StatisticsKind::General:
        window = new TGeneralStatistics(countStatistics(lines, kind), this);
        break;
    }
    window->show();
}
