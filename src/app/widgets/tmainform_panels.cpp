// TMainForm: menus, tool pages and bottom tabs by document kind, the view
// switches, settings applied to editor windows, shortcuts and the file-type
// filter.
#include "app/widgets/filepanel.h"
#include "app/widgets/focusedtextpane.h"
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "app/widgets/toolpages.h"
#include "editor/customlanguagehighlighter.h"
#include "editor/tsyngeneralsyn.h"
#include "editor/widgets/tsynedit.h"
#include "editor/widgets/tsyngutter.h"
#include "settings/inifile.h"
#include "settings/programfolder.h"
#include "settings/settingranges.h"
#include "settings/shortcuts.h"
#include "settings/widgets/helpwindow.h"
#include "utilities/widgets/tsynspellcheck.h"
#include "workspace/widgets/teditform.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QKeySequence>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {
const QString kEditor = QStringLiteral("EditorOptions");
const QString kOptions = QStringLiteral("ApplicationOptions");
} // namespace

// ---- menus, pages and tabs ----------------------------------------------

void TMainForm::EnableMainMenu() { menus->EnableMainMenu(); }
void TMainForm::DisableMainMenu() { menus->DisableMainMenu(); }
void TMainForm::ViewJavaInMainMenu(bool show) { menus->ViewJavaInMainMenu(show); }
void TMainForm::ViewMainMenu(const QString& extension) { menus->ViewMainMenu(extension); }
void TMainForm::EnableGeneralButtons(bool enable) { toolPages->EnableGeneralButtons(enable); }

void TMainForm::EnableDisableTabs(bool show)
{
    for (int i = 1; i < PageControl4->count(); ++i)
        PageControl4->setTabVisible(i, show);
}

void TMainForm::UpdateMaskAndJTab()
{
    TEditForm* e = GetActiveEditor();
    if (!e)
        return;
    const QString ext = e->captionExtension();
    if (ext.trimmed().isEmpty())
        return;
    auto showPage = [this](ToolPages::Page shown) { toolPages->showOnlyPage(shown); };
    if (ext.contains(QLatin1String(".htm"))) {
        showPage(ToolPages::Page::Html);
        filePanel->setFilterIndex(1);
        ViewJavaInMainMenu(false);
        EnableDisableTabs(false);
    } else if (ext.contains(QLatin1String(".java"))) {
        showPage(ToolPages::Page::Java);
        filePanel->setFilterIndex(0);
        ViewJavaInMainMenu(true);
        EnableDisableTabs(true);
    } else {
        showPage(ToolPages::Page::General);
        ViewJavaInMainMenu(false);
        EnableDisableTabs(false);
    }
    static const std::pair<const char*, int> kEntries[] = {{".pl", 2}, {".php", 3}, {".xml", 4}, {".css", 5}, {".txt", 6}};
    for (const auto& [text, entry] : kEntries)
        if (ext.contains(QLatin1String(text))) {
            filePanel->setFilterIndex(entry);
            break;
        }
}

void TMainForm::PopupMenuItemsUpdate(const QString& extension)
{
    if (TEditForm* e = GetActiveEditor())
        e->setPopupGroups(extension);
}

void TMainForm::editorActivated(TEditForm* editor)
{
    SpellChecker1->setEditor(editor->SynEdit1);
    UpdateMaskAndJTab();
    const QString ext = editor->captionExtension();
    ViewMainMenu(ext);
    editor->setPopupGroups(ext);
    filePanel->setFileMask(filePanel->filterMask());
}

// ---- view switches -------------------------------------------------------

bool TMainForm::lineNumbersChecked() const { return menus->Linenumbers1->isChecked(); }
bool TMainForm::completionProposalChecked() const { return menus->CompletionProposal1->isChecked(); }
bool TMainForm::autocompletionChecked() const { return menus->Autocompletion1->isChecked(); }

void TMainForm::Linenumbers1Click()
{
    TEditForm* e = GetActiveEditor();
    if (!e)
        return;
    const bool on = !e->LineNumbersOn;
    menus->Linenumbers1->setChecked(on);
    e->LineNumbersOn = on;
    e->SynEdit1->gutter()->setShowLineNumbers(on);
    try {
        SettingsIni->WriteBool(kEditor, QStringLiteral("ShowLineNumbers"), on);
    } catch (const IniWriteError& err) {
        reportError(err.message());
    }
}

