#include "TestImages.h"

#include <objbase.h>
#include <shlwapi.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <fstream>
#include <stdexcept>

using Microsoft::WRL::ComPtr;

namespace {

void Check(HRESULT result, const char* what)
{
    if (FAILED(result)) throw std::runtime_error(what);
}

const GUID& Container(ImageFormat format)
{
    switch (format) {
        case ImageFormat::Bmp:
            return GUID_ContainerFormatBmp;
        case ImageFormat::Png:
            return GUID_ContainerFormatPng;
        case ImageFormat::Jpeg:
            return GUID_ContainerFormatJpeg;
        case ImageFormat::Gif:
            return GUID_ContainerFormatGif;
        default:
            return GUID_ContainerFormatTiff;
    }
}

}  // namespace

std::vector<std::uint8_t> EncodeImage(ImageFormat format, int width, int height, const PixelFunction& pixel)
{
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ComPtr<IWICImagingFactory> factory;
    Check(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)),
          "no imaging factory");
    ComPtr<IStream> stream;
    stream.Attach(::SHCreateMemStream(nullptr, 0));
    ComPtr<IWICBitmapEncoder> encoder;
    Check(factory->CreateEncoder(Container(format), nullptr, &encoder), "no encoder");
    Check(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache), "encoder");
    ComPtr<IWICBitmapFrameEncode> frame;
    Check(encoder->CreateNewFrame(&frame, nullptr), "frame");
    Check(frame->Initialize(nullptr), "frame init");
    Check(frame->SetSize(width, height), "size");
    WICPixelFormatGUID pixelFormat = GUID_WICPixelFormat24bppBGR;
    Check(frame->SetPixelFormat(&pixelFormat), "pixel format");

    std::vector<BYTE> rows(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = pixel(x, y);
            BYTE* p = &rows[(static_cast<std::size_t>(y) * width + x) * 3];
            p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
        }
    if (pixelFormat == GUID_WICPixelFormat24bppBGR) {
        Check(frame->WritePixels(height, width * 3, static_cast<UINT>(rows.size()), rows.data()), "pixels");
    } else {
        // The encoder wants another layout (GIF: indexed): let the converter produce it.
        ComPtr<IWICBitmap> source;
        Check(factory->CreateBitmapFromMemory(width, height, GUID_WICPixelFormat24bppBGR, width * 3,
                                              static_cast<UINT>(rows.size()), rows.data(), &source),
              "bitmap");
        Check(frame->WriteSource(source.Get(), nullptr), "source");
    }
    Check(frame->Commit(), "commit frame");
    Check(encoder->Commit(), "commit");

    STATSTG stat{};
    Check(stream->Stat(&stat, STATFLAG_NONAME), "stat");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stat.cbSize.QuadPart));
    LARGE_INTEGER zero{};
    stream->Seek(zero, STREAM_SEEK_SET, nullptr);
    ULONG read = 0;
    stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
    bytes.resize(read);
    return bytes;
}

std::string WriteImage(const std::string& path, ImageFormat format, int width, int height, const PixelFunction& pixel)
{
    const std::vector<std::uint8_t> bytes = EncodeImage(format, width, height, pixel);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

COLORREF PatternPixel(int x, int y)
{
    return RGB((x * 7 + y) & 0xFF, (y * 5 + x / 3) & 0xFF, (x ^ y) & 0xFF);
}
