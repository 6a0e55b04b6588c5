// Whether the display is on, as the system tells the screen window. Where the system reports the
// display's state (Vista and later) the window is registered for it, and the registration ends
// with this object; elsewhere nothing is registered and the display counts as on throughout.
//
//   DisplayPower power;
//   power.Register(window, [this](bool on) { on ? GoOn() : Rest(); });
//   case WM_POWERBROADCAST: if (power.Notified(wParam, lParam)) return TRUE;
#pragma once

#include "../platform/UniqueHandle.h"

#include <windows.h>

#include <functional>

struct PowerNotifyTraits {
    using Handle = HPOWERNOTIFY;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept;
};
using UniquePowerNotify = UniqueHandle<PowerNotifyTraits>;

class DisplayPower {
public:
    using Changed = std::function<void(bool displayOn)>;

    // `changed` hears of every change between off and on (dimmed counts as on).
    void Register(HWND window, Changed changed);
    // A WM_POWERBROADCAST: true when it reported the display's state.
    bool Notified(WPARAM wParam, LPARAM lParam);
    bool DisplayOn() const { return on; }

private:
    Changed changed;
    bool on = true;
    UniquePowerNotify consoleDisplay;  // off, on or dimmed (Windows 8 and later)
    UniquePowerNotify monitorPower;    // off or on (Vista and 7)
};
