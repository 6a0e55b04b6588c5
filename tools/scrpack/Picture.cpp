#include "Picture.h"

#include "../../src/framework/PixelOrientation.h"
#include "../../src/slideshow/Resampler.h"

#include <algorithm>

void OrientPicture(Picture& picture, int orientation, std::vector<std::uint32_t>& scratch)
{
    if (orientation < 2 || orientation > 8) return;
    const OrientedSize size = OrientSize(picture.width, picture.height, orientation);
    scratch.resize(picture.pixels.size());
    OrientPixels(picture.pixels.data(), picture.width, picture.height, orientation, scratch.data());
    picture.pixels.swap(scratch);
    picture.width = size.width;
    picture.height = size.height;
}

void OrientPicture(Picture& picture, int orientation)
{
    std::vector<std::uint32_t> scratch;
    OrientPicture(picture, orientation, scratch);
}

namespace {

std::uint32_t Premultiplied(std::uint32_t pixel)
{
    const std::uint32_t a = pixel >> 24;
    const auto scaled = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    return scaled(pixel >> 16 & 0xFF) << 16 | scaled(pixel >> 8 & 0xFF) << 8 | scaled(pixel & 0xFF);
}

std::uint32_t Unpremultiplied(std::uint32_t colour, std::uint32_t a)
{
    if (a == 0) return 0;
    const auto scaled = [a](std::uint32_t c) { return std::min<std::uint32_t>(255, (c * 255 + a / 2) / a); };
    return a << 24 | scaled(colour >> 16 & 0xFF) << 16 | scaled(colour >> 8 & 0xFF) << 8 | scaled(colour & 0xFF);
}

void Resample(const std::vector<std::uint32_t>& source, PictureSize from, std::vector<std::uint32_t>& target,
              PictureSize to)
{
    target.assign(static_cast<std::size_t>(to.width) * static_cast<std::size_t>(to.height), 0);
    ResamplePixels({source.data(), from.width, from.height, from.width}, {0, 0, from.width, from.height},
                   {target.data(), to.width, to.height, to.width}, {0, 0, to.width, to.height});
}

}  // namespace

void ResizePicture(const Picture& source, PictureSize size, Picture& target)
{
    target.width = size.width;
    target.height = size.height;
    target.hasAlpha = source.hasAlpha;
    if (!source.hasAlpha) {
        Resample(source.pixels, source.Size(), target.pixels, size);
        for (std::uint32_t& pixel : target.pixels)
            pixel |= 0xFF000000u;
        return;
    }
    // Opacity goes through the resampler as a grey picture of its own.
    std::vector<std::uint32_t> premultiplied(source.pixels.size()), alpha(source.pixels.size()), resizedAlpha;
    for (std::size_t i = 0; i < source.pixels.size(); ++i) {
        alpha[i] = source.pixels[i] >> 24;
        premultiplied[i] = Premultiplied(source.pixels[i]);
    }
    Resample(premultiplied, source.Size(), target.pixels, size);
    premultiplied = {};
    Resample(alpha, source.Size(), resizedAlpha, size);
    for (std::size_t i = 0; i < target.pixels.size(); ++i)
        target.pixels[i] = Unpremultiplied(target.pixels[i], resizedAlpha[i] & 0xFF);
}
