// TMainForm: the options dialog and what it asks of the frame window.
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "app/widgets/toolpages.h"
#include "app/widgets/tvelgkatalogfrm.h"
#include "editor/keymap.h"
#include "editor/tsynjavasyn.h"
#include "editor/widgets/synpreview.h"
#include "editor/widgets/tsynedit.h"
#include "editor/widgets/tsyngutter.h"
#include "settings/inifile.h"
#include "settings/optionssettings.h"
#include "settings/programfolder.h"
#include "settings/widgets/toptionsfrm.h"
#include "utilities/dictionarynames.h"
#include "utilities/widgets/tsynspellcheck.h"
#include "workspace/widgets/teditform.h"

#include <QAction>
#include <QGroupBox>

void TMainForm::wireOptions()
{
    connect(menus->action(QStringLiteral("Options2")), &QAction::triggered, this, [this] { Options2Click(); });
    connect(menus->Definenewcustomlanguage1, &QAction::triggered, this, [this] { Definenewcustomlanguage1Click(); });
}

void TMainForm::Options2Click()
{
    auto* dialog = new TOptionsFrm(this, this);
    dialog->show();
}

void TMainForm::Definenewcustomlanguage1Click()
{
    auto* dialog = new TOptionsFrm(this, this);
    dialog->showNewLanguageTab();
    dialog->show();
}

std::optional<AttributeList> TMainForm::activeJavaColors() const
{
    if (TEditForm* e = GetActiveEditor())
        return e->javaHighlighter()->attributeStyles();
    return std::nullopt;
}

void TMainForm::applyOptions(const OptionsSettings& s)
{
    menus->CompletionProposal1->setChecked(s.CompProposal);
    menus->Autocompletion1->setChecked(s.AutoCompletion);
    toolPages->GroupBox12->setVisible(s.JavaQuickFind);
    // The spell checker follows at once, unless "Other.." was chosen (then
    // nothing of it was written); another language's dictionary is loaded.
    if (!s.DictLanguage.contains(QLatin1String("Other"))) {
        ApplySpellCheckOptions();
        if (SpellChecker1->dictionaryLoaded() &&
            !SpellChecker1->loadedLanguage().trimmed().contains(s.DictLanguage.trimmed(), Qt::CaseInsensitive))
            SpellChecker1->LoadDictionary(
                SettingsIni->ReadString(QStringLiteral("SpellCheck"), QStringLiteral("DictLanguage"), QStringLiteral("English")));
    }
    // New colours show in every window at once: the Java colours of
    // Vornic.ini first, then the window's own colour file over them.
    for (TEditForm* window : editors()) {
        TSynCustomHighlighter* highlighter = window->SynEdit1->highlighter();
        if (!window->caption().contains(QLatin1String(".txt")) && highlighter)
            highlighter->LoadAttributesFromIni(*SettingsIni);
        UpdateColorsInEditor(window);
    }
    TEditForm* e = GetActiveEditor();
    if (!e)
        return;
    TSynEdit* edit = e->SynEdit1;
    edit->setColor(s.BGColor);
    edit->gutter()->setColor(s.GTRColor);
    // The numbers were checked before anything was written.
    QFont font(s.FontType.isEmpty() ? edit->font().family() : s.FontType, parseIniInteger(s.FontSize).value_or(10));
    font.setStyleHint(QFont::TypeWriter);
    edit->setFont(font);
    // The Line Numbers and Special characters commands without their own
    // write: OK has written both keys.
    if (s.ShowLineNumbers != menus->Linenumbers1->isChecked() || s.ShowLineNumbers != e->LineNumbersOn) {
        menus->Linenumbers1->setChecked(s.ShowLineNumbers);
        e->LineNumbersOn = s.ShowLineNumbers;
        edit->gutter()->setShowLineNumbers(s.ShowLineNumbers);
    }
    edit->gutter()->setShown(s.ShowGutter);
    if (s.ShowGutter)
        edit->gutter()->setGutterWidth(parseIniInteger(s.GutterSize).value_or(52));
    edit->gutter()->setLeadingZeros(s.LeadingZeros);
    if (s.ViewSecialChars != menus->Specialcharacters1->isChecked()) {
        menus->Specialcharacters1->setChecked(s.ViewSecialChars);
        const int options = edit->options();
        edit->setOptions(s.ViewSecialChars ? options | eoShowSpecialChars : options & ~eoShowSpecialChars);
    }
    edit->setEditorFocus();
}

void TMainForm::templatesSaved()
{
    LagNyCompletionListe();
}

void TMainForm::customLanguagesChanged()
{
    UpdateFilesFilter();
    LoadCustomLanglistFromFile();
}

std::optional<QString> TMainForm::selectDirectory(const QString& start)
{
    TVelgKatalogFrm chooser(start, this);
    if (chooser.exec() == QDialog::Accepted)
        return chooser.directory();
    return std::nullopt;
}

void TMainForm::openHomepage()
{
    menus->action(QStringLiteral("Homepage1"))->trigger();
}

QStringList TMainForm::dictionaryLanguages() const
{
    return installedDictionaryLanguages(programFile(QStringLiteral("dictionaries")));
}

HighlightPreview* TMainForm::createHighlightPreview(QWidget* parent)
{
    return new SynPreview(parent);
}

QString TMainForm::editorCommandOfKey(int qtKey) const
{
    const auto modifiers = Qt::KeyboardModifiers(qtKey & int(Qt::KeyboardModifierMask));
    const auto command = lookupKeyCommand(qtKey & ~int(Qt::KeyboardModifierMask), modifiers);
    return command ? editorCommandName(*command) : QString();
}