void TMainForm::Specialcharacters1Click()
{
    // The item has flipped its own check mark already.
    const bool on = menus->Specialcharacters1->isChecked();
    if (TEditForm* e = GetActiveEditor()) {
        const int options = e->SynEdit1->options();
        e->SynEdit1->setOptions(on ? options | eoShowSpecialChars : options & ~eoShowSpecialChars);
    }
    try {
        SettingsIni->WriteBool(kOptions, QStringLiteral("ViewSecialChars"), on);
    } catch (const IniWriteError& err) {
        reportError(err.message());
    }
}

void TMainForm::Tools1Click()
{
    m_leftPanel->setVisible(menus->Tools1->isChecked());
}

void TMainForm::Messagepane1Click()
{
    PageControl4->setVisible(menus->Messagepane1->isChecked());
}

// ---- settings of a new editor window ------------------------------------

void TMainForm::UpdateColorsInEditor()
{
    if (TEditForm* e = GetActiveEditor())
        UpdateColorsInEditor(e);
}

void TMainForm::UpdateColorsInEditor(TEditForm* e)
{
    if (e->caption().trimmed().isEmpty() || !e->SynEdit1->highlighter())
        return;
    const QString name = e->caption().toLower();
    QString language;
    if (name.contains(QLatin1String(".java")))
        language = QStringLiteral("Java");
    else if (name.contains(QLatin1String(".htm")))
        language = QStringLiteral("HTML");
    else if (name.contains(QLatin1String(".css")))
        language = QStringLiteral("CSS");
    else if (name.contains(QLatin1String(".xml")))
        language = QStringLiteral("XML");
    else if (name.contains(QLatin1String(".pl")) || name.contains(QLatin1String(".perl")))
        language = QStringLiteral("PERL");
    else if (name.contains(QLatin1String(".php")))
        language = QStringLiteral("PHP");
    else if (name.contains(QLatin1String(".txt")))
        return;
    else
        language = e->LanguageName;
    if (const auto file = languageColorFile(language))
        e->SynEdit1->highlighter()->LoadAttributesFromIni(IniFile(*file));
}

void TMainForm::LoadUserSettings()
{
    TEditForm* e = GetActiveEditor();
    if (!e)
        return;
    TSynEdit* edit = e->SynEdit1;
    // A colour that is no colour stops here, as the rest would be applied
    // on top of a half-set window; the window stays open.
    try {
        UpdateColorsInEditor();
        // One read of each section the window takes its settings from.
        const IniSection editor = SettingsIni->ReadSectionValues(kEditor);
        const IniSection options = SettingsIni->ReadSectionValues(kOptions);
        edit->gutter()->setColor(editor.ReadColor(QStringLiteral("GTRColor"), Colors::clBtnFace));
        edit->setColor(editor.ReadColor(QStringLiteral("BGColor"), Colors::clWhite));
        if (options.ReadBool(QStringLiteral("MaxWinAtStart"), false) && editors().size() == 1)
            e->showMaximized();
        QFont font(editor.ReadString(QStringLiteral("FontType"), QStringLiteral("Courier New")),
                   SettingRanges::fontSize(editor.ReadInteger(QStringLiteral("FontSize"), 10)));
        font.setStyleHint(QFont::TypeWriter);
        edit->setFont(font);
        if (editors().size() == 1) {
            const bool numbers = editor.ReadBool(QStringLiteral("ShowLineNumbers"), false);
            edit->gutter()->setShowLineNumbers(numbers);
            menus->Linenumbers1->setChecked(numbers);
            e->LineNumbersOn = numbers;
        } else {
            edit->gutter()->setShowLineNumbers(menus->Linenumbers1->isChecked());
            e->LineNumbersOn = menus->Linenumbers1->isChecked();
        }
        edit->gutter()->setShown(editor.ReadBool(QStringLiteral("ShowGutter"), true));
        edit->gutter()->setGutterWidth(SettingRanges::gutterWidth(editor.ReadInteger(QStringLiteral("GutterSize"), 52)));
        edit->gutter()->setLeadingZeros(editor.ReadBool(QStringLiteral("LeadingZeros"), false));
        menus->CompletionProposal1->setChecked(editor.ReadBool(QStringLiteral("CompProposal"), true));
        menus->Autocompletion1->setChecked(editor.ReadBool(QStringLiteral("AutoCompletion"), true));
        menus->Specialcharacters1->setChecked(options.ReadBool(QStringLiteral("ViewSecialChars"), false));
    } catch (const IniConversionError& err) {
        reportError(err.message());
    }
}

