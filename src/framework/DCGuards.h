// Scoped device contexts and selections.
//
//   WindowDC dc(window);                          // GetDC, released by ReleaseDC
//   SelectGuard select(dc.get(), brush.get());    // the previous object is selected back
//   PaintDC paint(window);                        // BeginPaint / EndPaint in WM_PAINT
//   FillRect(paint.get(), &paint.Rect(), ...);
#pragma once

#include <windows.h>

class WindowDC {
public:
    explicit WindowDC(HWND window) : window(window), dc(::GetDC(window)) {}
    ~WindowDC()
    {
        if (dc) ::ReleaseDC(window, dc);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc; }

private:
    HWND window;
    HDC dc;
};

class PaintDC {
public:
    explicit PaintDC(HWND window) : window(window) { ::BeginPaint(window, &paint); }
    ~PaintDC() { ::EndPaint(window, &paint); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const { return paint.hdc; }
    const RECT& Rect() const { return paint.rcPaint; }

private:
    HWND window;
    PAINTSTRUCT paint{};
};

class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc(dc), previous(::SelectObject(dc, object)) {}
    ~SelectGuard()
    {
        if (previous && previous != HGDI_ERROR) ::SelectObject(dc, previous);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc;
    HGDIOBJ previous;
};
