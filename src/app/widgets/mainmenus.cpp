#include "app/widgets/mainmenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <iterator>
#include <vector>

enum class EntryKind { Command, Checkable, Checked, Disabled, Separator, Submenu, EndSubmenu };

struct MenuEntry {
    EntryKind kind;
    const char* caption;
    const char* name;
};

namespace {

using K = EntryKind;

// Submenus open with a Submenu entry and close with EndSubmenu. Items that
// carry no component name of their own get a plain descriptive one.
constexpr MenuEntry fileEntries[] = {
    {K::Submenu, "&New", "newMenu"},
    {K::Command, "Java application document", "NyApplikasjonkode1"},
    {K::Command, "Java applet document", "NyAppletkode1"},
    {K::Command, "HTML document", "HTMLdocument1"},
    {K::Command, "Frameset", "newFrameset"},
    {K::Command, "XML document", "XMLdocument1"},
    {K::Command, "Perl document", "Perldocument1"},
    {K::Command, "PHP document", "PHPdocument1"},
    {K::Command, "CSS document", "CSSdocument1"},
    {K::Command, "Text file", "Textfile1"},
    {K::Submenu, "Custom language document", "Customlanguages1"},
    {K::Disabled, "(empty)", "empty4"},
    {K::Separator, nullptr, "customLanguagesSeparator"},
    {K::Command, "Define new custom language..", "Definenewcustomlanguage1"},
    {K::EndSubmenu, nullptr, nullptr},
    {K::EndSubmenu, nullptr, nullptr},
    {K::Command, "&Load..", "Load1"},
    // The history items go between "(empty)" and "Clear List", so nothing
    // else may sit between them.
    {K::Submenu, "Reopen", "Reopen1"},
    {K::Disabled, "(empty)", "reopenEmpty"},
    {K::Command, "Clear List", "ClearList1"},
    {K::EndSubmenu, nullptr, nullptr},
    // Items named "reload" or "save" and the encoding's display name.
    {K::Submenu, "Reload with encoding", "ReloadWithEncoding1"},
    {K::Command, "UTF-8", "reloadUTF-8"},
    {K::Command, "Windows-1252", "reloadWindows-1252"},
    {K::Command, "ISO-8859-1", "reloadISO-8859-1"},
    {K::Command, "ISO-8859-15", "reloadISO-8859-15"},
    {K::EndSubmenu, nullptr, nullptr},
    {K::Separator, nullptr, "fileSeparator1"},
    {K::Submenu, "Export to", "exportMenu"},
    {K::Command, "RTF", "RTFfiltekst1"},
    {K::Command, "HTML", "HTML3"},
    {K::EndSubmenu, nullptr, nullptr},
    {K::Separator, nullptr, "fileSeparator2"},
    {K::Command, "P&rint..", "Print1"},
    {K::Command, "&Print Setup..", "PrinterSetup1"},
    {K::Command, "Print Preview", "ForhndVisning1"},
    {K::Separator, nullptr, "fileSeparator3"},
    {K::Command, "S&ave", "Save1"},
    {K::Command, "Sa&ve as..", "SaveAs1"},
    {K::Submenu, "Save with encoding", "SaveWithEncoding1"},
    {K::Command, "UTF-8", "saveUTF-8"},
    {K::Command, "Windows-1252", "saveWindows-1252"},
    {K::Command, "ISO-8859-1", "saveISO-8859-1"},
    {K::Command, "ISO-8859-15", "saveISO-8859-15"},
    {K::EndSubmenu, nullptr, nullptr},
    {K::Command, "Save all", "Saveall1"},
    {K::Command, "Close", "Close1"},
    {K::Command, "Close all", "Closeall2"},
    {K::Separator, nullptr, "fileSeparator4"},
    {K::Command, "Q&uit", "Exit1"},
};

constexpr MenuEntry editEntries[] = {
    {K::Command, "Undo", "Undo1"},
    {K::Command, "Redo", "Redo1"},
    {K::Separator, nullptr, "editSeparator1"},
    {K::Command, "Paste", "Past1"},
    {K::Command, "Cut", "Cut1"},
    {K::Command, "Copy", "Copy1"},
    {K::Command, "Select All", "SelectAll1"},
    {K::Separator, nullptr, "editJavaSeparator1"},
    {K::Command, "Comment", "Comment1"},
    {K::Command, "Uncomment", "Uncomment1"},
    {K::Separator, nullptr, "editJavaSeparator2"},
    {K::Command, "Indent", "Indent1"},
    {K::Command, "Unindent", "Unindent1"},
    // Keeps "Options.." apart from the clipboard group when the Java
    // items are hidden.
    {K::Separator, nullptr, "editSeparator2"},
    {K::Command, "Options..", "Options2"},
};

constexpr MenuEntry javaInsertEntries[] = {
    {K::Command, "System.out.println", "Systemoutprintln2"},
    {K::Separator, nullptr, "javaInsertSeparator1"},
    {K::Command, "public ... function", "javaInsertPublicFunction"},
    {K::Command, "Main function", "Mainfunction1"},
    {K::Command, "switch", "javaInsertSwitch"},
    {K::Command, "class", "javaInsertClass"},
    {K::Separator, nullptr, "javaInsertSeparator2"},
    {K::Command, "Panel", "javaInsertPanel"},
    {K::Command, "Button", "javaInsertButton"},
    {K::Command, "Checkbox", "javaInsertCheckbox"},
    {K::Command, "Radio button", "javaInsertRadioButton"},
    {K::Command, "Textfield", "javaInsertTextfield"},
    {K::Command, "Label", "javaInsertLabel"},
    {K::Command, "Listbox", "javaInsertListbox"},
    {K::Command, "Font", "javaInsertFont"},
};

constexpr MenuEntry htmlInsertEntries[] = {
    {K::Submenu, "Special Characters", "specialCharactersMenu"},
    {K::Command, "Non braking space", "Nonbrakingspace1"},
    {K::Command, "Vertical bar", "htmlVerticalBar"},
    {K::Command, "Copyright sign (c)", "htmlCopyrightSign"},
    {K::Command, "Registration mark (r)", "htmlRegistrationMark"},
    {K::Command, "Degree sign", "htmlDegreeSign"},
    {K::Command, "Left brackets", "htmlLeftBrackets"},
    {K::Command, "Right brackets", "htmlRightBrackets"},
    {K::EndSubmenu, nullptr, nullptr},
    {K::Submenu, "Form", "formMenu"},
    {K::Command, "Form Body (<form></form>)", "FormBodyformform1"},
    {K::Command, "Password Field", "htmlPasswordField"},
    {K::Command, "Hidden Field", "htmlHiddenField"},
    {K::Command, "Button", "htmlButton"},
    {K::Command, "Send Button", "htmlSendButton"},
    {K::Command, "Reset Button", "htmlResetButton"},
    {K::Command, "Textfield", "htmlTextfield"},
    {K::Command, "Popup menu", "htmlPopupMenu"},
    {K::Command, "Checkbox", "htmlCheckbox"},
    {K::Command, "Radio Button", "htmlRadioButton"},
    {K::Command, "File Field", "htmlFileField"},
    {K::Command, "Image Button", "htmlImageButton"},
    {K::Command, "Text Area", "htmlTextArea"},
    {K::EndSubmenu, nullptr, nullptr},
    {K::Command, "Table", "able1"},
    {K::Command, "Frameset", "Frameset2"},
    {K::Command, "Linebreak (<br>)", "Linebreakbr1"},
    {K::Command, "Image", "Image1"},
    {K::Command, "Link", "Link1"},
    {K::Command, "Font", "Font3"},
    {K::Command, "Ordered List", "OrderedList1"},
    {K::Command, "Unordered List", "UnorderedList1"},
    {K::Command, "Horisontal Ruler", "htmlHorizontalRuler"},
    {K::Command, "Comment", "Comment2"},
};

constexpr MenuEntry searchEntries[] = {
    {K::Command, "Spell check..", "Spellcheck1"},
    {K::Separator, nullptr, "searchSeparator1"},
    {K::Command, "Find..", "Find1"},
    {K::Command, "Find Next", "FindNext1"},
    {K::Command, "Replace..", "Replace1"},
    {K::Command, "Replace again", "Replaceagain1"},
    {K::Separator, nullptr, "searchJavaSeparator"},
    {K::Command, "Next breakpoint", "Nextbookmark1"},
    {K::Command, "Previous breakpoint", "Previousbookmark1"},
    {K::Separator, nullptr, "searchSeparator2"},
    {K::Command, "Goto line number..", "Gotoline1"},
};

constexpr MenuEntry htmlProjectEntries[] = {
    {K::Command, "Define project catalog..", "Defineprojectcatalog1"},
};

constexpr MenuEntry modifyEntries[] = {
    {K::Submenu, "HTML Elemt Alignment", "alignmentMenu"},
    {K::Command, "Centered", "alignCentered"},
    {K::Command, "Left Aligned", "alignLeft"},
    {K::Command, "Right Aligned", "alignRight"},
    {K::EndSubmenu, nullptr, nullptr},
    {K::Submenu, "HTML Style", "styleMenu"},
    {K::Command, "Italic", "styleItalic"},
    {K::Command, "Bold", "styleBold"},
    {K::Command, "Italics And Bold", "styleItalicsAndBold"},
    {K::EndSubmenu, nullptr, nullptr},
};

// "Stop debug" and "Next instruction" are never enabled: stopping and
// continuing go through the tool buttons.
constexpr MenuEntry debuggingEntries[] = {
    {K::Command, "Start debug", "Startdebug1"},
    {K::Disabled, "Stop debug", "Stopdebug1"},
    {K::Disabled, "Next instruction", "Nextinstruction1"},
    {K::Command, "Set breakpoint", "Setbreakpoint1"},
    {K::Command, "Delete breakpoint", "Deletebreakpoint1"},
    {K::Separator, nullptr, "debuggingSeparator"},
    {K::Command, "Variable tracker..", "Variabletracker1"},
};

constexpr MenuEntry javaToolsEntries[] = {
    {K::Command, "Compile current file", "Compile1"},
    {K::Command, "Compile and Run current files", "CompileandRun1"},
    {K::Separator, nullptr, "javaToolsSeparator"},
    {K::Command, "Class wizard..", "Classwizard1"},
    {K::Command, "Expression builder..", "Expressionbuilder1"},
    {K::Command, "Exception code generator..", "Exceptioncodegenerator1"},
    {K::Command, "Try-catch code generator..", "rycatchcodegenerator1"},
};

constexpr MenuEntry htmlToolsEntries[] = {
    {K::Command, "Strip HTML from document", "StripHTMLcode1"},
    {K::Separator, nullptr, "htmlToolsSeparator"},
    {K::Command, "Comment..", "Comment3"},
    {K::Command, "Frames..", "Frames1"},
    {K::Command, "Image..", "Image2"},
    {K::Command, "Table..", "able2"},
    {K::Command, "Link..", "Link2"},
    {K::Command, "Button..", "Button3"},
    {K::Command, "Rollover..", "Rollover1"},
    {K::Command, "Textarea..", "extarea2"},
    {K::Command, "Font wizard..", "Fontwizard1"},
    {K::Command, "Popupmenu..", "Popupmenu8"},
    {K::Command, "Ordered Lists..", "OrderedLists1"},
    {K::Command, "Unordered list..", "Unorderedlist2"},
    {K::Command, "Horisontal ruler..", "horizontalRulerWizard"},
    {K::Command, "Object wizard..", "Objectwizard1"},
};

constexpr MenuEntry viewEntries[] = {
    {K::Checkable, "Line Numbers", "Linenumbers1"},
    {K::Checkable, "Special characters", "Specialcharacters1"},
    {K::Checked, "Completion Proposal", "CompletionProposal1"},
    {K::Checked, "Autocompletion", "Autocompletion1"},
    {K::Separator, nullptr, "viewSeparator"},
    {K::Command, "Statistics", "Statistics1"},
};

constexpr MenuEntry windowEntries[] = {
    {K::Command, "Devide Horisontally", "TileHorizontally1"},
    {K::Command, "Devide Vertically", "TileVertically1"},
    {K::Command, "Minimize All", "MinimizeAll1"},
    {K::Command, "Close all", "CloseAll1"},
    {K::Command, "Next editor window", "Nexteditorwindow1"},
    {K::Command, "Previous editor window", "Previouseditorwindow1"},
    {K::Separator, nullptr, "windowSeparator1"},
    {K::Checked, "Show File and Tools tab", "Tools1"},
    {K::Checked, "Show Open Files (and java compile - debug) tabs", "Messagepane1"},
    {K::Separator, nullptr, "windowSeparator2"},
    {K::Command, "Windows Explorer", "WindowsExplorer1"},
    {K::Command, "Show dos promt", "Showdospromt1"},
    {K::Command, "View page in browser", "Viewpageinbrowser1"},
};

constexpr MenuEntry helpEntries[] = {
    {K::Command, "Contents", "Content1"},
    {K::Command, "Index", "Index1"},
    {K::Command, "Tip of the day", "ipoftheday1"},
    {K::Separator, nullptr, "helpSeparator"},
    {K::Command, "Homepage", "Homepage1"},
    {K::Command, "About..", "About1"},
};

template <std::size_t N>
constexpr int entryCount(const MenuEntry (&)[N])
{
    return static_cast<int>(N);
}

} // namespace