// ---- shortcuts -----------------------------------------------------------

void TMainForm::LoadShortcuts()
{
    const Shortcuts::TextList texts = Shortcuts::appliedTexts(*SettingsIni);
    const Shortcuts::AppliedShortcuts applied = Shortcuts::appliedShortcuts(texts);
    for (int slot = 0; slot < Shortcuts::SlotCount; ++slot) {
        QAction* a = menus->action(QLatin1String(Shortcuts::kSlots[std::size_t(slot)].component));
        if (!a)
            continue;
        const int key = Shortcuts::shortcutToQtKey(applied.values[std::size_t(slot)]);
        a->setShortcut(key ? QKeySequence(key) : QKeySequence());
        // Menu shortcuts work while an editor window has the focus.
        a->setShortcutContext(Qt::ApplicationShortcut);
    }
    if (applied.clashes.empty())
        return;
    // Said once the frame window is up (this runs while it is made).
    const QString message = Shortcuts::clashMessage(applied.clashes, texts);
    QTimer::singleShot(0, this, [this, message] {
        QMessageBox::warning(this, QStringLiteral("Warning"), message);
    });
}

// ---- custom languages and the file-type filter --------------------------

void TMainForm::UpdateFilesFilter()
{
    m_filterEntries = ::UpdateFilesFilter();
    std::vector<std::pair<QString, QString>> entries;
    for (const FileFilterEntry& f : m_filterEntries)
        entries.emplace_back(f.description, f.mask);
    filePanel->setFilterEntries(entries);
}

QString TMainForm::filesFilter() const
{
    return toNameFilters(m_filterEntries).join(QStringLiteral(";;"));
}

int TMainForm::filesFilterCount() const
{
    return int(m_filterEntries.size());
}

void TMainForm::LoadCustomLanglistFromFile()
{
    const QStringList names = customLanguageMenuNames(::LoadCustomLanglistFromFile());
    if (menus->Customlanguages1)
        fillCustomLanguageMenu(menus->Customlanguages1, names);
    if (Customlanguages2)
        fillCustomLanguageMenu(Customlanguages2, names);
}

void TMainForm::LoadLangData(const QString& name, bool withSample)
{
    if (GetActiveEditor())
        applyLangData(readCustomLanguageDefinition(name), withSample);
}

void TMainForm::applyLangData(const CustomLanguageDefinition& definition, bool withSample)
{
    TEditForm* e = GetActiveEditor();
    if (!e)
        return;
    applyCustomLanguage(definition, *e->generalHighlighter());
    if (withSample)
        e->SynEdit1->setText(definition.codeLines.join(QStringLiteral("\r\n")));
    e->SynEdit1->restyle();
    e->SynEdit1->invalidate();
}

// ---- command wiring ------------------------------------------------------

void TMainForm::setFindNextEnabled(bool enabled)
{
    menus->FindNext1->setEnabled(enabled);
    for (QToolButton* b : toolPages->allButtons())
        if (b->toolTip() == QLatin1String("Find next"))
            b->setEnabled(enabled);
}

void TMainForm::runMainCommand(const QString& objectName)
{
    if (QAction* a = menus->action(objectName)) {
        if (a->isEnabled())
            a->trigger();
    } else if (QToolButton* b = toolPages->button(objectName)) {
        // A command with no menu item of its own (the file field wizard).
        b->click();
    }
}

