#include "html/bytereader.h"
#include "html/imgsize.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QString fixture(const char* name)
{
    return QStringLiteral(HTML_FIXTURES "/") + QLatin1String(name);
}

QByteArray bytesOf(const char* name)
{
    QFile f(fixture(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

ImageSize sizeOfBytes(const QByteArray& bytes, ImageSize (*reader)(ByteReader&))
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    ByteReader r(buffer);
    return reader(r);
}

struct Picture {
    const char* file;
    ImageSize (*reader)(ByteReader&);
    ImageSize size;
};

const Picture kPictures[] = {
    {"baseline.jpg", readJpegSize, {640, 480}},
    {"progressive.jpg", readJpegSize, {640, 480}},
    {"pic.png", readPngSize, {47, 31}},
    {"wide.png", readPngSize, {70000, 3}},
    {"delay44.gif", readGifSize, {47, 31}},
    {"globaltable.gif", readGifSize, {47, 31}},
    {"png-named.jpg", readJpegSize, {0, 0}},
    {"shortsegment.jpg", readJpegSize, {0, 0}},
};

} // namespace

TEST(ImgSizeTest, ReadsEachFixtureByItsExtension)
{
    for (const Picture& p : kPictures) {
        const Result<ImageSize> size = imageSizeOfFile(fixture(p.file));
        ASSERT_TRUE(size.ok()) << p.file << ": " << size.error().toStdString();
        EXPECT_EQ(size.value().width, p.size.width) << p.file;
        EXPECT_EQ(size.value().height, p.size.height) << p.file;
    }
}

// A cut-off file gives the full answer or nothing; never a wrong size, and
// the reader neither reads past the data nor goes back.
TEST(ImgSizeTest, EveryPrefixGivesTheSizeOrNothing)
{
    for (const Picture& p : kPictures) {
        const QByteArray whole = bytesOf(p.file);
        for (qsizetype n = 0; n <= whole.size(); ++n) {
            QBuffer buffer;
            buffer.setData(whole.left(n));
            buffer.open(QIODevice::ReadOnly);
            ByteReader r(buffer);
            const ImageSize size = p.reader(r);
            EXPECT_TRUE(size == p.size || size == ImageSize{}) << p.file << " cut at " << n;
            EXPECT_LE(r.position(), n) << p.file << " cut at " << n;
        }
    }
}

TEST(ImgSizeTest, BrokenHeaders)
{
    // A JPEG segment length below 2 would step back into the segment.
    QByteArray zeroLength("\xFF\xD8\xFF\xE0\x00\x00\xFF\xC0\x00\x11\x08\x00\x10\x00\x20", 15);
    EXPECT_EQ(sizeOfBytes(zeroLength, readJpegSize), ImageSize{});
    // Fill bytes and a marker without a length before the frame header.
    QByteArray fill("\xFF\xD8\xFF\xFF\xFF\xD0\xFF\xC1\x00\x11\x08\x00\x10\x00\x20", 15);
    EXPECT_EQ(sizeOfBytes(fill, readJpegSize), (ImageSize{32, 16}));
    // A GIF whose first block is the trailer has no image.
    EXPECT_EQ(sizeOfBytes(QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00\x3B", 14), readGifSize), ImageSize{});
    EXPECT_EQ(sizeOfBytes(QByteArray("GIF"), readGifSize), ImageSize{});
    EXPECT_EQ(sizeOfBytes(bytesOf("pic.png"), readGifSize), ImageSize{});
    EXPECT_EQ(sizeOfBytes(bytesOf("baseline.jpg"), readPngSize), ImageSize{});
}

TEST(ImgSizeTest, FilesThatCannotBeReadAreErrors)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.png"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const Result<ImageSize> fromFifo = imageSizeOfFile(fifo); // would block if opened as a file
    ASSERT_FALSE(fromFifo.ok());
    EXPECT_EQ(fromFifo.error(), QStringLiteral("Cannot open file \"%1\". It is not a regular file.").arg(fifo));

    const QString missing = dir.filePath(QStringLiteral("missing.gif"));
    const Result<ImageSize> fromMissing = imageSizeOfFile(missing);
    ASSERT_FALSE(fromMissing.ok());
    EXPECT_EQ(fromMissing.error(), QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing));
    EXPECT_FALSE(imageSizeOfFile(dir.path()).ok());
}

TEST(ImgSizeTest, SkippingSeeksInsteadOfReading)
{
    // A segment of 60000 bytes before the frame header is stepped over.
    QByteArray big("\xFF\xD8\xFF\xE1\xEA\x60", 6);
    big += QByteArray(60000 - 2, 'x');
    big += QByteArray("\xFF\xC0\x00\x11\x08\x01\xE0\x02\x80", 9);
    big += QByteArray(2'000'000, '\0');
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("big.jpg")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(big);
    f.close();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    ByteReader r(f);
    EXPECT_EQ(readJpegSize(r), (ImageSize{640, 480}));
    EXPECT_LT(r.bytesFetched(), 4096);
}
