#include "toolchain/vartracker.h"
#include "toolchain/widgets/tvartrackerfrm.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QStringList texts(const QTreeWidget* list)
{
    QStringList result;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        result << list->topLevelItem(i)->text(0);
    return result;
}

// The tracker for Counter, whose members the scanner would give as these.
class TrackerTest : public ::testing::Test {
protected:
    void open(const QStringList& members, const QStringList& tracked)
    {
        m_dialog = std::make_unique<TVarTrackerFrm>([members, this](const QString& c) {
            m_askedFor = c;
            return members;
        });
        m_dialog->MainClassName = "Counter";
        m_dialog->FormShow(tracked);
        m_dialog->show();
    }
    void selectClass() { m_dialog->ListView1->setCurrentItem(m_dialog->ListView1->topLevelItem(0)); }
    void add(int member)
    {
        m_dialog->ListView2->setCurrentItem(m_dialog->ListView2->topLevelItem(member));
        m_dialog->Button2->click();
    }
    std::unique_ptr<TVarTrackerFrm> m_dialog;
    QString m_askedFor;
};

TEST_F(TrackerTest, FieldsAreAddedAndDeletedAndOkReversesTheList)
{
    open({"private int count", "String name", "public void run()"}, {"Counter.total"});
    EXPECT_EQ(m_dialog->windowTitle(), "Variable value tracker");
    EXPECT_EQ(m_dialog->width(), 439);
    EXPECT_EQ(texts(m_dialog->ListView1), QStringList({"Counter"}));
    selectClass();
    EXPECT_EQ(m_askedFor, "Counter");
    EXPECT_EQ(texts(m_dialog->ListView2), QStringList({"private int count", "String name"}));
    add(0);
    add(1);
    add(1); // duplicates are not refused
    EXPECT_EQ(texts(m_dialog->ListView3),
              QStringList({"Counter.total", "Counter.count", "Counter.name", "Counter.name"}));
    m_dialog->ListView3->setCurrentItem(m_dialog->ListView3->topLevelItem(0));
    m_dialog->Button3->click();
    m_dialog->Button1->click();
    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);
    EXPECT_EQ(m_dialog->trackedVariables(), QStringList({"Counter.name", "Counter.name", "Counter.count"}));
}

TEST_F(TrackerTest, MethodsOnlyShowNoneFoundWhichAddsNothing)
{
    open({"public void run()", "public static void main(String[] args)"}, {});
    selectClass();
    EXPECT_EQ(texts(m_dialog->ListView2), QStringList({VarTracker::NoneFound}));
    add(0);
    EXPECT_EQ(m_dialog->ListView3->topLevelItemCount(), 0);
}

TEST_F(TrackerTest, CancelKeepsTheListAndOkWithoutChangesReversesIt)
{
    open({}, {"A", "B", "C"});
    m_dialog->Button4->click();
    EXPECT_EQ(m_dialog->result(), QDialog::Rejected);
    open({}, {"A", "B", "C"});
    m_dialog->Button1->click();
    EXPECT_EQ(m_dialog->trackedVariables(), QStringList({"C", "B", "A"}));
}

TEST_F(TrackerTest, ListsAreFoundByTheirLabels)
{
    open({}, {});
    QStringList buddies;
    for (const QLabel* label : m_dialog->findChildren<QLabel*>())
        if (label->buddy())
            buddies << label->text().remove('&') + "=" + label->buddy()->objectName();
    buddies.sort();
    EXPECT_EQ(buddies,
              QStringList({"Datamembers:=ListView2", "Mainclass:=ListView1", "Variables being tracked:=ListView3"}));
    EXPECT_EQ(m_dialog->ListView3->headerItem()->text(0), "Variable names:");
}

} // namespace
