// HEIF (libheif), AVIF (libavif) and WebP (libwebp) decoded into 32-bit pixels, upright.
#include "../../src/framework/ExifOrientation.h"
#include "PictureCodecs.h"

#include <avif/avif.h>
#include <libheif/heif.h>
#include <webp/decode.h>
#include <webp/demux.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

namespace {

std::vector<std::uint8_t> ReadWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw PictureError("cannot open the file");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Marks the picture transparent when a pixel is not fully opaque.
void FindAlpha(Picture& picture)
{
    picture.hasAlpha = false;
    for (std::size_t i = 0; i < picture.pixels.size() && !picture.hasAlpha; ++i)
        picture.hasAlpha = picture.pixels[i] >> 24 != 0xFF;
}

// Frees with the library's own function (some take a const pointer).
template <auto Free>
struct Deleter {
    template <class T>
    void operator()(T* p) const
    {
        if (p) Free(p);
    }
};

void HeifCheck(heif_error error)
{
    if (error.code != heif_error_Ok) throw PictureError(error.message);
}

}  // namespace

Picture DecodeHeif(const std::string& path)
{
    std::unique_ptr<heif_context, Deleter<heif_context_free>> context(heif_context_alloc());
    HeifCheck(heif_context_read_from_file(context.get(), path.c_str(), nullptr));
    heif_image_handle* rawHandle = nullptr;
    HeifCheck(heif_context_get_primary_image_handle(context.get(), &rawHandle));
    std::unique_ptr<heif_image_handle, Deleter<heif_image_handle_release>> handle(rawHandle);
    const bool alpha = heif_image_handle_has_alpha_channel(handle.get()) != 0;
    heif_image* rawImage = nullptr;
    // The decoder applies the container's turns and mirrors by default.
    HeifCheck(heif_decode_image(handle.get(), &rawImage, heif_colorspace_RGB,
                                alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, nullptr));
    std::unique_ptr<heif_image, Deleter<heif_image_release>> image(rawImage);
    int stride = 0;
    const std::uint8_t* plane = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    if (!plane) throw PictureError("the picture has no pixels");
    Picture picture;
    picture.Allocate(heif_image_get_width(image.get(), heif_channel_interleaved),
                     heif_image_get_height(image.get(), heif_channel_interleaved));
    const int channels = alpha ? 4 : 3;
    for (int y = 0; y < picture.height; ++y) {
        const std::uint8_t* in = plane + static_cast<std::ptrdiff_t>(y) * stride;
        std::uint32_t* out = picture.pixels.data() + static_cast<std::size_t>(y) * picture.width;
        for (int x = 0; x < picture.width; ++x, in += channels)
            out[x] = (alpha ? static_cast<std::uint32_t>(in[3]) << 24 : 0xFF000000u) | in[0] << 16 | in[1] << 8 | in[2];
    }
    if (alpha) FindAlpha(picture);
    return picture;
}

Picture DecodeAvif(const std::string& path)
{
    std::unique_ptr<avifDecoder, Deleter<avifDecoderDestroy>> decoder(avifDecoderCreate());
    if (!decoder) throw PictureError("out of memory");
    const auto check = [](avifResult result) {
        if (result != AVIF_RESULT_OK) throw PictureError(avifResultToString(result));
    };
    check(avifDecoderSetIOFile(decoder.get(), path.c_str()));
    check(avifDecoderParse(decoder.get()));
    check(avifDecoderNextImage(decoder.get()));
    const avifImage* image = decoder->image;
    Picture picture;
    picture.Allocate(static_cast<int>(image->width), static_cast<int>(image->height));
    avifRGBImage rgb;
    avifRGBImageSetDefaults(&rgb, image);
    rgb.format = AVIF_RGB_FORMAT_BGRA;  // 0xAARRGGBB on a little-endian machine
    rgb.depth = 8;
    rgb.pixels = reinterpret_cast<std::uint8_t*>(picture.pixels.data());
    rgb.rowBytes = static_cast<std::uint32_t>(picture.width) * 4;
    const avifResult converted = avifImageYUVToRGB(image, &rgb);
    if (converted != AVIF_RESULT_OK) throw PictureError(avifResultToString(converted));
    if (image->alphaPlane) FindAlpha(picture);
    // The container's turn (anticlockwise quarters) comes before its mirror.
    if (image->transformFlags & AVIF_TRANSFORM_IROT) {
        static const int kTurns[] = {1, 8, 3, 6};
        OrientPicture(picture, kTurns[image->irot.angle & 3]);
    }
    if (image->transformFlags & AVIF_TRANSFORM_IMIR) OrientPicture(picture, image->imir.mode == 0 ? 4 : 2);
    return picture;
}

Picture DecodeWebp(const std::string& path)
{
    const std::vector<std::uint8_t> bytes = ReadWhole(path);
    int width = 0, height = 0;
    if (!WebPGetInfo(bytes.data(), bytes.size(), &width, &height)) throw PictureError("not a WebP picture");
    Picture picture;
    picture.Allocate(width, height);
    const int rowBytes = width * 4;
    if (!WebPDecodeBGRAInto(bytes.data(), bytes.size(), reinterpret_cast<std::uint8_t*>(picture.pixels.data()),
                            picture.pixels.size() * 4, rowBytes))
        throw PictureError("the WebP data is damaged (or animated)");
    FindAlpha(picture);
    // The orientation of an EXIF chunk, which may or may not keep its "Exif\0\0" header.
    const WebPData data = {bytes.data(), bytes.size()};
    std::unique_ptr<WebPDemuxer, Deleter<WebPDemuxDelete>> demux(WebPDemux(&data));
    WebPChunkIterator chunk;
    if (demux && WebPDemuxGetChunk(demux.get(), "EXIF", 1, &chunk)) {
        const std::uint8_t* exif = chunk.chunk.bytes;
        std::size_t size = chunk.chunk.size;
        if (size >= 6 && std::memcmp(exif, "Exif\0\0", 6) == 0) exif += 6, size -= 6;
        OrientPicture(picture, ParseExifOrientation(exif, size));
        WebPDemuxReleaseChunkIterator(&chunk);
    }
    return picture;
}
