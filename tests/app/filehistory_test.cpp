#include "app/filehistory.h"

#include "settings/fileaccess.h"
#include "settings/inifile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString H = QStringLiteral("History");

class FileHistoryTest : public ::testing::Test {
protected:
    QString path(int i) const { return QStringLiteral("/p/File%1.java").arg(i); }
    QString slot(int i) const { return m_ini.ReadString(H, QString::number(i), QStringLiteral("<none>")); }
    int value(const char* key) const { return m_ini.ReadInteger(H, QLatin1String(key), -99); }
    void record(const QString& p) { ASSERT_TRUE(m_history.SaveFileHistory(p).ok()); }

    QTemporaryDir m_dir;
    IniFile m_ini{m_dir.filePath(QStringLiteral("Vornic.ini"))};
    FileHistory m_history{m_ini};
};

TEST_F(FileHistoryTest, FirstFileGoesToSlotOne)
{
    EXPECT_FALSE(m_history.filledAtStart());
    record(path(1));
    EXPECT_EQ(value("Count"), 1);
    EXPECT_EQ(value("Prev"), 1);
    EXPECT_EQ(slot(1), path(1));
    EXPECT_TRUE(m_history.filledAtStart());
}

TEST_F(FileHistoryTest, SamePathTwiceIsRecordedOnceButLetterCaseCounts)
{
    record(path(1));
    record(path(2));
    record(path(1));
    EXPECT_EQ(value("Count"), 2);
    EXPECT_EQ(value("Prev"), 2);
    record(path(1).toUpper());
    EXPECT_EQ(value("Count"), 3);
    EXPECT_EQ(slot(3), path(1).toUpper());
}

TEST_F(FileHistoryTest, TwentyFirstFileOverwritesSlotOneAndCountStaysTwenty)
{
    for (int i = 1; i <= 20; ++i)
        record(path(i));
    EXPECT_EQ(value("Count"), 20);
    EXPECT_EQ(value("Prev"), 20);
    record(path(21));
    EXPECT_EQ(value("Count"), 20);
    EXPECT_EQ(value("Prev"), 1);
    EXPECT_EQ(slot(1), path(21));
    EXPECT_EQ(slot(2), path(2));
    record(path(22));
    EXPECT_EQ(value("Prev"), 2);
    EXPECT_EQ(slot(2), path(22));
    // The overwritten path is no longer remembered, so it is recorded again.
    record(path(1));
    EXPECT_EQ(slot(3), path(1));
}

TEST_F(FileHistoryTest, DuplicateTestOnlyLooksAtSlotsUpToCount)
{
    m_ini.WriteInteger(H, "Count", 1);
    m_ini.WriteInteger(H, "Prev", 1);
    m_ini.WriteString(H, "1", path(1));
    m_ini.WriteString(H, "5", path(5));
    record(path(5));
    EXPECT_EQ(value("Count"), 2);
    EXPECT_EQ(slot(2), path(5));
}

TEST_F(FileHistoryTest, HandEditedCountAndPrevStayInRange)
{
    m_ini.WriteInteger(H, "Count", -7);
    m_ini.WriteInteger(H, "Prev", -3);
    record(path(1));
    EXPECT_EQ(value("Count"), 1);
    EXPECT_EQ(value("Prev"), 1);
    m_ini.WriteInteger(H, "Count", 500);
    m_ini.WriteInteger(H, "Prev", 35);
    record(path(2));
    EXPECT_EQ(value("Count"), 500);
    EXPECT_EQ(value("Prev"), 1);
    EXPECT_EQ(slot(1), path(2));
}

TEST_F(FileHistoryTest, PathTheStoreCannotKeepIsNotRecorded)
{
    for (const QString& p : {QStringLiteral("/p/a\nb.java"), QStringLiteral("/p/trailing.java "), QString(),
                             FileAccess::fileNameFromNative("/p/caf\xE9.java")})
        record(p);
    EXPECT_FALSE(m_ini.SectionExists(H));
}

TEST_F(FileHistoryTest, MenuListsExistingFilesWithSlotReadLastOnTop)
{
    const auto exists = [](const QString& p) { return !p.contains(QLatin1String("gone")); };
    m_ini.WriteInteger(H, "Count", 5);
    m_ini.WriteInteger(H, "Prev", 2);
    m_ini.WriteString(H, "1", "/p/one.java");
    m_ini.WriteString(H, "2", "/p/two.java");
    m_ini.WriteString(H, "3", "/p/gone.java");
    m_ini.WriteString(H, "4", "/P/ONE.JAVA"); // same item to the menu
    m_ini.WriteString(H, "5", "/p/five.java");
    m_ini.WriteString(H, "6", "/p/beyond-count.java");
    const ReopenMenuItems menu = m_history.LoadHistFromFile(exists);
    EXPECT_EQ(menu.paths, QStringList({"/p/five.java", "/p/two.java", "/p/one.java"}));
    EXPECT_FALSE(menu.emptyShown);
    // A missing file stays remembered.
    EXPECT_EQ(slot(3), "/p/gone.java");
}