MainMenus::MainMenus(QMenuBar* bar) : QObject(bar)
{
    setObjectName(QStringLiteral("MainMenus"));
    fileMenu = addTopMenu(bar, "&File", "fileMenu", fileEntries, entryCount(fileEntries));
    editMenu = addTopMenu(bar, "&Edit", "editMenu", editEntries, entryCount(editEntries));
    Insert1 = addTopMenu(bar, "Insert", "Insert1", javaInsertEntries, entryCount(javaInsertEntries));
    htmlInsertMenu = addTopMenu(bar, "&Insert", "htmlInsertMenu", htmlInsertEntries, entryCount(htmlInsertEntries));
    searchMenu = addTopMenu(bar, "&Search", "searchMenu", searchEntries, entryCount(searchEntries));
    htmlProjectMenu = addTopMenu(bar, "HTML Project", "htmlProjectMenu", htmlProjectEntries, entryCount(htmlProjectEntries));
    modifyMenu = addTopMenu(bar, "&Modify", "modifyMenu", modifyEntries, entryCount(modifyEntries));
    debuggingMenu = addTopMenu(bar, "Debugging", "debuggingMenu", debuggingEntries, entryCount(debuggingEntries));
    javaToolsMenu = addTopMenu(bar, "Tools", "javaToolsMenu", javaToolsEntries, entryCount(javaToolsEntries));
    htmlToolsMenu = addTopMenu(bar, "Tools", "htmlToolsMenu", htmlToolsEntries, entryCount(htmlToolsEntries));
    viewMenu = addTopMenu(bar, "&View", "viewMenu", viewEntries, entryCount(viewEntries));
    windowMenu = addTopMenu(bar, "&Window", "windowMenu", windowEntries, entryCount(windowEntries));
    helpMenu = addTopMenu(bar, "&Help", "helpMenu", helpEntries, entryCount(helpEntries));
    bindFields();
}

