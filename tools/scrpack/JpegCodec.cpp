// JPEG through libjpeg-turbo: a reduced-scale decode straight into 32-bit pixels, and the encoder.
#include "PictureCodecs.h"

#include <jpeglib.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// libjpeg reports an error by calling error_exit, which must not return: it jumps back to the
// function that started the work, which then raises the message.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void NoMessage(j_common_ptr, int) {}

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

FilePtr OpenFile(const std::string& path, const char* mode)
{
    FilePtr file(std::fopen(path.c_str(), mode), &std::fclose);
    if (!file) throw PictureError(std::string("cannot open: ") + std::strerror(errno));
    return file;
}

// Adobe's CMYK (and YCCK, converted to it by the decoder) as RGB: inverted values in the files
// that carry an Adobe marker, which is how photo software writes them.
void CmykRowToRgb(std::uint32_t* row, int width, bool inverted)
{
    auto* bytes = reinterpret_cast<std::uint8_t*>(row);
    for (int x = 0; x < width; ++x) {
        std::uint32_t c = bytes[4 * x], m = bytes[4 * x + 1], y = bytes[4 * x + 2], k = bytes[4 * x + 3];
        if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        row[x] = 0xFF000000u | (c * k / 255) << 16 | (m * k / 255) << 8 | (y * k / 255);
    }
}

class Decompressor {
public:
    Decompressor()
    {
        info.err = jpeg_std_error(&errors.base);
        errors.base.error_exit = ErrorExit;
        errors.base.emit_message = NoMessage;
    }
    ~Decompressor() { jpeg_destroy_decompress(&info); }

    jpeg_decompress_struct info{};
    ErrorManager errors{};
};

}  // namespace

PictureSize JpegSize(const std::string& path)
{
    FilePtr file = OpenFile(path, "rb");
    Decompressor d;
    if (setjmp(d.errors.jump)) throw PictureError(d.errors.message);
    jpeg_create_decompress(&d.info);
    jpeg_stdio_src(&d.info, file.get());
    jpeg_read_header(&d.info, TRUE);
    return {static_cast<int>(d.info.image_width), static_cast<int>(d.info.image_height)};
}

void DecodeJpeg(const std::string& path, int denominator, Picture& picture)
{
    FilePtr file = OpenFile(path, "rb");
    picture.hasAlpha = false;
    Decompressor d;
    if (setjmp(d.errors.jump)) throw PictureError(d.errors.message);
    jpeg_create_decompress(&d.info);
    jpeg_stdio_src(&d.info, file.get());
    jpeg_read_header(&d.info, TRUE);
    const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
    d.info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;  // 0xAARRGGBB on a little-endian machine
    d.info.scale_num = 1;
    d.info.scale_denom = static_cast<unsigned>(denominator);
    jpeg_start_decompress(&d.info);
    picture.Allocate(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height));
    while (d.info.output_scanline < d.info.output_height) {
        std::uint32_t* row = picture.pixels.data() + static_cast<std::size_t>(d.info.output_scanline) * picture.width;
        JSAMPROW rows[1] = {reinterpret_cast<JSAMPROW>(row)};
        jpeg_read_scanlines(&d.info, rows, 1);
        if (cmyk) CmykRowToRgb(row, picture.width, d.info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&d.info);
}

void EncodeJpeg(const Picture& picture, int quality, const std::string& path)
{
    FilePtr file = OpenFile(path, "wb");
    jpeg_compress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ErrorExit;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        throw PictureError(errors.message);
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file.get());
    info.image_width = static_cast<JDIMENSION>(picture.width);
    info.image_height = static_cast<JDIMENSION>(picture.height);
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;  // smaller files for a few per cent more time
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        const std::uint32_t* row = picture.pixels.data() + static_cast<std::size_t>(info.next_scanline) * picture.width;
        JSAMPROW rows[1] = {reinterpret_cast<JSAMPROW>(const_cast<std::uint32_t*>(row))};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    if (std::fflush(file.get()) != 0 || std::ferror(file.get())) throw PictureError("cannot write the JPEG");
}
