#include "settings/widgets/jpegimage.h"

#include "settings/jpegdecoder.h"

#include <QFile>

#include <cstring>

QImage loadJpegImage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const Result<DecodedJpeg> decoded = decodeJpeg(file.readAll());
    if (!decoded)
        return {};
    const DecodedJpeg& picture = decoded.value();
    QImage image(picture.width, picture.height, QImage::Format_RGB888);
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(image.scanLine(y), picture.rgb.constData() + qsizetype(y) * picture.width * 3,
                    std::size_t(picture.width) * 3);
    return image;
}
