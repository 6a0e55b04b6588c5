// PNG through libpng's simplified interface.
#include "PictureCodecs.h"

#include <png.h>

#include <memory>

namespace {

class PngImage {
public:
    PngImage() { image.version = PNG_IMAGE_VERSION; }
    ~PngImage() { png_image_free(&image); }
    PngImage(const PngImage&) = delete;
    PngImage& operator=(const PngImage&) = delete;

    png_image image{};
};

}  // namespace

Picture DecodePng(const std::string& path)
{
    PngImage png;
    if (!png_image_begin_read_from_file(&png.image, path.c_str())) throw PictureError(png.image.message);
    const bool alphaChannel = (png.image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    png.image.format = PNG_FORMAT_BGRA;  // 0xAARRGGBB on a little-endian machine
    Picture picture;
    picture.Allocate(static_cast<int>(png.image.width), static_cast<int>(png.image.height));
    if (!png_image_finish_read(&png.image, nullptr, picture.pixels.data(), 0, nullptr))
        throw PictureError(png.image.message);
    for (std::size_t i = 0; alphaChannel && i < picture.pixels.size() && !picture.hasAlpha; ++i)
        picture.hasAlpha = picture.pixels[i] >> 24 != 0xFF;
    return picture;
}

void EncodePng(const Picture& picture, const std::string& path)
{
    PngImage png;
    png.image.width = static_cast<png_uint_32>(picture.width);
    png.image.height = static_cast<png_uint_32>(picture.height);
    png.image.format = picture.hasAlpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    if (picture.hasAlpha) {
        if (!png_image_write_to_file(&png.image, path.c_str(), 0, picture.pixels.data(), 0, nullptr))
            throw PictureError(png.image.message);
        return;
    }
    // Without alpha the rows are written as 24-bit colour.
    std::vector<std::uint8_t> rgb(picture.pixels.size() * 3);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        rgb[3 * i] = picture.pixels[i] & 0xFF;
        rgb[3 * i + 1] = picture.pixels[i] >> 8 & 0xFF;
        rgb[3 * i + 2] = picture.pixels[i] >> 16 & 0xFF;
    }
    if (!png_image_write_to_file(&png.image, path.c_str(), 0, rgb.data(), 0, nullptr))
        throw PictureError(png.image.message);
}
