#include "editorhost.h"

#include "generators/widgets/tjavaklassewizfrm.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

void addMember(TJavaKlasseWizFrm& dialog, const QString& name, const QString& type)
{
    dialog.Edit3->setText(name);
    dialog.ComboBox1->setEditText(type);
    dialog.Button1->click();
}

QString golden(const char* name)
{
    QFile f(QStringLiteral(VORNIC_TEST_DATA "/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

TEST(TJavaKlasseWizFrmTest, OkWritesTheClassAtTheCaretAsOneStep)
{
    EditorGeneratorHost host;
    host.setDocument(QStringLiteral("// points\nold"), 1, 2);
    host.edit->setSelection({1, 2}, {4, 2});
    const QString before = host.text();
    TJavaKlasseWizFrm dialog(host);
    dialog.Edit1->setText(QStringLiteral("Point"));
    addMember(dialog, QStringLiteral("x"), QStringLiteral("int"));
    addMember(dialog, QStringLiteral("y"), QStringLiteral("int"));
    EXPECT_TRUE(dialog.Edit3->text().isEmpty());
    EXPECT_TRUE(dialog.ComboBox1->currentText().isEmpty());
    dialog.Datamedlemmer->topLevelItem(1)->setCheckState(0, Qt::Checked);

    dialog.Button2->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(host.text(), QStringLiteral("// points\n") + golden("Point.java"));
    EXPECT_EQ(host.edit->caretXY(), (BufferCoord{2, host.edit->lineCount()}));
    EXPECT_TRUE(host.undoOnceGivesBack(before));
}

TEST(TJavaKlasseWizFrmTest, CancelChangesNothing)
{
    EditorGeneratorHost host;
    host.setDocument(QStringLiteral("keep"), 3, 1);
    TJavaKlasseWizFrm dialog(host);
    dialog.Edit1->setText(QStringLiteral("A"));
    dialog.Button3->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(host.text(), QStringLiteral("keep"));
}

TEST(TJavaKlasseWizFrmTest, TypeColumnMakesRoomForTheScrollBarFromFiveMembers)
{
    EditorGeneratorHost host;
    TJavaKlasseWizFrm dialog(host);
    EXPECT_EQ(dialog.Datamedlemmer->columnWidth(0), 229);
    for (int i = 0; i < 4; ++i)
        addMember(dialog, QStringLiteral("m%1").arg(i), QStringLiteral("int"));
    EXPECT_EQ(dialog.Datamedlemmer->columnWidth(1), 123);
    addMember(dialog, QStringLiteral("m4"), QStringLiteral("int"));
    EXPECT_EQ(dialog.Datamedlemmer->columnWidth(1), 107);

    // Delete takes the selected member only.
    dialog.Button5->click();
    EXPECT_EQ(dialog.Datamedlemmer->topLevelItemCount(), 5);
    dialog.Datamedlemmer->setCurrentItem(dialog.Datamedlemmer->topLevelItem(2));
    dialog.Button5->click();
    ASSERT_EQ(dialog.Datamedlemmer->topLevelItemCount(), 4);
    EXPECT_EQ(dialog.Datamedlemmer->topLevelItem(2)->text(0), QStringLiteral("m3"));
    EXPECT_EQ(dialog.Datamedlemmer->columnWidth(1), 123);
}

TEST(TJavaKlasseWizFrmTest, AHundredMembersAndOddNamesGoInWhole)
{
    EditorGeneratorHost host;
    TJavaKlasseWizFrm dialog(host);
    dialog.Edit1->setText(QStringLiteral("Ærlig \"klasse\""));
    for (int i = 0; i < 100; ++i)
        addMember(dialog, QStringLiteral("m%1").arg(i), QStringLiteral("double"));
    dialog.Button2->click();
    const QString text = host.text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("class Ærlig \"klasse\" {\n  private double m0;")));
    EXPECT_TRUE(text.contains(QStringLiteral("  public double findM99() {\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("+\" m99: \"+m99;\n  }\n}")));
}

TEST(TJavaKlasseWizFrmTest, OkWithoutAnEditorClosesAndWritesNothing)
{
    EditorGeneratorHost host(false);
    TJavaKlasseWizFrm dialog(host);
    dialog.Edit1->setText(QStringLiteral("A"));
    dialog.Button2->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(TJavaKlasseWizFrmTest, ControlsAreFoundByTheirCaptions)
{
    EditorGeneratorHost host;
    TJavaKlasseWizFrm dialog(host);
    QStringList buddied;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy())
            buddied << label->buddy()->objectName();
    buddied.sort();
    EXPECT_EQ(buddied, (QStringList{QStringLiteral("ComboBox1"), QStringLiteral("Datamedlemmer"),
                                    QStringLiteral("Edit1"), QStringLiteral("Edit3")}));
    EXPECT_TRUE(dialog.Button2->isDefault());
    EXPECT_GE(dialog.width(), 441);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
}

} // namespace
