#include "generators/classwizard.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

using ClassWizard::Member;

// The generated text against a golden file (LF line ends there, the
// generator's CR here); a mismatch leaves <name>.actual beside it.
void expectGolden(const QString& text, const char* name)
{
    const QString path = QStringLiteral(VORNIC_TEST_DATA "/") + QLatin1String(name);
    QFile golden(path);
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << path.toStdString();
    const QString expected = QString::fromUtf8(golden.readAll());
    QString actual = text;
    actual.replace(u'\r', u'\n');
    if (actual != expected) {
        QFile out(path + QStringLiteral(".actual"));
        if (out.open(QIODevice::WriteOnly))
            out.write(actual.toUtf8());
    }
    EXPECT_EQ(actual, expected);
}

TEST(ClassWizardTest, PointWithOneSetterMatchesTheExample)
{
    expectGolden(ClassWizard::classText(QStringLiteral("Point"), {{"x", "int", false}, {"y", " int ", true}}),
                 "Point.java");
}

TEST(ClassWizardTest, NoMembers)
{
    EXPECT_EQ(ClassWizard::classText(QStringLiteral("Empty"), {}),
              QStringLiteral("class Empty {\r"
                             "\r  public Empty() {\r  }\r"
                             "\r  public String toString() {\r    return \"Empty - \";\r  }\r}"));
}

TEST(ClassWizardTest, OneMemberGetsGetterAndNoSetter)
{
    const QString text = ClassWizard::classText(QStringLiteral("Counter"), {{"count", "int", false}});
    EXPECT_TRUE(text.contains(QStringLiteral("\r  public Counter(int startCount) {\r   count = startCount;\r  }\r")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r  public int findCount() {\r    return count;\r  }\r")));
    EXPECT_FALSE(text.contains(QStringLiteral("setCount")));
    EXPECT_TRUE(text.contains(QStringLiteral("return \"Counter - \"+\" count: \"+count;")));
}

TEST(ClassWizardTest, CheckedMemberGetsSetter)
{
    const QString text = ClassWizard::classText(QStringLiteral("Counter"), {{"count", "int", true}});
    EXPECT_TRUE(
        text.contains(QStringLiteral("\r  public void setCount(int newCount) {\r    count = newCount;\r  }\r")));
}

TEST(ClassWizardTest, EveryFourthConstructorParameterStartsALine)
{
    std::vector<Member> members;
    for (const char* name : {"a", "b", "c", "d", "e", "f", "g"})
        members.push_back({QLatin1String(name), QStringLiteral("int"), false});
    EXPECT_TRUE(ClassWizard::classText(QStringLiteral("S"), members)
                    .contains(QStringLiteral("  public S(int startA,int startB,int startC,\r    int startD,int startE,"
                                             "int startF,\r    int startG) {\r")));
}

TEST(ClassWizardTest, NamesGoInAsTyped)
{
    // Empty, blank, quoted and non-ASCII names are not checked.
    const QString text = ClassWizard::classText(
        QString(), {{QString(), QStringLiteral("int"), true}, {QStringLiteral("\"ærlig x"), {}, false}});
    EXPECT_TRUE(text.startsWith(QStringLiteral("class  {\r")));
    EXPECT_TRUE(text.contains(QStringLiteral("  public void set(int new) {\r")));
    EXPECT_TRUE(text.contains(QStringLiteral("  private  \"ærlig x;\r")));
    EXPECT_TRUE(text.contains(QStringLiteral("find\"ærlig x()")));
    EXPECT_TRUE(text.endsWith(u'}'));
}

TEST(ClassWizardTest, TypeColumnNarrowsFromFiveMembers)
{
    EXPECT_EQ(ClassWizard::typeColumnWidth(0), 123);
    EXPECT_EQ(ClassWizard::typeColumnWidth(4), 123);
    EXPECT_EQ(ClassWizard::typeColumnWidth(5), 107);
}

TEST(ClassWizardTest, SixteenTypesInOrder)
{
    const QStringList types = ClassWizard::dataTypes();
    ASSERT_EQ(types.size(), 16);
    EXPECT_EQ(types.front(), QStringLiteral("String"));
    EXPECT_EQ(types[7], QStringLiteral("boolean"));
    EXPECT_EQ(types.back(), QStringLiteral("Object"));
}

} // namespace
