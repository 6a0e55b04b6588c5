// Reading the screensaver command line: the arguments, and the run-mode switch with its window.
#pragma once

#include "../diagnostics/ScrMode.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The arguments of a command line, the program's name first: separated by blanks, with double
// quotes grouping blanks into an argument and removed from it.
std::vector<std::string> CommandLineArguments(std::string_view commandLine);

// What the mode switch of a raw command line asks for.
struct ModeArgument {
    TScrMode mode;
    std::uint32_t window;  // the handle given after the switch; 0 when none
    bool foregroundOwner;  // "c" alone: the owner is the current foreground window
};

// Reads the switch after the program name: "/p 1234", "/P:1234", "-l1234", "p 1234", "/c",
// "/c:5678", "/s", "/a 99". No switch gives smConfigure; an unknown letter keeps `current`.
ModeArgument ParseModeArgument(std::string_view commandLine, TScrMode current);

// The log text of a run mode: "start mode : …"; null for smNone.
const char* StartModeText(TScrMode mode);

// True when a screensaver file's name says it was started as a program (".exe" anywhere, any case).
bool IsProgramFileName(std::string_view path);
