#include "workspace/backupsession.h"

#include "editor/linestore.h"
#include "workspace/backupwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

DocumentBackup backupOf(const QString& caption, const QByteArray& bytes)
{
    DocumentBackup b;
    b.caption = caption;
    b.written = QDateTime::currentDateTimeUtc();
    b.bytes = bytes;
    return b;
}

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList captions(const LeftoverBackups& leftovers)
{
    QStringList out;
    for (const LeftoverBackups::Entry& e : leftovers.entries())
        out << e.header.caption;
    return out;
}

// Runs `body` in a child process that then waits to be killed; returns its
// pid once `body` has run.
pid_t runChild(const std::function<void()>& body)
{
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ready[0]);
        body();
        const char byte = 1;
        [[maybe_unused]] ssize_t n = ::write(ready[1], &byte, 1);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char byte = 0;
    [[maybe_unused]] ssize_t n = ::read(ready[0], &byte, 1);
    ::close(ready[0]);
    return pid;
}

void killNine(pid_t pid)
{
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
}

class BackupSessionTest : public ::testing::Test {
protected:
    QString folder() const { return m_dir.filePath("backup"); }
    QTemporaryDir m_dir;
};

TEST_F(BackupSessionTest, OnlyTheBackupsOfARunThatDiedAreOffered)
{
    // This run's session and a second live run (a child) keep their backups
    // to themselves; the child's become leftovers once it is killed.
    auto mine = BackupSession::start(folder());
    ASSERT_TRUE(mine) << mine.error().toStdString();
    BackupWriter writer;
    writer.write(mine.value()->backupPath(1), backupOf("Mine.java", "mine"), {});
    writer.flush();
    const pid_t other = runChild([this] {
        auto session = BackupSession::start(folder());
        if (!session)
            ::_exit(1);
        writeRaw(session.value()->backupPath(7), backupOf("Theirs.java", "theirs").encode());
        session.value().release(); // keeps its lock until the process ends
    });
    ASSERT_GT(other, 0);
    EXPECT_TRUE(LeftoverBackups::claim(folder()).empty());

    killNine(other);
    LeftoverBackups leftovers = LeftoverBackups::claim(folder());
    EXPECT_EQ(captions(leftovers), QStringList({"Theirs.java"}));
    // While one run holds them, a run starting now does not offer them too.
    EXPECT_TRUE(LeftoverBackups::claim(folder()).empty());
}

