#include "settings/widgets/jpegimage.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(JpegImageTest, DecodesAPictureAndReturnsErrorsInsteadOfExiting)
{
    QFile f(QStringLiteral(VORNIC_SOURCE_DIR "/tests/data/html/baseline.jpg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray jpeg = f.readAll();
    const Result<QImage> picture = decodeJpeg(jpeg);
    ASSERT_TRUE(picture.ok()) << picture.error().toStdString();
    EXPECT_EQ(picture.value().size(), QSize(640, 480));
    EXPECT_EQ(picture.value().pixelColor(10, 10).red() > 200, true); // a red picture

    // libjpeg's own handler would end the process on these.
    for (const QByteArray& broken : {QByteArray("not a jpeg"), jpeg.left(20), QByteArray()})
        EXPECT_FALSE(decodeJpeg(broken).ok()) << broken.size();
}
