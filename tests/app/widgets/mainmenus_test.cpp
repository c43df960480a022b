#include "app/widgets/mainmenus.h"
#include "settings/shortcuts.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

#include <gtest/gtest.h>

#include <memory>

namespace {

class MainMenusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_bar = std::make_unique<QMenuBar>();
        m_menus = new MainMenus(m_bar.get());
    }

    QAction* item(const char* name) const
    {
        QAction* a = m_menus->action(QString::fromUtf8(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }

    // The objectNames of a menu's items (separators left out) that are enabled.
    static QStringList enabledItems(QMenu* menu)
    {
        QStringList names;
        for (QAction* a : menu->actions()) {
            if (!a->isSeparator() && a->isEnabled())
                names << a->objectName();
        }
        return names;
    }

    // Captions of the items a user sees, "-" for a shown separator.
    static QStringList visibleCaptions(QMenu* menu)
    {
        QStringList captions;
        for (QAction* a : menu->actions()) {
            if (a->isVisible())
                captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
        return captions;
    }

    QStringList shownKindMenus() const
    {
        QStringList shown;
        for (QMenu* m : {m_menus->Insert1, m_menus->htmlInsertMenu, m_menus->htmlProjectMenu,
                         m_menus->modifyMenu, m_menus->debuggingMenu, m_menus->javaToolsMenu,
                         m_menus->htmlToolsMenu}) {
            if (m->menuAction()->isVisible())
                shown << m->objectName();
        }
        return shown;
    }

    std::unique_ptr<QMenuBar> m_bar;
    MainMenus* m_menus = nullptr;
};

TEST_F(MainMenusTest, TopLevelMenusInOrder)
{
    QStringList titles;
    for (QAction* a : m_bar->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "Insert", "&Insert", "&Search", "HTML Project",
                                   "&Modify", "Debugging", "Tools", "Tools", "&View", "&Window",
                                   "&Help"}));
}

TEST_F(MainMenusTest, EveryMenuHoldsItsCaptionsInOrder)
{
    struct Case {
        const char* menu;
        QStringList captions;
    };
    const Case cases[] = {
        {"fileMenu", {"&New", "&Load..", "Reopen", "Reload with encoding", "-", "Export to", "-", "P&rint..",
                      "&Print Setup..", "Print Preview", "-", "S&ave", "Sa&ve as..", "Save with encoding",
                      "Save all", "Close", "Close all", "-", "Q&uit"}},
        {"ReloadWithEncoding1", {"UTF-8", "Windows-1252", "ISO-8859-1", "ISO-8859-15"}},
        {"SaveWithEncoding1", {"UTF-8", "Windows-1252", "ISO-8859-1", "ISO-8859-15"}},
        {"newMenu", {"Java application document", "Java applet document", "HTML document", "Frameset",
                     "XML document", "Perl document", "PHP document", "CSS document", "Text file",
                     "Custom language document"}},
        {"Customlanguages1", {"(empty)", "-", "Define new custom language.."}},
        {"Reopen1", {"(empty)", "Clear List"}},
        {"exportMenu", {"RTF", "HTML"}},
        {"editMenu", {"Undo", "Redo", "-", "Paste", "Cut", "Copy", "Select All", "-", "Comment",
                      "Uncomment", "-", "Indent", "Unindent", "-", "Options.."}},
        {"Insert1", {"System.out.println", "-", "public ... function", "Main function", "switch",
                     "class", "-", "Panel", "Button", "Checkbox", "Radio button", "Textfield", "Label",
                     "Listbox", "Font"}},
        {"htmlInsertMenu", {"Special Characters", "Form", "Table", "Frameset", "Linebreak (<br>)",
                            "Image", "Link", "Font", "Ordered List", "Unordered List",
                            "Horisontal Ruler", "Comment"}},
        {"searchMenu", {"Spell check..", "-", "Find..", "Find Next", "Replace..", "Replace again", "-",
                        "Next breakpoint", "Previous breakpoint", "-", "Goto line number.."}},
        {"htmlProjectMenu", {"Define project catalog.."}},
        {"modifyMenu", {"HTML Elemt Alignment", "HTML Style"}},
        {"alignmentMenu", {"Centered", "Left Aligned", "Right Aligned"}},
        {"styleMenu", {"Italic", "Bold", "Italics And Bold"}},
        {"debuggingMenu", {"Start debug", "Stop debug", "Next instruction", "Set breakpoint",
                           "Delete breakpoint", "-", "Variable tracker.."}},
        {"javaToolsMenu", {"Compile current file", "Compile and Run current files", "-",
                           "Class wizard..", "Expression builder..", "Exception code generator..",
                           "Try-catch code generator.."}},
        {"htmlToolsMenu", {"Strip HTML from document", "-", "Comment..", "Frames..", "Image..", "Table..",
                           "Link..", "Button..", "Rollover..", "Textarea..", "Font wizard..",
                           "Popupmenu..", "Ordered Lists..", "Unordered list..", "Horisontal ruler..",
                           "Object wizard.."}},
        {"viewMenu", {"Line Numbers", "Special characters", "Completion Proposal", "Autocompletion", "-",
                      "Statistics"}},
        {"windowMenu", {"Devide Horisontally", "Devide Vertically", "Minimize All", "Close all",
                        "Next editor window", "Previous editor window", "-", "Show File and Tools tab",
                        "Show Open Files (and java compile - debug) tabs", "-", "Windows Explorer",
                        "Show dos promt", "View page in browser"}},
        {"helpMenu", {"Contents", "Index", "Tip of the day", "-", "Homepage", "About.."}},
    };
    for (const Case& c : cases) {
        QMenu* menu = m_menus->menu(QString::fromUtf8(c.menu));
        ASSERT_NE(menu, nullptr) << c.menu;
        EXPECT_EQ(visibleCaptions(menu), c.captions) << c.menu;
    }
}

