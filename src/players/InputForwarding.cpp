#include "InputForwarding.h"

#include <windowsx.h>

void ForwardMouseMessage(HWND from, HWND to, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Signed: a panel that overhangs the window's edges reports points left of or above it.
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::ClientToScreen(from, &point);
    ::ScreenToClient(to, &point);
    ::PostMessageA(to, message, wParam, MAKELPARAM(point.x, point.y));
}
