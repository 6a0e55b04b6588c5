// Owners of Win32 handles, one named instance of UniqueHandle per kind.
//
//   UniqueKernelHandle mutex(CreateMutexA(nullptr, TRUE, "name"));   // closed by CloseHandle
//   UniqueLibrary library(LoadLibraryA("MPR.DLL"));                   // freed by FreeLibrary
//   UniqueRegKey key;
//   RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, key.put());   // closed by RegCloseKey
//   UniqueBrush brush(CreateSolidBrush(RGB(0, 0, 0)));                 // deleted by DeleteObject
#pragma once

#include "../platform/UniqueHandle.h"

#include <windows.h>

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::CloseHandle(h); }
};
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;

struct LibraryTraits {
    using Handle = HMODULE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::FreeLibrary(h); }
};
using UniqueLibrary = UniqueHandle<LibraryTraits>;

// An exported function of a loaded library, typed; null when the library lacks it.
//   auto verify = GetProc<BOOL(WINAPI*)(HWND)>(library.get(), "VerifyScreenSavePwd");
template <class Function>
Function GetProc(HMODULE library, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(library, name)));
}

struct RegKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::RegCloseKey(h); }
};
using UniqueRegKey = UniqueHandle<RegKeyTraits>;

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

struct WindowTraits {
    using Handle = HWND;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::DestroyWindow(h); }
};
using UniqueWindow = UniqueHandle<WindowTraits>;
