#include "settings/completionlists.h"

#include "common/programfolderfixture.h"

#include <QFile>
#include <QFileInfo>

#include <functional>

#include <sys/stat.h>

namespace {

using namespace CompletionLists;

class CompletionListsTest : public ProgramFolderTest {};

TEST_F(CompletionListsTest, AddingAndDeletingClassesAndMembers)
{
    // A missing list is empty; any line end reads.
    EXPECT_EQ(readClasses().value(), QStringList());
    write("completion/toc.cmp", "Vector\r\n\r\nHashtable\r\n");
    write("completion/Vector.cmp", "int size()\rvoid clear()\r");
    EXPECT_EQ(readClasses().value(), QStringList({"Vector", "Hashtable"}));
    EXPECT_EQ(readMembers("Vector").value(), QStringList({"int size()", "void clear()"}));
    EXPECT_EQ(readMembers("Hashtable").value(), QStringList());

    ASSERT_EQ(addClass("String").value(), AddClassOutcome::Added);
    EXPECT_EQ(read("completion/String.cmp"), "");
    EXPECT_EQ(read("completion/toc.cmp"), "Vector\r\nHashtable\r\nString\r\n");

    // A listed class: told so, its list file untouched.
    ASSERT_EQ(addClass("Vector").value(), AddClassOutcome::AlreadyListed);
    EXPECT_EQ(read("completion/Vector.cmp"), "int size()\rvoid clear()\r");
    // A file there but not listed keeps its members.
    write("completion/Stack.cmp", "Object pop()\n");
    ASSERT_EQ(addClass("Stack").value(), AddClassOutcome::Added);
    EXPECT_EQ(read("completion/Stack.cmp"), "Object pop()\n");
    EXPECT_EQ(addClass("   ").error(), "Can't add empty text!");

    ASSERT_TRUE(addMember("Vector", "boolean isEmpty()"));
    EXPECT_EQ(read("completion/Vector.cmp"), "int size()\rvoid clear()\rboolean isEmpty()\r");
    ASSERT_TRUE(deleteMember("Vector", 1, "void clear()"));
    EXPECT_EQ(readMembers("Vector").value(), QStringList({"int size()", "boolean isEmpty()"}));
    // A stale row still removes the member it showed.
    ASSERT_TRUE(deleteMember("Vector", 5, "int size()"));
    EXPECT_EQ(readMembers("Vector").value(), QStringList({"boolean isEmpty()"}));

    ASSERT_TRUE(deleteClass("Hashtable"));
    ASSERT_TRUE(deleteClass("Vector"));
    EXPECT_FALSE(exists("completion/Vector.cmp"));
    EXPECT_EQ(read("completion/toc.cmp"), "String\r\nStack\r\n");
}

// Two dialogs open at once: each change reads the list as it is now.
TEST_F(CompletionListsTest, ChangesReadTheFileAtThatMoment)
{
    ASSERT_TRUE(addClass("A"));
    const QStringList seenByOtherDialog = readClasses().value();
    ASSERT_TRUE(addClass("B"));
    EXPECT_EQ(seenByOtherDialog, QStringList({"A"}));
    ASSERT_TRUE(addClass("C"));
    EXPECT_EQ(readClasses().value(), QStringList({"A", "B", "C"}));
}

// A folder or a FIFO in the list's place is refused at once (a FIFO would
// block the options dialog for good), and nothing is written over it.
TEST_F(CompletionListsTest, UnreadableListNamesThePath)
{
    const QString list = homeFile("completion/toc.cmp");
    const std::function<bool()> makers[] = {
        [&] { return QDir(home()).mkpath("completion/toc.cmp"); },
        [&] { return QDir(home()).mkpath("completion") && ::mkfifo(QFile::encodeName(list).constData(), 0600) == 0; },
    };
    for (const auto& make : makers) {
        QDir(homeFile("completion")).removeRecursively();
        ASSERT_TRUE(make());
        const Result<QStringList> r = readClasses();
        ASSERT_FALSE(r);
        EXPECT_TRUE(r.error().contains(list)) << r.error().toStdString();
        EXPECT_FALSE(addClass("A"));
        EXPECT_FALSE(QFileInfo(list).isFile());
    }
}

} // namespace
