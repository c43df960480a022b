#include "app/directoryrules.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every entry under `root`, relative to it and sorted, so a test sees
// anything created anywhere in the tree.
QStringList tree(const QString& root)
{
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(root).relativeFilePath(it.next());
    out.sort();
    return out;
}

class CreateDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(m_root.path()).mkpath("selected"));
        m_selected = m_root.filePath("selected");
    }
    QTemporaryDir m_root; // holds the selected directory, to see escapes upward
    QString m_selected;
};

struct RefusedName {
    const char* name;
    const char* input;
    const char* message;
};

const RefusedName refusedNames[] = {
    {"Slash", "a/b", "The directory could not be created because a directory name cannot contain \"/\"."},
    {"LeadingSlash", "/tmp", "The directory could not be created because a directory name cannot contain \"/\"."},
    {"ParentEscape", "../x", "The directory could not be created because a directory name cannot contain \"/\"."},
    {"Dot", ".", "The directory could not be created because \".\" is not a valid directory name."},
    {"DotDot", " .. ", "The directory could not be created because \"..\" is not a valid directory name."},
    {"Blanks", "  ", "The directory could not be created because no directory name is given."},
    {"Empty", "", "The directory could not be created because no directory name is given."},
};

class CreateDirectoryRefusal : public CreateDirectoryTest, public ::testing::WithParamInterface<RefusedName> {};

TEST_P(CreateDirectoryRefusal, CreatesNothingAndSaysWhy)
{
    const CreateDirResult r = createDirectory(m_selected, QString::fromUtf8(GetParam().input));
    EXPECT_EQ(r.outcome, CreateDirOutcome::InvalidName);
    EXPECT_EQ(r.message, QString::fromUtf8(GetParam().message));
    EXPECT_EQ(tree(m_root.path()), QStringList{"selected"});
    EXPECT_EQ(newDirectoryPath(m_selected, QString::fromUtf8(GetParam().input)), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Names, CreateDirectoryRefusal, ::testing::ValuesIn(refusedNames),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CreateDirectoryTest, NulInNameIsRefused)
{
    const CreateDirResult r = createDirectory(m_selected, QStringLiteral("abc") + QChar(0) + QStringLiteral("def"));
    EXPECT_EQ(r.outcome, CreateDirOutcome::InvalidName);
    EXPECT_EQ(tree(m_root.path()), QStringList{"selected"});
}

TEST_F(CreateDirectoryTest, ValidNameCreatesExactlyThatSubdirectory)
{
    const CreateDirResult r = createDirectory(m_selected, "  New folder  ");
    EXPECT_EQ(r.outcome, CreateDirOutcome::Created);
    EXPECT_EQ(r.path, m_selected + "/New folder");
    EXPECT_TRUE(r.message.isEmpty());
    EXPECT_EQ(tree(m_root.path()), QStringList({"selected", "selected/New folder"}));
    EXPECT_EQ(newDirectoryPath(m_selected, "  New folder  "), m_selected + "/New folder");
}

TEST_F(CreateDirectoryTest, DotsInsideANameAreAName)
{
    EXPECT_EQ(createDirectory(m_selected, "...").outcome, CreateDirOutcome::Created);
    EXPECT_EQ(createDirectory(m_selected, ".hidden").outcome, CreateDirOutcome::Created);
    EXPECT_EQ(tree(m_root.path()), QStringList({"selected", "selected/...", "selected/.hidden"}));
}

TEST_F(CreateDirectoryTest, ExistingDirectoryIsReportedAndLeftAlone)
{
    ASSERT_TRUE(QDir(m_selected).mkdir("old"));
    QFile marker(m_selected + "/old/keep.txt");
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    const CreateDirResult r = createDirectory(m_selected, "old");
    EXPECT_EQ(r.outcome, CreateDirOutcome::AlreadyExists);
    EXPECT_EQ(r.message, "The directory could not be created because it already exists?");
    EXPECT_EQ(tree(m_root.path()), QStringList({"selected", "selected/old", "selected/old/keep.txt"}));
}

TEST_F(CreateDirectoryTest, FailuresNameThePathAndCreateNoParents)
{
    QFile file(m_selected + "/taken");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const CreateDirResult onFile = createDirectory(m_selected, "taken");
    EXPECT_EQ(onFile.outcome, CreateDirOutcome::Failed);
    EXPECT_EQ(onFile.message, "Cannot create " + m_selected + "/taken");

    const QString missing = m_selected + "/missing";
    const CreateDirResult underMissing = createDirectory(missing, "x");
    EXPECT_EQ(underMissing.outcome, CreateDirOutcome::Failed);
    EXPECT_EQ(underMissing.message, "Cannot create " + missing + "/x");
    EXPECT_EQ(tree(m_root.path()), QStringList({"selected", "selected/taken"}));

    EXPECT_EQ(createDirectory(QString(), "x").outcome, CreateDirOutcome::Failed);
}

TEST(NewDirectoryPath, RootGetsNoDoubleSeparator)
{
    EXPECT_EQ(newDirectoryPath("/", "srv"), "/srv");
    EXPECT_EQ(newDirectoryPath("/home/u/", "a"), "/home/u/a");
    EXPECT_EQ(newDirectoryPath(QString(), "a"), std::nullopt);
}

TEST(WorkingDirectories, SaveAsFollowsOnlyWithADocumentOpen)
{
    WorkingDirectories dirs;
    dirs.setAsWorkingDir("/home/u/a", false);
    EXPECT_EQ(dirs.openDialog, "/home/u/a");
    EXPECT_EQ(dirs.exportDialog, "/home/u/a");
    EXPECT_EQ(dirs.saveAsDialog, "");
    dirs.setAsWorkingDir("/home/u/b", true);
    EXPECT_EQ(dirs.openDialog, "/home/u/b");
    EXPECT_EQ(dirs.exportDialog, "/home/u/b");
    EXPECT_EQ(dirs.saveAsDialog, "/home/u/b");
    dirs.setAsWorkingDir(QString(), true);
    EXPECT_EQ(dirs.openDialog, "/home/u/b");
}

TEST(FileSystemRoots, LongestHoldingRootWins)
{
    const QStringList roots{"/", "/home/u", "/media/usb", "/home/u/mnt"};
    EXPECT_EQ(fileSystemRootOf("/home/u/src", roots), "/home/u");
    EXPECT_EQ(fileSystemRootOf("/home/u/mnt/x", roots), "/home/u/mnt");
    EXPECT_EQ(fileSystemRootOf("/home/user2", roots), "/");
    EXPECT_EQ(fileSystemRootOf("/media/usb", roots), "/media/usb");
    const QStringList found = fileSystemRoots();
    ASSERT_GE(found.size(), 2);
    EXPECT_EQ(found[0], "/");
    EXPECT_EQ(found[1], QDir::homePath());
    EXPECT_FALSE(found.contains("/proc"));
}

} // namespace