TEST_F(MainMenusTest, EveryShortcutSlotNamesAnItemWithItsCaption)
{
    for (const Shortcuts::Slot& slot : Shortcuts::kSlots) {
        QAction* a = m_menus->action(QString::fromUtf8(slot.component));
        ASSERT_NE(a, nullptr) << slot.component;
        EXPECT_EQ(a->text(), QString::fromUtf8(slot.caption)) << slot.component;
        EXPECT_EQ(a->menu(), nullptr) << slot.component << " must be a command, not a submenu";
    }
}

TEST_F(MainMenusTest, ObjectNamesAreSetAndUnique)
{
    QSet<QString> seen;
    for (QAction* a : m_menus->allActions()) {
        ASSERT_FALSE(a->objectName().isEmpty()) << a->text().toStdString();
        EXPECT_FALSE(seen.contains(a->objectName())) << a->objectName().toStdString();
        seen.insert(a->objectName());
    }
    // Everything the menu bar holds is reachable by name.
    for (QAction* a : m_bar->findChildren<QAction*>()) {
        if (!a->text().isEmpty() || a->isSeparator()) {
            EXPECT_EQ(m_menus->action(a->objectName()), a) << a->text().toStdString();
        }
    }
    EXPECT_EQ(m_menus->action(QStringLiteral("NoSuchItem")), nullptr);
    EXPECT_EQ(m_menus->menu(QStringLiteral("Save1")), nullptr);
}

TEST_F(MainMenusTest, NoDocumentLeavesOnlyTheDocumentFreeCommands)
{
    m_menus->DisableMainMenu();
    m_menus->ViewMainMenu(QString());

    // Qt reports a hidden item as disabled, so the hidden kind menus drop out.
    QStringList enabledTop;
    for (QAction* a : m_bar->actions()) {
        if (a->isEnabled())
            enabledTop << a->menu()->objectName();
    }
    EXPECT_EQ(enabledTop, (QStringList{"fileMenu", "editMenu", "helpMenu"}));
    EXPECT_EQ(enabledItems(m_menus->fileMenu), (QStringList{"newMenu", "Load1", "Reopen1", "Exit1"}));
    EXPECT_EQ(enabledItems(m_menus->editMenu), (QStringList{"Options2"}));
    EXPECT_EQ(shownKindMenus(), QStringList());
    // What is left open still works: every new-document kind, and the history.
    EXPECT_EQ(enabledItems(m_menus->newMenu).size(), 10);
    EXPECT_EQ(enabledItems(m_menus->Reopen1), (QStringList{"ClearList1"}));

    m_menus->EnableMainMenu();
    EXPECT_EQ(enabledItems(m_menus->fileMenu).size(), 15);
    EXPECT_EQ(enabledItems(m_menus->editMenu).size(), 11);
    for (QMenu* m : {m_menus->viewMenu, m_menus->searchMenu, m_menus->windowMenu})
        EXPECT_TRUE(m->menuAction()->isEnabled()) << m->objectName().toStdString();
}

