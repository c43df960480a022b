#include "editorhost.h"

#include "generators/widgets/javacodebox.h"
#include "generators/widgets/tunntak.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(TUnntakTest, PreviewFollowsTheInputsAndOkWritesAFreshText)
{
    EditorGeneratorHost host;
    host.setDocument(QStringLiteral("    "), 5, 1);
    const QString before = host.text();
    TUnntak dialog(host);
    EXPECT_EQ(dialog.ComboBox1->count(), 12);
    dialog.Edit1->setText(QStringLiteral("BadInput"));
    EXPECT_EQ(dialog.SynMemo1->lineCount(), 0); // no base yet
    dialog.ComboBox1->setCurrentText(QStringLiteral("Exception"));
    EXPECT_EQ(dialog.SynMemo1->line(0), QStringLiteral("public class BadInput extends Exception {"));
    EXPECT_EQ(dialog.SynMemo1->line(4), QStringLiteral("    }"));
    dialog.SynMemo1->setText(QStringLiteral("typed over"));

    dialog.Button1->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(host.text(), QStringLiteral("    public class BadInput extends Exception {\n"
                                          "      public BadInput(String error) {\n"
                                          "        super(error);\n"
                                          "      }\n"
                                          "    }"));
    EXPECT_EQ(host.edit->caretXY(), (BufferCoord{6, 5}));
    EXPECT_TRUE(host.undoOnceGivesBack(before));
}

TEST(TUnntakTest, AnEmptyBaseClearsThePreviewButOkStillWrites)
{
    EditorGeneratorHost host;
    TUnntak dialog(host);
    dialog.ComboBox1->setCurrentText(QStringLiteral("Error"));
    dialog.Edit1->setText(QStringLiteral("E"));
    EXPECT_EQ(dialog.SynMemo1->lineCount(), 5);
    dialog.ComboBox1->setEditText(QString());
    EXPECT_EQ(dialog.SynMemo1->lineCount(), 0);
    dialog.Button1->click();
    EXPECT_EQ(host.edit->line(0), QStringLiteral("public class E extends  {"));
}

TEST(TUnntakTest, CancelChangesNothing)
{
    EditorGeneratorHost host;
    host.setDocument(QStringLiteral("keep"), 1, 1);
    TUnntak dialog(host);
    dialog.Edit1->setText(QStringLiteral("E"));
    dialog.ComboBox1->setCurrentText(QStringLiteral("Error"));
    dialog.Button2->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(host.text(), QStringLiteral("keep"));
}

} // namespace
