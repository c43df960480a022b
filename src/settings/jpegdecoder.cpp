#include "settings/jpegdecoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error through error_exit; returning from it is
// not allowed, so it jumps back to the decoder with the message kept.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void errorExit(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void outputMessage(j_common_ptr) {} // warnings are not shown

} // namespace

Result<DecodedJpeg> decodeJpeg(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return Result<DecodedJpeg>::failure(QStringLiteral("The picture is empty."));
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = errorExit;
    errors.base.output_message = outputMessage;
    // Everything the jump may skip past lives outside this block.
    DecodedJpeg* volatile picture = new DecodedJpeg;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        delete picture;
        return Result<DecodedJpeg>::failure(
            QStringLiteral("The picture cannot be decoded. %1").arg(QString::fromLocal8Bit(errors.message)));
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()), (unsigned long)bytes.size());
    jpeg_read_header(&info, TRUE);
    // The program's own pictures are small; a huge size is a broken file.
    if (qint64(info.image_width) * qint64(info.image_height) > 16 * 1024 * 1024) {
        jpeg_destroy_decompress(&info);
        delete picture;
        return Result<DecodedJpeg>::failure(QStringLiteral("The picture cannot be decoded. It is too large."));
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    picture->width = int(info.output_width);
    picture->height = int(info.output_height);
    const qsizetype rowBytes = qsizetype(info.output_width) * 3;
    picture->rgb.resize(rowBytes * qsizetype(info.output_height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(picture->rgb.data() + rowBytes * info.output_scanline);
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    DecodedJpeg result = std::move(*picture);
    delete picture;
    return result;
}
