#include "editorhost.h"

#include "editor/widgets/editview.h"
#include "generators/widgets/javacodebox.h"
#include "generators/widgets/texpbuilder.h"

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QPushButton* button(TExpBuilder& dialog, const QString& caption)
{
    for (QPushButton* b : dialog.insertionButtons)
        if (b->accessibleName() == caption)
            return b;
    ADD_FAILURE() << "no button " << caption.toStdString();
    return nullptr;
}

QStringList rows(const QTreeWidget* list)
{
    QStringList result;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        result << list->topLevelItem(i)->text(0);
    return result;
}

void pick(QTreeWidget* list, int row)
{
    QTreeWidgetItem* item = list->topLevelItem(row);
    list->setCurrentItem(item);
    const QRect r = list->visualItemRect(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

TEST(TExpBuilderTest, ForThenTypedVariableGoesInAtTheCaret)
{
    EditorGeneratorHost host;
    host.setDocument(QStringLiteral("    "), 5, 1);
    const QString before = host.text();
    TExpBuilder dialog(host);
    dialog.show();
    button(dialog, QStringLiteral("for"))->click();
    QTest::keyClicks(dialog.SynMemo1->view(), QStringLiteral("i"));
    EXPECT_EQ(dialog.SynMemo1->line(0), QStringLiteral("for (int i = 0; < ; ++) {}"));
    EXPECT_EQ(dialog.SynMemo1->caretX(), 11);

    dialog.Button1->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(host.text(), QStringLiteral("    for (int i = 0; < ; ++) {}"));
    EXPECT_EQ(host.edit->caretXY(), (BufferCoord{31, 1}));
    EXPECT_TRUE(host.undoOnceGivesBack(before));
}

TEST(TExpBuilderTest, SecondLineGoesInUnderTheCaretLinesIndentation)
{
    EditorGeneratorHost host;
    host.setDocument(QStringLiteral("    \nrest"), 5, 1);
    TExpBuilder dialog(host);
    dialog.SynMemo1->setText(QStringLiteral("if (a)\n  b();"));
    dialog.Button1->click();
    EXPECT_EQ(host.text(), QStringLiteral("    if (a)\n      b();\nrest"));
    EXPECT_TRUE(host.undoOnceGivesBack(QStringLiteral("    \nrest")));
}

TEST(TExpBuilderTest, ButtonsReplaceTheSelectionAndMoveTheCaret)
{
    EditorGeneratorHost host;
    TExpBuilder dialog(host);
    dialog.SynMemo1->setText(QStringLiteral("a = b"));
    dialog.SynMemo1->setSelection({3, 1}, {4, 1});
    button(dialog, QStringLiteral("=="))->click();
    EXPECT_EQ(dialog.SynMemo1->line(0), QStringLiteral("a ==  b"));
    button(dialog, QStringLiteral("\""))->click();
    EXPECT_EQ(dialog.SynMemo1->line(0), QStringLiteral("a == \"\" b"));
    EXPECT_EQ(dialog.SynMemo1->caretX(), 7);
    dialog.Button3->click(); // Undo in the box
    EXPECT_EQ(dialog.SynMemo1->line(0), QStringLiteral("a ==  b"));
    dialog.Button4->click(); // Redo
    EXPECT_EQ(dialog.SynMemo1->line(0), QStringLiteral("a == \"\" b"));
    EXPECT_EQ(button(dialog, QStringLiteral("&&"))->text(), QStringLiteral("&&&&"));
    EXPECT_EQ(button(dialog, QStringLiteral("println"))->toolTip(), QStringLiteral("System.out.println"));
}

TEST(TExpBuilderTest, ClassesOnceShownAndMembersPickedIntoTheBox)
{
    EditorGeneratorHost host;
    host.classes[QStringLiteral("Applet1")] = {QStringLiteral("int count"), QStringLiteral("public void init()"),
                                               QStringLiteral("public void paint(Graphics g)"),
                                               QStringLiteral("public static void main(String args[])")};
    host.classes[QStringLiteral("Main")] = {QStringLiteral("public static void main(String[] args)")};
    TExpBuilder dialog(host);
    dialog.show();
    ASSERT_EQ(rows(dialog.ListView1), (QStringList{QStringLiteral("Applet1"), QStringLiteral("Main")}));

    pick(dialog.ListView1, 1);
    EXPECT_EQ(rows(dialog.ListView2), QStringList{QStringLiteral("None found!")});
    pick(dialog.ListView2, 0);
    EXPECT_EQ(dialog.SynMemo1->lineCount(), 0);

    pick(dialog.ListView1, 0);
    EXPECT_EQ(rows(dialog.ListView2), (QStringList{QStringLiteral("int count"), QStringLiteral("public void init()"),
                                                   QStringLiteral("public void paint(Graphics g)")}));
    // At least the narrow list's width; wider for long declarations.
    EXPECT_GE(dialog.ListView2->columnWidth(0), 261);
    EXPECT_LE(dialog.ListView2->columnWidth(0), 500);
    // Repainting keeps the chosen class.
    dialog.repaint();
    dialog.hide();
    dialog.show();
    EXPECT_EQ(dialog.ListView1->currentItem()->text(0), QStringLiteral("Applet1"));
    pick(dialog.ListView2, 2);
    pick(dialog.ListView2, 1);
    QTest::keyClick(dialog.ListView2, Qt::Key_Up);
    QTest::keyClick(dialog.ListView2, Qt::Key_Return);
    EXPECT_EQ(dialog.SynMemo1->line(0), QStringLiteral("paint( init() count "));
    EXPECT_EQ(dialog.result(), 0); // Enter on a member is no OK
}

TEST(TExpBuilderTest, FiveThousandMembersFillTheList)
{
    EditorGeneratorHost host;
    QStringList members;
    for (int i = 0; i < 5000; ++i)
        members << QStringLiteral("public int member%1(int a, String b)").arg(i);
    host.classes[QStringLiteral("Big")] = members;
    TExpBuilder dialog(host);
    dialog.show();
    pick(dialog.ListView1, 0);
    EXPECT_EQ(dialog.ListView2->topLevelItemCount(), 5000);
    EXPECT_GE(dialog.ListView2->columnWidth(0), 244);
}

TEST(TExpBuilderTest, CancelAndAnEmptyBoxChangeNothing)
{
    EditorGeneratorHost host;
    host.setDocument(QStringLiteral("keep"), 5, 1);
    {
        TExpBuilder dialog(host);
        dialog.SynMemo1->setText(QStringLiteral("x = 1;"));
        dialog.Button2->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    TExpBuilder dialog(host);
    dialog.Button1->click();
    EXPECT_EQ(host.text(), QStringLiteral("keep"));
}

} // namespace
