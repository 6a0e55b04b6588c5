// A stand-in for the system's taskbar: a visible window of the taskbar's class, for tests that
// check that the show hides it and gives it back.
#pragma once

#include "../../src/framework/Handles.h"

#include <windows.h>

inline UniqueWindow MakeTaskbar()
{
    WNDCLASSA trayClass{};
    trayClass.lpfnWndProc = DefWindowProcA;
    trayClass.lpszClassName = "Shell_TrayWnd";
    ::RegisterClassA(&trayClass);
    return UniqueWindow(::CreateWindowExA(0, "Shell_TrayWnd", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 30, nullptr,
                                          nullptr, nullptr, nullptr));
}

// The cursor's display count (shown while it is 0 or more), left as it was.
inline int CursorDisplayCount()
{
    const int count = ::ShowCursor(TRUE) - 1;
    ::ShowCursor(FALSE);
    return count;
}
