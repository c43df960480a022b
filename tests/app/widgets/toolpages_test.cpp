#include "app/widgets/toolpages.h"

#include <QAccessible>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Page = ToolPages::Page;

class ToolPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pages = std::make_unique<ToolPages>();
        m_pages->resize(179, 600);
    }

    QToolButton* button(const char* name) const
    {
        QToolButton* b = m_pages->button(QString::fromUtf8(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }

    // The group boxes of a page, in layout order, with their buttons' hints.
    static QList<QPair<QString, QStringList>> groupsOf(QWidget* page)
    {
        QList<QPair<QString, QStringList>> groups;
        for (QGroupBox* box : page->findChildren<QGroupBox*>()) {
            QStringList hints;
            for (QToolButton* b : box->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
                if (!b->objectName().endsWith(QLatin1String("StandIn")))
                    hints << b->toolTip();
            }
            groups << qMakePair(box->title(), hints);
        }
        return groups;
    }

    QStringList visiblePages() const
    {
        QStringList pages;
        for (int i = 0; i < m_pages->count(); ++i) {
            if (m_pages->isTabVisible(i))
                pages << m_pages->tabText(i);
        }
        return pages;
    }

    std::unique_ptr<ToolPages> m_pages;
};

TEST_F(ToolPagesTest, PagesInOrderWithTheirComponentNames)
{
    EXPECT_EQ(m_pages->objectName(), "PageControl3");
    const std::pair<const char*, const char*> pages[] = {
        {"Files", "TabSheet5"}, {"Java", "JavaSheet"}, {"HTML", "HTMLSheet"}, {"General", "GeneralSheet"}};
    ASSERT_EQ(m_pages->count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(m_pages->tabText(i), pages[i].first);
        EXPECT_EQ(m_pages->widget(i)->objectName(), pages[i].second);
    }
    EXPECT_EQ(m_pages->currentWidget(), m_pages->TabSheet5);
    EXPECT_EQ(m_pages->filesLayout->count(), 0);
}

TEST_F(ToolPagesTest, EveryGroupHoldsItsButtonsInOrder)
{
    using Groups = QList<QPair<QString, QStringList>>;
    const Groups java{
        {"Tools:", {"Class wizard code generator", "Try..Catch code generator", "Exception code generator",
                    "Expression builder", "Compile and run..", "Compile.."}},
        {"Debugging:", {"Start debugging", "Next instruction", "Stop execution", "Set breakpoint",
                        "Clear breakpoint", "Variabel value tracker"}},
        {"Other:", {"New java document..", "Save document", "Open document..", "Insert code..", "Paste",
                    "Cut", "Copy", "Select all", "Comment", "Uncomment", "Indent", "Unindent", "Save as..",
                    "Print", "Print preview"}},
        {"Search:", {"Find..", "Find next", "Replace", "Replace again", "Next breakpoint",
                     "Previous breakpoint"}},
        {"Quick find:", {"Close quick find"}},
    };
    const Groups html{
        {"Form:", {"Checkbox", "Radio button", "Textfield", "Password field", "Hidden field", "File field",
                   "Image button", "Button", "Text Area", "Popup menu"}},
        {"Common:", {"Table", "Frameset", "Link", "Image", "Font", "Horisontal Ruler", "Comment",
                     "Ordered List", "Unordered List", "Object - Used for ActiveX, Applet etc.", "Rollover",
                     "View page in browser (Ctrl+G)"}},
        {"Javascripts:", {"Todays date", "Browser information", "Document last modified", "Clock",
                          "Random images", "Popup menu with link forwarder"}},
        {"Other:", {"New HTML document..", "Save document", "Open document..", "Paste Code..", "Find next",
                    "Find..", "Select all", "Copy", "Cut", "Paste", "Print", "Print preview", "Replace",
                    "Replace again", "Save as..",
                    "Strip html from current document (renames the file to .txt)"}},
    };
    const Groups general{
        {"File:", {"Save document", "Open document..", "Save as..", "Print", "Print preview",
                   "New document.."}},
        {"Search:", {"Find..", "Find next", "Replace", "Replace again"}},
        {"Edit:", {"Select all", "Cut", "Copy", "Paste", "Undo", "Redo"}},
    };
    EXPECT_EQ(groupsOf(m_pages->JavaSheet), java);
    EXPECT_EQ(groupsOf(m_pages->HTMLSheet), html);
    EXPECT_EQ(groupsOf(m_pages->GeneralSheet), general);
}

TEST_F(ToolPagesTest, NamedButtonsCarryTheirHints)
{
    const std::pair<const char*, const char*> named[] = {
        {"SpeedButton31", "Class wizard code generator"}, {"SpeedButton32", "Try..Catch code generator"},
        {"SpeedButton1", "Exception code generator"},     {"SpeedButton46", "Expression builder"},
        {"SpeedButton36", "Compile and run.."},           {"SpeedButton37", "Compile.."},
        {"SpeedButton41", "Start debugging"},             {"SpeedButton42", "Next instruction"},
        {"SpeedButton3", "Stop execution"},               {"SpeedButton45", "Set breakpoint"},
        {"SpeedButton2", "Clear breakpoint"},             {"SpeedButton44", "Variabel value tracker"},
        {"SpeedButton38", "New java document.."},         {"SpeedButton47", "Insert code.."},
        {"SpeedButton10", "Comment"},                     {"SpeedButton11", "Uncomment"},
        {"SpeedButton12", "Indent"},                      {"SpeedButton13", "Unindent"},
        {"SpeedButton15", "Replace again"},               {"SpeedButton100", "View page in browser (Ctrl+G)"},
        {"SpeedButton101", "Close quick find"},           {"SpeedButton60", "New document.."},
        {"SpeedButton79", "Undo"},                        {"SpeedButton93", "Redo"},
        {"Button5", "Strip html from current document (renames the file to .txt)"},
    };
    for (const auto& [name, hint] : named) {
        QToolButton* b = button(name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(hint)) << name;
        // A screen reader tells the icons apart by their hints, not by the
        // caption of the group they stand in.
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf8(hint)) << name;
    }
    EXPECT_EQ(m_pages->button(QStringLiteral("NoSuchButton")), nullptr);
}

