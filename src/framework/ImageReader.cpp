#include "ImageReader.h"

#include "../platform/File.h"
#include "AnsiText.h"
#include "ComApartment.h"
#include "ExifOrientation.h"
#include "PixelOrientation.h"

#include <objbase.h>
#include <wincodec.h>
#include <wrl/client.h>

using Microsoft::WRL::ComPtr;

namespace {

void Check(HRESULT result, const char* what)
{
    if (FAILED(result)) throw EInvalidGraphic(std::string(what));
}

ComPtr<IWICImagingFactory> Factory()
{
    ComPtr<IWICImagingFactory> factory;
    Check(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)),
          "Imaging component not available");
    return factory;
}

bool IsJpeg(IWICBitmapDecoder& decoder)
{
    GUID format{};
    return SUCCEEDED(decoder.GetContainerFormat(&format)) && IsEqualGUID(format, GUID_ContainerFormatJpeg);
}

// Copies the decoder's first frame, converted to 32-bpp BGR and optionally resampled, into the
// bitmap's pixels (which have the DIB section's BGRX layout), turned upright for the EXIF
// orientation. A width × height asked for is the upright size.
void CopyFirstFrame(IWICImagingFactory& factory, IWICBitmapDecoder& decoder, int width, int height, int orientation,
                    TBitmap& bitmap)
{
    if (width > 0 && height > 0) {
        const OrientedSize stored = OrientSize(width, height, orientation);  // the swap is its own inverse
        width = stored.width;
        height = stored.height;
    }
    ComPtr<IWICBitmapFrameDecode> frame;
    Check(decoder.GetFrame(0, &frame), "Invalid graphic: no picture in the file");
    ComPtr<IWICFormatConverter> converter;
    Check(factory.CreateFormatConverter(&converter), "Imaging component not available");
    Check(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                WICBitmapPaletteTypeCustom),
          "Invalid graphic: unsupported pixel format");
    ComPtr<IWICBitmapSource> source = converter;
    UINT naturalWidth = 0, naturalHeight = 0;
    Check(source->GetSize(&naturalWidth, &naturalHeight), "Invalid graphic");
    if (width <= 0 || height <= 0) {
        width = static_cast<int>(naturalWidth);
        height = static_cast<int>(naturalHeight);
    } else if (static_cast<UINT>(width) != naturalWidth || static_cast<UINT>(height) != naturalHeight) {
        ComPtr<IWICBitmapScaler> scaler;
        Check(factory.CreateBitmapScaler(&scaler), "Imaging component not available");
        Check(scaler->Initialize(source.Get(), width, height, WICBitmapInterpolationModeFant), "Invalid graphic");
        source = scaler;
    }
    TBitmap decoded;
    if (!decoded.SetSize(width, height, 0)) throw EInvalidGraphic("Out of memory for the picture");
    const UINT stride = static_cast<UINT>(width) * 4;
    Check(source->CopyPixels(nullptr, stride, stride * static_cast<UINT>(height),
                             reinterpret_cast<BYTE*>(decoded.Pixels())),
          "Invalid graphic: the picture data is damaged");
    // The converter may fill the unused fourth byte; GDI compares whole pixels (a transparent
    // copy's key colour), so every surface keeps it zero.
    std::uint32_t* pixel = decoded.Pixels();
    for (std::size_t n = static_cast<std::size_t>(width) * height; n > 0; --n, ++pixel)
        *pixel &= 0x00FFFFFF;
    if (orientation != kOrientationAsStored) {
        const OrientedSize upright = OrientSize(width, height, orientation);
        TBitmap turned;
        if (!turned.SetSize(upright.width, upright.height, 0)) throw EInvalidGraphic("Out of memory for the picture");
        OrientPixels(decoded.Pixels(), width, height, orientation, turned.Pixels());
        decoded = std::move(turned);
    }
    bitmap = std::move(decoded);
}

// The orientation of a JPEG file, from its leading bytes.
int FileOrientation(const std::string& path)
{
    SharedReadFile file;
    return file.Open(path) ? JpegOrientation(file) : kOrientationAsStored;
}

}  // namespace

void ReadImageFileScaled(const std::string& path, int width, int height, TBitmap& bitmap)
{
    ComApartment com;
    ComPtr<IWICImagingFactory> factory = Factory();
    ComPtr<IWICBitmapDecoder> decoder;
    Check(factory->CreateDecoderFromFilename(Widened(path).c_str(), nullptr, GENERIC_READ,
                                             WICDecodeMetadataCacheOnDemand, &decoder),
          ("Cannot read picture " + path).c_str());
    const int orientation = IsJpeg(*decoder.Get()) ? FileOrientation(path) : kOrientationAsStored;
    CopyFirstFrame(*factory.Get(), *decoder.Get(), width, height, orientation, bitmap);
}

void ReadImageFile(const std::string& path, TBitmap& bitmap)
{
    ReadImageFileScaled(path, 0, 0, bitmap);
}

void ReadImageBytes(const std::uint8_t* bytes, std::size_t size, TBitmap& bitmap)
{
    ComApartment com;
    ComPtr<IWICImagingFactory> factory = Factory();
    if (size > 0xFFFFFFFFu) throw EInvalidGraphic("Invalid graphic: too large");
    // The imaging component's stream reads the caller's bytes where they are. A copy of them
    // (a shell memory stream) was kept by the bitmap decoder of Wine's imaging component after
    // the decode: a show of large bitmaps grew by each picture's size.
    ComPtr<IWICStream> stream;
    Check(factory->CreateStream(&stream), "Out of memory for the picture");
    Check(stream->InitializeFromMemory(const_cast<BYTE*>(bytes), static_cast<DWORD>(size)),
          "Out of memory for the picture");
    ComPtr<IWICBitmapDecoder> decoder;
    Check(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder),
          "Invalid graphic: unknown picture format");
    const int orientation = IsJpeg(*decoder.Get()) ? JpegOrientation(bytes, size) : kOrientationAsStored;
    CopyFirstFrame(*factory.Get(), *decoder.Get(), 0, 0, orientation, bitmap);
}
