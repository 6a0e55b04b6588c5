// A picture the player draws: an off-screen surface (TBitmap) and a CDC bound to its canvas.
// Colours are 0x00BBGGRR; the high byte of every colour passed in is dropped.
//
//   CComPicture picture;
//   picture.Create(1920, 1080, RGB(0, 0, 0));
//   CComPicture photo;
//   if (photo.LoadFromFile("C:\\show\\dawn.jpg")) photo.Draw(100, 50, picture, SRCCOPY);
//   picture.dc->TextOut(10, 10, "caption");
#pragma once

#include "../framework/Bitmap.h"

#include <memory>
#include <string>

class TMemoryStream;

// The GDI operations the painters use, on one canvas (not owned).
class CDC {
public:
    explicit CDC(TCanvas* canvas) : canvas(canvas) {}
    HDC Handle() const { return canvas->Handle(); }

    COLORREF SetTextColor(COLORREF colour);
    COLORREF SetBkColor(COLORREF colour);
    int SetBkMode(int mode);
    COLORREF GetPixel(int x, int y) const;
    SIZE TextExtent(const std::string& text) const;
    int DrawText(const std::string& text, RECT& rect, UINT format);
    void TextOut(int x, int y, const std::string& text);
    // Style 0..6: solid, dash, dot, dash-dot, dash-dot-dot, clear, inside-frame; any other style
    // keeps the current one (width and colour still change).
    bool SetPen(int style, int width, COLORREF colour);
    void SetBrushColor(COLORREF colour);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void FillRect(const RECT& rect);
    void Ellipse(const RECT& rect);
    bool BitBlt(int x, int y, int width, int height, const CDC& source, int sourceX, int sourceY, DWORD rasterOp);
    bool BitBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rasterOp);
    int SetStretchBltMode(int mode);
    bool StretchBlt(int x, int y, int width, int height, const CDC& source, int sourceX, int sourceY, int sourceWidth,
                    int sourceHeight, DWORD rasterOp);

    TCanvas* canvas;
};

class CComPicture {
public:
    CComPicture() = default;
    virtual ~CComPicture() { Release(); }
    CComPicture(const CComPicture&) = delete;
    CComPicture& operator=(const CComPicture&) = delete;

    void Release();
    // A blank surface filled with the colour; 0 (nothing changed) for a size not above zero.
    int Create(int width, int height, COLORREF colour);
    // Decoders are chosen by name (GetImageType). The built-in readers raise EInvalidGraphic
    // for input they cannot read, after the old surface is gone; the external library gives 0
    // and leaves the picture as it was.
    int LoadFromFile(const std::string& path);
    int LoadFromStream(const TMemoryStream& stream, const std::string& name);
    // Writes the surface as a Windows bitmap file; 1.
    int SaveToFile(const std::string& path);
    // The surface becomes a copy of a monitor's screen area (0: the whole virtual screen).
    void CaptureScreen(int screenIndex);

    void Draw(int x, int y, CComPicture& target, DWORD rasterOp);
    void Draw(int x, int y, CDC& target, DWORD rasterOp);
    void FillRect(const RECT& rect, COLORREF colour);
    RECT GetBounds() const { return {0, 0, Width(), Height()}; }
    // Copies the picture leaving the target as it was wherever the picture has the colour of
    // its pixel (1, 1); 1.
    int DrawTransparent(CDC& target, int x, int y);
    int StretchDrawTransparent(CDC& target, int x, int y, int width, int height);

    int Width() const { return surface ? surface->Width() : 0; }
    int Height() const { return surface ? surface->Height() : 0; }

    std::unique_ptr<TBitmap> surface;
    std::unique_ptr<CDC> dc;

private:
    void Adopt(TBitmap&& bitmap);
    int LoadBuiltIn(const std::string& path, const TMemoryStream* stream);
    int LoadExternal(const std::string& path, const TMemoryStream* stream, int type);
};

// Scales the rectangle (sourceX, sourceY, sourceWidth, sourceHeight) of the source, which must lie
// inside it, to (x, y, width, height) of the target: area averaging where it shrinks, linear
// where it grows, as good as a halftone stretch and much faster. Both pictures need a surface.
void StretchPicture(CComPicture& target, int x, int y, int width, int height, const CComPicture& source, int sourceX,
                    int sourceY, int sourceWidth, int sourceHeight);

// Stretches with HALFTONE and SRCCOPY, putting the destination's stretch mode back.
void HalftoneStretch(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                     int sourceWidth, int sourceHeight);
