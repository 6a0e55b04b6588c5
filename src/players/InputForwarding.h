// Input that reaches a video window is passed on to the window below it, so the screen window
// keeps watching its exit conditions while a video covers it.
#pragma once

#include <windows.h>

// Posts a mouse message (WM_MOUSEMOVE .. WM_MBUTTONUP) from `from` to `to`, its point converted
// from the client coordinates of `from` to those of `to`.
void ForwardMouseMessage(HWND from, HWND to, UINT message, WPARAM wParam, LPARAM lParam);

inline bool IsMouseMessage(UINT message)
{
    return message >= WM_MOUSEMOVE && message <= WM_MBUTTONUP;
}
