// The generator commands as the frame window runs them: from the Insert
// menu, the "Insert code.." popup, the editor's popup and the Tools menu.
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "common/framewindowtest.h"
#include "editor/widgets/tsynedit.h"
#include "generators/widgets/texpbuilder.h"
#include "generators/widgets/tjavaklassewizfrm.h"
#include "workspace/widgets/teditform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

class GeneratorCommandsTest : public FrameWindowTest {
protected:
    void SetUp() override
    {
        FrameWindowTest::SetUp();
        startFrame();
    }
    // A Java document holding text, the caret at column, line.
    TSynEdit* javaDocument(const QString& text, int column, int line)
    {
        TEditForm* e = m_form->MakeUnit(QStringLiteral(".java"));
        e->SynEdit1->setText(text);
        e->SynEdit1->setCaretXY(column, line);
        return e->SynEdit1;
    }
    // Runs `fill` on the modal dialog of type D once it shows.
    template <typename D> void whenShown(std::function<void(D&)> fill)
    {
        QTimer::singleShot(50, qApp, [fill] {
            if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget()))
                fill(*d);
            else if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                other->reject();
        });
    }

};

TEST_F(GeneratorCommandsTest, SnippetsRunFromEveryMenuThatOffersThem)
{
    TSynEdit* edit = javaDocument(QStringLiteral("    "), 5, 1);
    m_form->menus->action(QStringLiteral("Mainfunction1"))->trigger();
    EXPECT_EQ(edit->line(0), QStringLiteral("    public static void main(String args[]) {"));
    EXPECT_EQ(edit->line(2), QStringLiteral("    }"));
    EXPECT_EQ(edit->caretXY(), (BufferCoord{9, 2}));

    // The editor's popup forwards to the same command.
    edit->setText(QString());
    m_form->runMainCommand(QStringLiteral("javaInsertFont"));
    EXPECT_EQ(edit->line(0), QStringLiteral("private Font ;"));

    // The "Insert code.." popup holds the same items in the same order.
    const QList<QAction*> items = m_form->JavaElementer->actions();
    ASSERT_EQ(items.size(), 15);
    EXPECT_EQ(items[2]->text(), QStringLiteral("public function"));
    edit->setText(QString());
    items[4]->trigger();
    EXPECT_EQ(edit->line(1), QStringLiteral("   case :"));
}

TEST_F(GeneratorCommandsTest, ClassWizardFromTheToolsMenuWritesTheClass)
{
    TSynEdit* edit = javaDocument(QString(), 1, 1);
    whenShown<TJavaKlasseWizFrm>([](TJavaKlasseWizFrm& d) {
        d.Edit1->setText(QStringLiteral("Point"));
        d.Edit3->setText(QStringLiteral("x"));
        d.ComboBox1->setEditText(QStringLiteral("int"));
        d.Button1->click();
        d.Button2->click();
    });
    m_form->menus->action(QStringLiteral("Classwizard1"))->trigger();
    EXPECT_EQ(edit->line(0), QStringLiteral("class Point {"));
    EXPECT_EQ(edit->line(3), QStringLiteral("  public Point(int startX) {"));
    edit->flushPendingChange();
    EXPECT_TRUE(m_form->GetActiveEditor()->Modified);
}

TEST_F(GeneratorCommandsTest, ExpressionBuilderListsTheDocumentsClassesAndMembers)
{
    javaDocument(QStringLiteral("public class Demo {\n"
                                "    private int count;\n"
                                "    public void paint(Graphics g) {\n"
                                "    }\n"
                                "    public static void main(String args[]) {\n"
                                "    }\n"
                                "}\n"
                                "class Runner {\n"
                                "    public static void main(String[] a) { }\n"
                                "}"),
                 1, 1);
    QStringList classes, demoMembers, runnerMembers;
    whenShown<TExpBuilder>([&](TExpBuilder& d) {
        auto rows = [](const QTreeWidget* list) {
            QStringList r;
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                r << list->topLevelItem(i)->text(0);
            return r;
        };
        classes = rows(d.ListView1);
        d.ListView1->setCurrentItem(d.ListView1->topLevelItem(0));
        demoMembers = rows(d.ListView2);
        d.ListView1->setCurrentItem(d.ListView1->topLevelItem(1));
        runnerMembers = rows(d.ListView2);
        d.reject();
    });
    m_form->menus->action(QStringLiteral("Expressionbuilder1"))->trigger();
    EXPECT_EQ(classes, (QStringList{QStringLiteral("Demo"), QStringLiteral("Runner")}));
    EXPECT_EQ(demoMembers,
              (QStringList{QStringLiteral("private int count"), QStringLiteral("public void paint(Graphics g)")}));
    EXPECT_EQ(runnerMembers, QStringList{QStringLiteral("None found!")});
}

TEST_F(GeneratorCommandsTest, CtrlWBelongsToTheClassWizardAlone)
{
    // An editor window's own Close would make the key ambiguous, and Qt
    // then runs neither command.
    m_form->MakeUnit(QStringLiteral(".java"));
    QStringList owners;
    for (const QAction* a : m_form->findChildren<QAction*>())
        if (a->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+W"))))
            owners << a->objectName();
    EXPECT_EQ(owners, QStringList{QStringLiteral("Classwizard1")});
}

TEST_F(GeneratorCommandsTest, WithoutAnEditorTheCommandsDoNothing)
{
    bool shown = false;
    whenShown<TExpBuilder>([&shown](TExpBuilder& d) {
        shown = true;
        d.reject();
    });
    m_form->SpeedButton46Click();
    m_form->Systemoutprintln1Click();
    QApplication::processEvents();
    EXPECT_FALSE(shown);
    EXPECT_EQ(m_form->GetActiveEditor(), nullptr);
}

} // namespace
