#include "settings/jpegdecoder.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(JpegDecoderTest, DecodesAPictureAndReturnsErrorsInsteadOfExiting)
{
    QFile f(QStringLiteral(VORNIC_SOURCE_DIR "/tests/data/html/baseline.jpg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray jpeg = f.readAll();
    const Result<DecodedJpeg> picture = decodeJpeg(jpeg);
    ASSERT_TRUE(picture.ok()) << picture.error().toStdString();
    EXPECT_EQ(picture.value().width, 640);
    EXPECT_EQ(picture.value().height, 480);
    ASSERT_EQ(picture.value().rgb.size(), 640 * 480 * 3);
    // A red picture: the first pixel is red.
    EXPECT_GT(quint8(picture.value().rgb[0]), 200);
    EXPECT_LT(quint8(picture.value().rgb[1]), 60);

    // libjpeg's own handler would end the process on these.
    for (const QByteArray& broken : {QByteArray("not a jpeg"), jpeg.left(20), QByteArray()}) {
        const Result<DecodedJpeg> r = decodeJpeg(broken);
        EXPECT_FALSE(r.ok()) << broken.size();
    }
}
