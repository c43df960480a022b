#pragma once

#include "settings/result.h"

#include <QString>
#include <QtGlobal>

class ByteReader;

// ImgSize: the pixel size of a GIF, PNG or JPEG picture, read from its
// header without decoding the picture. A reader that does not find the
// size answers 0 x 0.
struct ImageSize {
    quint32 width = 0;
    quint32 height = 0;
    bool operator==(const ImageSize&) const = default;
};

// The readers over a byte stream; each reads only forward and never past
// what the stream holds.
ImageSize readGifSize(ByteReader& reader);
ImageSize readPngSize(ByteReader& reader);
ImageSize readJpegSize(ByteReader& reader);

// The readers over a file: they only open it (regular files only, so a
// FIFO cannot block) and hand it to the stream readers above. A file that
// cannot be opened is an error naming the path and the reason.
Result<ImageSize> GifImageSize(const QString& path);
Result<ImageSize> PngImageSize(const QString& path);
Result<ImageSize> JpegImageSize(const QString& path);
// By the lower-case extension: ".gif" GIF, ".png" PNG, anything else JPEG.
Result<ImageSize> imageSizeOfFile(const QString& path);
