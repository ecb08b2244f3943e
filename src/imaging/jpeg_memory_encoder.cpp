#include "imaging/jpeg_memory_encoder.h"

#include <cstdio>
#include <csetjmp>
#include <cstdlib>

#include <jpeglib.h>

namespace montora {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onFatalError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void ignoreMessage(j_common_ptr) {}

} // namespace

Result<QByteArray> JpegMemoryEncoder::encode(const uchar* rgb, int width, int height, int quality)
{
    if (!rgb || width <= 0 || height <= 0)
        return Result<QByteArray>::error(QStringLiteral("There is no picture to compress."));
    if (width > JPEG_MAX_DIMENSION || height > JPEG_MAX_DIMENSION)
        return Result<QByteArray>::error(QStringLiteral("The picture is too large for JPEG."));

    jpeg_compress_struct compressor{};
    ErrorManager errors{};
    compressor.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onFatalError;
    errors.base.output_message = ignoreMessage;
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;

    // Nothing with a destructor may live between setjmp and a longjmp back to it.
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&compressor);
        std::free(output);
        return Result<QByteArray>::error(QStringLiteral("JPEG error: %1").arg(QString::fromLocal8Bit(errors.message)));
    }
    jpeg_create_compress(&compressor);
    jpeg_mem_dest(&compressor, &output, &outputSize);
    compressor.image_width = JDIMENSION(width);
    compressor.image_height = JDIMENSION(height);
    compressor.input_components = 3;
    compressor.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, quality, TRUE);
    jpeg_start_compress(&compressor, TRUE);
    const size_t rowBytes = size_t(width) * 3;
    while (compressor.next_scanline < compressor.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + compressor.next_scanline * rowBytes);
        jpeg_write_scanlines(&compressor, &row, 1);
    }
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);
    QByteArray bytes(reinterpret_cast<const char*>(output), qsizetype(outputSize));
    std::free(output);
    return bytes;
}

} // namespace montora
