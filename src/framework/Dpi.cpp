#include "Dpi.h"

#include "Handles.h"

void DeclareDpiAwareness()
{
    // Windows 10 1703 and later: per-monitor, version 2.
    if (HMODULE user32 = ::GetModuleHandleA("user32.dll")) {
        using SetContext = BOOL(WINAPI*)(HANDLE);
        if (auto set = GetProc<SetContext>(user32, "SetProcessDpiAwarenessContext"))
            if (set(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)))) return;  // PER_MONITOR_AWARE_V2
    }
    // Windows 8.1 and later: per-monitor.
    UniqueLibrary shcore(::LoadLibraryA("shcore.dll"));
    if (shcore) {
        using SetAwareness = HRESULT(WINAPI*)(int);
        if (auto set = GetProc<SetAwareness>(shcore.get(), "SetProcessDpiAwareness"))
            if (SUCCEEDED(set(2))) return;  // PROCESS_PER_MONITOR_DPI_AWARE
    }
    // Vista and later: system-aware.
    if (HMODULE user32 = ::GetModuleHandleA("user32.dll")) {
        using SetAware = BOOL(WINAPI*)();
        if (auto set = GetProc<SetAware>(user32, "SetProcessDPIAware")) set();
    }
}
