// The user's settings, kept per user in the registry under a key named after the project, and the
// screen window's run-time exit state, which is never stored.
//
//   settings.SetKey(project.projectName);
//   settings.Load();                      // missing key or values keep the defaults
//   settings.options.closeOnKey = 1;
//   if (!settings.Save()) ...             // writes "data", "transition effects", "screenmode"
#pragma once

#include "SaverOptions.h"

#include <windows.h>

#include <cstdint>
#include <string>

class CSaverSettings {
public:
    CSaverSettings() : ownEffectList(DefaultOwnEffectList()) {}
    virtual ~CSaverSettings() = default;

    void SetKey(const std::string& projectName) { registryKey = SettingsKeyName(projectName); }
    void Load();
    // True when every value was written; a refused key or value is logged.
    bool Save();

    // When armed: marks the close request, posts WM_CLOSE to the screen window and logs `name`.
    void RaiseCloseEvent(const char* name);
    // Shows the cursor and stops exit detection, while a dialog asks the user something.
    void SuspendExit();
    // Hides the cursor again and measures later moves from where the cursor is now.
    void ResumeExit();

    // Run-time state of the screen window's exit conditions.
    HWND mainWindow = nullptr;
    std::int32_t exitArmed = 0;
    std::int32_t graceSeconds = 15;
    POINT startPos{};
    std::int32_t startTick = 0;
    std::int32_t exitSuspended = 0;
    std::int32_t closeRequested = 0;

    // Stored settings.
    std::string registryKey;
    SaverOptions options;
    std::string ownEffectList;
    std::int32_t monitorMode = 0;  // 0 different images, 1 the same image, 2 clone, 3 across
};
