#include "ImageWriter.h"

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

// Pixels in memory, in one of the imaging component's layouts.
struct PixelRows {
    int width, height;
    WICPixelFormatGUID format;
    UINT stride;
    const BYTE* bytes;
};

void SetQuality(IPropertyBag2& options, float quality)
{
    PROPBAG2 option{};
    option.pstrName = const_cast<LPOLESTR>(L"ImageQuality");
    VARIANT value;
    ::VariantInit(&value);
    value.vt = VT_R4;
    value.fltVal = quality;
    Check(options.Write(1, &option, &value), "quality");
}

std::vector<std::uint8_t> Encode(const GUID& container, const PixelRows& rows, float quality)
{
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ComPtr<IWICImagingFactory> factory;
    Check(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)),
          "no imaging factory");
    ComPtr<IStream> stream;
    stream.Attach(::SHCreateMemStream(nullptr, 0));
    if (!stream) throw std::runtime_error("no memory stream");
    ComPtr<IWICBitmapEncoder> encoder;
    Check(factory->CreateEncoder(container, nullptr, &encoder), "no encoder");
    Check(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache), "encoder");
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    Check(encoder->CreateNewFrame(&frame, &options), "frame");
    if (quality > 0 && options) SetQuality(*options.Get(), quality);
    Check(frame->Initialize(options.Get()), "frame init");
    Check(frame->SetSize(rows.width, rows.height), "size");
    WICPixelFormatGUID pixelFormat = rows.format;
    Check(frame->SetPixelFormat(&pixelFormat), "pixel format");
    const UINT size = rows.stride * static_cast<UINT>(rows.height);
    if (pixelFormat == rows.format) {
        Check(frame->WritePixels(rows.height, rows.stride, size, const_cast<BYTE*>(rows.bytes)), "pixels");
    } else {
        // The encoder wants another layout (GIF: indexed; JPEG: no alpha): the converter makes it.
        ComPtr<IWICBitmap> source;
        Check(factory->CreateBitmapFromMemory(rows.width, rows.height, rows.format, rows.stride, size,
                                              const_cast<BYTE*>(rows.bytes), &source),
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

}  // namespace

std::vector<std::uint8_t> EncodeImage(const GUID& container, int width, int height,
                                      const std::vector<std::uint8_t>& bgrRows)
{
    return Encode(container, {width, height, GUID_WICPixelFormat24bppBGR, static_cast<UINT>(width) * 3, bgrRows.data()},
                  0);
}

std::vector<std::uint8_t> EncodePixels(const GUID& container, int width, int height, const std::uint32_t* pixels,
                                       EncodeOptions options)
{
    const BYTE* bytes = reinterpret_cast<const BYTE*>(pixels);
    const UINT stride = static_cast<UINT>(width) * 4;
    return Encode(
        container,
        {width, height, options.alpha ? GUID_WICPixelFormat32bppBGRA : GUID_WICPixelFormat32bppBGR, stride, bytes},
        options.quality);
}

std::vector<std::uint8_t> EncodeImage(const GUID& container, const TBitmap& bitmap)
{
    const int width = bitmap.Width(), height = bitmap.Height();
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(width) * height * 3);
    const std::uint32_t* pixels = bitmap.Pixels();
    for (std::size_t k = 0; k < static_cast<std::size_t>(width) * height; ++k) {
        // 0x00RRGGBB: blue in the lowest byte.
        rows[k * 3] = static_cast<std::uint8_t>(pixels[k]);
        rows[k * 3 + 1] = static_cast<std::uint8_t>(pixels[k] >> 8);
        rows[k * 3 + 2] = static_cast<std::uint8_t>(pixels[k] >> 16);
    }
    return EncodeImage(container, width, height, rows);
}

void WriteImageFile(const std::string& path, const GUID& container, const TBitmap& bitmap)
{
    const std::vector<std::uint8_t> bytes = EncodeImage(container, bitmap);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path);
}
