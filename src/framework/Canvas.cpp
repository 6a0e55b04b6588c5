#include "Canvas.h"

TCanvas::TCanvas(HDC dc) : dc(dc), savedState(::SaveDC(dc))
{
    SetPen(PS_SOLID, 1, RGB(0, 0, 0));
    SetBrushColor(RGB(255, 255, 255));
}

TCanvas::~TCanvas()
{
    // Selects the original tools back, so ours are free to be deleted.
    if (savedState) ::RestoreDC(dc, savedState);
}

void TCanvas::SetPen(int style, int width, COLORREF colour)
{
    UniquePen next(::CreatePen(style, width, colour & 0xFFFFFF));
    if (!next) return;
    ::SelectObject(dc, next.get());
    pen = std::move(next);
    penStyle = style;
}

void TCanvas::SetBrushColor(COLORREF colour)
{
    UniqueBrush next(::CreateSolidBrush(colour & 0xFFFFFF));
    if (!next) return;
    ::SelectObject(dc, next.get());
    brush = std::move(next);
    brushColor = colour & 0xFFFFFF;
}

void TCanvas::SetFont(const LOGFONTA& logFont)
{
    UniqueFont next(::CreateFontIndirectA(&logFont));
    if (!next) return;
    ::SelectObject(dc, next.get());
    font = std::move(next);
}

std::string TCanvas::DefaultFontFace()
{
    LOGFONTA guiFont{};
    if (::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof guiFont, &guiFont) && guiFont.lfFaceName[0])
        return guiFont.lfFaceName;
    return "Tahoma";
}
