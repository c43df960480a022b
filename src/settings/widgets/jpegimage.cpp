#include "settings/widgets/jpegimage.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg's default error handler ends the process; this one jumps back.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void onJpegError(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

extern "C" void onJpegMessage(j_common_ptr) {} // warnings are not printed

// Only plain objects live in this frame: a jump back skips no destructor.
bool decodeInto(const unsigned char* data, unsigned long size, QImage* out, char* message)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onJpegError;
    errors.base.output_message = onJpegMessage;
    if (setjmp(errors.jump)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *out = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (out->isNull()) {
        std::snprintf(message, JMSG_LENGTH_MAX, "The picture is too large.");
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

Result<QImage> decodeJpeg(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return Result<QImage>::failure(QStringLiteral("The picture is empty."));
    QImage image;
    char message[JMSG_LENGTH_MAX] = {};
    if (!decodeInto(reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<unsigned long>(bytes.size()),
                    &image, message))
        return Result<QImage>::failure(QString::fromLocal8Bit(message));
    return image;
}
