#include "editorhost.h"

#include "generators/widgets/javacodebox.h"
#include "generators/widgets/texeptionfrm.h"

#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

void addException(TExeptionFrm& dialog, const QString& name)
{
    dialog.ComboBox1->setEditText(name);
    dialog.Button3->click();
}

TEST(TExeptionFrmTest, WrapsTheSelectionInTryAndNumberedCatches)
{
    EditorGeneratorHost host;
    host.setDocument(QStringLiteral("  void f() {\n    x = a / b;\n  }"), 5, 2);
    host.edit->setSelection({5, 2}, {15, 2});
    const QString before = host.text();
    TExeptionFrm dialog(host);
    EXPECT_EQ(dialog.SynMemo1->text(), QStringLiteral("x = a / b;\r\n"));
    addException(dialog, QStringLiteral("ArithmeticException"));
    addException(dialog, QStringLiteral("Exception"));
    EXPECT_TRUE(dialog.ComboBox1->currentText().isEmpty());

    dialog.Button1->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(host.text(), QStringLiteral("  void f() {\n"
                                          "    try {\n"
                                          "      x = a / b;\n"
                                          "    }\n"
                                          "    catch (ArithmeticException ex1) {\n"
                                          "    }\n"
                                          "    catch (Exception ex2) {\n"
                                          "    }\n"
                                          "  }"));
    EXPECT_EQ(host.edit->caretXY(), (BufferCoord{6, 8}));
    EXPECT_TRUE(host.undoOnceGivesBack(before));
}

TEST(TExeptionFrmTest, NoExceptionsLeavesTheTryBlockAndABreak)
{
    EditorGeneratorHost host;
    host.setDocument(QStringLiteral("go();"), 1, 1);
    host.edit->setSelection({1, 1}, {6, 1});
    TExeptionFrm dialog(host);
    dialog.Button1->click();
    EXPECT_EQ(host.text(), QStringLiteral("try {\n  go();\n}\n"));
}

TEST(TExeptionFrmTest, ColumnSelectionIsReadByColumns)
{
    EditorGeneratorHost host;
    host.setDocument(QStringLiteral("ab1cd\nef2gh"), 1, 1);
    host.edit->setSelectionMode(SelectionMode::Column);
    host.edit->setSelection({3, 1}, {4, 2});
    TExeptionFrm dialog(host);
    EXPECT_EQ(dialog.SynMemo1->text(), QStringLiteral("1\r\n2\r\n"));
}

TEST(TExeptionFrmTest, ColumnNarrowsFromFiveEntriesAndDeleteTakesTheSelectedOne)
{
    EditorGeneratorHost host;
    TExeptionFrm dialog(host);
    EXPECT_EQ(dialog.ComboBox1->findText(QStringLiteral("RuntimeException")), 19);
    for (const char* e : {"A", "B", "C", "D"})
        addException(dialog, QLatin1String(e));
    EXPECT_EQ(dialog.ListView1->columnWidth(0), 365);
    addException(dialog, QString()); // an empty entry is accepted
    EXPECT_EQ(dialog.ListView1->columnWidth(0), 348);
    dialog.ListView1->setCurrentItem(dialog.ListView1->topLevelItem(0));
    dialog.Button4->click();
    EXPECT_EQ(dialog.exceptions(),
              (QStringList{QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"), QString()}));
    EXPECT_EQ(dialog.ListView1->columnWidth(0), 365);
}

TEST(TExeptionFrmTest, CancelChangesNothing)
{
    EditorGeneratorHost host;
    host.setDocument(QStringLiteral("keep();"), 1, 1);
    host.edit->setSelection({1, 1}, {8, 1});
    TExeptionFrm dialog(host);
    addException(dialog, QStringLiteral("Exception"));
    dialog.Button2->click();
    EXPECT_EQ(host.text(), QStringLiteral("keep();"));
}

TEST(TExeptionFrmTest, AMegabyteSelectionGoesInWhole)
{
    EditorGeneratorHost host;
    const QString line = QStringLiteral("    total += values[i] * weights[i]; // %1");
    QStringList lines;
    while (lines.size() * line.size() < 1024 * 1024)
        lines << line.arg(lines.size());
    host.setDocument(lines.join(u'\n'), 1, 1);
    host.edit->selectAll();
    TExeptionFrm dialog(host);
    addException(dialog, QStringLiteral("Exception"));
    dialog.Button1->click();
    EXPECT_EQ(host.edit->lineCount(), lines.size() + 4);
    EXPECT_EQ(host.edit->line(1), QStringLiteral("      ") + lines.front()); // Ind of the caret line, then two
    EXPECT_EQ(host.edit->line(int(lines.size())), lines.back());
}

} // namespace