QAction* MainMenus::action(const QString& objectName) const
{
    return m_actions.value(objectName, nullptr);
}

QMenu* MainMenus::menu(const QString& objectName) const
{
    return m_menus.value(objectName, nullptr);
}

QList<QAction*> MainMenus::allActions() const
{
    return m_actions.values();
}

QMenu* MainMenus::makeMenu(QWidget* parent, const char* title, const char* name)
{
    auto* menu = new QMenu(QString::fromUtf8(title), parent);
    menu->setObjectName(QString::fromUtf8(name));
    m_menus.insert(menu->objectName(), menu);
    registerAction(menu->menuAction(), name);
    return menu;
}

void MainMenus::registerAction(QAction* action, const char* name)
{
    action->setObjectName(QString::fromUtf8(name));
    m_actions.insert(action->objectName(), action);
}

QMenu* MainMenus::addTopMenu(QMenuBar* bar, const char* title, const char* name,
                             const MenuEntry* entries, int count)
{
    QMenu* top = makeMenu(bar, title, name);
    bar->addMenu(top);
    std::vector<QMenu*> open{top};
    for (int i = 0; i < count; ++i) {
        const MenuEntry& e = entries[i];
        QMenu* current = open.back();
        switch (e.kind) {
        case K::Submenu: {
            QMenu* sub = makeMenu(current, e.caption, e.name);
            current->addMenu(sub);
            open.push_back(sub);
            break;
        }
        case K::EndSubmenu:
            if (open.size() > 1)
                open.pop_back();
            break;
        case K::Separator:
            registerAction(current->addSeparator(), e.name);
            break;
        case K::Command:
        case K::Checkable:
        case K::Checked:
        case K::Disabled: {
            QAction* a = current->addAction(QString::fromUtf8(e.caption));
            a->setCheckable(e.kind == K::Checkable || e.kind == K::Checked);
            a->setChecked(e.kind == K::Checked);
            a->setEnabled(e.kind != K::Disabled);
            registerAction(a, e.name);
            break;
        }
        }
    }
    return top;
}

