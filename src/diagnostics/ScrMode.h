// The run mode, chosen once at start-up from the command line and the project.
#pragma once

#include <cstdint>

enum TScrMode : std::int32_t {
    smNone = 0,            // an argument whose letter is not recognised
    smConfigure = 1,       // no argument, or "c": the configuration dialog
    smChangePassword = 2,  // "a": the 9x screensaver password change
    smPreview = 3,         // "p" or "l": inside the Display control panel's preview window
    smSaver = 4,           // "s": full screen
    smProgram = 5,         // started as a program: the project says so, or the file is an .exe
};
