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

// What libjpeg changes while it runs. It lives in the caller's frame, not in the
// one that calls setjmp: locals of that frame changed before a longjmp back to it
// would be indeterminate afterwards.
struct Compression {
    jpeg_compress_struct compressor{};
    ErrorManager errors{};
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;
};

// False when libjpeg gave up; the message is in `c.errors`. Nothing with a
// destructor may live here, as a longjmp skips it.
bool compress(Compression& c, const uchar* rgb, int width, int height, int quality)
{
    if (setjmp(c.errors.jump))
        return false;
    jpeg_create_compress(&c.compressor);
    jpeg_mem_dest(&c.compressor, &c.output, &c.outputSize);
    c.compressor.image_width = JDIMENSION(width);
    c.compressor.image_height = JDIMENSION(height);
    c.compressor.input_components = 3;
    c.compressor.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c.compressor);
    jpeg_set_quality(&c.compressor, quality, TRUE);
    jpeg_start_compress(&c.compressor, TRUE);
    const size_t rowBytes = size_t(width) * 3;
    while (c.compressor.next_scanline < c.compressor.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + c.compressor.next_scanline * rowBytes);
        jpeg_write_scanlines(&c.compressor, &row, 1);
    }
    jpeg_finish_compress(&c.compressor);
    return true;
}

} // namespace

Result<QByteArray> JpegMemoryEncoder::encode(const uchar* rgb, int width, int height, int quality)
{
    if (!rgb || width <= 0 || height <= 0)
        return Result<QByteArray>::error(QStringLiteral("There is no picture to compress."));
    if (width > JPEG_MAX_DIMENSION || height > JPEG_MAX_DIMENSION)
        return Result<QByteArray>::error(QStringLiteral("The picture is too large for JPEG."));

    Compression c;
    c.compressor.err = jpeg_std_error(&c.errors.base);
    c.errors.base.error_exit = onFatalError;
    c.errors.base.output_message = ignoreMessage;
    const bool done = compress(c, rgb, width, height, quality);
    jpeg_destroy_compress(&c.compressor);
    QByteArray bytes;
    if (done)
        bytes = QByteArray(reinterpret_cast<const char*>(c.output), qsizetype(c.outputSize));
    std::free(c.output);
    if (!done)
        return Result<QByteArray>::error(QStringLiteral("JPEG error: %1").arg(QString::fromLocal8Bit(c.errors.message)));
    return bytes;
}

} // namespace montora
