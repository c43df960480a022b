#include "settings/fileaccess.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using namespace FileAccess;

QByteArray native(const QString& path)
{
    return nativeFileName(path);
}

void writeRaw(const QByteArray& name, const QByteArray& bytes, mode_t mode = 0644)
{
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, mode);
    ASSERT_GE(fd, 0) << name.constData();
    ASSERT_EQ(::write(fd, bytes.constData(), std::size_t(bytes.size())), bytes.size());
    ::close(fd);
}

QByteArray readRaw(const QByteArray& name)
{
    const Result<QByteArray> r = readRegularFile(fileNameFromNative(name));
    EXPECT_TRUE(r.ok()) << r.error().toStdString();
    return r ? r.value() : QByteArray();
}

struct stat statOf(const QByteArray& name)
{
    struct stat st {};
    EXPECT_EQ(::stat(name.constData(), &st), 0);
    return st;
}

class FileAccessTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }
    QTemporaryDir m_dir;
};

// Each of these would hang the program (a FIFO blocks open() for good) or
// fill its memory (/dev/zero): they fail at once, naming the path.
TEST_F(FileAccessTest, OnlyRegularFilesAreRead)
{
    const QString fifo = path("pipe");
    ASSERT_EQ(::mkfifo(native(fifo).constData(), 0600), 0);
    const QString socketPath = path("sock");
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, native(socketPath).constData(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    const struct {
        QString path;
        const char* said;
    } cases[] = {
        {fifo, "It is a named pipe (FIFO), not a regular file."},
        {QStringLiteral("/dev/zero"), "It is a device, not a regular file."},
        {m_dir.path(), "It is a directory."},
        {socketPath, "No such device or address"}, // open() itself refuses a socket
        {path("missing"), "No such file or directory"},
    };
    for (const auto& c : cases) {
        const Result<QByteArray> r = readRegularFile(c.path);
        ASSERT_FALSE(r.ok()) << c.path.toStdString();
        EXPECT_EQ(r.error(), QStringLiteral("Cannot open file \"%1\". %2").arg(c.path, QLatin1String(c.said)));
        EXPECT_FALSE(regularFileSize(c.path).ok());
    }
    ::close(s);
    EXPECT_EQ(regularFileSize(QStringLiteral("/etc/hostname")).ok(),
              QFileInfo(QStringLiteral("/etc/hostname")).isFile());
}

TEST_F(FileAccessTest, ReadsAndLimitsRegularFiles)
{
    writeRaw(native(path("f")), QByteArray("a\0b", 3));
    EXPECT_EQ(readRegularFile(path("f")).value(), QByteArray("a\0b", 3));
    EXPECT_EQ(regularFileSize(path("f")).value(), 3);
    const Result<QByteArray> tooLarge = readRegularFile(path("f"), 2);
    ASSERT_FALSE(tooLarge.ok());
    EXPECT_TRUE(tooLarge.error().contains("larger than 2 bytes"));
}

TEST_F(FileAccessTest, NamesThatAreNotUtf8KeepTheirBytes)
{
    const QByteArray raw = native(m_dir.path()) + "/caf\xE9-\xFF.java";
    const QString name = fileNameFromNative(raw);
    EXPECT_TRUE(name.endsWith(QString::fromUtf16(u"caf\xDCE9-\xDCFF.java")));
    EXPECT_EQ(nativeFileName(name), raw);
    // Real characters, a replacement character among them, are no escapes.
    const QString real = QString::fromUtf8("/t/gr\xC3\xBC\xC3\x9F"
                                           "e\xEF\xBF\xBD\xF0\x9F\x98\x80");
    EXPECT_EQ(fileNameFromNative(nativeFileName(real)), real);

    writeRaw(raw, "old");
    ASSERT_TRUE(writeFileSafely(name, "new").ok());
    EXPECT_EQ(readRaw(raw), "new");
    EXPECT_TRUE(exists(name));
}

TEST_F(FileAccessTest, SavingKeepsModeBitsHardLinksAndSymbolicLinks)
{
    const QByteArray file = native(path("tool"));
    writeRaw(file, "v1");
    ASSERT_EQ(::chmod(file.constData(), 04751), 0);
    ASSERT_TRUE(writeFileSafely(path("tool"), "v2").ok());
    EXPECT_EQ(readRaw(file), "v2");
    EXPECT_EQ(statOf(file).st_mode & 07777, 04751u);

    const QByteArray link = native(path("other-name"));
    ASSERT_EQ(::link(file.constData(), link.constData()), 0);
    const ino_t inode = statOf(file).st_ino;
    ASSERT_TRUE(writeFileSafely(path("tool"), "v3").ok());
    EXPECT_EQ(readRaw(link), "v3"); // the other name sees the change
    EXPECT_EQ(statOf(file).st_ino, inode);
    EXPECT_EQ(statOf(file).st_mode & 07777, 04751u);

    const QByteArray symlink = native(path("sym"));
    ASSERT_EQ(::symlink("tool", symlink.constData()), 0);
    ASSERT_TRUE(writeFileSafely(path("sym"), "v4").ok());
    struct stat st {};
    ASSERT_EQ(::lstat(symlink.constData(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(readRaw(file), "v4");

    // A new file gets the usual mode, not the temporary file's.
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(writeFileSafely(path("fresh"), "x").ok());
    ::umask(mask);
    EXPECT_EQ(statOf(native(path("fresh"))).st_mode & 0777, 0644u);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4); // no temporary left
}

TEST_F(FileAccessTest, AWritableFileInAReadOnlyFolderIsWrittenInPlace)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write any folder";
    const QByteArray folder = native(path("locked"));
    ASSERT_EQ(::mkdir(folder.constData(), 0755), 0);
    writeRaw(folder + "/doc.txt", "before");
    ASSERT_EQ(::chmod(folder.constData(), 0555), 0);
    const Result<void> r = writeFileSafely(path("locked/doc.txt"), "after");
    ::chmod(folder.constData(), 0755);
    ASSERT_TRUE(r.ok()) << r.error().toStdString();
    EXPECT_EQ(readRaw(folder + "/doc.txt"), "after");
    // A new file there cannot be made; the message says why.
    ::chmod(folder.constData(), 0555);
    const Result<void> fresh = writeFileSafely(path("locked/new.txt"), "x");
    ::chmod(folder.constData(), 0755);
    ASSERT_FALSE(fresh.ok());
    EXPECT_TRUE(fresh.error().startsWith(QStringLiteral("Cannot create file \"%1\"").arg(path("locked/new.txt"))));
}

TEST_F(FileAccessTest, RootSavingAnotherUsersFileKeepsItsOwner)
{
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() != 0 || !nobody)
        GTEST_SKIP() << "needs root and a user nobody";
    const QByteArray file = native(path("theirs"));
    writeRaw(file, "v1", 0640);
    ASSERT_EQ(::chown(file.constData(), nobody->pw_uid, nobody->pw_gid), 0);
    ASSERT_TRUE(writeFileSafely(path("theirs"), "v2").ok());
    const struct stat st = statOf(file);
    EXPECT_EQ(st.st_uid, nobody->pw_uid);
    EXPECT_EQ(st.st_gid, nobody->pw_gid);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(readRaw(file), "v2");
}

} // namespace
