// Windows programs started by tests, and files they leave behind.
#pragma once

#include "../../src/framework/Handles.h"

#include <windows.h>

#include <string>

// The folder of the running test program, with a final "\".
std::string ProgramFolder();

// Runs `commandLine` and waits for it; its exit code, or -1 when it could not start or did not
// end within `timeoutMs` (it is then ended).
int RunProcess(const std::string& commandLine, DWORD timeoutMs = 60000);

// A visible top-level window of the process with that window class; null when there is none.
HWND FindProcessWindow(DWORD processId, const char* className);

// Waits until `path` exists, up to `timeoutMs`.
bool WaitForFile(const std::string& path, DWORD timeoutMs);

// Runs a show and closes its screen window (or its configuration dialog) as the system would
// (WM_CLOSE) once the window is up;
// a show that ends by itself just ends. Its exit code, or -1 when it did not end in time.
int RunShow(const std::string& commandLine, DWORD timeoutMs = 60000);

// A program started by a test and driven while it runs; one still running when the object goes is
// ended. Its waits handle this thread's messages, so a window of the test (a preview's host) may
// be the parent of the program's windows.
//   Program show("\"C:\\show\\show.scr\" /s");
//   const HWND screen = show.WaitForWindow("TForm");
//   ::PostMessageA(screen, WM_CLOSE, 0, 0);
//   EXPECT_EQ(0, show.WaitForExit());
class Program {
public:
    explicit Program(const std::string& commandLine);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Running() const;
    // A visible top-level window of the program with that window class, once it is up; null when
    // none came within `timeoutMs` or the program ended.
    HWND WaitForWindow(const char* className, DWORD timeoutMs = 30000) const;
    // Its exit code once it ended; -1 when it still runs after `timeoutMs`.
    int WaitForExit(DWORD timeoutMs = 30000) const;

private:
    UniqueKernelHandle process;
    DWORD id = 0;
};