void MainMenus::bindFields()
{
    const std::pair<const char*, QMenu* MainMenus::*> menus[] = {
        {"newMenu", &MainMenus::newMenu},
        {"Customlanguages1", &MainMenus::Customlanguages1},
        {"Reopen1", &MainMenus::Reopen1},
        {"exportMenu", &MainMenus::exportMenu},
        {"ReloadWithEncoding1", &MainMenus::ReloadWithEncoding1},
        {"SaveWithEncoding1", &MainMenus::SaveWithEncoding1},
    };
    for (const auto& [name, field] : menus)
        this->*field = menu(QString::fromUtf8(name));

    const std::pair<const char*, QAction* MainMenus::*> actions[] = {
        {"empty4", &MainMenus::empty4},
        {"Definenewcustomlanguage1", &MainMenus::Definenewcustomlanguage1},
        {"reopenEmpty", &MainMenus::reopenEmpty},
        {"ClearList1", &MainMenus::ClearList1},
        {"Print1", &MainMenus::Print1},
        {"PrinterSetup1", &MainMenus::PrinterSetup1},
        {"ForhndVisning1", &MainMenus::ForhndVisning1},
        {"Save1", &MainMenus::Save1},
        {"SaveAs1", &MainMenus::SaveAs1},
        {"Saveall1", &MainMenus::Saveall1},
        {"Close1", &MainMenus::Close1},
        {"Closeall2", &MainMenus::Closeall2},
        {"Exit1", &MainMenus::Exit1},
        {"Undo1", &MainMenus::Undo1},
        {"Redo1", &MainMenus::Redo1},
        {"Past1", &MainMenus::Past1},
        {"Cut1", &MainMenus::Cut1},
        {"Copy1", &MainMenus::Copy1},
        {"SelectAll1", &MainMenus::SelectAll1},
        {"Comment1", &MainMenus::Comment1},
        {"Uncomment1", &MainMenus::Uncomment1},
        {"Indent1", &MainMenus::Indent1},
        {"Unindent1", &MainMenus::Unindent1},
        {"FindNext1", &MainMenus::FindNext1},
        {"Nextbookmark1", &MainMenus::Nextbookmark1},
        {"Previousbookmark1", &MainMenus::Previousbookmark1},
        {"Linenumbers1", &MainMenus::Linenumbers1},
        {"Specialcharacters1", &MainMenus::Specialcharacters1},
        {"CompletionProposal1", &MainMenus::CompletionProposal1},
        {"Autocompletion1", &MainMenus::Autocompletion1},
        {"Tools1", &MainMenus::Tools1},
        {"Messagepane1", &MainMenus::Messagepane1},
    };
    for (const auto& [name, field] : actions)
        this->*field = action(QString::fromUtf8(name));
}

