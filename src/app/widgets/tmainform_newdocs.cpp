// TMainForm: new documents of every kind, from the New menu and from the
// new-document menu beside the tool pages' buttons.
#include "app/widgets/filepanel.h"
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "app/widgets/toolpages.h"
#include "editor/tsyngeneralsyn.h"
#include "editor/widgets/tsynedit.h"
#include "settings/customlanguages.h"
#include "settings/inifile.h"
#include "workspace/newdocuments.h"
#include "workspace/widgets/teditform.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

namespace {
const QString kOptions = QStringLiteral("ApplicationOptions");

ToolPages::Page pageOf(NewDocuments::ToolPage page)
{
    switch (page) {
    case NewDocuments::ToolPage::Java: return ToolPages::Page::Java;
    case NewDocuments::ToolPage::Html: return ToolPages::Page::Html;
    case NewDocuments::ToolPage::General: return ToolPages::Page::General;
    }
    return ToolPages::Page::General;
}
} // namespace

void TMainForm::showKindPage(NewDocuments::ToolPage page, bool java)
{
    toolPages->showOnlyPage(pageOf(page));
    if (java) {
        toolPages->GroupBox12->setVisible(SettingsIni->ReadBool(kOptions, QStringLiteral("JavaQuickFind"), true));
        // The bottom pane comes back for Java; the Window menu's check mark stays.
        PageControl4->setVisible(true);
    }
}

TEditForm* TMainForm::NewDocument(NewDocuments::Kind kind)
{
    using namespace NewDocuments;
    const KindInfo& k = info(kind);
    const bool java = kind == Kind::JavaApplication || kind == Kind::JavaApplet;
    EnableMainMenu();
    showKindPage(k.page, java);
    EnableDisableTabs(k.bottomTabsShown);
    TEditForm* editor = MakeUnit(QLatin1String(k.extension));
    bool inserted = false;
    if (SettingsIni->ReadBool(kOptions, QStringLiteral("TmpltCodeOnNewDoc"), true) && !templateText(kind).isEmpty()) {
        SkrivTekstenTilEditor(templateText(kind));
        inserted = true;
    }
    const CaretPlace after{editor->SynEdit1->caretX(), editor->SynEdit1->caretY()};
    if (const auto caret = caretAfterTemplate(kind, inserted, after))
        editor->SynEdit1->setCaretXY(caret->column, caret->line);
    // A fresh document counts as unchanged, template and all.
    editor->SynEdit1->flushPendingChange();
    editor->markUnmodified();
    switch (k.highlighter) {
    case Highlighter::Java: break; // the window starts with Java
    case Highlighter::Html: editor->ChangeSyntaxToHTML(); break;
    case Highlighter::Perl: editor->ChangeSyntaxToPerl(); break;
    case Highlighter::Php: editor->ChangeSyntaxToPHP(); break;
    case Highlighter::Xml: editor->ChangeSyntaxToXML(); break;
    case Highlighter::Css: editor->ChangeSyntaxToCSS(); break;
    case Highlighter::None: editor->ChangeSyntaxToNoHighlighter(); break;
    case Highlighter::General: editor->ChangeSyntaxToGeneralHighlighter(); break;
    }
    if (k.fileTypeEntry) {
        filePanel->setFilterIndex(*k.fileTypeEntry);
        filePanel->setFileMask(filePanel->filterMask());
    }
    if (k.generalButtonsEnabled)
        EnableGeneralButtons(true);
    LoadUserSettings();
    if (kind == Kind::Text)
        ViewJavaInMainMenu(false);
    if (kind == Kind::Html)
        editor->LeggTilEditor();
    return editor;
}

TEditForm* TMainForm::GeneralDocument(const QString& language)
{
    const CustomLanguageDefinition definition = readCustomLanguageDefinition(language);
    const QString extension = firstFileExtension(definition.FileExt);
    if (const auto entry = lastFilterEntryContaining(m_filterEntries, extension))
        filePanel->setFilterIndex(*entry);
    EnableMainMenu();
    showKindPage(NewDocuments::ToolPage::General, false);
    EnableDisableTabs(false);
    TEditForm* editor = MakeUnit(extension);
    editor->ChangeSyntaxToGeneralHighlighter();
    if (const auto colors = languageColorFile(language))
        editor->generalHighlighter()->LoadAttributesFromIni(IniFile(*colors));
    applyLangData(definition, true);
    editor->SynEdit1->flushPendingChange();
    editor->markUnmodified();
    EnableGeneralButtons(true);
    ViewJavaInMainMenu(false);
    LoadUserSettings();
    editor->LanguageName = language;
    return editor;
}

void TMainForm::buildNewDocumentMenus()
{
    using NewDocuments::Kind;
    static const std::pair<const char*, Kind> kMenuItems[] = {
        {"NyApplikasjonkode1", Kind::JavaApplication}, {"NyAppletkode1", Kind::JavaApplet},
        {"HTMLdocument1", Kind::Html}, {"XMLdocument1", Kind::Xml}, {"Perldocument1", Kind::Perl},
        {"PHPdocument1", Kind::Php}, {"CSSdocument1", Kind::Css}, {"Textfile1", Kind::Text},
    };
    for (const auto& [name, kind] : kMenuItems)
        if (QAction* a = menus->action(QLatin1String(name))) {
            const Kind k = kind;
            connect(a, &QAction::triggered, this, [this, k] { NewDocument(k); });
        }

    // The menu beside the new-document buttons (PopupMenu3).
    PopupMenu3 = new QMenu(this);
    for (Kind kind : {Kind::JavaApplication, Kind::JavaApplet, Kind::Html, Kind::Css, Kind::Perl, Kind::Php,
                      Kind::Xml, Kind::Text}) {
        QAction* a = PopupMenu3->addAction(QLatin1String(NewDocuments::info(kind).popupCaption));
        connect(a, &QAction::triggered, this, [this, kind] { NewDocument(kind); });
    }
    Customlanguages2 = PopupMenu3->addMenu(QStringLiteral("Custom language document"));
    for (QToolButton* button : {toolPages->SpeedButton38, toolPages->htmlNewDocument, toolPages->SpeedButton60}) {
        if (!button)
            continue;
        connect(button, &QToolButton::clicked, this, [this, button] {
            PopupMenu3->popup(button->mapToGlobal(QPoint(button->width(), 0)));
        });
    }
}

void TMainForm::fillCustomLanguageMenu(QMenu* menu, const QStringList& names)
{
    // The menu keeps "(empty)", a separator and "Define new custom
    // language.." for good; the language items go above them.
    static const char* const kLanguageItem = "customLanguageItem";
    for (QAction* a : menu->actions())
        if (a->property(kLanguageItem).toBool())
            delete a;
    if (menu->actions().isEmpty()) {
        QAction* empty = menu->addAction(QStringLiteral("(empty)"));
        empty->setObjectName(QStringLiteral("empty5"));
        empty->setEnabled(false);
        menu->addSeparator();
        QAction* define = menu->addAction(QStringLiteral("Define new custom language.."));
        define->setObjectName(QStringLiteral("Definenewcustomlanguage2"));
        connect(define, &QAction::triggered, this, [this] { Definenewcustomlanguage1Click(); });
    }
    // Each item goes to the top, so the list shows last added first.
    for (const QString& name : names) {
        auto* item = new QAction(name, menu);
        item->setProperty(kLanguageItem, true);
        connect(item, &QAction::triggered, this, [this, name] { GeneralDocument(name); });
        menu->insertAction(menu->actions().value(0), item);
    }
    menu->actions().value(names.size())->setVisible(names.isEmpty());
}
