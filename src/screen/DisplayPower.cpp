#include "DisplayPower.h"

#include "../platform/win32/SystemHandles.h"

#include <cstring>

namespace {
// The registration functions came with Vista: they are looked up, so the player still starts
// on older systems.
HMODULE User32()
{
    return ::GetModuleHandleA("user32.dll");
}
}  // namespace

void PowerNotifyTraits::Close(Handle h) noexcept
{
    using Unregister = BOOL(WINAPI*)(HPOWERNOTIFY);
    if (auto unregister = GetProc<Unregister>(User32(), "UnregisterPowerSettingNotification")) unregister(h);
}

void DisplayPower::Register(HWND window, Changed onChange)
{
    changed = std::move(onChange);
    using RegisterFor = HPOWERNOTIFY(WINAPI*)(HANDLE, LPCGUID, DWORD);
    auto registerFor = GetProc<RegisterFor>(User32(), "RegisterPowerSettingNotification");
    if (!registerFor) return;
    consoleDisplay.reset(registerFor(window, &GUID_CONSOLE_DISPLAY_STATE, DEVICE_NOTIFY_WINDOW_HANDLE));
    monitorPower.reset(registerFor(window, &GUID_MONITOR_POWER_ON, DEVICE_NOTIFY_WINDOW_HANDLE));
}

bool DisplayPower::Notified(WPARAM wParam, LPARAM lParam)
{
    if (wParam != PBT_POWERSETTINGCHANGE || lParam == 0) return false;
    const auto& setting = *reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam);
    if (!IsEqualGUID(setting.PowerSetting, GUID_CONSOLE_DISPLAY_STATE) &&
        !IsEqualGUID(setting.PowerSetting, GUID_MONITOR_POWER_ON))
        return false;
    // The console display: 0 off, 1 on, 2 dimmed; the monitor (before Windows 8): 0 off, 1 on.
    DWORD state = 1;
    if (setting.DataLength >= sizeof state) std::memcpy(&state, setting.Data, sizeof state);
    // Both settings may report the same change; only a change is told.
    const bool nowOn = state != 0;
    if (nowOn == on) return true;
    on = nowOn;
    if (changed) changed(on);
    return true;
}
