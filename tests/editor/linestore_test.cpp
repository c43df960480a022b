#include "editor/linestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Every byte value but the line-end bytes, so each file below has one style.
QByteArray allBytesExcept(const QByteArray& lineEndBytes)
{
    QByteArray b;
    for (int i = 0; i < 256; ++i)
        if (!lineEndBytes.contains(char(i)))
            b += char(i);
    return b;
}

struct RoundTrip {
    const char* name;
    QByteArray file;
    LineEndStyle style;
    bool finalBreak;
    int lines;
};

class LineStoreRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(LineStoreRoundTrip, SplitAndJoinGiveTheSameBytes)
{
    const RoundTrip& c = GetParam();
    const SplitText s = splitLines(c.file);
    EXPECT_EQ(s.style, c.style);
    EXPECT_EQ(s.finalBreak, c.finalBreak);
    EXPECT_EQ(c.file.isEmpty() ? 0 : s.text.count('\n') + 1, c.lines);
    EXPECT_EQ(joinLines(s.text, s.style, s.finalBreak), c.file);
}

const QByteArray kCrLfAll = allBytesExcept("\r\n") + "\r\n" + allBytesExcept("\r\n");
const QByteArray kLfAll = allBytesExcept("\r\n") + '\r' + allBytesExcept("\r\n") + "\n" + allBytesExcept("\n");

INSTANTIATE_TEST_SUITE_P(
    Files, LineStoreRoundTrip,
    ::testing::Values(RoundTrip{"CrLfFinal", "a\r\nb\r\n", LineEndStyle::CrLf, true, 2},
                      RoundTrip{"CrLfNoFinal", "a\r\nb", LineEndStyle::CrLf, false, 2},
                      RoundTrip{"LfFinal", "a\nb\n", LineEndStyle::Lf, true, 2},
                      RoundTrip{"LfNoFinal", "a\n\nb", LineEndStyle::Lf, false, 3},
                      RoundTrip{"CrFinal", "a\rb\r", LineEndStyle::Cr, true, 2},
                      RoundTrip{"CrNoFinal", "a\rb", LineEndStyle::Cr, false, 2},
                      RoundTrip{"Empty", "", LineEndStyle::CrLf, false, 0},
                      RoundTrip{"OnlyBreak", "\n", LineEndStyle::Lf, true, 1},
                      RoundTrip{"NulInside", QByteArray("x\0y\r\n\0\r\n", 8), LineEndStyle::CrLf, true, 2},
                      RoundTrip{"AllBytesCrLf", kCrLfAll, LineEndStyle::CrLf, false, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineStore, LfFileKeepsLoneCrAsALineBreakOnSave)
{
    // A file that mixes styles is written in the style it began with.
    const SplitText s = splitLines("a\nb\r\nc\rd");
    EXPECT_EQ(s.text, "a\nb\nc\nd");
    EXPECT_EQ(joinLines(s.text, s.style, s.finalBreak), "a\nb\nc\nd");
}

TEST(LineStore, AllBytesWithLfStyleExceptCrRoundTrip)
{
    const QByteArray file = allBytesExcept("\r\n") + "\n" + allBytesExcept("\r");
    const SplitText s = splitLines(file);
    EXPECT_EQ(s.style, LineEndStyle::Lf);
    EXPECT_EQ(joinLines(s.text, s.style, s.finalBreak), file);
}

class LineStoreFiles : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    static QByteArray read(const QString& p)
    {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QTemporaryDir m_dir;
};

TEST_F(LineStoreFiles, SaveKeepsPermissionBitsAndFollowsLinks)
{
    const QString target = path("Hello.java");
    ASSERT_TRUE(writeFileAtomically(target, "old").ok());
    ::chmod(QFile::encodeName(target).constData(), 0640);
    ASSERT_TRUE(QFile::link(target, path("link.java")));
    ASSERT_TRUE(writeFileAtomically(path("link.java"), "new").ok());
    EXPECT_EQ(read(target), "new");
    EXPECT_TRUE(QFileInfo(path("link.java")).isSymLink());
    struct stat st {};
    ::stat(QFile::encodeName(target).constData(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(LineStoreFiles, FailedSaveLeavesTheOldFileAndNamesThePath)
{
    const QString sub = path("ro");
    QDir().mkdir(sub);
    const QString file = sub + "/A.java";
    ASSERT_TRUE(writeFileAtomically(file, "keep me").ok());
    ::chmod(QFile::encodeName(m_dir.path()).constData(), 0755);
    ::chmod(QFile::encodeName(sub).constData(), 0555);
    // Root writes anywhere, so the save is tried by an unprivileged child.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(65534) != 0)
            ::_exit(3);
        const Result<void> r = writeFileAtomically(file, "lost");
        ::_exit(r.ok() ? 1 : (r.error().contains(file) ? 0 : 2));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(QFile::encodeName(sub).constData(), 0700);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the save succeeded, 2: the message lacks the path";
    EXPECT_EQ(read(file), "keep me");
}

// A full disk, made by a file-size limit in a child: the save fails with the
// system's reason and the old file stays whole. A small file is the case
// that matters most: its bytes wait in a buffer until the commit.
TEST_F(LineStoreFiles, FullDiskFailsTheSaveWithItsReasonAndKeepsTheOldFile)
{
    for (const int size : {6000, 100000}) {
        const QString file = path("Full.java");
        ASSERT_TRUE(writeFileAtomically(file, "keep me").ok());
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, RLIM_INFINITY};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            const Result<void> r = writeFileAtomically(file, QByteArray(size, 'x'));
            ::_exit(r.ok() ? 1 : (r.error().contains(file) && r.error().contains("File too large") ? 0 : 2));
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << size << " bytes. 1: the save succeeded, 2: no path or no reason";
        EXPECT_EQ(read(file).left(40), "keep me") << size << " bytes";
    }
}

TEST_F(LineStoreFiles, SaveIntoMissingFolderFailsWithReason)
{
    const QString file = path("no/such/dir/A.java");
    const Result<void> r = writeFileAtomically(file, "x");
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.error().contains(file)) << r.error().toStdString();
}

TEST_F(LineStoreFiles, ReadingMissingFileOrFolderNamesThePath)
{
    const Result<QByteArray> missing = readFileBytes(path("nope.txt"));
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().contains(path("nope.txt")));
    EXPECT_FALSE(readFileBytes(m_dir.path()).ok());
}

} // namespace
