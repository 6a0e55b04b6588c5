// One hide of the mouse cursor at most, matched by one show. The system counts ShowCursor calls,
// so a window that hid the cursor at every WM_SETCURSOR would need as many shows to get it back;
// this keeps a window's share of the count at 0 or -1, and gives it back on destruction.
//
//   TCursorHider cursor;
//   cursor.Hide(runMode == smSaver);   // at WM_SETCURSOR
#pragma once

#include <windows.h>

class TCursorHider {
public:
    TCursorHider() = default;
    ~TCursorHider() { Hide(false); }
    TCursorHider(const TCursorHider&) = delete;
    TCursorHider& operator=(const TCursorHider&) = delete;

    void Hide(bool hide)
    {
        if (hide == hidden) return;
        ::ShowCursor(hide ? FALSE : TRUE);
        hidden = hide;
    }

private:
    bool hidden = false;
};
