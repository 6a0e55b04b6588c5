// scrpack.exe decodes and encodes through the system's imaging component (WIC): what it decodes
// can be converted and fitted, and a format it lacks is refused with the way out.
#include "../../src/framework/AnsiText.h"
#include "../../src/framework/ComApartment.h"
#include "../../src/framework/ImageWriter.h"
#include "PictureCodecs.h"

#include <objbase.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <fstream>

using Microsoft::WRL::ComPtr;

const char* const kConversionWayOut = ": build the show with the Linux scrpack, or convert the picture to JPEG first";

namespace {

void Check(HRESULT result, const char* what)
{
    if (FAILED(result)) throw PictureError(what);
}

// The first frame of a picture file, and the factory that opened it.
struct FirstFrame {
    ComApartment com;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmapFrameDecode> frame;

    explicit FirstFrame(const std::string& path)
    {
        Check(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)),
              "this system has no imaging component");
        ComPtr<IWICBitmapDecoder> decoder;
        Check(factory->CreateDecoderFromFilename(Widened(path).c_str(), nullptr, GENERIC_READ,
                                                 WICDecodeMetadataCacheOnDemand, &decoder),
              "this system has no decoder for it");
        Check(decoder->GetFrame(0, &frame), "no picture in the file");
    }

    PictureSize Size()
    {
        UINT width = 0, height = 0;
        Check(frame->GetSize(&width, &height), "the picture is damaged");
        return {static_cast<int>(width), static_cast<int>(height)};
    }

    // The frame at its own size as 0xAARRGGBB.
    void CopyTo(Picture& picture)
    {
        const PictureSize size = Size();
        ComPtr<IWICFormatConverter> converter;
        Check(factory->CreateFormatConverter(&converter), "this system has no imaging component");
        Check(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                    WICBitmapPaletteTypeCustom),
              "unsupported pixel format");
        picture.Allocate(size.width, size.height);
        const UINT stride = static_cast<UINT>(size.width) * 4;
        Check(converter->CopyPixels(nullptr, stride, stride * static_cast<UINT>(size.height),
                                    reinterpret_cast<BYTE*>(picture.pixels.data())),
              "the picture is damaged");
        picture.hasAlpha = false;
        for (const std::uint32_t pixel : picture.pixels)
            if (pixel >> 24 != 0xFF) {
                picture.hasAlpha = true;
                break;
            }
    }
};

void WriteBytes(const std::vector<std::uint8_t>& bytes, const std::string& path)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw PictureError("cannot write " + path);
}

std::vector<std::uint8_t> Encode(const GUID& container, const Picture& picture, EncodeOptions options)
{
    try {
        return EncodePixels(container, picture.width, picture.height, picture.pixels.data(), options);
    } catch (const std::runtime_error& e) {
        throw PictureError(std::string("cannot encode the picture (") + e.what() + ")");
    }
}

}  // namespace

PictureSize JpegSize(const std::string& path)
{
    return FirstFrame(path).Size();
}

// The imaging component's JPEG decoder has no reduced decode that this build can ask for: the
// picture comes at its own size, and the resampler takes it all the way.
void DecodeJpeg(const std::string& path, int, Picture& picture)
{
    FirstFrame(path).CopyTo(picture);
}

Picture DecodePicture(PictureFormat, const std::string& path)
{
    Picture picture;
    FirstFrame(path).CopyTo(picture);
    return picture;
}

void EncodeJpeg(const Picture& picture, int quality, const std::string& path)
{
    WriteBytes(Encode(GUID_ContainerFormatJpeg, picture, {false, static_cast<float>(quality) / 100.0f}), path);
}

void EncodePng(const Picture& picture, const std::string& path)
{
    WriteBytes(Encode(GUID_ContainerFormatPng, picture, {picture.hasAlpha, 0.0f}), path);
}
