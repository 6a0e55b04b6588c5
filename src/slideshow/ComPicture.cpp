#include "ComPicture.h"

#include "../framework/DCGuards.h"
#include "../framework/ImageReader.h"
#include "../platform/File.h"
#include "../platform/Stream.h"
#include "../framework/MonitorGeometry.h"
#include "ImageType.h"
#include "Resampler.h"

#include <cstring>
#include <vector>

namespace {

constexpr COLORREF Rgb24(COLORREF colour)
{
    return colour & 0xFFFFFF;
}

}  // namespace

// ---- CDC --------------------------------------------------------------------------------------

COLORREF CDC::SetTextColor(COLORREF colour)
{
    return ::SetTextColor(Handle(), Rgb24(colour));
}
COLORREF CDC::SetBkColor(COLORREF colour)
{
    return ::SetBkColor(Handle(), Rgb24(colour));
}
int CDC::SetBkMode(int mode)
{
    return ::SetBkMode(Handle(), mode);
}
COLORREF CDC::GetPixel(int x, int y) const
{
    return ::GetPixel(Handle(), x, y);
}

SIZE CDC::TextExtent(const std::string& text) const
{
    SIZE size{};
    ::GetTextExtentPoint32A(Handle(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

int CDC::DrawText(const std::string& text, RECT& rect, UINT format)
{
    return ::DrawTextA(Handle(), text.c_str(), static_cast<int>(text.size()), &rect, format);
}

void CDC::TextOut(int x, int y, const std::string& text)
{
    ::TextOutA(Handle(), x, y, text.c_str(), static_cast<int>(text.size()));
}

bool CDC::SetPen(int style, int width, COLORREF colour)
{
    static constexpr int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    const int penStyle = style >= 0 && style <= 6 ? kStyles[style] : canvas->PenStyle();
    canvas->SetPen(penStyle, width, Rgb24(colour));
    return true;
}

void CDC::SetBrushColor(COLORREF colour)
{
    canvas->SetBrushColor(Rgb24(colour));
}
void CDC::MoveTo(int x, int y)
{
    ::MoveToEx(Handle(), x, y, nullptr);
}
void CDC::LineTo(int x, int y)
{
    ::LineTo(Handle(), x, y);
}

void CDC::FillRect(const RECT& rect)
{
    ::FillRect(Handle(), &rect, static_cast<HBRUSH>(::GetCurrentObject(Handle(), OBJ_BRUSH)));
}

void CDC::Ellipse(const RECT& rect)
{
    ::Ellipse(Handle(), rect.left, rect.top, rect.right, rect.bottom);
}

bool CDC::BitBlt(int x, int y, int width, int height, const CDC& source, int sourceX, int sourceY, DWORD rasterOp)
{
    return BitBlt(x, y, width, height, source.Handle(), sourceX, sourceY, rasterOp);
}

bool CDC::BitBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rasterOp)
{
    return ::BitBlt(Handle(), x, y, width, height, source, sourceX, sourceY, rasterOp) != FALSE;
}

int CDC::SetStretchBltMode(int mode)
{
    return ::SetStretchBltMode(Handle(), mode);
}

bool CDC::StretchBlt(int x, int y, int width, int height, const CDC& source, int sourceX, int sourceY, int sourceWidth,
                     int sourceHeight, DWORD rasterOp)
{
    return ::StretchBlt(Handle(), x, y, width, height, source.Handle(), sourceX, sourceY, sourceWidth, sourceHeight,
                        rasterOp) != FALSE;
}

void HalftoneStretch(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                     int sourceWidth, int sourceHeight)
{
    const int previous = ::SetStretchBltMode(target, HALFTONE);
    ::SetBrushOrgEx(target, 0, 0, nullptr);
    ::StretchBlt(target, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, SRCCOPY);
    ::SetStretchBltMode(target, previous);
}

void StretchPicture(CComPicture& target, int x, int y, int width, int height, const CComPicture& source, int sourceX,
                    int sourceY, int sourceWidth, int sourceHeight)
{
    if (!target.surface || !source.surface) return;
    ::GdiFlush();  // pixels are read and written directly: what GDI queued lands first
    TBitmap& to = *target.surface;
    const TBitmap& from = *source.surface;
    if (width == sourceWidth && height == sourceHeight) {
        CopyPixels(from, sourceX, sourceY, to, x, y, width, height);
        return;
    }
    ResamplePixels({from.Pixels(), from.Width(), from.Height(), from.Width()},
                   {sourceX, sourceY, sourceWidth, sourceHeight}, {to.Pixels(), to.Width(), to.Height(), to.Width()},
                   {x, y, width, height});
}

// ---- CComPicture: surfaces --------------------------------------------------------------------

void CComPicture::Release()
{
    dc.reset();
    surface.reset();
}

void CComPicture::Adopt(TBitmap&& bitmap)
{
    surface = std::make_unique<TBitmap>(std::move(bitmap));
    dc = std::make_unique<CDC>(&surface->Canvas());
}

int CComPicture::Create(int width, int height, COLORREF colour)
{
    if (width <= 0 || height <= 0) return 0;
    TBitmap bitmap;
    if (!bitmap.SetSize(width, height, Rgb24(colour))) return 0;
    Release();
    Adopt(std::move(bitmap));
    surface->Canvas().SetBrushColor(Rgb24(colour));  // later fills default to the picture's colour
    return 1;
}

void CComPicture::Draw(int x, int y, CComPicture& target, DWORD rasterOp)
{
    if (target.dc) Draw(x, y, *target.dc, rasterOp);
}

void CComPicture::Draw(int x, int y, CDC& target, DWORD rasterOp)
{
    if (!surface) return;
    target.BitBlt(x, y, Width(), Height(), *dc, 0, 0, rasterOp);
}

void CComPicture::FillRect(const RECT& rect, COLORREF colour)
{
    if (!surface) return;
    UniqueBrush brush(::CreateSolidBrush(Rgb24(colour)));
    ::FillRect(dc->Handle(), &rect, brush.get());
}

void CComPicture::CaptureScreen(int screenIndex)
{
    ScreenRect area;
    if (!QueryMonitorGeometry(screenIndex, area)) return;
    WindowDC screen(nullptr);
    if (!screen.get() || !Create(area.width, area.height, 0)) return;
    ::BitBlt(dc->Handle(), 0, 0, area.width, area.height, screen.get(), area.left, area.top, SRCCOPY);
}

int CComPicture::SaveToFile(const std::string& path)
{
    if (!surface) return 0;
    ::GdiFlush();
    const int width = Width(), height = Height();
    const std::uint32_t rowBytes = static_cast<std::uint32_t>(width) * 4;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height;  // top-down, as the surface holds it: the pixels go out in one write
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    info.biSizeImage = rowBytes * static_cast<std::uint32_t>(height);
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;

    OutputFile out;
    if (!out.Create(path) || !out.Write(&file, sizeof file) || !out.Write(&info, sizeof info)) return 0;
    return out.Write(surface->Pixels(), info.biSizeImage) ? 1 : 0;
}

// ---- CComPicture: transparent copies ----------------------------------------------------------

int CComPicture::DrawTransparent(CDC& target, int x, int y)
{
    if (!surface) return 1;
    const int width = Width(), height = Height();
    CComPicture picture, beneath;
    if (!picture.Create(width, height, 0) || !beneath.Create(width, height, 0)) return 1;
    Draw(0, 0, picture, SRCCOPY);
    beneath.dc->BitBlt(0, 0, width, height, target, x, y, SRCCOPY);
    const COLORREF key = surface->Pixel(1, 1);

    // White where the picture has the key colour, black elsewhere.
    UniqueBitmap maskBitmap(::CreateBitmap(width, height, 1, 1, nullptr));
    UniqueMemoryDC mask(::CreateCompatibleDC(nullptr));
    if (!maskBitmap || !mask) return 1;
    SelectGuard selectMask(mask.get(), maskBitmap.get());
    const COLORREF background = picture.dc->SetBkColor(key);
    ::BitBlt(mask.get(), 0, 0, width, height, picture.dc->Handle(), 0, 0, SRCCOPY);
    picture.dc->SetBkColor(background);

    // Monochrome sources expand to the destination's text (0) and background (1) colours.
    for (CComPicture* colour : {&picture, &beneath}) {
        ::SetTextColor(colour->dc->Handle(), RGB(0, 0, 0));
        ::SetBkColor(colour->dc->Handle(), RGB(255, 255, 255));
    }
    beneath.dc->BitBlt(0, 0, width, height, mask.get(), 0, 0, SRCAND);      // target where keyed
    ::BitBlt(mask.get(), 0, 0, width, height, nullptr, 0, 0, DSTINVERT);    // mask inverted
    picture.dc->BitBlt(0, 0, width, height, mask.get(), 0, 0, SRCAND);      // picture where not keyed
    picture.dc->BitBlt(0, 0, width, height, *beneath.dc, 0, 0, SRCINVERT);  // both halves
    target.BitBlt(x, y, width, height, *picture.dc, 0, 0, SRCCOPY);
    return 1;
}

int CComPicture::StretchDrawTransparent(CDC& target, int x, int y, int width, int height)
{
    CComPicture scaled;
    if (!surface || !scaled.Create(width, height, 0)) return 1;
    HalftoneStretch(scaled.dc->Handle(), 0, 0, width, height, dc->Handle(), 0, 0, Width(), Height());
    return scaled.DrawTransparent(target, x, y);
}

// ---- CComPicture: decoding --------------------------------------------------------------------

int CComPicture::LoadFromFile(const std::string& path)
{
    const int type = GetImageType(path);
    return IsBuiltInImageType(type) ? LoadBuiltIn(path, nullptr) : LoadExternal(path, nullptr, type);
}

int CComPicture::LoadFromStream(const TMemoryStream& stream, const std::string& name)
{
    const int type = GetImageType(name);
    return IsBuiltInImageType(type) ? LoadBuiltIn(name, &stream) : LoadExternal(name, &stream, type);
}

int CComPicture::LoadBuiltIn(const std::string& path, const TMemoryStream* stream)
{
    Release();
    TBitmap bitmap;
    if (stream)
        ReadImageBytes(stream->Bytes().data(), stream->Bytes().size(), bitmap);
    else
        ReadImageFile(path, bitmap);
    Adopt(std::move(bitmap));
    return 1;
}