TEST_F(FileHistoryTest, MenuLeavesOutFilesNotOnDiskAndDirectories)
{
    QFile real(m_dir.filePath("Real.java"));
    ASSERT_TRUE(real.open(QIODevice::WriteOnly));
    real.close();
    record(m_dir.filePath("Real.java"));
    record(m_dir.filePath("Deleted.java"));
    record(m_dir.path());
    EXPECT_EQ(m_history.LoadHistFromFile().paths, QStringList{m_dir.filePath("Real.java")});
}

TEST_F(FileHistoryTest, AddFileToHistPutsNewPathsOnTopIgnoringLetterCase)
{
    ReopenMenuItems menu;
    EXPECT_TRUE(FileHistory::AddFileToHist(menu, "/p/a.java"));
    EXPECT_TRUE(FileHistory::AddFileToHist(menu, "/p/b.java"));
    EXPECT_FALSE(FileHistory::AddFileToHist(menu, "/P/A.JAVA"));
    EXPECT_EQ(menu.paths, QStringList({"/p/b.java", "/p/a.java"}));
    EXPECT_TRUE(menu.emptyShown);
    // Save as shows the name without recording it.
    EXPECT_FALSE(m_ini.SectionExists(H));
}

TEST_F(FileHistoryTest, ClearListErasesSectionAndShowsEmpty)
{
    m_ini.WriteString("Tips", "doShow", "1");
    record(path(1));
    record(path(2));
    ReopenMenuItems menu = m_history.LoadHistFromFile([](const QString&) { return true; });
    FileHistory::AddFileToHist(menu, "/p/saved-as.java");
    ASSERT_TRUE(m_history.ClearList(menu).ok());
    EXPECT_TRUE(menu.paths.isEmpty());
    EXPECT_TRUE(menu.emptyShown);
    EXPECT_FALSE(m_ini.SectionExists(H));
    EXPECT_EQ(m_ini.ReadString("Tips", "doShow", ""), "1");
    // Recording starts over at slot 1.
    record(path(3));
    EXPECT_EQ(value("Prev"), 1);
    EXPECT_EQ(slot(1), path(3));
}

TEST_F(FileHistoryTest, WriteErrorIsReported)
{
    IniFile unwritable(m_dir.filePath(QStringLiteral("no such folder/Vornic.ini")));
    const Result<void> saved = FileHistory(unwritable).SaveFileHistory(path(1));
    EXPECT_FALSE(saved.ok());
    EXPECT_TRUE(saved.error().startsWith("Unable to write to ")) << saved.error().toStdString();
}

TEST_F(FileHistoryTest, ClearListThatCannotWriteKeepsTheMenu)
{
    record(path(1));
    struct ReadOnlyFolder {
        explicit ReadOnlyFolder(const QString& p) : path(p)
        {
            QFile::setPermissions(p, QFile::ReadOwner | QFile::ExeOwner);
        }
        ~ReadOnlyFolder() { QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }
        QString path;
    } readOnly(m_dir.path());
    if (QFile f(m_dir.filePath("probe")); f.open(QIODevice::WriteOnly))
        GTEST_SKIP() << "running with rights that ignore permissions";
    ReopenMenuItems menu{{path(1)}, false};
    EXPECT_FALSE(m_history.ClearList(menu).ok());
    EXPECT_EQ(menu.paths, QStringList{path(1)});
    EXPECT_FALSE(menu.emptyShown);
}

TEST(FileHistoryReopen, AlreadyOpenFileNameGivesMessageAndNoOpen)
{
    QString asked;
    const auto openNamed = [&asked](const QString& name) {
        asked = name;
        return name == QLatin1String("Hello.java");
    };
    const ReopenDecision refused = FileHistory::LoadHistFile("/home/u/src/Hello.java", openNamed);
    EXPECT_EQ(asked, "Hello.java");
    EXPECT_EQ(refused.action, ReopenDecision::Action::AlreadyOpen);
    EXPECT_EQ(refused.message, "A file with the filename \"Hello.java\" already exists in an editor window.\n"
                               "You have to close this window before you can open another file with the same "
                               "filename.");
    const ReopenDecision open = FileHistory::LoadHistFile("/home/u/src/Other.java", openNamed);
    EXPECT_EQ(open.action, ReopenDecision::Action::Open);
    EXPECT_TRUE(open.message.isEmpty());
}

} // namespace
