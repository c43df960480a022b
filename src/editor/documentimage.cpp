#include "editor/documentimage.h"

FileImage fileImage(const DocumentImage& image)
{
    FileImage out;
    out.encoding = image.encoding;
    if (image.encoding != TextEncoding::Utf8) {
        if (std::optional<QByteArray> bytes = TextEncodings::fromUtf8(image.utf8, image.encoding)) {
            out.bytes = std::move(*bytes);
            out.bytes += image.finalBreak;
            return out;
        }
        out.encoding = TextEncoding::Utf8;
    }
    out.bytes.reserve(image.utf8.size() + 5);
    if (image.byteOrderMark && image.encoding == TextEncoding::Utf8)
        out.bytes += QByteArrayView(TextEncodings::Utf8Bom.data(), qsizetype(TextEncodings::Utf8Bom.size()));
    out.bytes += image.utf8;
    out.bytes += image.finalBreak;
    return out;
}

