#include "SaverSettings.h"

#include "../diagnostics/FileLog.h"
#include "../platform/win32/SystemHandles.h"

#include <vector>

namespace {
const char kData[] = "data";
const char kEffects[] = "transition effects";
const char kScreenMode[] = "screenmode";
constexpr DWORD kEffectsBuffer = 4096;
}  // namespace

void CSaverSettings::Load()
{
    UniqueRegKey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, registryKey.c_str(), 0, KEY_ALL_ACCESS, key.put()) != ERROR_SUCCESS) return;

    // A shorter stored block sets only the options it covers; a longer one is not read at all.
    SaverOptions::Bytes block{};
    DWORD size = sizeof block;
    if (::RegQueryValueExA(key.get(), kData, nullptr, nullptr, block.data(), &size) == ERROR_SUCCESS)
        options.Overlay(block.data(), size);

    std::vector<char> effects(kEffectsBuffer + 1, '\0');
    size = kEffectsBuffer;
    if (::RegQueryValueExA(key.get(), kEffects, nullptr, nullptr, reinterpret_cast<BYTE*>(effects.data()), &size) ==
        ERROR_SUCCESS)
        ownEffectList = effects.data();

    DWORD mode = 0;
    size = sizeof mode;
    if (::RegQueryValueExA(key.get(), kScreenMode, nullptr, nullptr, reinterpret_cast<BYTE*>(&mode), &size) ==
            ERROR_SUCCESS &&
        size == sizeof mode)
        monitorMode = static_cast<std::int32_t>(mode);
}

bool CSaverSettings::Save()
{
    UniqueRegKey key;
    const LONG opened = ::RegCreateKeyExA(HKEY_CURRENT_USER, registryKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                          KEY_ALL_ACCESS, nullptr, key.put(), nullptr);
    if (opened != ERROR_SUCCESS) {
        FILE_LOG("settings not saved: key %s refused (%ld)", registryKey.c_str(), opened);
        return false;
    }
    bool saved = true;
    const auto write = [&](const char* name, DWORD type, const void* data, DWORD size) {
        const LONG result = ::RegSetValueExA(key.get(), name, 0, type, static_cast<const BYTE*>(data), size);
        if (result == ERROR_SUCCESS) return;
        FILE_LOG("settings not saved: value \"%s\" refused (%ld)", name, result);
        saved = false;
    };
    const SaverOptions::Bytes block = options.ToBytes();
    write(kData, REG_BINARY, block.data(), static_cast<DWORD>(block.size()));
    // Stored without its terminating zero.
    write(kEffects, REG_EXPAND_SZ, ownEffectList.data(), static_cast<DWORD>(ownEffectList.size()));
    const DWORD mode = static_cast<DWORD>(monitorMode);
    write(kScreenMode, REG_DWORD, &mode, sizeof mode);
    return saved;
}

void CSaverSettings::RaiseCloseEvent(const char* name)
{
    if (exitArmed != 1) return;
    closeRequested = 1;
    ::PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    FILE_LOG("Close Event : %s", name);
}

void CSaverSettings::SuspendExit()
{
    exitSuspended = 1;
    ::SendMessageA(mainWindow, WM_SETCURSOR, reinterpret_cast<WPARAM>(mainWindow), HTCLIENT);
}

void CSaverSettings::ResumeExit()
{
    exitSuspended = 0;
    ::SendMessageA(mainWindow, WM_SETCURSOR, reinterpret_cast<WPARAM>(mainWindow), HTCLIENT);
    ::GetCursorPos(&startPos);
}
