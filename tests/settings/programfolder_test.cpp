#include "settings/programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Sets an environment variable for one case and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : m_name(name), m_had(qEnvironmentVariableIsSet(name))
    {
        m_old = qgetenv(name);
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

void write(const QString& path, const QByteArray& bytes)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class SeedTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        write(shipped("colors/toc.col"), "shipped colours");
        write(shipped("colors/lang/Lisp.ini"), "shipped lisp");
        write(shipped("tips.txt"), "shipped tips");
        write(shipped("dictionaries/.gitkeep"), "");
    }
    QString shipped(const QString& relative = {}) const { return m_dir.filePath("shipped/" + relative); }
    QString user(const QString& relative = {}) const { return m_dir.filePath("home/.config/pellam-vornic/" + relative); }

    QTemporaryDir m_dir;
};

TEST_F(SeedTest, FirstStartMakesTheFolderAndCopiesEveryShippedFileButHiddenOnes)
{
    const Result<SeedReport> r = seedUserFolder(shipped(), user());
    ASSERT_TRUE(r) << r.error().toStdString();
    QStringList copied = r.value().copied;
    copied.sort();
    EXPECT_EQ(copied, QStringList({"colors/lang/Lisp.ini", "colors/toc.col", "tips.txt"}));
    EXPECT_EQ(read(user("colors/lang/Lisp.ini")), "shipped lisp");
    EXPECT_FALSE(QFileInfo::exists(user("dictionaries/.gitkeep")));
    // The settings file exists, empty, so a folder that cannot hold it is
    // found at start.
    EXPECT_EQ(read(user("Vornic.ini")), "");
}

TEST_F(SeedTest, NeverOverwritesAndNeverBringsBackWhatTheUserDeleted)
{
    ASSERT_TRUE(seedUserFolder(shipped(), user()));
    write(user("tips.txt"), "my tips");
    write(user("Vornic.ini"), "[Tips]\ndoShow=0\n");
    ASSERT_TRUE(QFile::remove(user("colors/lang/Lisp.ini")));
    write(shipped("tips.txt"), "new shipped tips");
    write(shipped("help/index.html"), "new page"); // shipped by an update

    const Result<SeedReport> again = seedUserFolder(shipped(), user());
    ASSERT_TRUE(again) << again.error().toStdString();
    EXPECT_EQ(again.value().copied, QStringList({"help/index.html"}));
    EXPECT_EQ(read(user("tips.txt")), "my tips");
    EXPECT_EQ(read(user("Vornic.ini")), "[Tips]\ndoShow=0\n");
    EXPECT_FALSE(QFileInfo::exists(user("colors/lang/Lisp.ini")));
}

TEST_F(SeedTest, AFolderThatCannotBeMadeIsNamedWithTheReason)
{
    // A file where a folder of the path should be: fails for root as well.
    write(m_dir.filePath("afile"), "");
    const QString wanted = m_dir.filePath("afile/pellam-vornic");
    const Result<SeedReport> r = seedUserFolder(shipped(), wanted);
    ASSERT_FALSE(r);
    EXPECT_TRUE(r.error().contains(wanted)) << r.error().toStdString();
    EXPECT_TRUE(r.error().contains("is a file")) << r.error().toStdString();
}

TEST_F(SeedTest, AFolderThatCannotBeWrittenIsNamed)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes everywhere";
    write(m_dir.filePath("locked/placeholder"), "");
    const QByteArray locked = QFile::encodeName(m_dir.filePath("locked"));
    ASSERT_EQ(::chmod(locked.constData(), 0500), 0);
    const Result<SeedReport> made = seedUserFolder(shipped(), m_dir.filePath("locked/pellam-vornic"));
    const Result<SeedReport> written = seedUserFolder(shipped(), m_dir.filePath("locked"));
    ::chmod(locked.constData(), 0700);
    ASSERT_FALSE(made);
    EXPECT_TRUE(made.error().contains(m_dir.filePath("locked/pellam-vornic"))) << made.error().toStdString();
    ASSERT_FALSE(written);
    EXPECT_TRUE(written.error().contains(m_dir.filePath("locked"))) << written.error().toStdString();
}

// A user folder that could not be made: the shipped files are read where
// they ship, the user's own where it has them, and nothing but the user
// folder under VORNIC_HOME.
TEST_F(SeedTest, AnUnusableUserFolderReadsTheShippedFilesItLacks)
{
    ScopedEnv noHome("VORNIC_HOME", QByteArray());
    ScopedEnv xdg("XDG_CONFIG_HOME", m_dir.filePath("home/.config").toLocal8Bit());
    write(user("help/own.html"), "mine");
    readShippedFilesTheUserFolderLacks(shipped());
    EXPECT_EQ(programFile("tips.txt"), shipped("tips.txt"));
    EXPECT_EQ(programFile("help/own.html"), user("help/own.html"));
    EXPECT_EQ(programFile("Vornic.ini"), user("Vornic.ini")); // shipped nowhere: written in the user folder
    {
        ScopedEnv home("VORNIC_HOME", user().toLocal8Bit());
        EXPECT_EQ(programFile("tips.txt"), QDir::cleanPath(user()) + "/tips.txt");
    }
    readShippedFilesTheUserFolderLacks({});
    EXPECT_EQ(programFile("tips.txt"), user("tips.txt"));
}

TEST(UserFolderTest, VornicHomeWinsThenXdgConfigHomeThenTheHomeFolder)
{
    {
        ScopedEnv home("VORNIC_HOME", "/tmp/portable/");
        ScopedEnv xdg("XDG_CONFIG_HOME", "/tmp/xdg");
        EXPECT_EQ(userFolder(), "/tmp/portable");
        EXPECT_EQ(programFile("Vornic.ini"), "/tmp/portable/Vornic.ini");
    }
    ScopedEnv noHome("VORNIC_HOME", QByteArray());
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/tmp/xdg");
        EXPECT_EQ(programFile("colors/toc.col"), "/tmp/xdg/pellam-vornic/colors/toc.col");
    }
    // A relative XDG_CONFIG_HOME is no base folder.
    ScopedEnv relative("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(userFolder(), QDir::homePath() + "/.config/pellam-vornic");
}

} // namespace
