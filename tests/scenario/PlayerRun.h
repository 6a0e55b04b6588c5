// One run of the player as a debugged process, so that a fault is seen as the fault it is (code
// and address) instead of a crash dialog. The run is driven by its windows: a message box is
// read and answered, the screen window is closed once it has stood for a moment.
//
//   const PlayerRun run = RunPlayer("\"C:\\show\\show.scr\" /s", 800, 30000);
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct PlayerRun {
    bool started = false;
    DWORD startError = 0;            // why it could not be started
    bool showed = false;             // its screen window was up
    std::vector<std::string> boxes;  // the texts of the message boxes it showed, in order
    bool ended = false;              // it ended within the time-out
    DWORD exitCode = 0;
    bool crashed = false;  // an exception nothing in it handled
    DWORD exceptionCode = 0;
    DWORD exceptionAddress = 0;
};

// Runs `commandLine` in `folder`; the screen window is closed (WM_CLOSE) `showMs` after it is
// first seen; after `timeoutMs` the process is ended.
PlayerRun RunPlayer(const std::string& commandLine, const std::string& folder, DWORD showMs, DWORD timeoutMs);
