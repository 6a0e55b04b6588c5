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

}  // namespace

std::vector<std::uint8_t> EncodeImage(const GUID& container, int width, int height,
                                      const std::vector<std::uint8_t>& bgrRows)
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
    Check(encoder->CreateNewFrame(&frame, nullptr), "frame");
    Check(frame->Initialize(nullptr), "frame init");
    Check(frame->SetSize(width, height), "size");
    WICPixelFormatGUID pixelFormat = GUID_WICPixelFormat24bppBGR;
    Check(frame->SetPixelFormat(&pixelFormat), "pixel format");
    const UINT stride = static_cast<UINT>(width) * 3;
    if (pixelFormat == GUID_WICPixelFormat24bppBGR) {
        Check(frame->WritePixels(height, stride, static_cast<UINT>(bgrRows.size()), const_cast<BYTE*>(bgrRows.data())),
              "pixels");
    } else {
        // The encoder wants another layout (GIF: indexed): let the converter produce it.
        ComPtr<IWICBitmap> source;
        Check(factory->CreateBitmapFromMemory(width, height, GUID_WICPixelFormat24bppBGR, stride,
                                              static_cast<UINT>(bgrRows.size()), const_cast<BYTE*>(bgrRows.data()),
                                              &source),
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
