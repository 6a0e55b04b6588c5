// A window's title made to fit its title bar: the system draws a caption that is too long cut off
// at the bar's edge, often halfway through a letter, so a long name is shortened here and ends in
// "..." instead. The caption font and the bar's buttons are the system's, at its screen scaling.
//
//   ::SetWindowTextA(dialog, FittedCaption(dialog, "About ", project.projectName, "").c_str());
#pragma once

#include <windows.h>

#include <string>

// The room for caption text in the title bar of `window`, in pixels.
int CaptionRoom(HWND window);

// before + name + after when it fits CaptionRoom(window); else `name` cut short with "...".
std::string FittedCaption(HWND window, const std::string& before, const std::string& name, const std::string& after);
