// Owners of the kernel's and the registry's handles, for code below the window framework.
//
//   UniqueKernelHandle mutex(CreateMutexA(nullptr, TRUE, "name"));   // closed by CloseHandle
//   UniqueLibrary library(LoadLibraryA("MPR.DLL"));                   // freed by FreeLibrary
//   UniqueRegKey key;
//   RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, key.put());   // closed by RegCloseKey
#pragma once

#include "../UniqueHandle.h"

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
