// A device context with the drawing tools selected into it: the current pen, brush and font are
// owned here and replaced as a whole; the DC's original tools are put back on destruction.
//
//   TCanvas canvas(memoryDC);
//   canvas.SetPen(PS_SOLID, 2, RGB(255, 0, 0));
//   canvas.SetBrushColor(RGB(0, 0, 255));
//   Ellipse(canvas.Handle(), 0, 0, 100, 50);
#pragma once

#include "Handles.h"

#include <windows.h>

#include <string>

class TCanvas {
public:
    explicit TCanvas(HDC dc);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    HDC Handle() const { return dc; }

    // Colours keep their low 24 bits.
    void SetPen(int style, int width, COLORREF colour);
    int PenStyle() const { return penStyle; }
    void SetBrushColor(COLORREF colour);
    COLORREF BrushColor() const { return brushColor; }
    void SetFont(const LOGFONTA& font);

    // The face of the system's GUI font: the face captions are drawn in.
    static std::string DefaultFontFace();

private:
    HDC dc;
    int savedState;
    int penStyle = PS_SOLID;
    COLORREF brushColor = RGB(255, 255, 255);
    // Destroyed after the DC's state is restored, so none of them is selected then.
    UniquePen pen;
    UniqueBrush brush;
    UniqueFont font;
};
