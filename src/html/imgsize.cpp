#include "html/imgsize.h"

#include "html/bytereader.h"
#include "html/regularfile.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <cstring>

ImageSize readJpegSize(ByteReader& reader)
{
    std::array<char, 2> start{};
    if (reader.read(start.data(), 2) != 2 || quint8(start[0]) != 0xFF || quint8(start[1]) != 0xD8)
        return {};
    auto marker = reader.readByte();
    while (marker && *marker == 0xFF) {
        const auto type = reader.readByte();
        if (!type)
            return {};
        const quint8 t = *type;
        if (t == 0xFF)
            continue; // fill byte
        if (t == 0xC0 || t == 0xC1 || t == 0xC2) {
            // Segment length and sample precision, then height and width.
            if (!reader.skip(3))
                return {};
            const auto height = ReadBigEndianWord(reader);
            const auto width = ReadBigEndianWord(reader);
            if (!height || !width)
                return {};
            return {*width, *height};
        }
        if (t == 0x01 || (t >= 0xD0 && t <= 0xD7)) {
            marker = quint8(0xFF); // markers without a length
            continue;
        }
        const auto length = ReadBigEndianWord(reader);
        // The length counts its own two bytes; less is no segment at all.
        if (!length || *length < 2 || !reader.skip(*length - 2))
            return {};
        marker = reader.readByte();
    }
    return {};
}

ImageSize readPngSize(ByteReader& reader)
{
    static constexpr quint8 signature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
    std::array<char, 24> header{};
    if (reader.read(header.data(), 24) != 24)
        return {};
    if (std::memcmp(header.data(), signature, 8) != 0)
        return {};
    auto big32 = [&header](int at) {
        return (quint32(quint8(header[at])) << 24) | (quint32(quint8(header[at + 1])) << 16) |
               (quint32(quint8(header[at + 2])) << 8) | quint32(quint8(header[at + 3]));
    };
    // The IHDR chunk's width and height, all 32 bits.
    return {big32(16), big32(20)};
}

ImageSize readGifSize(ByteReader& reader)
{
    std::array<char, 13> header{};
    if (reader.read(header.data(), 13) != 13 || std::memcmp(header.data(), "GIF", 3) != 0)
        return {};
    const quint8 packed = quint8(header[10]);
    if ((packed & 0x80) && !reader.skip(3 * (qint64(1) << ((packed & 7) + 1))))
        return {};
    // Walk the blocks: an extension is skipped by its sub-block sizes, so a
    // 2C byte inside one (a delay of 44, say) is not taken for an image.
    while (const auto block = reader.readByte()) {
        if (*block == 0x2C) {
            std::array<char, 9> descriptor{};
            if (reader.read(descriptor.data(), 9) != 9)
                return {};
            auto little16 = [&descriptor](int at) {
                return quint32(quint8(descriptor[at])) | (quint32(quint8(descriptor[at + 1])) << 8);
            };
            return {little16(4), little16(6)};
        }
        if (*block == 0x3B) // trailer: no image in the file
            return {};
        if (*block != 0x21)
            continue; // a stray byte between blocks
        if (!reader.readByte()) // the extension's label
            return {};
        for (;;) {
            const auto size = reader.readByte();
            if (!size)
                return {};
            if (*size == 0)
                break;
            if (!reader.skip(*size))
                return {};
        }
    }
    return {};
}

namespace {

Result<ImageSize> sizeOfFile(const QString& path, ImageSize (*reader)(ByteReader&))
{
    QFile file;
    if (const Result<void> opened = openRegularFile(file, path); !opened)
        return Result<ImageSize>::failure(opened.error());
    ByteReader bytes(file);
    return reader(bytes);
}

} // namespace

Result<ImageSize> GifImageSize(const QString& path) { return sizeOfFile(path, readGifSize); }
Result<ImageSize> PngImageSize(const QString& path) { return sizeOfFile(path, readPngSize); }
Result<ImageSize> JpegImageSize(const QString& path) { return sizeOfFile(path, readJpegSize); }

Result<ImageSize> imageSizeOfFile(const QString& path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String("gif"))
        return GifImageSize(path);
    if (extension == QLatin1String("png"))
        return PngImageSize(path);
    return JpegImageSize(path);
}
