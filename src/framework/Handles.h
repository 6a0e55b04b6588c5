// Owners of Win32 handles, one named instance of UniqueHandle per kind; the kernel's and the
// registry's come from the platform layer.
//
//   UniqueMemoryDC dc(CreateCompatibleDC(nullptr));                  // deleted by DeleteDC
//   UniqueBrush brush(CreateSolidBrush(RGB(0, 0, 0)));                 // deleted by DeleteObject
#pragma once

#include "../platform/win32/SystemHandles.h"

#include <windows.h>

struct MemoryDCTraits {
    using Handle = HDC;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::DeleteDC(h); }
};
using UniqueMemoryDC = UniqueHandle<MemoryDCTraits>;

// GDI objects that DeleteObject frees, one type each so a brush is never taken for a bitmap.
template <class GdiHandle>
struct GdiObjectTraits {
    using Handle = GdiHandle;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::DeleteObject(h); }
};
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniquePen = UniqueHandle<GdiObjectTraits<HPEN>>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueRegion = UniqueHandle<GdiObjectTraits<HRGN>>;

struct MenuTraits {
    using Handle = HMENU;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::DestroyMenu(h); }
};
using UniqueMenu = UniqueHandle<MenuTraits>;

struct IconTraits {
    using Handle = HICON;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::DestroyIcon(h); }
};
using UniqueIcon = UniqueHandle<IconTraits>;  // not for icons loaded with LR_SHARED

struct WindowTraits {
    using Handle = HWND;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::DestroyWindow(h); }
};
using UniqueWindow = UniqueHandle<WindowTraits>;
