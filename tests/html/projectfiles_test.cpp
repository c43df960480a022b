#include "html/projectfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using ProjectFiles::Existing;

class ProjectFilesTest : public ::testing::Test {
protected:
    QString write(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
        f.write(bytes);
        return path;
    }
    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QString catalog() const { return m_dir.filePath(QStringLiteral("site")); }
    QString images() const { return m_dir.filePath(QStringLiteral("site/images")); }
    QString outside(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(ProjectFilesTest, CopiesIntoTheFolderItMakes)
{
    const QString source = write(outside("pics/pic.png"), "new");
    int asked = 0;
    const auto placed = ProjectFiles::placeFile(source, images(), [&](const QString&) { ++asked; return Existing::Cancel; });
    ASSERT_TRUE(placed.ok()) << placed.error().toStdString();
    EXPECT_FALSE(placed.value().cancelled);
    EXPECT_EQ(placed.value().name, "pic.png");
    EXPECT_EQ(read(images() + "/pic.png"), "new");
    EXPECT_EQ(asked, 0);
}

TEST_F(ProjectFilesTest, AnExistingFileIsReplacedKeptOrThePickCancelled)
{
    const QString source = write(outside("pics/pic.png"), "new");
    struct Case {
        Existing answer;
        bool cancelled;
        const char* content;
    } cases[] = {
        {Existing::Replace, false, "new"},
        {Existing::Keep, false, "old"},
        {Existing::Cancel, true, "old"},
    };
    for (const Case& c : cases) {
        const QString target = write(images() + "/pic.png", "old");
        QString askedAbout;
        const auto placed = ProjectFiles::placeFile(source, images(), [&](const QString& t) {
            askedAbout = t;
            return c.answer;
        });
        ASSERT_TRUE(placed.ok());
        EXPECT_EQ(askedAbout, target);
        EXPECT_EQ(placed.value().cancelled, c.cancelled);
        EXPECT_EQ(placed.value().name, c.cancelled ? "" : "pic.png");
        EXPECT_EQ(read(target), c.content);
    }
}

TEST_F(ProjectFilesTest, TheSameFileIsNotCopiedOntoItself)
{
    const QString inFolder = write(images() + "/pic.png", "mine");
    const auto placed = ProjectFiles::placeFile(inFolder, images(), [](const QString&) {
        ADD_FAILURE() << "asked about the file itself";
        return Existing::Cancel;
    });
    ASSERT_TRUE(placed.ok());
    EXPECT_EQ(placed.value().name, "pic.png");
    EXPECT_EQ(read(inFolder), "mine");
}

TEST_F(ProjectFilesTest, FailuresNameThePathAndLeaveFilesAlone)
{
    const QString source = write(outside("pics/pic.png"), "new");
    // A file where the folder should be.
    write(catalog() + "/images", "a file");
    const auto blocked = ProjectFiles::placeFile(source, images(), [](const QString&) { return Existing::Replace; });
    ASSERT_FALSE(blocked.ok());
    EXPECT_TRUE(blocked.error().startsWith(QStringLiteral("Cannot create folder \"%1\".").arg(images())))
        << blocked.error().toStdString();
    EXPECT_EQ(read(catalog() + "/images"), "a file");

    // A folder nobody may write in: a read-only one, or for root (who writes
    // anywhere) a folder of /proc.
    const bool root = ::geteuid() == 0;
    const QString locked = root ? QStringLiteral("/proc/self") : outside("locked");
    if (!root) {
        write(locked + "/pic.png", "old");
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    const auto denied = ProjectFiles::placeFile(source, locked, [](const QString&) { return Existing::Replace; });
    if (!root)
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_FALSE(denied.ok());
    EXPECT_TRUE(denied.error().startsWith(QStringLiteral("Cannot copy \"%1\" to \"%2/pic.png\".").arg(source, locked)))
        << denied.error().toStdString();
    if (!root) {
        EXPECT_EQ(read(locked + "/pic.png"), "old");
    }
}

TEST_F(ProjectFilesTest, DeleteGuardTakesOnlyRegularFilesInsideTheImagesFolder)
{
    write(images() + "/a.gif", "a");
    write(images() + "/sub/b.gif", "b");
    write(catalog() + "/page.html", "page");
    const QString victim = write(outside("victim.txt"), "victim");
    ASSERT_EQ(::symlink(QFile::encodeName(victim).constData(), QFile::encodeName(images() + "/out.gif").constData()), 0);
    ASSERT_EQ(::symlink("a.gif", QFile::encodeName(images() + "/in.gif").constData()), 0);
    QDir().mkpath(images() + "/folder.gif");

    struct Case {
        const char* entry;
        bool deletable;
    } cases[] = {
        {"a.gif", true},
        {"sub/b.gif", true},
        {"in.gif", true},
        {"../page.html", false},
        {"../../victim.txt", false},
        {"out.gif", false},
        {"folder.gif", false},
        {"missing.gif", false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProjectFiles::deletableImage(catalog(), QStringLiteral("images"), QLatin1String(c.entry)).has_value(),
                  c.deletable)
            << c.entry;
    EXPECT_FALSE(ProjectFiles::deletableImage(catalog(), QStringLiteral("images"), victim).has_value());
    EXPECT_FALSE(ProjectFiles::deletableImage(QString(), QStringLiteral("images"), QStringLiteral("a.gif")).has_value());

    const auto path = ProjectFiles::deletableImage(catalog(), QStringLiteral("images"), QStringLiteral("a.gif"));
    ASSERT_TRUE(path.has_value());
    EXPECT_TRUE(ProjectFiles::deleteFile(*path).ok());
    EXPECT_FALSE(QFile::exists(images() + "/a.gif"));
    EXPECT_EQ(read(victim), "victim");
    EXPECT_FALSE(ProjectFiles::deleteFile(*path).ok());
}

TEST_F(ProjectFilesTest, ImportReadsTextAndRefusesTheRest)
{
    const QString text = write(outside("list.txt"), "one\r\ntwo\n\nthree");
    const auto lines = ProjectFiles::readImportLines(text);
    ASSERT_TRUE(lines.ok());
    EXPECT_EQ(lines.value(), (QStringList{"one", "two", "", "three"}));

    const QString binary = write(outside("pic.bin"), QByteArray("\x89PNG\0\0\0", 7));
    EXPECT_EQ(ProjectFiles::readImportLines(binary).error(),
              QStringLiteral("Cannot import \"%1\". It is not a text file.").arg(binary));
    const QString huge = write(outside("huge.txt"), QByteArray(ProjectFiles::MaxImportBytes + 1, 'x'));
    EXPECT_FALSE(ProjectFiles::readImportLines(huge).ok());
    EXPECT_FALSE(ProjectFiles::readImportLines(outside("missing.txt")).ok());
    const QString latin1 = write(outside("latin1.txt"), "bl\xE5");
    EXPECT_EQ(ProjectFiles::readImportLines(latin1).value(), QStringList{QString::fromUtf8("blå")});
}