void TMainForm::wireCommands()
{
    auto on = [this](const char* name, auto handler) {
        if (QAction* a = menus->action(QLatin1String(name)))
            connect(a, &QAction::triggered, this, handler);
    };
    auto onEditor = [this, on](const char* name, void (TEditForm::*method)()) {
        on(name, [this, method] {
            if (TEditForm* e = GetActiveEditor())
                (e->*method)();
        });
    };
    on("Load1", [this] { Load1Click(); });
    on("Save1", [this] { Save1Click(); });
    on("SaveAs1", [this] { SaveAs1Click(); });
    on("Saveall1", [this] { Saveall1Click(); });
    on("Close1", [this] { Close1Click(); });
    on("Closeall2", [this] { CloseAll(); });
    on("CloseAll1", [this] { CloseAll(); });
    on("Exit1", [this] { close(); });
    on("TileHorizontally1", [this] { TileHorizontally1Click(); });
    on("TileVertically1", [this] { TileVertically1Click(); });
    on("MinimizeAll1", [this] { MinimizeAll1Click(); });
    on("Nexteditorwindow1", [this] { Nexteditorwindow1Click(); });
    on("Previouseditorwindow1", [this] { Previouseditorwindow1Click(); });
    onEditor("Find1", &TEditForm::Soek);
    onEditor("FindNext1", &TEditForm::FinnNeste);
    onEditor("Replace1", &TEditForm::Replace1Click);
    onEditor("Replaceagain1", &TEditForm::Replaceagain1Click);
    onEditor("Gotoline1", &TEditForm::Gotoline1Click);
    onEditor("Setbreakpoint1", &TEditForm::SetBreakpoint);
    onEditor("Deletebreakpoint1", &TEditForm::ClearBreakPoint);
    onEditor("Nextbookmark1", &TEditForm::NextBreakPointJump);
    onEditor("Previousbookmark1", &TEditForm::PreviousBreakPointJump);
    // The Edit commands act on a focused text pane first (their keys are the
    // program's, so the pane never sees them itself).
    auto onEdit = [this, on](const char* name, PaneCommand pane, void (TEditForm::*method)()) {
        on(name, [this, pane, method] {
            if (runOnFocusedTextPane(pane))
                return;
            if (TEditForm* e = GetActiveEditor())
                (e->*method)();
        });
    };
    onEdit("Undo1", PaneCommand::Undo, &TEditForm::Undo1Click);
    onEdit("Redo1", PaneCommand::Redo, &TEditForm::Gjenta1Click);
    onEdit("Past1", PaneCommand::Paste, &TEditForm::Liminn1Click);
    onEdit("Cut1", PaneCommand::Cut, &TEditForm::Klipput1Click);
    onEdit("Copy1", PaneCommand::Copy, &TEditForm::Copier1Click);
    onEdit("SelectAll1", PaneCommand::SelectAll, &TEditForm::VelgAlt1Click);
    on("Linenumbers1", [this] { Linenumbers1Click(); });
    on("Specialcharacters1", [this] { Specialcharacters1Click(); });
    on("Tools1", [this] { Tools1Click(); });
    on("Messagepane1", [this] { Messagepane1Click(); });
    on("Content1", [] { HelpWindow::instance()->showContents(); });
    on("Index1", [] { HelpWindow::instance()->showIndex(); });
    on("Homepage1", [] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(HelpWindow::topicFile(QStringLiteral("index"))));
    });
    on("About1", [this] { showAbout(); });

    // Tool buttons that run the same commands as menu items, by their hints.
    static const std::pair<const char*, const char*> kButtonCommands[] = {
        {"Save document", "Save1"}, {"Open document..", "Load1"}, {"Save as..", "SaveAs1"},
        {"Paste", "Past1"}, {"Cut", "Cut1"}, {"Copy", "Copy1"}, {"Select all", "SelectAll1"},
        {"Undo", "Undo1"}, {"Redo", "Redo1"}, {"Compile..", "Compile1"}, {"Compile and run..", "CompileandRun1"},
        {"Find..", "Find1"}, {"Find next", "FindNext1"}, {"Replace", "Replace1"},
        {"Replace again", "Replaceagain1"}, {"Next breakpoint", "Nextbookmark1"},
        {"Previous breakpoint", "Previousbookmark1"}, {"Print", "Print1"}, {"Print preview", "ForhndVisning1"},
        {"Comment", "Comment1"}, {"Uncomment", "Uncomment1"}, {"Indent", "Indent1"}, {"Unindent", "Unindent1"},
        {"Set breakpoint", "Setbreakpoint1"}, {"Clear breakpoint", "Deletebreakpoint1"},
        {"Class wizard code generator", "Classwizard1"}, {"Try..Catch code generator", "rycatchcodegenerator1"},
        {"Exception code generator", "Exceptioncodegenerator1"}, {"Expression builder", "Expressionbuilder1"},
        {"View page in browser (Ctrl+G)", "Viewpageinbrowser1"},
        {"Strip html from current document (renames the file to .txt)", "StripHTMLcode1"},
    };
    for (QToolButton* b : toolPages->allButtons())
        for (const auto& [hint, command] : kButtonCommands)
            if (b->toolTip() == QLatin1String(hint)) {
                const QString name = QLatin1String(command);
                connect(b, &QToolButton::clicked, this, [this, name] { runMainCommand(name); });
            }
    connect(toolPages, &ToolPages::userChangedPage, this, [this](int) { EnableGeneralButtons(!editors().empty()); });
}
