#include "WindowHook.h"

#include "Application.h"

#include <commctrl.h>

namespace {
constexpr UINT_PTR kHookId = 1;
}

bool TWindowHook::Install(HWND target, Handler newHandler)
{
    Remove();
    handler = std::move(newHandler);
    if (!::SetWindowSubclass(target, Procedure, kHookId, reinterpret_cast<DWORD_PTR>(this))) return false;
    window = target;
    return true;
}

void TWindowHook::Remove()
{
    if (!window) return;
    ::RemoveWindowSubclass(window, Procedure, kHookId);
    window = nullptr;
}

LRESULT CALLBACK TWindowHook::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self)
{
    auto* hook = reinterpret_cast<TWindowHook*>(self);
    if (message == WM_NCDESTROY) {
        hook->Remove();
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    try {
        LRESULT result = 0;
        if (hook->handler && hook->handler(message, wParam, lParam, result)) return result;
    } catch (const std::exception& e) {
        Application.ShowException(e);
        return 0;
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}
