#include "WindowHook.h"

#include "Application.h"

#include <commctrl.h>

// Each hook is its own subclass (its address is the subclass id), so several hooks on one
// window each see the messages, the latest first.
bool TWindowHook::Install(HWND target, Handler newHandler)
{
    Remove();
    handler = std::move(newHandler);
    if (!::SetWindowSubclass(target, Procedure, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this)))
        return false;
    window = target;
    return true;
}

void TWindowHook::Remove()
{
    if (!window) return;
    ::RemoveWindowSubclass(window, Procedure, reinterpret_cast<UINT_PTR>(this));
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