TEST_F(MainMenusTest, HiddenItemsTakeTheirEnabledStateWhenShownAgain)
{
    // Opening a Java document after a text document: the Java items were
    // hidden while the commands were disabled and enabled.
    m_menus->ViewJavaInMainMenu(false);
    m_menus->ViewMainMenu(".txt");
    m_menus->DisableMainMenu();
    m_menus->EnableMainMenu();
    m_menus->ViewJavaInMainMenu(true);
    m_menus->ViewMainMenu(".java");
    for (QAction* a : {m_menus->Comment1, m_menus->Unindent1, m_menus->Nextbookmark1,
                       m_menus->debuggingMenu->menuAction()})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();

    m_menus->ViewJavaInMainMenu(false);
    m_menus->DisableMainMenu();
    m_menus->ViewJavaInMainMenu(true);
    EXPECT_FALSE(m_menus->Comment1->isEnabled());
    EXPECT_TRUE(m_menus->Nextbookmark1->isEnabled()) << "not a document command";
}

TEST_F(MainMenusTest, DebugItemsThatAreNeverEnabledStayDisabled)
{
    m_menus->EnableMainMenu();
    EXPECT_EQ(enabledItems(m_menus->debuggingMenu),
              (QStringList{"Startdebug1", "Setbreakpoint1", "Deletebreakpoint1", "Variabletracker1"}));
    EXPECT_FALSE(item("empty4")->isEnabled());
    EXPECT_FALSE(item("reopenEmpty")->isEnabled());
}

TEST_F(MainMenusTest, ViewMainMenuFollowsTheDocumentKind)
{
    const QStringList java{"Insert1", "debuggingMenu", "javaToolsMenu"};
    const QStringList html{"htmlInsertMenu", "htmlProjectMenu", "modifyMenu", "htmlToolsMenu"};
    struct Case {
        const char* extension;
        QStringList shown;
    };
    const Case cases[] = {
        {".java", java}, {".htm", html}, {".html", html}, {".css", {}}, {".jav", {}},
        {".other", {}}, {"", {}}, {".java", java},
    };
    // One after another, as window activations switch them.
    for (const Case& c : cases)
    {
        m_menus->ViewMainMenu(QString::fromUtf8(c.extension));
        EXPECT_EQ(shownKindMenus(), c.shown) << '"' << c.extension << '"';
    }
    m_menus->ViewMainMenu(".java");
    m_menus->ViewMainMenu(".htm");
    EXPECT_EQ(shownKindMenus(), html);
}

TEST_F(MainMenusTest, ViewJavaInMainMenuHidesTheJavaItemsAndTheirSeparators)
{
    m_menus->ViewJavaInMainMenu(false);
    EXPECT_EQ(visibleCaptions(m_menus->editMenu),
              (QStringList{"Undo", "Redo", "-", "Paste", "Cut", "Copy", "Select All", "-", "Options.."}));
    EXPECT_EQ(visibleCaptions(m_menus->searchMenu),
              (QStringList{"Spell check..", "-", "Find..", "Find Next", "Replace..", "Replace again",
                           "-", "Goto line number.."}));

    m_menus->ViewJavaInMainMenu(true);
    EXPECT_EQ(visibleCaptions(m_menus->editMenu).size(), 15);
    EXPECT_EQ(visibleCaptions(m_menus->searchMenu).size(), 11);
}

TEST_F(MainMenusTest, SwitchesStartWithTheirCheckMarks)
{
    struct Case {
        const char* name;
        bool checkable;
        bool checked;
    };
    const Case cases[] = {
        {"Linenumbers1", true, false},       {"Specialcharacters1", true, false},
        {"CompletionProposal1", true, true}, {"Autocompletion1", true, true},
        {"Tools1", true, true},              {"Messagepane1", true, true},
        {"Statistics1", false, false},
    };
    for (const Case& c : cases) {
        QAction* a = item(c.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->isCheckable(), c.checkable) << c.name;
        EXPECT_EQ(a->isChecked(), c.checked) << c.name;
    }
    EXPECT_EQ(m_menus->Tools1, item("Tools1"));
    EXPECT_EQ(m_menus->Messagepane1, item("Messagepane1"));
}

TEST_F(MainMenusTest, TypedPointersMatchTheirNames)
{
    EXPECT_EQ(m_menus->Reopen1, m_menus->menu("Reopen1"));
    EXPECT_EQ(m_menus->Customlanguages1, m_menus->menu("Customlanguages1"));
    EXPECT_EQ(m_menus->Customlanguages1->actions().value(0), m_menus->empty4);
    EXPECT_EQ(m_menus->Reopen1->actions().value(1), m_menus->ClearList1);
    EXPECT_EQ(m_menus->Closeall2->text(), "Close all");
    EXPECT_EQ(item("CloseAll1")->parent(), m_menus->windowMenu);
    EXPECT_EQ(m_menus->exportMenu->menuAction(), item("exportMenu"));
}

} // namespace
