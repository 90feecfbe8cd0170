#include "assets/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace assets {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return. We jump back to the
// decoding routine with longjmp; that routine holds no C++ objects with destructors between
// setjmp and the libjpeg calls, so nothing is skipped.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void errorExit(j_common_ptr info) {
    auto* const manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings (level -1) mean corrupt or missing data; treat them as fatal. Trace messages
// (level >= 0) are ignored.
void emitMessage(j_common_ptr info, int level) {
    if (level < 0) errorExit(info);
}

// Decodes into *image. Returns false after a libjpeg error; the message is in manager.message.
// Only trivially destructible locals live in this frame, which is what makes longjmp safe.
bool decodeInto(jpeg_decompress_struct& info, ErrorManager& manager, const unsigned char* bytes,
                unsigned long size, QImage* image) {
    if (setjmp(manager.jump)) return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes, size);
    jpeg_read_header(&info, TRUE);
    // Kept as three bytes a pixel, as libjpeg writes them: a quarter less memory than 32 bits,
    // with no second image for a conversion; drawing converts each pixel exactly.
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                    QImage::Format_RGB888);
    if (image->isNull()) return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

QImage decodeJpeg(QByteArrayView data) {
    if (data.isEmpty()) throw JpegError("Empty JPEG data");
    jpeg_decompress_struct info{};
    ErrorManager manager{};
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = errorExit;
    manager.base.emit_message = emitMessage;
    manager.message[0] = '\0';

    QImage image;
    const bool ok = decodeInto(info, manager, reinterpret_cast<const unsigned char*>(data.data()),
                               static_cast<unsigned long>(data.size()), &image);
    jpeg_destroy_decompress(&info);
    if (!ok) {
        throw JpegError(manager.message[0] != '\0' ? manager.message
                                                   : "JPEG picture too large for memory");
    }
    return image;
}

}  // namespace assets