void MainMenus::setDocumentCommandsEnabled(bool enabled)
{
    QAction* const commands[] = {
        windowMenu->menuAction(), viewMenu->menuAction(), searchMenu->menuAction(),
        Undo1, Redo1, Past1, Cut1, SelectAll1, Copy1,
        Comment1, Uncomment1, Indent1, Unindent1,
        Print1, PrinterSetup1, ForhndVisning1, Save1, SaveAs1,
        exportMenu->menuAction(), Saveall1, Close1, Closeall2,
        ReloadWithEncoding1->menuAction(), SaveWithEncoding1->menuAction(),
    };
    for (QAction* a : commands)
        a->setEnabled(enabled);
}

void MainMenus::EnableMainMenu()
{
    setDocumentCommandsEnabled(true);
}

void MainMenus::DisableMainMenu()
{
    setDocumentCommandsEnabled(false);
}

void MainMenus::ViewJavaInMainMenu(bool v)
{
    QAction* const javaItems[] = {
        action(QStringLiteral("editJavaSeparator1")), Comment1, Uncomment1,
        action(QStringLiteral("editJavaSeparator2")), Indent1, Unindent1,
        action(QStringLiteral("searchJavaSeparator")), Nextbookmark1, Previousbookmark1,
    };
    for (QAction* a : javaItems)
        a->setVisible(v);
}

void MainMenus::ViewMainMenu(const QString& extension)
{
    const bool java = extension.contains(QLatin1String(".java"));
    const bool html = !java && extension.contains(QLatin1String(".htm"));
    for (QMenu* m : {Insert1, debuggingMenu, javaToolsMenu})
        m->menuAction()->setVisible(java);
    for (QMenu* m : {htmlInsertMenu, htmlProjectMenu, modifyMenu, htmlToolsMenu})
        m->menuAction()->setVisible(html);
}