TEST_F(ToolPagesTest, ButtonsAreSmallFlatAndUniquelyNamed)
{
    QSet<QString> names;
    const QList<QToolButton*> all = m_pages->findChildren<QToolButton*>();
    for (QToolButton* b : all) {
        if (b->parent() == m_pages->tabBar())
            continue; // the tab bar's scroll buttons
        EXPECT_FALSE(b->objectName().isEmpty()) << b->toolTip().toStdString();
        EXPECT_FALSE(names.contains(b->objectName())) << b->objectName().toStdString();
        names.insert(b->objectName());
        EXPECT_EQ(m_pages->button(b->objectName()), b);
        EXPECT_TRUE(b->autoRaise()) << b->objectName().toStdString();
        EXPECT_LE(b->width(), 22) << b->objectName().toStdString();
        EXPECT_FALSE(b->icon().isNull() && b->text().isEmpty()) << b->objectName().toStdString();
    }
    EXPECT_EQ(names.size(), m_pages->allButtons().size());
}

TEST_F(ToolPagesTest, EveryIconComesFromTheInstalledTheme)
{
    if (!QIcon::hasThemeIcon(QStringLiteral("document-save")))
        GTEST_SKIP() << "no icon theme with the freedesktop names is installed";
    for (QToolButton* b : m_pages->allButtons())
        EXPECT_FALSE(b->icon().isNull()) << b->objectName().toStdString();
}

TEST_F(ToolPagesTest, DebuggingStartsWithStepAndStopDisabled)
{
    EXPECT_TRUE(m_pages->SpeedButton41->isEnabled());
    EXPECT_FALSE(m_pages->SpeedButton42->isEnabled());
    EXPECT_FALSE(m_pages->SpeedButton3->isEnabled());
}

TEST_F(ToolPagesTest, QuickFindPanel)
{
    ASSERT_NE(m_pages->GroupBox12, nullptr);
    EXPECT_EQ(m_pages->GroupBox12->objectName(), "GroupBox12");
    EXPECT_TRUE(m_pages->JavaSheet->isAncestorOf(m_pages->GroupBox12));
    EXPECT_FALSE(m_pages->ClassNameCompoBox1->isEditable());
    EXPECT_TRUE(m_pages->ClassNameCompoBox1->isEnabled());
    EXPECT_FALSE(m_pages->ClassDatamemberComboBox2->isEnabled());
    EXPECT_TRUE(m_pages->GroupBox12->isAncestorOf(m_pages->SpeedButton101));
    QStringList labels;
    for (QLabel* l : m_pages->GroupBox12->findChildren<QLabel*>())
        labels << l->text();
    EXPECT_EQ(labels, (QStringList{"Class name:", "Class datamember:"}));
}

