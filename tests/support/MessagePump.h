// Runs this thread's messages for a while, as the message loop would.
#pragma once

#include <windows.h>

#include <functional>

// Handles messages until `done` is true or `timeoutMs` has passed; returns `done`.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        if (done()) return true;
        if (::GetTickCount() - start > timeoutMs) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// Handles messages for `ms` milliseconds.
inline void PumpFor(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}
