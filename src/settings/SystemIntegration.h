// The player's dealings with the system's screensaver machinery. Each routine fails silently: a
// missing library, entry point, key or value ends it without a message.
#pragma once

#include <windows.h>

#include <string>

// True on the Windows NT family; everything else counts as the 9x family.
bool IsWindowsNT();

// A path in its short (8.3) form, or as given when the system cannot shorten it.
std::string ShortPath(const std::string& path);

// Makes `path` the default screensaver and switches the screensaver on.
void SetAsDefaultScreensaver(const std::string& path);

// Starts the system's install command for screensaver files on `path`, without waiting for it.
void RunInstallCommand(const std::string& path);

// 9x family: the system's password change dialog for screensavers. Elsewhere nothing.
void ChangeScreensaverPassword(HWND owner);

// 9x family: asks for the screensaver password; true when the show may close. Elsewhere, and
// whenever the check cannot be carried out, true.
bool VerifyScreensaverPassword(HWND owner);

// Deletes the user's settings key of the project, with everything below it. A project without a
// name removes nothing.
void RemoveSettingsKey(const std::string& projectName);

// Tells the system whether a screensaver is running.
void NotifyScreensaverRunning(bool running);
