// libjpeg decoding and encoding. libjpeg reports fatal errors through its error manager, which
// must not return: ours jumps back to the call with longjmp. Everything the jump must find intact
// lives in a heap block reached through a pointer that is never changed after setjmp, and no C++
// object with a destructor is alive in the frames a jump leaves.
#include "images/core/jpegcodec.h"

#include "images/core/filebytes.h"
#include "images/core/imageerrors.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <jerror.h>
#include <jpeglib.h>

namespace images {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    int code = 0;
};

[[noreturn]] void failWithCode(j_common_ptr info)
{
    auto *manager = reinterpret_cast<ErrorManager *>(info->err);
    manager->code = info->err->msg_code;
    std::longjmp(manager->jump, 1);
}

// Warnings are ignored as libjpeg intends, except the end of a truncated file: the picture
// would be shown half grey as if it were whole.
void onMessage(j_common_ptr info, int level)
{
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        failWithCode(info);
}

void installErrorManager(ErrorManager &manager)
{
    jpeg_std_error(&manager.base);
    manager.base.error_exit = failWithCode;
    manager.base.emit_message = onMessage;
}

struct DecodeState {
    jpeg_decompress_struct info;
    ErrorManager errors;
    QImage image;
    bool tooLarge = false;
};

struct EncodeState {
    jpeg_compress_struct info;
    ErrorManager errors;
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
};

} // namespace

QImage JpegCodec::read(const QString &path)
{
    return decode(readFileBytes(path));
}

QImage JpegCodec::decode(const QByteArray &bytes)
{
    const std::unique_ptr<DecodeState> state = std::make_unique<DecodeState>();
    DecodeState *const s = state.get();
    installErrorManager(s->errors);
    s->info.err = &s->errors.base;
    if (setjmp(s->errors.jump)) {
        jpeg_destroy_decompress(&s->info);
        throw EJpegError(s->errors.code);
    }
    jpeg_create_decompress(&s->info);
    jpeg_mem_src(&s->info, reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&s->info, TRUE);
    s->info.out_color_space = JCS_RGB;
    s->info.scale_num = 1;
    s->info.scale_denom = 1;
    if (qint64(s->info.image_width) * s->info.image_height > MaxPixels) {
        s->tooLarge = true;
    } else {
        jpeg_start_decompress(&s->info);
        s->image = QImage(static_cast<int>(s->info.output_width), static_cast<int>(s->info.output_height),
                          QImage::Format_RGB888);
        if (!s->image.isNull()) {
            while (s->info.output_scanline < s->info.output_height) {
                JSAMPROW row = s->image.scanLine(static_cast<int>(s->info.output_scanline));
                jpeg_read_scanlines(&s->info, &row, 1);
            }
            jpeg_finish_decompress(&s->info);
        }
    }
    const qint64 width = s->info.image_width;
    const qint64 height = s->info.image_height;
    jpeg_destroy_decompress(&s->info);
    if (s->tooLarge || s->image.isNull())
        throw ImageError(QStringLiteral("Image JPEG trop grande : %1 x %2 pixels").arg(width).arg(height));
    return std::move(s->image);
}

void JpegCodec::write(const QImage &image, const QString &path, int quality)
{
    writeFileBytes(path, encode(image, quality));
}

QByteArray JpegCodec::encode(const QImage &image, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const std::unique_ptr<EncodeState> state = std::make_unique<EncodeState>();
    EncodeState *const s = state.get();
    installErrorManager(s->errors);
    s->info.err = &s->errors.base;
    if (setjmp(s->errors.jump)) {
        jpeg_destroy_compress(&s->info);
        std::free(s->buffer);
        throw EJpegError(s->errors.code);
    }
    jpeg_create_compress(&s->info);
    jpeg_mem_dest(&s->info, &s->buffer, &s->size);
    s->info.image_width = static_cast<JDIMENSION>(rgb.width());
    s->info.image_height = static_cast<JDIMENSION>(rgb.height());
    s->info.input_components = 3;
    s->info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&s->info);
    jpeg_set_quality(&s->info, quality, TRUE);
    jpeg_start_compress(&s->info, TRUE);
    while (s->info.next_scanline < s->info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(s->info.next_scanline)));
        jpeg_write_scanlines(&s->info, &row, 1);
    }
    jpeg_finish_compress(&s->info);
    jpeg_destroy_compress(&s->info);
    QByteArray bytes(reinterpret_cast<const char *>(s->buffer), static_cast<qsizetype>(s->size));
    std::free(s->buffer);
    return bytes;
}

} // namespace images