TEST_F(ToolPagesTest, GeneralButtonsFollowAnOpenDocument)
{
    const char* documentButtons[] = {
        "generalSaveDocument", "generalSaveAs", "generalPrint",  "generalPrintPreview",
        "generalCut",          "generalCopy",   "generalSelectAll", "generalPaste",
        "generalFind",         "generalFindNext", "generalReplace", "generalReplaceAgain",
    };
    auto* grid = qobject_cast<QGridLayout*>(button("SpeedButton79")->parentWidget()->layout());
    ASSERT_NE(grid, nullptr);
    auto cell = [grid](QWidget* w) {
        int row = -1, column = -1, rs = 0, cs = 0;
        grid->getItemPosition(grid->indexOf(w), &row, &column, &rs, &cs);
        return std::pair{row, column};
    };
    EXPECT_EQ(cell(button("undoStandIn")), cell(button("SpeedButton79")));
    EXPECT_EQ(cell(button("redoStandIn")), cell(button("SpeedButton93")));

    for (bool open : {true, false, true}) {
        m_pages->EnableGeneralButtons(open);
        for (const char* name : documentButtons)
            EXPECT_EQ(button(name)->isEnabled(), open) << name;
        EXPECT_TRUE(button("generalOpenDocument")->isEnabled());
        EXPECT_TRUE(button("SpeedButton60")->isEnabled());
        EXPECT_EQ(button("SpeedButton79")->isHidden(), !open);
        EXPECT_EQ(button("SpeedButton93")->isHidden(), !open);
        EXPECT_EQ(button("undoStandIn")->isHidden(), open);
        EXPECT_EQ(button("redoStandIn")->isHidden(), open);
        EXPECT_FALSE(button("undoStandIn")->isEnabled());
        EXPECT_FALSE(button("redoStandIn")->isEnabled());
    }
}

TEST_F(ToolPagesTest, StartsWithoutADocument)
{
    EXPECT_FALSE(button("generalSaveDocument")->isEnabled());
    EXPECT_TRUE(button("SpeedButton79")->isHidden());
    EXPECT_FALSE(button("undoStandIn")->isHidden());
}

TEST_F(ToolPagesTest, ShowOnlyPageKeepsFilesAndOneKindPage)
{
    struct Case {
        Page page;
        QStringList visible;
    };
    const Case cases[] = {
        {Page::Html, {"Files", "HTML"}},
        {Page::Java, {"Files", "Java"}},
        {Page::General, {"Files", "General"}},
        {Page::Html, {"Files", "HTML"}},
    };
    for (const Case& c : cases) {
        m_pages->showOnlyPage(c.page);
        EXPECT_EQ(visiblePages(), c.visible);
        EXPECT_TRUE(m_pages->isPageVisible(c.page));
    }
    m_pages->setPageVisible(Page::Html, false);
    EXPECT_EQ(visiblePages(), QStringList{"Files"});
}

TEST_F(ToolPagesTest, OnlyTheUserChangingThePageIsSignalled)
{
    m_pages->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pages.get()));
    QSignalSpy spy(m_pages.get(), &ToolPages::userChangedPage);

    m_pages->selectPage(Page::Java);
    m_pages->showOnlyPage(Page::Html); // hides the current page
    m_pages->selectPage(Page::Files);
    EXPECT_EQ(spy.count(), 0);

    QTabBar* bar = m_pages->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(m_pages->indexOf(m_pages->HTMLSheet)).center());
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), m_pages->indexOf(m_pages->HTMLSheet));
    EXPECT_EQ(m_pages->currentWidget(), m_pages->HTMLSheet);
}

TEST_F(ToolPagesTest, ClockDropsDownBothClocks)
{
    QToolButton* clock = button("htmlClock");
    ASSERT_EQ(clock->menu(), m_pages->clockMenu);
    QStringList items;
    for (QAction* a : m_pages->clockMenu->actions())
        items << a->objectName() + '=' + a->text();
    EXPECT_EQ(items, (QStringList{"statuslineClock=Statusline clock", "textfieldClock=Textfield clock"}));
}

} // namespace
