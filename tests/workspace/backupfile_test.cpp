#include "workspace/backupfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

DocumentBackup sample()
{
    DocumentBackup b;
    b.filePath = "/home/ann/My Projects/100%/Hello\nWorld.java"; // blanks, percent and a line end
    b.caption = "Hello\nWorld.java";
    b.languageName = "";
    b.written = QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58, 123), Qt::UTC);
    b.fileStamp = FileStamp{1234, 1709251198123};
    b.encoding = TextEncoding::Windows1252;
    // Every byte value, line ends of all kinds and an empty line at the end.
    for (int i = 0; i < 256; ++i)
        b.bytes += char(i);
    b.bytes += "\r\n\n\r\n\n";
    return b;
}

void expectSame(const DocumentBackup& a, const DocumentBackup& b)
{
    EXPECT_EQ(a.filePath, b.filePath);
    EXPECT_EQ(a.caption, b.caption);
    EXPECT_EQ(a.languageName, b.languageName);
    EXPECT_EQ(a.written, b.written);
    EXPECT_EQ(a.fileStamp, b.fileStamp);
    EXPECT_EQ(a.encoding, b.encoding);
    EXPECT_EQ(a.bytes, b.bytes);
}

TEST(BackupFileTest, RoundTripsByteForByte)
{
    const DocumentBackup b = sample();
    const QByteArray encoded = b.encode();
    const std::optional<DocumentBackup> back = DocumentBackup::decode(encoded);
    ASSERT_TRUE(back);
    expectSame(*back, b);
    EXPECT_EQ(back->encode(), encoded);

    DocumentBackup untitled;
    untitled.caption = "Untitled3.txt";
    untitled.languageName = "Lisp";
    untitled.written = QDateTime::currentDateTimeUtc();
    const std::optional<DocumentBackup> u = DocumentBackup::decode(untitled.encode());
    ASSERT_TRUE(u);
    expectSame(*u, untitled);
    EXPECT_TRUE(u->isUntitled());
    EXPECT_FALSE(u->fileChangedSince());

    // Without its encoding a backup's bytes are taken as a file's would be.
    for (const auto& [bytes, encoding] : {std::pair<QByteArray, TextEncoding>{"caf\xC3\xA9", TextEncoding::Utf8},
                                          {"caf\xE9", TextEncoding::Windows1252}}) {
        DocumentBackup old = untitled;
        old.bytes = bytes;
        const std::optional<DocumentBackup> o =
            DocumentBackup::decode(old.encode().replace("Encoding=UTF-8\n", ""));
        ASSERT_TRUE(o);
        EXPECT_EQ(o->encoding, encoding);
        EXPECT_EQ(o->bytes, bytes);
    }
}

TEST(BackupFileTest, AnythingButAWholeBackupIsRefused)
{
    const QByteArray good = sample().encode();
    const qsizetype headerEnd = good.indexOf("\n\n") + 2;
    QByteArray wrongLength = good;
    wrongLength.replace("Length=", "Length=1");
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"other text", "hello world\n\nbody"},
        {"cut in the header", good.left(headerEnd - 5)},
        {"cut in the text", good.left(good.size() - 1)},
        {"longer than announced", good + "x"},
        {"wrong length", wrongLength},
        {"no caption", QByteArray(good).replace("Caption=Hello%0AWorld.java", "Caption=")},
        {"bad time", QByteArray(good).replace("Written=2024", "Written=x024")},
        {"bad stamp", QByteArray(good).replace("FileStamp=1234 ", "FileStamp=12x4 ")},
        {"line without =", QByteArray(good).replace("Language=\n", "Language\n")},
        {"unknown encoding", QByteArray(good).replace("Encoding=windows-1252", "Encoding=KOI8-R")},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(DocumentBackup::decode(c.bytes)) << c.name;
}

TEST(BackupFileTest, HeaderReadChecksTheLengthAgainstTheFile)
{
    QTemporaryDir dir;
    const QByteArray good = sample().encode();
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    const std::optional<DocumentBackup> header = DocumentBackup::readHeader(write("good", good));
    ASSERT_TRUE(header);
    EXPECT_EQ(header->caption, "Hello\nWorld.java");
    EXPECT_TRUE(header->bytes.isEmpty());
    EXPECT_FALSE(DocumentBackup::readHeader(write("cut", good.left(good.size() - 3))));
    EXPECT_FALSE(DocumentBackup::readHeader(dir.path())); // a folder
}

TEST(BackupFileTest, TellsWhetherTheFileChangedSinceTheBackup)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Hello.java");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("class Hello {}\n");
    f.close();
    DocumentBackup b;
    b.filePath = path;
    b.fileStamp = FileStamp::of(path);
    EXPECT_FALSE(b.fileChangedSince());
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("// more\n");
    f.close();
    EXPECT_TRUE(b.fileChangedSince());
    QFile::remove(path);
    EXPECT_TRUE(b.fileChangedSince());
    b.fileStamp.reset(); // there was no file when it was backed up
    EXPECT_FALSE(b.fileChangedSince());
}

} // namespace
