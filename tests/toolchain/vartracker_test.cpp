#include "toolchain/vartracker.h"

#include <gtest/gtest.h>

namespace {

TEST(VarTracker, FieldsAreTheMembersWithoutParentheses)
{
    EXPECT_EQ(VarTracker::fields({"private int count", "String name", "public void run()", "  ", "void f(int a,"}),
              QStringList({"private int count", "String name"}));
    EXPECT_EQ(VarTracker::fields({"public static void main(String[] args)"}), QStringList());
}

TEST(VarTracker, AnEntryIsTheClassAndTheMembersLastWord)
{
    EXPECT_EQ(VarTracker::trackedEntry("Counter", "private static int count").value_or(""), "Counter.count");
    EXPECT_EQ(VarTracker::trackedEntry("Counter", "  String name  ").value_or(""), "Counter.name");
    EXPECT_EQ(VarTracker::trackedEntry("Counter", "count").value_or(""), "Counter.count");
    EXPECT_FALSE(VarTracker::trackedEntry("Counter", VarTracker::NoneFound));
    EXPECT_FALSE(VarTracker::trackedEntry("Counter", " "));
}

TEST(VarTracker, EachConfirmationReversesTheList)
{
    const QStringList abc{"A", "B", "C"};
    EXPECT_EQ(VarTracker::confirmed(abc), QStringList({"C", "B", "A"}));
    EXPECT_EQ(VarTracker::confirmed(VarTracker::confirmed(abc)), abc);
}

} // namespace