TEST_F(BackupSessionTest, KeptBackupsComeBackAndDiscardedOnesGoWithTheirSession)
{
    {
        auto session = BackupSession::start(folder());
        ASSERT_TRUE(session);
        writeRaw(session.value()->backupPath(1), backupOf("A.java", "a").encode());
        writeRaw(session.value()->backupPath(2), backupOf("B.txt", "b").encode());
    } // ended without end(): as a crash leaves it
    {
        LeftoverBackups first = LeftoverBackups::claim(folder());
        EXPECT_EQ(captions(first), QStringList({"A.java", "B.txt"}));
        first.discard(first.entries().front());
    } // B kept for later
    {
        LeftoverBackups second = LeftoverBackups::claim(folder());
        EXPECT_EQ(captions(second), QStringList({"B.txt"}));
        second.discard(second.entries().front());
    }
    // The session, empty, is gone with its lock.
    EXPECT_EQ(QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(BackupSessionTest, GarbageInTheBackupFolderIsIgnoredAndLeftAlone)
{
    {
        auto session = BackupSession::start(folder());
        ASSERT_TRUE(session);
        const QDir dir(session.value()->folder());
        writeRaw(session.value()->backupPath(1), backupOf("Good.java", "good").encode());
        writeRaw(session.value()->backupPath(2), backupOf("Cut.java", "cut short").encode().chopped(3));
        writeRaw(session.value()->backupPath(3), "garbage\n\n");
        writeRaw(dir.filePath("document-4.vbak.Xy12ab"), backupOf("Temp.java", "t").encode()); // a save cut short
        writeRaw(dir.filePath("notes.txt"), backupOf("Notes.java", "n").encode());
    }
    writeRaw(folder() + "/README", "mine");
    writeRaw(folder() + "/my stuff/document-1.vbak", backupOf("Stuff.java", "s").encode());
    writeRaw(folder() + "/123-abc/document-1.vbak", "\x00\xff garbage");
    writeRaw(folder() + "/123-abc.lock", "not a lock of ours");

    {
        LeftoverBackups leftovers = LeftoverBackups::claim(folder());
        EXPECT_EQ(captions(leftovers), QStringList({"Good.java"}));
    }
    EXPECT_TRUE(QFileInfo::exists(folder() + "/README"));
    EXPECT_TRUE(QFileInfo::exists(folder() + "/my stuff/document-1.vbak"));
}

TEST_F(BackupSessionTest, ACleanEndLeavesNothing)
{
    auto session = BackupSession::start(folder());
    ASSERT_TRUE(session);
    writeRaw(session.value()->backupPath(1), backupOf("A.java", "a").encode());
    session.value()->end();
    session.value().reset();
    EXPECT_EQ(QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(BackupSessionTest, OnlyTheUserCanReadTheBackups)
{
    // A backup folder open to everyone, as a shared portable folder is.
    ASSERT_TRUE(QDir().mkpath(folder()));
    ASSERT_TRUE(QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                    QFile::ReadOther | QFile::ExeOther));
    auto session = BackupSession::start(folder());
    ASSERT_TRUE(session) << session.error().toStdString();
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                                      QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(session.value()->folder()).permissions() & others, QFile::Permissions());
}

TEST_F(BackupSessionTest, WriterKeepsTheOrderAskedForAndOnlyTheNewestText)
{
    auto session = BackupSession::start(folder());
    ASSERT_TRUE(session);
    const QString a = session.value()->backupPath(1), b = session.value()->backupPath(2);
    QStringList failures;
    BackupWriter writer([&](const QString& m) { failures << m; });
    writer.write(a, backupOf("A.java", {}), {"first", TextEncoding::Utf8, false, {}});
    writer.remove(a); // saved
    writer.write(b, backupOf("B.java", {}), {"one\r\ntwo", TextEncoding::Utf8, false, "\r\n"});
    writer.write(b, backupOf("B.java", {}), {"caf\xC3\xA9\rtwo", TextEncoding::Windows1252, false, "\r"});
    writer.flush();
    EXPECT_FALSE(QFileInfo::exists(a));
    const std::optional<DocumentBackup> written = DocumentBackup::read(b);
    ASSERT_TRUE(written);
    // The newest text, as its save would write it: the document's own line
    // ends, in its own encoding.
    EXPECT_EQ(written->bytes, "caf\xE9\rtwo\r");
    EXPECT_EQ(written->encoding, TextEncoding::Windows1252);
    EXPECT_TRUE(failures.isEmpty());

    writer.write(folder() + "/no such folder/x.vbak", backupOf("X.java", {}), {});
    writer.flush();
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains("no such folder")) << failures[0].toStdString();
}

TEST_F(BackupSessionTest, KillNineDuringAWriteLeavesTheBackupOrItsPreviousVersionWhole)
{
    const QString path = m_dir.filePath("document-1.vbak");
    // Big enough that the kill lands inside writes.
    const auto version = [](int i) { return QByteArray(3 << 20, char('a' + i % 26)); };
    for (int round = 0; round < 5; ++round) {
        const pid_t writer = ::fork();
        if (writer == 0) {
            for (int i = 0;; ++i)
                if (!writeFileAtomically(path, backupOf("Big.java", version(i)).encode()))
                    ::_exit(1);
        }
        ASSERT_GT(writer, 0);
        for (int i = 0; i < 200 && !QFileInfo::exists(path); ++i)
            ::usleep(10000);
        ::usleep(useconds_t(5000 + 7000 * round));
        killNine(writer);
        const std::optional<DocumentBackup> left = DocumentBackup::read(path);
        ASSERT_TRUE(left) << "round " << round;
        ASSERT_EQ(left->bytes.size(), 3 << 20);
        EXPECT_EQ(left->bytes.count(left->bytes[0]), left->bytes.size()) << "round " << round;
    }
}

} // namespace
