// Windows programs started by tests, and files they leave behind.
#pragma once

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
