// The application object: reads the command line, opens the package inside the program's own
// file, loads the project record and the user's settings, and decides the run mode.
#pragma once

#include "../diagnostics/ScrMode.h"
#include "../framework/Handles.h"
#include "../package/XMLDb.h"
#include "../settings/SaverSettings.h"
#include "../settings/VESKGlobeSettings.h"

#include <windows.h>

class CScreensaverApp {
public:
    virtual ~CScreensaverApp() = default;

    // Handles the one-shot switches and prepares the show; true: create the screen window and run
    // the message loop, false: end now.
    bool Run();
    // Sets runMode from the raw command line; returns the window handle that follows the switch.
    HWND ParseModeArgument();
    // Undoes what the run announced to the system and closes the package. Called once, on every path.
    void Shutdown();

    UniqueKernelHandle mutexHandle;  // the single-instance mutex of full-screen mode
    HWND hostWindow = nullptr;       // preview parent, or owner of the password dialog
    TScrMode runMode = smNone;
    CMyXMLDb database;
    CSaverSettings settings;
    CVESKGlobeSettings project;

private:
    static constexpr UINT kOwnerAnswerMs = 1000;  // how long the foreground window may take to answer

    void SaveDesktopSnapshot();
    static HWND ResponsiveForegroundWindow();

    bool runningNotified = false;  // this run told the system that a screensaver runs
};

// The process's one application object.
extern CScreensaverApp g_app;
